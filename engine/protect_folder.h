#pragma once

#include <string>
#include <vector>

#include "engine/protection_request.h"
#include "engine/protection_run.h"
#include "engine/protection_view.h"

// Protects every PDF file directly inside the request's source folder into its target
// folder, one result row per file, moving the progress from 10 to 100. Sub-folders are not
// entered. When the folder cannot be searched or holds no PDF to protect, shows a warning
// and returns false. A failed file does not end the run. Files are protected on `workers`
// threads; rows and progress still arrive in listing order, on the calling thread.
bool ProtectFolder(const ProtectionRequest& request, const std::string& label,
                   CProtectionView& view, unsigned workers = 1);

// A file a folder run found: its name (without folder) in the process's ANSI code page, and
// whether that code page holds the name at all. A name it cannot hold carries '?' in place
// of what is missing and names no file.
struct FolderEntry
{
    std::string name;
    bool bNameFits = true;
};

// The files ProtectFolder would protect, in the order the file system reports them. False
// when the folder cannot be searched.
bool ListFolderPdfs(const std::string& folder, bool bIgnoreSuffixFiles, const std::string& suffix,
                    std::vector<FolderEntry>& entries);

// The run's plan over the listed files, in their order, each protected with `options`. A file
// whose name the code page cannot hold, or whose target is another listed source (see
// RefuseTargetsOnSources), is planned as a failure and never written.
std::vector<PlannedFile> PlanFolderRun(const std::string& sourceFolder,
                                       const std::string& targetFolder,
                                       const std::vector<FolderEntry>& entries,
                                       bool bTargetSetSuffix, const std::string& suffix,
                                       const ProtectOptions& options);

// The target path of a source file name: its name up to its last dot, the suffix when
// `bTargetSetSuffix` is set, and ".pdf" in small letters, inside the target folder.
std::string FolderTargetPath(const std::string& targetFolder, const std::string& name,
                             bool bTargetSetSuffix, const std::string& suffix);

// The run's label for the Encryption column, chosen once from the stored encryption type.
const char* RunEncryptionLabel(const ProtectionRequest& request);

// The engine's part of one accepted run: picks the label, plans and runs the one file
// (progress 25, then 75) or the folder (RunPlan on DefaultWorkerCount() workers), and ends
// with the progress at 100. Locking the window, the run flag
// and the pause at the end are the caller's.
void RunProtection(const ProtectionRequest& request, CProtectionView& view);
