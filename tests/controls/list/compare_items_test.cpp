// Sorting the results list: how two cell texts of each sort kind compare.
#include <gtest/gtest.h>

#include <string>

#include "controls/enhanced_list_ctrl.h"
#include "tests/support/scratch.h"

namespace
{
int Sign(int value)
{
    return (value > 0) - (value < 0);
}

// Compares copies, as the list's sort buffers are cut by a date comparison.
int Compare(const char* first, const char* second, int kind, bool ascending = true)
{
    std::string a(first), b(second);
    a.resize(CEnhancedListCtrl::kSortTextSize, '\0');
    b.resize(CEnhancedListCtrl::kSortTextSize, '\0');
    return Sign(CompareSortTexts(&a[0], &b[0], kind, ascending));
}

struct CompareCase
{
    const char* first;
    const char* second;
    int kind;
    int expected; // sign when ascending
};

const CompareCase kCompareCases[] = {
    {"apple", "Banana", LIST_SORT_TEXT, -1},
    {"STATUS", "status", LIST_SORT_TEXT, 0},
    {"Error: x", "error: y", LIST_SORT_TEXT, -1},
    {"abc", "ab", LIST_SORT_TEXT, 1},
    {"10", "9", LIST_SORT_NUMBER, 1},
    {"  -5 apples", "3", LIST_SORT_NUMBER, -1},
    {"+7", "7 KB", LIST_SORT_NUMBER, 0},
    {"none", "0", LIST_SORT_NUMBER, 0},
    {"1,234 KB", "999 KB", LIST_SORT_DIGITS, 1},
    {"12 34", "13", LIST_SORT_DIGITS, -1},
    {"v1.7", "17", LIST_SORT_DIGITS, 0},
    {"31.12.2019", "01.01.2020", LIST_SORT_DATE, -1},
    {"01.02.2020", "31.01.2020", LIST_SORT_DATE, 1},
    {"02/03/2021", "01/03/2021", LIST_SORT_DATE, 1},
    {"15-06-2022", "15-06-2022", LIST_SORT_DATE, 0},
    {"b", "a", LIST_SORT_NONE, 0},
    {"b", "a", 7, 0},
};

TEST(CompareItemsTest, EachSortKindOrdersTwoCellsAndDescendingReverses)
{
    for (const CompareCase& c : kCompareCases)
    {
        SCOPED_TRACE(std::string(c.first) + " vs " + c.second + ", kind " + std::to_string(c.kind));
        EXPECT_EQ(c.expected, Compare(c.first, c.second, c.kind, true));
        EXPECT_EQ(-c.expected, Compare(c.first, c.second, c.kind, false));
    }
}

TEST(CompareItemsTest, TextsInAnyScriptCompareWithoutLetterCase)
{
    struct
    {
        std::wstring first, second;
        int expected;
    } cases[] = {
        {L"\u00C9clair", L"\u00E9clair", 0},                 // Éclair, éclair
        {L"\u0141\u00F3d\u017A", L"\u0142\u00D3D\u0179", 0}, // Łódź, łÓDŹ
        {L"\u041E\u0442\u0447\u0451\u0442", L"\u043E\u0422\u0427\u0401\u0422", 0},
        {L"\u03B1", L"\u0392", -1}, // α before Β
        {L"a_b", L"AB", -1},        // ASCII as before: '_' < 'b'
    };
    for (const auto& c : cases)
    {
        const std::string first = Ansi(c.first), second = Ansi(c.second);
        SCOPED_TRACE(first + " vs " + second);
        EXPECT_EQ(c.expected, Compare(first.c_str(), second.c_str(), LIST_SORT_TEXT));
    }
}

TEST(CompareItemsTest, DigitsAreReadUpToTheFirstBlank)
{
    EXPECT_EQ(1234, DigitsValue("1,234 KB"));
    EXPECT_EQ(12, DigitsValue("12 34"));
    EXPECT_EQ(0, DigitsValue(" 5"));
    EXPECT_EQ(0, DigitsValue(""));
}

TEST(CompareItemsTest, ShortDatesCompareWithoutReadingPastTheText)
{
    // Fields past a text's end count as 0: a lone day still orders by day.
    EXPECT_EQ(-1, Compare("03", "04", LIST_SORT_DATE));
    EXPECT_EQ(1, Compare("01.01.1", "31.12", LIST_SORT_DATE));
}
} // namespace
