#pragma once

// Every text of the custom controls, in one place.

// The results list: the headings of the colour columns it adds itself, and the names looked
// up to tell whether the system draws themed common controls. The main window's columns and
// tooltip are the window's texts (app/app_texts.h).
inline constexpr const char kBackColorHeading[] = "Back Color Code";
inline constexpr const char kTextColorHeading[] = "Text Color Code";

inline constexpr const wchar_t kUxThemeDll[] = L"UxTheme.dll";
inline constexpr const char kIsAppThemed[] = "IsAppThemed";
inline constexpr const char kIsThemeActive[] = "IsThemeActive";
inline constexpr const char kDllGetVersion[] = "DllGetVersion";

// The hyperlink and the browser launch: the shell verb, the browsers' standard installation
// paths and the names looked up at run time.
inline constexpr const char kOpenVerb[] = "open";

// Each path's drive letter is replaced by the drive Windows is installed on.
inline constexpr const char kEdgePathWow64[] =
    "C:\\Program Files (x86)\\Microsoft\\Edge\\Application\\msedge.exe";
inline constexpr const char kEdgePathNative[] =
    "C:\\Program Files\\Microsoft\\Edge\\Application\\msedge.exe";
inline constexpr const char kInternetExplorerPath[] =
    "C:\\Program Files\\Internet Explorer\\iexplore.exe";
inline constexpr const char kDefaultWindowsDirectory[] = "C:\\Windows";

inline constexpr const char kKernel32Dll[] = "kernel32.dll";
inline constexpr const char kIsWow64Process[] = "IsWow64Process";

// Browser path and address, each one quoted argument: an unquoted path with blanks would let
// the system try "C:\Program.exe" first.
inline constexpr const char kBrowserCommandFormat[] = "\"%s\" \"%s\"";
