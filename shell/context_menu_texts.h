#pragma once

// Every key name and text of the Explorer verb. Each lives here only.

// The verb's key name is also the text Explorer shows, as no value names it otherwise.
constexpr const char* kVerbName = "Protect PDF";

// The extension key whose default value names the class of PDF files.
constexpr const char* kPdfExtensionKey = ".pdf";

// The class of files of every type, offered from Windows 8 on.
constexpr const char* kAllFilesClass = "*";

// Subkeys under a root, formatted with the class name in place of %s.
constexpr const char* kCommandKeyFormat = "%s\\shell\\Protect PDF\\command";
constexpr const char* kUserCommandKeyFormat = "Software\\Classes\\%s\\shell\\Protect PDF\\command";
constexpr const char* kVerbKeyFormat = "%s\\shell\\Protect PDF";
constexpr const char* kUserVerbKeyFormat = "Software\\Classes\\%s\\shell\\Protect PDF";

// The command Explorer runs, formatted with the executable's path. The path is quoted: with
// blanks in it and no quotes, Windows would first try a program named after its first word.
constexpr const char* kVerbCommandFormat = "\"%s\" \"%%1\"";

// The fixed classes under which the verb is written besides the ones found at run time:
// the extension itself, its per-extension key, and the classes of the common PDF readers,
// which keep the verb when the reader that owns ".pdf" changes.
constexpr const char* ContextMenuClassKeys[] = {
    ".pdf",
    "SystemFileAssociations\\.pdf",
    "AcroExch.Document",
    "AcroExch.Document.7",
    "Acrobat.Document.7",
    "AcroExch.Document.11",
    "Acrobat.Document.11",
    "AcroExch.Document.2015",
    "AcroExch.Document.2017",
    "AcroExch.Document.2020",
    "Acrobat.Document.2015",
    "Acrobat.Document.2017",
    "Acrobat.Document.2020",
    "AcroExch.Document.DC",
    "Acrobat.Document.DC",
};
