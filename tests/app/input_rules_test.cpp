#include "app/input_rules.h"

#include <gtest/gtest.h>

#include "app/app_texts.h"

namespace
{
struct TargetCase
{
    const char* source;
    int bSuffix;
    const char* suffix;
    const char* expected; // nullptr: no target
};

TEST(DeriveTargetPath, NamesTheTargetBesideTheSource)
{
    const TargetCase cases[] = {
        {"C:\\In\\report.pdf", 1, "_protected", "C:\\In\\report_protected.pdf"},
        {"C:\\In\\report.pdf", 0, "_protected", "C:\\In\\report.pdf"},
        {"C:\\In\\Report.PDF", 1, "_protected", "C:\\In\\Report_protected.pdf"},
        {"C:\\In\\notes", 1, "_protected", "C:\\In\\notes_protected.pdf"},
        {"C:\\Docs.old\\notes", 1, "_protected", "C:\\Docs.old\\notes_protected.pdf"},
        {"C:\\In\\a.b.pdf", 1, "_x", "C:\\In\\a.b_x.pdf"},
        {"C:\\In\\report.docx", 1, "_protected", "C:\\In\\report_protected.pdf"},
        {"D:\\report.pdf", 1, "", "D:\\report.pdf"},
        {"report.pdf", 1, "_protected", nullptr},
        {"", 1, "_protected", nullptr},
    };
    for (const TargetCase& c : cases)
    {
        const auto target = DeriveTargetPath(c.source, c.bSuffix, c.suffix);
        if (c.expected)
            EXPECT_EQ(c.expected, target.value_or("<none>")) << c.source;
        else
            EXPECT_FALSE(target.has_value()) << c.source;
    }
}

TEST(DeriveTargetPath, RefusesATargetLongerThanAFieldHolds)
{
    const std::string folder = "C:\\" + std::string(980, 'f');
    EXPECT_TRUE(DeriveTargetPath(folder + "\\a.pdf", 0, "").has_value());
    EXPECT_FALSE(DeriveTargetPath(folder + "\\a.pdf", 1, std::string(30, 's')).has_value());
}

struct CommandLineCase
{
    const char* commandLine;
    const char* expected; // nullptr: no argument
};

TEST(CommandLineArgument, ReadsThePathAfterTheProgramName)
{
    const CommandLineCase cases[] = {
        // The verb's command with the program quoted, and the older form without quotes.
        {"\"C:\\Program Files\\Sealwick\\sealwick.exe\" \"C:\\Docs\\Q3 Report.pdf\"",
         "C:\\Docs\\Q3 Report.pdf"},
        {"C:\\Program Files\\Sealwick\\sealwick.exe \"C:\\Docs\\Q3 Report.pdf\"",
         "C:\\Docs\\Q3 Report.pdf"},
        // ".exe" is found in any letter case; the path keeps its own letters.
        {"C:\\TOOLS\\SEALWICK.EXE \"D:\\Mixed\\CaseName.PDF\"", "D:\\Mixed\\CaseName.PDF"},
        {"\"C:\\My.exe Tools\\sealwick.exe\" \"C:\\In\\a.pdf\"", "C:\\In\\a.pdf"},
        {"sealwick.exe   C:\\In\\plain.pdf  ", "C:\\In\\plain.pdf"},
        // Only one pair of surrounding double quotes goes: apostrophes belong to the path.
        {"\"C:\\Tools\\sealwick.exe\" \"C:\\Docs\\John's CV.pdf\"", "C:\\Docs\\John's CV.pdf"},
        {"sealwick.exe 'C:\\In\\single.pdf'", "'C:\\In\\single.pdf'"},
        // A second argument is part of the same text.
        {"sealwick.exe \"C:\\a.pdf\" \"C:\\b.pdf\"", "C:\\a.pdf\" \"C:\\b.pdf"},
        {"\"C:\\Tools\\sealwick.exe\"", nullptr},
        {"\"C:\\Tools\\sealwick.exe\"   ", nullptr},
        {"C:\\Tools\\sealwick.exe \"\"", nullptr},
        {"C:\\Tools\\sealwick.exe", nullptr},
        {"C:\\Tools\\sealwick \"C:\\a.pdf\"", nullptr},
    };
    for (const CommandLineCase& c : cases)
    {
        const auto argument = CommandLineArgument(c.commandLine);
        if (c.expected)
            EXPECT_EQ(c.expected, argument.value_or("<none>")) << c.commandLine;
        else
            EXPECT_FALSE(argument.has_value()) << c.commandLine;
    }
}

TEST(ModeMemory, EachModeGetsBackItsOwnTexts)
{
    ModeMemory memory;
    ModeTexts shown = SwitchModeTexts(memory, OperationMode::SingleFile,
                                      {"C:\\In\\a.pdf", "C:\\In\\a_p.pdf"}, OperationMode::Folder);
    EXPECT_EQ(kPlaceholderFolder, shown.strSource);
    EXPECT_EQ("", shown.strTarget);

    shown = SwitchModeTexts(memory, OperationMode::Folder, {"D:\\Docs\\", "E:\\Out\\"},
                            OperationMode::SingleFile);
    EXPECT_EQ("C:\\In\\a.pdf", shown.strSource);
    EXPECT_EQ("C:\\In\\a_p.pdf", shown.strTarget);

    shown = SwitchModeTexts(memory, OperationMode::SingleFile, {"", "kept"}, OperationMode::Folder);
    EXPECT_EQ("D:\\Docs\\", shown.strSource);
    EXPECT_EQ("E:\\Out\\", shown.strTarget);

    // An emptied source brings the placeholder back; the target stays as left.
    shown = SwitchModeTexts(memory, OperationMode::Folder, shown, OperationMode::SingleFile);
    EXPECT_EQ(kPlaceholderSingleFile, shown.strSource);
    EXPECT_EQ("kept", shown.strTarget);
}

TEST(ModeMemory, KeepsAtMost4999Characters)
{
    ModeMemory memory;
    SwitchModeTexts(memory, OperationMode::SingleFile, {std::string(6000, 'x'), "t"},
                    OperationMode::Folder);
    EXPECT_EQ(4999u, memory.singleFile.strSource.size());
}

struct DropCase
{
    const char* path;
    bool bFolder;
    DropKind expected;
};

TEST(ClassifyDroppedPath, TakesFoldersAndPdfFilesOnly)
{
    const DropCase cases[] = {
        {"D:\\Docs", true, DropKind::Folder},
        {"D:\\", true, DropKind::Folder},
        {"D:\\Docs.v2", true, DropKind::Folder},
        {"C:\\In\\scan.Pdf", false, DropKind::PdfFile},
        {"C:\\In\\scan.PDF", false, DropKind::PdfFile},
        {"C:\\In\\scan.pdf.txt", false, DropKind::NotPdf},
        {"C:\\In\\scan.pdfx", false, DropKind::NotPdf},
        {"C:\\In.v2\\README", false, DropKind::NotPdf},
        {"C:\\In\\README", false, DropKind::NoExtension},
        {"scan.pdf", false, DropKind::NoFolder},
    };
    for (const DropCase& c : cases)
        EXPECT_EQ(static_cast<int>(c.expected),
                  static_cast<int>(ClassifyDroppedPath(c.path, c.bFolder)))
            << c.path;
}

struct PickedFolderCase
{
    const char* folder;
    OperationMode mode;
    const char* source;
    const char* expected;
};

TEST(TargetForPickedFolder, FollowsTheFolderWithTheSourceNameInSingleFileMode)
{
    const PickedFolderCase cases[] = {
        {"D:\\Out", OperationMode::SingleFile, "C:\\In\\report.pdf", "D:\\Out\\report.pdf"},
        {"D:\\", OperationMode::SingleFile, "C:\\In\\report.pdf", "D:\\report.pdf"},
        {"D:\\Out", OperationMode::SingleFile, kPlaceholderSingleFile, "D:\\Out\\"},
        {"D:\\Out", OperationMode::Folder, "C:\\In\\", "D:\\Out\\"},
        {"D:\\", OperationMode::Folder, "C:\\In\\", "D:\\"},
    };
    for (const PickedFolderCase& c : cases)
        EXPECT_EQ(c.expected, TargetForPickedFolder(c.folder, c.mode, c.source)) << c.folder;
}
} // namespace
