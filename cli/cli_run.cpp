#include "cli/cli_run.h"

#include <windows.h>

#include "base/file_system.h"
#include "base/text_conversion.h"
#include "cli/cli_texts.h"
#include "engine/encryption_type.h"
#include "engine/message_box_texts.h"
#include "engine/path_compare.h"
#include "engine/protect_folder.h"
#include "engine/protection_run.h"
#include "engine/protection_view.h"
#include "engine/result_row.h"
#include "engine/run_workers.h"
#include "engine/status_texts.h"
#include "engine/validate_request.h"

namespace
{
// UTF-8 to the engine's ANSI texts. The manifest makes them one and the same; an older
// Windows keeps its own code page, and a character it lacks is refused, never mapped.
bool ToEngine(const std::string& utf8, std::string& ansi)
{
    if (GetACP() == CP_UTF8)
    {
        ansi = utf8;
        return true;
    }
    std::wstring wide;
    return MultiByteToWide(utf8, CP_UTF8, wide) && WideToMultiByte(wide, CP_ACP, ansi);
}

std::string FromEngine(const std::string& ansi)
{
    std::string utf8;
    return AnsiToUtf8(ansi, utf8) ? utf8 : ansi;
}

std::string FullPath(const std::string& utf8)
{
    const std::wstring wide = Utf8ToWide(utf8);
    DWORD n = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (n == 0)
        return utf8;
    std::wstring full(n, L'\0');
    n = GetFullPathNameW(wide.c_str(), n, &full[0], nullptr);
    full.resize(n);
    return WideToUtf8(full);
}

std::string WithoutTrailingBackslash(std::string path)
{
    while (path.size() > 1 && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    return path;
}

bool IsFolder(const std::string& utf8)
{
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(utf8).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ParentOf(const std::string& path)
{
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Creates the folder and the missing folders above it.
void EnsureFolder(const std::string& folder)
{
    if (folder.empty() || IsFolder(folder))
        return;
    EnsureFolder(ParentOf(folder));
    CreateDirectoryW(Utf8ToWide(folder).c_str(), nullptr);
}

struct Walk
{
    const CliOptions& options;
    std::string strTargetRoot;
    std::vector<CliFile>& files;
};

// Lists one folder's PDFs, then its sub-folders'. False when the folder cannot be searched.
bool CollectFolder(Walk& walk, const std::string& source, const std::string& target,
                   const std::string& relative)
{
    std::string sourceAnsi, suffixAnsi;
    std::vector<FolderEntry> entries;
    if (!ToEngine(source, sourceAnsi) || !ToEngine(walk.options.strSuffix, suffixAnsi) ||
        !ListFolderPdfs(sourceAnsi, walk.options.bSkipSuffixed, suffixAnsi, entries))
        return false;
    for (const FolderEntry& entry : entries)
    {
        const std::string name = FromEngine(entry.name);
        CliFile file;
        file.strSource = source + "\\" + name;
        file.strTarget = FolderTargetPath(target, name, true, walk.options.strSuffix);
        file.strRelative = relative + name;
        if (!entry.bNameFits)
            file.strError = kStatusNameNotInCodePage;
        walk.files.push_back(file);
    }
    if (!walk.options.bRecursive)
        return true;

    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(Utf8ToWide(source + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return true;
    std::vector<std::string> folders;
    do
    {
        const std::wstring name = entry.cFileName;
        // Links could lead in circles or out of the tree.
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
            (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) || name == L"." ||
            name == L"..")
            continue;
        folders.push_back(WideToUtf8(name));
    } while (FindNextFileW(search, &entry));
    FindClose(search);

    for (const std::string& name : folders)
    {
        const std::string sub = source + "\\" + name;
        // A target folder inside the source holds earlier outputs, not sources.
        std::string subAnsi, rootAnsi;
        if (ToEngine(sub, subAnsi) && ToEngine(walk.strTargetRoot, rootAnsi) &&
            IsSamePath(subAnsi, rootAnsi))
            continue;
        if (!CollectFolder(walk, sub, target + "\\" + name, relative + name + "\\"))
        {
            CliFile folder;
            folder.strSource = sub;
            folder.strRelative = relative + name;
            folder.strError = kStatusFolderNotSearchable;
            walk.files.push_back(folder);
        }
    }
    return true;
}

// The engine's plan entry for one file: paths in the code page, passwords in UTF-8 whatever
// the code page. A path the code page cannot hold is planned as that failure, named "?".
PlannedFile PlanOf(const CliFile& file, const CliOptions& options)
{
    PlannedFile planned;
    const bool bPassable =
        ToEngine(file.strSource, planned.source) && ToEngine(file.strTarget, planned.target);
    planned.options.strPassword = file.strOpenPassword;
    planned.options.strPermissionPassword = file.strPermissionPassword;
    planned.options.restrictions.bPreventCopy = options.bNoCopy;
    planned.options.restrictions.bPreventModify = options.bNoModify;
    planned.options.restrictions.bPreventPrint = options.bNoPrint;
    planned.options.bEncryptionType = options.nEncryptionType;
    planned.options.bAllowSigned = options.bAllowSigned;
    planned.options.bStrict = options.bStrict;
    // Only files whose restrictions would otherwise be open get a random one: a file with its
    // own permission password keeps it.
    planned.options.bRandomPermissionPassword =
        options.bRandomPermissionPassword && LeavesRestrictionsOpen(planned.options);
    planned.status = file.strError;
    if (!bPassable)
    {
        planned.source = "?";
        planned.target.clear();
        if (planned.status.empty())
            planned.status = kStatusNameNotInCodePage;
    }
    return planned;
}

std::vector<PlannedFile> PlanOf(const std::vector<CliFile>& files, const CliOptions& options)
{
    std::vector<PlannedFile> plan;
    plan.reserve(files.size());
    for (const CliFile& file : files)
        plan.push_back(PlanOf(file, options));
    return plan;
}

// The engine's rows, in plan order, turned back into the command's outcomes and texts.
class CConsoleReport : public CRunReporter
{
  public:
    CConsoleReport(const std::vector<CliFile>& files,
                   const std::function<void(const FileOutcome&)>& onDone,
                   const std::function<void(size_t finished)>& onProgress)
        : m_files(files), m_onDone(onDone), m_onProgress(onProgress)
    {
    }
    ~CConsoleReport() override;

    // The console counts files rather than showing a bar's position.
    void SetProgress(int) override {}

    void AppendRow(const ResultRow& row) override
    {
        FileOutcome outcome;
        outcome.bOk = row.clrText != kRowTextFailed;
        outcome.strSource = m_files[m_outcomes.size()].strSource;
        outcome.strTarget = FromEngine(row.strTargetFile);
        outcome.strPdfVersion = FromEngine(row.strPdfVersion);
        outcome.strEncryption = row.strEncryption;
        outcome.strStatus = FromEngine(row.strStatus);
        outcome.bRepaired = row.facts.bRepaired;
        outcome.bSigned = row.facts.bSigned;
        outcome.bPdfA = row.facts.bPdfA;
        outcome.bRandomPermissionPassword = row.facts.bRandomPermissionPassword;
        outcome.bChecked = row.facts.bChecked;
        m_outcomes.push_back(outcome);
        m_onProgress(m_outcomes.size());
        m_onDone(m_outcomes.back());
    }

    std::vector<FileOutcome> m_outcomes;

  private:
    const std::vector<CliFile>& m_files;
    const std::function<void(const FileOutcome&)>& m_onDone;
    const std::function<void(size_t finished)>& m_onProgress;
};
CConsoleReport::~CConsoleReport() = default;
} // namespace

bool IsBlankPassword(const std::string& password)
{
    return password.find_first_not_of(" \t\n\v\f\r") == std::string::npos;
}

ResolvedPaths ResolvePaths(const CliOptions& options)
{
    ResolvedPaths paths;
    const std::string source = FullPath(options.strSource);
    const std::string target =
        options.strTarget.empty() ? std::string() : FullPath(options.strTarget);
    paths.bFolder = IsFolder(source);
    if (paths.bFolder)
    {
        paths.strSource = WithoutTrailingBackslash(source);
        paths.strTarget = target.empty() ? paths.strSource : WithoutTrailingBackslash(target);
        return paths;
    }
    paths.strSource = source;
    const std::string name = source.substr(source.find_last_of('\\') + 1);
    if (target.empty())
        paths.strTarget = FolderTargetPath(ParentOf(source), name, true, options.strSuffix);
    else if (IsFolder(target))
        paths.strTarget =
            FolderTargetPath(WithoutTrailingBackslash(target), name, true, options.strSuffix);
    else
        paths.strTarget = target;
    return paths;
}

std::string CheckRequest(const CliOptions& options, const ResolvedPaths& paths,
                         const std::string& openPassword, const std::string& permissionPassword,
                         bool bPasswordsFromFile, bool& bOpenPasswordWarning)
{
    bOpenPasswordWarning = false;
    ProtectionRequest request;
    request.bFolderMode = paths.bFolder ? 1 : 0;
    if (!ToEngine(paths.strSource, request.strSourceFile))
        return FormatPathMessage(kMsgPathNotInCodePage, paths.strSource);
    if (!ToEngine(paths.strTarget, request.strTargetFile))
        return FormatPathMessage(kMsgPathNotInCodePage, paths.strTarget);
    // Passwords reach the engine as UTF-8 whatever the code page, so they are checked as
    // the window checks them: one the method cannot store refuses the run.
    request.strPassword = openPassword;
    request.strPermissionPassword = permissionPassword;
    if (bPasswordsFromFile && request.strPassword.empty() && request.strPermissionPassword.empty())
        request.strPassword = "-"; // each row's passwords are checked with its file
    request.bPreventCopy = options.bNoCopy;
    request.bPreventModify = options.bNoModify;
    request.bPreventPrint = options.bNoPrint;
    request.bEncryptionType = options.nEncryptionType;
    request.bTargetSetSuffix = 1;
    ToEngine(options.strSuffix, request.strTargetSuffix);
    request.bIgnoreSuffixFiles = options.bSkipSuffixed;

    const ValidationResult result = ValidateRequest(request,
                                                    [&](const std::string&)
                                                    {
                                                        bOpenPasswordWarning = true;
                                                        return false; // go ahead
                                                    });
    return result.outcome == ValidationOutcome::Refused ? FromEngine(result.strMessage)
                                                        : std::string();
}

std::string CheckRowPasswords(const CliOptions& options, const std::string& openPassword,
                              const std::string& permissionPassword)
{
    for (const auto& password :
         {std::make_pair(&openPassword, "open"), std::make_pair(&permissionPassword, "permission")})
    {
        const std::string refusal =
            CheckPasswordStorable(*password.first, password.second, options.nEncryptionType);
        if (!refusal.empty())
            return FromEngine(refusal);
    }
    return std::string();
}

bool NeedsOtherPermissionPassword(const CliOptions& options, const std::string& openPassword,
                                  const std::string& permissionPassword)
{
    ProtectOptions file;
    file.strPassword = openPassword;
    file.strPermissionPassword = permissionPassword;
    file.restrictions.bPreventCopy = options.bNoCopy;
    file.restrictions.bPreventModify = options.bNoModify;
    file.restrictions.bPreventPrint = options.bNoPrint;
    file.bEncryptionType = options.nEncryptionType;
    return !options.bRandomPermissionPassword && LeavesRestrictionsOpen(file);
}

bool ListRunFiles(const CliOptions& options, const ResolvedPaths& paths,
                  std::vector<CliFile>& files, std::string& message)
{
    files.clear();
    if (!paths.bFolder)
    {
        CliFile file;
        file.strSource = paths.strSource;
        file.strTarget = paths.strTarget;
        file.strRelative = paths.strSource.substr(paths.strSource.find_last_of('\\') + 1);
        files.push_back(file);
        return true;
    }
    Walk walk{options, paths.strTarget, files};
    if (!CollectFolder(walk, paths.strSource, paths.strTarget, std::string()))
    {
        message = FromEngine(FormatPathMessage(kMsgCannotSearchFolder, paths.strSource));
        return false;
    }
    if (files.empty())
    {
        message = FromEngine(FormatPathMessage(kMsgNoPdfFiles, paths.strSource));
        return false;
    }
    // With a suffix, one file's target can be another file's name ("a.pdf" to "a_p.pdf"
    // beside "a_p.pdf"): that file is read by the run and must stay as it is.
    std::vector<PlannedFile> plan = PlanOf(files, options);
    RefuseTargetsOnSources(plan);
    for (size_t k = 0; k < files.size(); ++k)
        if (files[k].strError.empty() && plan[k].status == kStatusTargetIsAnotherSource)
            files[k].strError = plan[k].status;
    return true;
}

bool SourceFileExists(const std::string& path)
{
    std::string ansi;
    return ToEngine(path, ansi) && FileExists(ansi);
}

std::vector<FileOutcome> ProtectFiles(const std::vector<CliFile>& files, const CliOptions& options,
                                      const std::function<void(const FileOutcome&)>& onDone,
                                      const std::function<void(size_t finished)>& onProgress)
{
    // Mirrored sub-folders are made before the workers start, one at a time.
    for (const CliFile& file : files)
        if (file.strError.empty())
            EnsureFolder(ParentOf(file.strTarget));

    const unsigned workers =
        options.nJobs > 0 ? static_cast<unsigned>(options.nJobs) : DefaultWorkerCount();
    CConsoleReport report(files, onDone, onProgress);
    RunPlan(PlanOf(files, options), EncryptionTypeLabel(options.nEncryptionType), report, workers,
            0, 100);
    return report.m_outcomes;
}

std::string OpenPasswordWarning()
{
    const std::string question = kMsgAskOpenPassword;
    return question.substr(0, question.rfind("\n\n"));
}
