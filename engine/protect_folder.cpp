#include "engine/protect_folder.h"

#include <windows.h>

#include "base/file_system.h"
#include "engine/encryption_type.h"
#include "engine/message_box_texts.h"
#include "engine/protect_file.h"
#include "engine/result_row.h"
#include "engine/run_workers.h"
#include "engine/validate_request.h"

namespace
{
std::string AsciiLower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return text;
}

std::string WithoutTrailingBackslash(const std::string& path)
{
    return !path.empty() && path.back() == '\\' ? path.substr(0, path.size() - 1) : path;
}

bool HasPdfExtension(const std::string& name)
{
    size_t dot = name.find_last_of('.');
    return dot != std::string::npos && AsciiLower(name.substr(dot)) == ".pdf";
}
} // namespace

bool ListFolderPdfs(const std::string& folder, bool bIgnoreSuffixFiles, const std::string& suffix,
                    std::vector<std::string>& names)
{
    names.clear();
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        // A drive root with nothing on it reports no entry at all, not even "." and "..".
        return GetLastError() == ERROR_FILE_NOT_FOUND && FolderExists(folder);

    // Files that already carry the suffix are earlier targets; with an empty suffix this
    // is ".pdf" and passes over every file.
    const std::string pattern = AsciiLower(suffix + ".pdf");
    do
    {
        const std::string name = entry.cFileName;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        if (!HasPdfExtension(name))
            continue;
        if (bIgnoreSuffixFiles && AsciiLower(name).find(pattern) != std::string::npos)
            continue;
        names.push_back(name);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return true;
}

std::string FolderTargetPath(const std::string& targetFolder, const std::string& name,
                             bool bTargetSetSuffix, const std::string& suffix)
{
    const std::string base = name.substr(0, name.find_last_of('.'));
    return targetFolder + "\\" + base + (bTargetSetSuffix ? suffix : std::string()) + ".pdf";
}

bool ProtectFolder(const ProtectionRequest& request, const std::string& label,
                   CProtectionView& view, unsigned workers)
{
    const std::string sourceFolder = WithoutTrailingBackslash(request.strSourceFile);
    const std::string targetFolder = WithoutTrailingBackslash(request.strTargetFile);
    view.SetProgress(10);

    // The list is complete before the first target is written, so targets written into the
    // source folder are never picked up by the same run.
    std::vector<std::string> names;
    if (!ListFolderPdfs(sourceFolder, request.bIgnoreSuffixFiles != 0, request.strTargetSuffix,
                        names))
    {
        view.ShowMessage(FormatPathMessage(kMsgCannotSearchFolder, sourceFolder), kRefusalStyle);
        return false;
    }
    view.SetProgress(20);
    if (names.empty())
    {
        view.ShowMessage(FormatPathMessage(kMsgNoPdfFiles, sourceFolder), kRefusalStyle);
        return false;
    }

    // Files are protected side by side, but their rows and the progress follow the listing.
    const unsigned n = static_cast<unsigned>(names.size());
    RunWorkers(
        n, workers,
        [&](size_t i)
        {
            const std::string& name = names[i];
            const std::string source = sourceFolder + "\\" + name;
            const std::string target = FolderTargetPath(
                targetFolder, name, request.bTargetSetSuffix != 0, request.strTargetSuffix);
            std::string status;
            ProtectFile(source, target, request.strPassword, request.strPermissionPassword,
                        request.bPreventCopy != 0, request.bPreventModify != 0,
                        request.bPreventPrint != 0, request.bEncryptionType, status);
            ResultRow row;
            MakeResultRow(source, label, target, status, row);
            return row;
        },
        [&](size_t i, const ResultRow& row)
        {
            view.AppendRow(row);
            const unsigned k = static_cast<unsigned>(i) + 1;
            view.SetProgress(static_cast<int>(20 + (80 * k) / n));
        });
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
        std::string status;
        ProtectFile(request.strSourceFile, request.strTargetFile, request.strPassword,
                    request.strPermissionPassword, request.bPreventCopy != 0,
                    request.bPreventModify != 0, request.bPreventPrint != 0,
                    request.bEncryptionType, status);
        view.SetProgress(75);
        AddResultRow(view, request.strSourceFile, label, request.strTargetFile, status);
    }
    view.SetProgress(100);
}
