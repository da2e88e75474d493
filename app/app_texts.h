#pragma once

// Every text the main window shows or writes into its fields. Each lives here only.

#include <windows.h>

#include "base/product.h"

constexpr const char* kAppCaption = kProductCaption;

// Start-up and close.
constexpr const char* kMsgOldWindows =
    "Sorry!!! This software works on Vista and higher Windows versions only.";
constexpr const char* kMsgRunInProgress =
    "PDF password protection operation is in progress... kindly stop it before closing the "
    "application";

// Asked last before a run whose restrictions the permission password would not guard; No
// gives every file its own random permission password.
constexpr const char* kMsgAskOtherPermissionPassword =
    "The permission password is the same as the open password, so anyone who can open the "
    "file could also lift its restrictions.\n\nWould you like to set a different permission "
    "password?";
constexpr UINT kOtherPermissionPasswordStyle = MB_ICONQUESTION | MB_YESNO;

// A run that stopped on an unexpected failure (not one file's failure, which its row shows).
constexpr const char* kMsgRunFailed =
    "PDF password protection stopped because of an unexpected error:\n\n";
constexpr const char* kRunFailureNoMemory = "Not enough memory.";
constexpr const char* kRunFailureUnknown = "Unknown error.";

// Labels, placeholders and browse tooltips of the two operation modes.
constexpr const char* kLabelSourceSingleFile = "Select PDF File:";
constexpr const char* kLabelTargetSingleFile = "Target PDF File:";
constexpr const char* kLabelSourceFolder = "Select Folder:";
constexpr const char* kLabelTargetFolder = "Target Folder:";
constexpr const char* kPlaceholderSingleFile =
    "<Drag & Drop your PDF File or Select using browse button>";
constexpr const char* kPlaceholderFolder = "<Drag & Drop the Folder or Select using browse button>";
constexpr const char* kTipBrowseSourceSingleFile = "Select the Source PDF file...";
constexpr const char* kTipBrowseTargetSingleFile = "Select the Target PDF file...";
constexpr const char* kTipBrowseSourceFolder = "Select the Source folder...";
constexpr const char* kTipBrowseTargetFolder = "Select the Target folder...";

// Browsing.
constexpr const char* kPdfFileFilter = "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*||";
constexpr const char* kTitleSourceFolder = "Select the Folder Location";
constexpr const char* kTitleTargetFolder = "Select Target Folder Location";

// Dropped items that are not taken; each becomes the source field's text.
constexpr const char* kDropNoExtension =
    "This is not valid file. Please verify and drop the correct PDF file.";
constexpr const char* kDropNotPdf =
    "This is not valid PDF file. Please verify and drop the correct PDF file.";
constexpr const char* kDropNoFolder =
    "Invalid file detected. Please verify and drop the correct PDF file.";
constexpr const char* kPdfExtension = ".PDF";

// Target names.
constexpr const char* kTargetWithSuffixFormat = "%s\\%s%s.pdf";
constexpr const char* kTargetFormat = "%s\\%s.pdf";

// Shaded buttons and links.
constexpr const char* kButtonFontFace = "MS Shell Dlg";
constexpr const char* kLinkFontFace = "MS Shell Dlg";
constexpr const char* kTipProtect = "Click here to protect the selected PDF file...";
constexpr const char* kTipOpenPdf = "Open the target PDF file...";
constexpr const char* kTipClearList = "Clear all the items in the above List";
constexpr const char* kTipSettings = "Customize the PDF Password Protection options...";
constexpr const char* kTipHelpLink = "Get more Help on using Sealwick";
// The user guide is installed beside the executable.
constexpr const char* kUserGuideFileName = "sealwick_guide.html";

// The backgrounds' banners and the main window's footer, drawn as Unicode whatever the code
// page.
constexpr const wchar_t* kBannerFontFace = L"Tahoma";
constexpr const wchar_t* kBannerMaker = L"Veltrane";
constexpr const wchar_t* kBannerProduct = L"Sealwick";
constexpr const wchar_t* kBannerTagline = L"Password protection for PDF files";
constexpr const wchar_t* kBannerSettings = L"Settings";
constexpr const wchar_t* kFooterProduct = L"Veltrane Sealwick";
constexpr const wchar_t* kFooterTagline =
    L"\u00B7  Lock, restrict and share PDF files with confidence";
constexpr const wchar_t* kFooterCopyright = L"\u00A9 Veltrane Software";

// The results list's commands.
constexpr const char* kMsgSourceEmpty = "Source PDF file is empty.";
constexpr const char* kMsgSourceNotFound = "Source PDF file is not found.";
constexpr const char* kMsgTargetEmpty = "Target PDF file is empty.";
constexpr const char* kMsgTargetNotFound = "Target PDF file is not found.";
constexpr const char* kMsgConfirmClear =
    "Are you sure you want to remove all the entries from the above list?  \n\nNote: This "
    "warning is shown only first time.";
constexpr const char* kRowCellSeparator = " | ";
constexpr const char* kShellOpenVerb = "open";

// The results list: headings of the columns the window inserts, in index order (column 5
// holds the source path and has no heading), the header font and the tooltip.
inline constexpr const char* kResultsColumnHeadings[] = {
    "File Name", "PDF Version", "Encryption", "Target PDF File", "Status", "",
};
constexpr const char* kHeaderFontFace = "MS Shell Dlg";
constexpr const char* kResultsToolTip = "Right click here for more options...";
