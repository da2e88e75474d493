#include "engine/protect_folder.h"

#include <windows.h>

#include "base/file_system.h"
#include "base/text_conversion.h"
#include "engine/encryption_type.h"
#include "engine/message_box_texts.h"
#include "engine/run_workers.h"
#include "engine/status_texts.h"
#include "engine/validate_request.h"

namespace
{
std::string WithoutTrailingBackslash(const std::string& path)
{
    return !path.empty() && path.back() == '\\' ? path.substr(0, path.size() - 1) : path;
}

bool EndsWith(const std::wstring& text, const std::wstring& end)
{
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}
} // namespace

bool ListFolderPdfs(const std::string& folder, bool bIgnoreSuffixFiles, const std::string& suffix,
                    std::vector<FolderEntry>& entries)
{
    entries.clear();
    // The wide listing: the narrow one would hand out a look-alike for a name the code page
    // cannot hold ("Lodz.pdf" for "\u0141odz.pdf"), which may be another file's name.
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((AnsiToWide(folder) + L"\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        // A drive root with nothing on it reports no entry at all, not even "." and "..".
        return GetLastError() == ERROR_FILE_NOT_FOUND && FolderExists(folder);

    // Files that already carry the suffix are earlier targets; with an empty suffix this
    // is ".pdf" and passes over every file.
    const std::wstring pattern = FoldCase(AnsiToWide(suffix) + L".pdf");
    do
    {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        const std::wstring folded = FoldCase(entry.cFileName);
        if (!EndsWith(folded, L".PDF"))
            continue;
        if (bIgnoreSuffixFiles && folded.find(pattern) != std::wstring::npos)
            continue;
        FolderEntry found;
        found.bNameFits = WideToAnsi(entry.cFileName, found.name);
        entries.push_back(found);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return true;
}

std::string FolderTargetPath(const std::string& targetFolder, const std::string& name,
                             bool bTargetSetSuffix, const std::string& suffix)
{
    const std::string base = name.substr(0, name.find_last_of('.'));
    return targetFolder + "\\" + base + (bTargetSetSuffix ? suffix : std::string()) + ".pdf";
}

std::vector<PlannedFile> PlanFolderRun(const std::string& sourceFolder,
                                       const std::string& targetFolder,
                                       const std::vector<FolderEntry>& entries,
                                       bool bTargetSetSuffix, const std::string& suffix,
                                       const ProtectOptions& options)
{
    std::vector<PlannedFile> plan;
    for (const FolderEntry& entry : entries)
    {
        PlannedFile file;
        file.source = sourceFolder + "\\" + entry.name;
        file.target = FolderTargetPath(targetFolder, entry.name, bTargetSetSuffix, suffix);
        file.options = options;
        if (!entry.bNameFits)
            file.status = kStatusNameNotInCodePage;
        plan.push_back(file);
    }
    RefuseTargetsOnSources(plan);
    return plan;
}

bool ProtectFolder(const ProtectionRequest& request, const std::string& label,
                   CProtectionView& view, unsigned workers)
{
    const std::string sourceFolder = WithoutTrailingBackslash(request.strSourceFile);
    const std::string targetFolder = WithoutTrailingBackslash(request.strTargetFile);
    view.SetProgress(10);

    // The list is complete before the first target is written, so targets written into the
    // source folder are never picked up by the same run.
    std::vector<FolderEntry> entries;
    if (!ListFolderPdfs(sourceFolder, request.bIgnoreSuffixFiles != 0, request.strTargetSuffix,
                        entries))
    {
        view.ShowMessage(FormatPathMessage(kMsgCannotSearchFolder, sourceFolder), kRefusalStyle);
        return false;
    }
    view.SetProgress(20);
    if (entries.empty())
    {
        view.ShowMessage(FormatPathMessage(kMsgNoPdfFiles, sourceFolder), kRefusalStyle);
        return false;
    }

    const std::vector<PlannedFile> plan =
        PlanFolderRun(sourceFolder, targetFolder, entries, request.bTargetSetSuffix != 0,
                      request.strTargetSuffix, ProtectOptionsOf(request));
    // Files are protected side by side, but their rows and the progress follow the listing.
    RunPlan(plan, label, view, workers, 20, 100);
    return true;
}

const char* RunEncryptionLabel(const ProtectionRequest& request)
{
    return EncryptionTypeLabel(request.bEncryptionType);
}

void RunProtection(const ProtectionRequest& request, CProtectionView& view)
{
    const std::string label = RunEncryptionLabel(request);
    if (request.bFolderMode)
        ProtectFolder(request, label, view, DefaultWorkerCount());
    else
    {
        view.SetProgress(25);
        PlannedFile file;
        file.source = request.strSourceFile;
        file.target = request.strTargetFile;
        file.options = ProtectOptionsOf(request);
        RunPlan({file}, label, view, 1, 25, 75);
    }
    view.SetProgress(100);
}
