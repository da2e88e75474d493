#pragma once

// Texts of the results list: column headings, the tooltip, the header font and the names
// looked up to tell whether the system draws themed common controls.

// Headings of the columns that the main window inserts, in index order; column 5 holds the
// source path and has no heading.
inline constexpr const char* kResultsColumnHeadings[] = {
    "File Name", "PDF Version", "Encryption", "Target PDF File", "Status", "",
};
inline constexpr const char kBackColorHeading[] = "Back Color Code";
inline constexpr const char kTextColorHeading[] = "Text Color Code";

inline constexpr const char kResultsToolTip[] = "Right click here for more options...";
inline constexpr const char kHeaderFontFace[] = "MS Shell Dlg";

inline constexpr const char kUxThemeDll[] = "UxTheme.dll";
inline constexpr const char kIsAppThemed[] = "IsAppThemed";
inline constexpr const char kIsThemeActive[] = "IsThemeActive";
inline constexpr const char kComctl32Dll[] = "comctl32.dll";
inline constexpr const char kDllGetVersion[] = "DllGetVersion";
