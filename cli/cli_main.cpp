#include "cli/cli_main.h"

#include <windows.h>

#include "base/product.h"
#include "base/text_conversion.h"
#include "cli/cli_options.h"
#include "cli/cli_run.h"
#include "cli/cli_texts.h"
#include "cli/console.h"
#include "cli/csv.h"
#include "cli/password_table.h"
#include "engine/status_texts.h"

#ifndef SEALWICK_VERSION
#define SEALWICK_VERSION "0"
#endif

namespace
{
void Say(OutputStream stream, const std::string& text)
{
    WriteOutput(stream, text + "\r\n");
}

// The message texts carry bare line feeds; a console or a file on Windows wants CR LF.
std::string WithCrLf(const std::string& text)
{
    std::string out;
    for (char c : text)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

int Refuse(const std::string& message)
{
    Say(OutputStream::Err, WithCrLf(message));
    return kExitRefused;
}

int WrongArguments(const std::string& error)
{
    WriteOutput(OutputStream::Err, "sealwick-cli: " + error + "\r\n\r\n" + WithCrLf(UsageText()));
    return kExitRefused;
}

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    HANDLE file = CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bytes.clear();
    char buf[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buf, sizeof buf, &got, nullptr) != 0) && got > 0)
        bytes.append(buf, got);
    CloseHandle(file);
    return ok;
}

// The first line of a UTF-8 file, without a byte-order mark or the line break.
bool ReadPasswordFile(const std::string& path, std::string& password, std::string& error)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
    {
        error = "cannot read the password file " + path;
        return false;
    }
    if (bytes.compare(0, 3, kUtf8Bom) == 0)
        bytes.erase(0, 3);
    password = bytes.substr(0, bytes.find_first_of("\r\n"));
    std::wstring wide;
    if (!MultiByteToWide(password, CP_UTF8, wide))
    {
        error = "the password file " + path + " is not UTF-8 text";
        return false;
    }
    return true;
}

bool LoadPasswordTable(const std::string& path, std::vector<PasswordEntry>& entries,
                       std::string& error)
{
    std::string bytes;
    std::vector<CsvRecord> records;
    if (!ReadWholeFile(path, bytes))
        error = "cannot read the passwords file " + path;
    else if (ParseCsv(bytes, records, error) && ReadPasswordTable(records, entries, error))
        return true;
    else
        error = "passwords file " + path + ", " + error;
    return false;
}

const char* YesNo(bool bValue)
{
    return bValue ? "yes" : "no";
}

// Creates (or empties) the report file, so a report that cannot be written stops the
// command before any file is protected.
HANDLE OpenReport(const std::string& path)
{
    return CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool WriteReport(HANDLE file, const std::vector<FileOutcome>& outcomes)
{
    std::string text = kUtf8Bom;
    text += FormatCsvRecord({"Source PDF File", "Target PDF File", "PDF Version", "Encryption",
                             "Status", "repaired", "signed", "pdfa", "random_permission_password",
                             "checked"});
    for (const FileOutcome& o : outcomes)
        text += FormatCsvRecord({o.strSource, o.strTarget, o.strPdfVersion, o.strEncryption,
                                 o.strStatus, YesNo(o.bRepaired), YesNo(o.bSigned), YesNo(o.bPdfA),
                                 YesNo(o.bRandomPermissionPassword), YesNo(o.bChecked)});
    DWORD written = 0;
    const bool ok =
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
        written == text.size();
    return CloseHandle(file) && ok;
}

// Gives each file its passwords: its row of the passwords file, else the command's. Rows
// naming files that do not exist become failed files of their own, after the listed ones.
void AssignPasswords(std::vector<CliFile>& files, const std::vector<PasswordEntry>& table,
                     const std::string& open, const std::string& permission, bool bCommandPasswords,
                     const ResolvedPaths& paths, bool& bOpenWarning)
{
    std::vector<bool> used(table.size(), false);
    for (CliFile& file : files)
    {
        if (!file.strError.empty())
            continue;
        const int k = FindPasswordEntry(table, file.strRelative);
        if (k < 0)
        {
            file.strOpenPassword = open;
            file.strPermissionPassword = permission;
            if (!bCommandPasswords)
                file.strError = kStatusNoPassword;
            continue;
        }
        const PasswordEntry& entry = table[static_cast<size_t>(k)];
        used[static_cast<size_t>(k)] = true;
        file.strOpenPassword = entry.strOpenPassword;
        file.strPermissionPassword = entry.strPermissionPassword;
        const bool bOpenBlank = IsBlankPassword(entry.strOpenPassword);
        if (bOpenBlank && IsBlankPassword(entry.strPermissionPassword))
            file.strError = kStatusRowPasswordsEmpty;
        else if (bOpenBlank)
            bOpenWarning = true;
    }

    const std::string folder = paths.bFolder
                                   ? paths.strSource
                                   : paths.strSource.substr(0, paths.strSource.find_last_of('\\'));
    for (size_t k = 0; k < table.size(); ++k)
    {
        if (used[k])
            continue;
        std::string relative = table[k].strFile;
        for (char& c : relative)
            if (c == '/')
                c = '\\';
        const std::string source = folder + "\\" + relative;
        // A file that exists but is not part of this run (another folder's, or left out
        // by the suffix rule) is simply not needed.
        if (SourceFileExists(source))
            continue;
        CliFile missing;
        missing.strSource = source;
        missing.strRelative = relative;
        missing.strError = kStatusSourceMissing;
        files.push_back(missing);
    }
}

class CProgress
{
  public:
    CProgress(bool bShown, size_t total) : m_bShown(bShown), m_nTotal(total) {}

    void Show(size_t finished)
    {
        if (m_bShown)
            WriteOutput(OutputStream::Err, "\rProtected " + std::to_string(finished) + " of " +
                                               std::to_string(m_nTotal) + " files");
    }
    // Clears the progress line before a line of output takes its place.
    void Clear()
    {
        if (m_bShown)
            WriteOutput(OutputStream::Err, "\r" + std::string(60, ' ') + "\r");
    }

  private:
    bool m_bShown;
    size_t m_nTotal;
};
} // namespace

int RunCli(const std::vector<std::wstring>& args)
{
    CliOptions options;
    std::string error;
    switch (ParseArguments(args, options, error))
    {
    case ParseOutcome::Help:
        WriteOutput(OutputStream::Out, WithCrLf(UsageText()));
        return kExitAllProtected;
    case ParseOutcome::Version:
        Say(OutputStream::Out,
            std::string("sealwick-cli ") + SEALWICK_VERSION + " (" + kProductCaption + ")");
        return kExitAllProtected;
    case ParseOutcome::Error:
        return WrongArguments(error);
    case ParseOutcome::Run:
        break;
    }

    std::string open = options.strOpenPassword, permission = options.strPermissionPassword;
    if ((!options.strOpenPasswordFile.empty() &&
         !ReadPasswordFile(options.strOpenPasswordFile, open, error)) ||
        (!options.strPermissionPasswordFile.empty() &&
         !ReadPasswordFile(options.strPermissionPasswordFile, permission, error)))
        return WrongArguments(error);
    std::vector<PasswordEntry> table;
    const bool bTable = !options.strPasswordsFile.empty();
    if (bTable && !LoadPasswordTable(options.strPasswordsFile, table, error))
        return WrongArguments(error);
    const bool bCommandPasswords = !(IsBlankPassword(open) && IsBlankPassword(permission));

    const ResolvedPaths paths = ResolvePaths(options);
    bool bOpenWarning = false;
    const std::string refusal =
        CheckRequest(options, paths, open, permission, bTable, bOpenWarning);
    if (!refusal.empty())
        return Refuse(refusal);
    // Checked last, as the window asks last: restrictions that whoever opens a file could lift.
    if (bCommandPasswords && NeedsOtherPermissionPassword(options, open, permission))
        return Refuse(kMsgPermissionPasswordNeeded);
    for (const PasswordEntry& entry : table)
    {
        std::string rowRefusal =
            CheckRowPasswords(options, entry.strOpenPassword, entry.strPermissionPassword);
        if (rowRefusal.empty() && NeedsOtherPermissionPassword(options, entry.strOpenPassword,
                                                               entry.strPermissionPassword))
            rowRefusal = kMsgPermissionPasswordNeeded;
        if (!rowRefusal.empty())
            return Refuse("passwords file, row of " + entry.strFile + ": " + rowRefusal);
    }

    HANDLE report = INVALID_HANDLE_VALUE;
    if (!options.strReportFile.empty())
    {
        report = OpenReport(options.strReportFile);
        if (report == INVALID_HANDLE_VALUE)
            return WrongArguments("cannot create the report file " + options.strReportFile);
    }

    std::vector<CliFile> files;
    std::string message;
    if (!ListRunFiles(options, paths, files, message))
    {
        if (report != INVALID_HANDLE_VALUE)
            WriteReport(report, {});
        return Refuse(message);
    }
    AssignPasswords(files, table, open, permission, bCommandPasswords, paths, bOpenWarning);
    if (bOpenWarning)
        Say(OutputStream::Err, WithCrLf(OpenPasswordWarning()));

    CProgress progress(!options.bQuiet && IsConsole(OutputStream::Err), files.size());
    progress.Show(0);
    const std::vector<FileOutcome> outcomes = ProtectFiles(
        files, options,
        [&](const FileOutcome& o)
        {
            if (options.bQuiet)
                return;
            progress.Clear();
            Say(OutputStream::Out, std::string(o.bOk ? "OK" : "ERROR") + "\t" + o.strSource + "\t" +
                                       o.strTarget + "\t" + o.strStatus);
        },
        [&](size_t finished) { progress.Show(finished); });
    progress.Clear();

    bool bAllOk = true;
    for (const FileOutcome& o : outcomes)
        bAllOk = bAllOk && o.bOk;
    if (report != INVALID_HANDLE_VALUE && !WriteReport(report, outcomes))
    {
        Say(OutputStream::Err,
            "sealwick-cli: cannot write the report file " + options.strReportFile);
        return kExitSomeFailed;
    }
    return bAllOk ? kExitAllProtected : kExitSomeFailed;
}
