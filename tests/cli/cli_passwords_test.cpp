#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "cli/cli_texts.h"
#include "cli/csv.h"
#include "cli_process.h"
#include "engine/status_texts.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
// UTF-8 spellings; the test program runs with UTF-8 as its ANSI code page, like the command.
const std::string kCyrillicName = "\xD0\xB4\xD0\xBE\xD0\xBA.pdf"; // док.pdf
const std::string kCyrillicPassword = "\xD0\x9F\xD0\xB0\xD1\x80\xD0\xBE\xD0\xBB\xD1\x8C"; // Пароль
const std::string kPolishFolder = "\xC5\xBB\xC3\xB3\xC5\x82\xC4\x87"; // Żółć
const std::string kGreekName = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC"
                               ".pdf"; // Ελληνικά.pdf
const std::string kJapaneseName = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E.pdf"; // 日本語.pdf
const std::string kGreekPassword = "\xCE\xBA\xCF\x89\xCE\xB4\xCE\xB9\xCE\xBA\xCF\x8C\xCF\x82";
const std::string kCyrillicSuffix = "_\xD0\xB7\xD0\xB0\xD1\x89"; // _защ

std::map<std::string, OutputLine> LinesBySource(const CliRun& run)
{
    std::map<std::string, OutputLine> lines;
    for (const OutputLine& line : ParseOutputLines(run))
        lines[line.source] = line;
    return lines;
}

class PasswordsFile : public ::testing::Test
{
  protected:
    PasswordsFile()
    {
        for (const char* sub : {"in", "in\\sub", "out"})
            CreateDirectoryA((m_folder / sub).c_str(), nullptr);
        for (const std::string& name :
             {std::string("a.pdf"), std::string("b, c.pdf"), kCyrillicName, std::string("e.pdf"),
              std::string("sub\\f.pdf")})
            MakePdf(m_folder / ("in\\" + name));
        // Written as a spreadsheet saves it: byte-order mark, CR LF, quotes where needed.
        WriteFileBytes(m_folder / "pw.csv", std::string(kUtf8Bom) +
                                                "File,Open password,Permission password\r\n"
                                                "a.pdf,\"pa,ss\",\"own \"\"q\"\"\"\r\n"
                                                "\"b, c.pdf\"," +
                                                kCyrillicPassword + "\r\n" + kCyrillicName +
                                                ",\"line one, line two\",perm\r\n"
                                                "sub/f.pdf,fpass\r\n"
                                                "missing.pdf,x\r\n");
    }

    std::string In(const std::string& name) const { return m_folder / ("in\\" + name); }
    std::string Out(const std::string& name) const { return m_folder / ("out\\" + name); }

    ScratchFolder m_folder;
};

// Each file opens with its own row's password; a file not listed takes the command's; a
// listed file that is not there is a failed row of its own.
TEST_F(PasswordsFile, EachFileOpensWithItsOwnPassword)
{
    const CliRun run =
        RunCliExe({"in", "out", "-r", "--passwords", "pw.csv", "-p", "cmd", "--report", "r.csv"},
                  m_folder.Path());
    EXPECT_EQ(run.exitCode, 1u) << run.err;
    const auto lines = LinesBySource(run);
    ASSERT_EQ(lines.size(), 6u) << run.out;

    const struct
    {
        std::string target, password;
        bool bOwner;
    } kOpens[] = {
        {"a_protected.pdf", "pa,ss", false},
        {"a_protected.pdf", "own \"q\"", true},
        {"b, c_protected.pdf", kCyrillicPassword, false},
        {"\xD0\xB4\xD0\xBE\xD0\xBA_protected.pdf", "line one, line two", false},
        {"e_protected.pdf", "cmd", false},
        {"sub\\f_protected.pdf", "fpass", false},
    };
    for (const auto& open : kOpens)
    {
        SCOPED_TRACE(open.target + " " + open.password);
        const EncryptionReadback r = ReadEncryption(Out(open.target), open.password);
        EXPECT_TRUE(open.bOwner ? r.bOwnerMatched : r.bUserMatched) << r.error;
    }
    EXPECT_FALSE(ReadEncryption(Out("e_protected.pdf"), "pa,ss").bOpened);

    ASSERT_TRUE(lines.count(In("missing.pdf")));
    const OutputLine& missing = lines.at(In("missing.pdf"));
    EXPECT_EQ(missing.word, "ERROR");
    EXPECT_EQ(missing.status, kStatusSourceMissing);
    // The missing file comes last, in the report as well.
    const std::string report = ReadFileBytes(m_folder / "r.csv");
    std::vector<CsvRecord> rows;
    std::string error;
    ASSERT_TRUE(ParseCsv(report, rows, error)) << error;
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows.back().fields[0], In("missing.pdf"));
}

TEST_F(PasswordsFile, WithoutCommandPasswordsAnUnlistedFileFails)
{
    const CliRun run = RunCliExe({"in", "out", "--passwords", "pw.csv"}, m_folder.Path());
    EXPECT_EQ(run.exitCode, 1u) << run.err;
    const auto lines = LinesBySource(run);
    ASSERT_TRUE(lines.count(In("e.pdf"))) << run.out;
    EXPECT_EQ(lines.at(In("e.pdf")).status, kStatusNoPassword);
    EXPECT_FALSE(PathExists(Out("e_protected.pdf")));
    EXPECT_EQ(lines.at(In("a.pdf")).word, "OK");
    // Without --recursive the sub-folder's file is not part of the run, and not missing.
    EXPECT_FALSE(lines.count(In("sub\\f.pdf")));
}

// A row's password that 256-bit AES cannot store refuses the run before any file is written.
TEST_F(PasswordsFile, UnstorableRowPasswordIsRefused)
{
    WriteFileBytes(m_folder / "breaks.csv", "a.pdf,\"one\r\ntwo\"\r\n");
    const CliRun run = RunCliExe({"in", "out", "--passwords", "breaks.csv"}, m_folder.Path());
    EXPECT_EQ(run.exitCode, 2u);
    EXPECT_NE(run.err.find("passwords file, row of a.pdf: The open password contains a "
                           "character that 256-bit AES cannot store (U+000D)."),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(PathExists(Out("a_protected.pdf")));
}

// With restrictions, a row without a permission password refuses the run, unless such files get
// random ones, which the report names.
TEST_F(PasswordsFile, RestrictionsNeedAPermissionPasswordPerRow)
{
    const CliRun refused = RunCliExe({"in", "out", "--passwords", "pw.csv", "-p", "cmd", "-P",
                                      "cmd perm", "--no-copy", "--report", "r.csv"},
                                     m_folder.Path());
    EXPECT_EQ(refused.exitCode, 2u);
    EXPECT_NE(refused.err.find("passwords file, row of b, c.pdf: " +
                               std::string(kMsgPermissionPasswordNeeded)),
              std::string::npos)
        << refused.err;
    EXPECT_FALSE(PathExists(Out("a_protected.pdf")));
    RunCliExe({"in", "out", "--passwords", "pw.csv", "-p", "cmd", "--no-copy",
               "--random-permission-password", "--report", "r.csv"},
              m_folder.Path());
    std::vector<CsvRecord> rows;
    std::string error;
    ASSERT_TRUE(ParseCsv(ReadFileBytes(m_folder / "r.csv"), rows, error)) << error;
    std::map<std::string, std::string> random;
    for (const CsvRecord& row : rows)
        random[row.fields[0]] = row.fields[8];
    EXPECT_EQ(random[In("a.pdf")] + random[In("b, c.pdf")] + random[In("e.pdf")], "noyesyes");
    EXPECT_FALSE(ReadEncryption(Out("e_protected.pdf"), "cmd").bOwnerMatched);
}

TEST_F(PasswordsFile, BrokenFileIsRefused)
{
    WriteFileBytes(m_folder / "bad.csv", "a.pdf,\"never closed\r\n");
    const CliRun run = RunCliExe({"in", "out", "--passwords", "bad.csv"}, m_folder.Path());
    EXPECT_EQ(run.exitCode, 2u);
    EXPECT_NE(run.err.find("line 1: a quoted field is not closed"), std::string::npos) << run.err;
    EXPECT_FALSE(PathExists(Out("a_protected.pdf")));
}

// Polish, Greek, Japanese and Cyrillic in folder, file, target folder, suffix and password,
// given as UTF-16 arguments: names arrive unchanged on disk, in the lines and in the report.
TEST(CliScripts, NamesAndPasswordsInFourScripts)
{
    ScratchFolder folder;
    const std::string source = folder / kPolishFolder;
    const std::string target = folder / "\xD0\x9A\xD1\x83\xD0\xB4\xD0\xB0"; // Куда
    CreateDirectoryA(source.c_str(), nullptr);
    CreateDirectoryA(target.c_str(), nullptr);
    MakePdf(source + "\\" + kGreekName);
    MakePdf(source + "\\" + kJapaneseName);
    WriteFileBytes(folder / "open.txt", std::string(kUtf8Bom) + kGreekPassword + "\r\nignored\r\n");

    const CliRun run =
        RunCliExe({kPolishFolder, target, "--open-password-file", "open.txt", "-s", kCyrillicSuffix,
                   "--report", folder / "\xE5\xA0\xB1\xE5\x91\x8A.csv"},
                  folder.Path());
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    const auto lines = LinesBySource(run);
    for (const std::string& name : {kGreekName, kJapaneseName})
    {
        SCOPED_TRACE(name);
        const std::string out =
            target + "\\" + name.substr(0, name.size() - 4) + kCyrillicSuffix + ".pdf";
        ASSERT_TRUE(lines.count(source + "\\" + name)) << run.out;
        EXPECT_EQ(lines.at(source + "\\" + name).target, out);
        EXPECT_TRUE(ReadEncryption(out, kGreekPassword).bUserMatched);
    }
    const std::string report = ReadFileBytes(folder / "\xE5\xA0\xB1\xE5\x91\x8A.csv");
    EXPECT_NE(report.find(source + "\\" + kJapaneseName), std::string::npos) << report;
}
} // namespace
