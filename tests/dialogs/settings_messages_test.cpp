// What the window shows for each outcome of loading and saving the settings file.
#include "app/settings_messages.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/settings_texts.h"
#include "tests/settings/settings_test_support.h"

namespace
{
TEST(SettingsMessages, EachOutcomeShowsItsMessage)
{
    struct Case
    {
        std::function<void()> show;
        const char* text; // null: nothing is shown
        UINT icon;
    };
    const Case cases[] = {
        {[] { ShowSettingsLoadOutcome(TestOwner(), SettingsLoadOutcome::Loaded); }, nullptr, 0},
        {[] { ShowSettingsLoadOutcome(TestOwner(), SettingsLoadOutcome::CannotOpen); },
         kMsgCannotOpenToLoad, MB_ICONWARNING},
        {[] { ShowSettingsLoadOutcome(TestOwner(), SettingsLoadOutcome::CannotCreate); },
         kMsgCannotCreate, MB_ICONWARNING},
        {[] { ShowSettingsSaveOutcome(TestOwner(), SettingsSaveOutcome::OpenFailed); },
         kMsgCannotOpenToSave, MB_ICONWARNING},
        {[] { ShowSettingsSaveOutcome(TestOwner(), SettingsSaveOutcome::FileMissing); },
         kMsgFileMissing, MB_ICONWARNING},
        {[] { ShowSettingsSaveOutcome(TestOwner(), SettingsSaveOutcome::Saved); }, kMsgSaved,
         MB_ICONINFORMATION},
        {[] { ShowSettingsSaveOutcome(TestOwner(), SettingsSaveOutcome::Failed); }, kMsgSaveFailed,
         MB_ICONWARNING},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text ? c.text : "loaded");
        MessageBoxRecorder boxes;
        c.show();
        if (!c.text)
        {
            EXPECT_TRUE(boxes.Shown().empty());
            continue;
        }
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].text, c.text);
        EXPECT_EQ(boxes.Shown()[0].caption, "Veltrane Sealwick");
        EXPECT_EQ(boxes.Shown()[0].style, UINT(MB_OK | c.icon));
        EXPECT_EQ(boxes.Shown()[0].hOwner, TestOwner());
    }
}
} // namespace
