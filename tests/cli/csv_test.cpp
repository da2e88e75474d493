#include <gtest/gtest.h>

#include "cli/csv.h"
#include "cli/password_table.h"

namespace
{
using Rows = std::vector<std::vector<std::string>>;

struct CsvCase
{
    const char* name;
    std::string text;
    Rows rows;
    std::vector<int> lines = {};
    const char* errorPart = nullptr;
};

const CsvCase kCsvCases[] = {
    {"Plain", "a.pdf,one,two\nb.pdf,three\n", {{"a.pdf", "one", "two"}, {"b.pdf", "three"}}},
    {"CrLfNoFinalBreak", "a,b\r\nc,d", {{"a", "b"}, {"c", "d"}}},
    {"BomDropped",
     "\xEF\xBB\xBF"
     "a,b\n",
     {{"a", "b"}}},
    {"EmptyLinesSkipped", "\n\na,b\r\n\r\nc,d\n\n", {{"a", "b"}, {"c", "d"}}, {3, 5}},
    {"QuotedComma", "\"b, c.pdf\",\"x,y\"\n", {{"b, c.pdf", "x,y"}}},
    {"DoubledQuotes", "a,\"say \"\"hi\"\"\"\n", {{"a", "say \"hi\""}}},
    {"LineBreakInside", "a,\"one\ntwo\",p\nb,q\n", {{"a", "one\ntwo", "p"}, {"b", "q"}}, {1, 3}},
    {"CrLfInsideKept", "a,\"one\r\ntwo\"\r\n", {{"a", "one\r\ntwo"}}},
    {"EmptyFields", "a,,\n,b\n", {{"a", "", ""}, {"", "b"}}},
    {"SpacesKept", "a, x ,\" y \"\n", {{"a", " x ", " y "}}},
    {"QuoteInsideUnquoted", "a,b\"c\n", {{"a", "b\"c"}}},
    {"Cyrillic", "\xD0\xB4.pdf,\xD0\x9F\xD0\xB0\n", {{"\xD0\xB4.pdf", "\xD0\x9F\xD0\xB0"}}},
    {"Unclosed", "a,\"open\nb,c\n", {}, {}, "line 1: a quoted field is not closed"},
    {"TextAfterQuote", "a,\"x\"y\n", {}, {}, "line 1: text after a closing quote"},
    {"NotUtf8", "a,\xE9t\xE9\n", {}, {}, "not UTF-8"},
};

TEST(Csv, ParseTable)
{
    for (const CsvCase& c : kCsvCases)
    {
        SCOPED_TRACE(c.name);
        std::vector<CsvRecord> records;
        std::string error;
        const bool ok = ParseCsv(c.text, records, error);
        EXPECT_EQ(ok, c.errorPart == nullptr) << error;
        if (c.errorPart)
        {
            EXPECT_NE(error.find(c.errorPart), std::string::npos) << error;
            continue;
        }
        Rows rows;
        for (const CsvRecord& r : records)
            rows.push_back(r.fields);
        EXPECT_EQ(rows, c.rows);
        for (size_t k = 0; k < c.lines.size() && k < records.size(); ++k)
            EXPECT_EQ(records[k].nLine, c.lines[k]);
    }
}

TEST(Csv, WrittenRecordsReadBack)
{
    const Rows rows = {{"plain", "with,comma", "with \"quote\"", "two\r\nlines", ""},
                       {"Z:\\a\\\xC5\x81\xC3\xB3\x64\xC5\xBA.pdf", " x "}};
    std::string text;
    for (const auto& row : rows)
        text += FormatCsvRecord(row);
    EXPECT_EQ(FormatCsvRecord({"a", "b,c"}), "a,\"b,c\"\r\n");
    std::vector<CsvRecord> records;
    std::string error;
    ASSERT_TRUE(ParseCsv(text, records, error)) << error;
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fields, rows[0]);
    EXPECT_EQ(records[1].fields, rows[1]);
}

struct TableCase
{
    const char* name;
    std::string text;
    size_t entries;
    const char* errorPart = nullptr;
};

const TableCase kTableCases[] = {
    {"HeaderSkipped", "File,Open password,Permission password\na.pdf,x\n", 1},
    {"NoHeader", "a.pdf,x,y\nb.pdf,,y\n", 2},
    {"OneField", "a.pdf\n", 0, "line 1: a row needs"},
    {"FourFields", "a.pdf,1,2,3\n", 0, "line 1: a row needs"},
    {"EmptyFile", "a.pdf,x\n,y\n", 0, "line 2: the file is empty"},
    {"ListedTwice", "sub\\a.pdf,x\n.\\SUB/A.PDF,y\n", 0, "line 2: the file is listed on line 1"},
};

TEST(PasswordTable, RowsTable)
{
    for (const TableCase& c : kTableCases)
    {
        SCOPED_TRACE(c.name);
        std::vector<CsvRecord> records;
        std::vector<PasswordEntry> entries;
        std::string error;
        ASSERT_TRUE(ParseCsv(c.text, records, error));
        EXPECT_EQ(ReadPasswordTable(records, entries, error), c.errorPart == nullptr) << error;
        if (c.errorPart)
        {
            EXPECT_NE(error.find(c.errorPart), std::string::npos) << error;
        }
        else
        {
            EXPECT_EQ(entries.size(), c.entries);
        }
    }
}

TEST(PasswordTable, RelativePathsMatchAsTheFileSystemDoes)
{
    EXPECT_TRUE(SameRelativePath("sub/a.pdf", "sub\\a.pdf"));
    EXPECT_TRUE(SameRelativePath(".\\A.PDF", "a.pdf"));
    // Letter case beyond ASCII, as NTFS compares names.
    EXPECT_TRUE(SameRelativePath("\xD0\x94.pdf", "\xD0\xB4.pdf"));
    EXPECT_FALSE(SameRelativePath("sub\\a.pdf", "a.pdf"));
    EXPECT_FALSE(SameRelativePath("a.pdf", "a.pdf.pdf"));
}
} // namespace
