#pragma once

// The command's only contact with the protection engine. Texts here are UTF-8; the engine
// speaks the process's ANSI code page, which the program's manifest makes UTF-8 as well, and
// the conversions between the two live in this file's implementation alone.

#include <functional>
#include <string>
#include <vector>

#include "cli/cli_options.h"

// Source and target as full paths, and whether the source is a folder.
struct ResolvedPaths
{
    bool bFolder = false;
    std::string strSource;
    std::string strTarget;
};

// Full paths from the command's SOURCE and TARGET: a folder source without a target is its
// own target folder; a file source without a target, or with a folder as target, gets the
// name a folder run would give it.
ResolvedPaths ResolvePaths(const CliOptions& options);

// The window's checks of a request, with the window's texts. Prints nothing: an empty open
// password beside a permission password is returned in `bOpenPasswordWarning`. When the
// passwords come from a passwords file only, the path checks still run. Empty result: the
// request may run; otherwise the refusal's text.
std::string CheckRequest(const CliOptions& options, const ResolvedPaths& paths,
                         const std::string& openPassword, const std::string& permissionPassword,
                         bool bPasswordsFromFile, bool& bOpenPasswordWarning);

// The window's refusal of a row's passwords that the method cannot store; empty when both can.
std::string CheckRowPasswords(const CliOptions& options, const std::string& openPassword,
                              const std::string& permissionPassword);

// True when the options' restrictions would not hold with these passwords: the permission
// password is missing or the open one, and --random-permission-password was not given.
bool NeedsOtherPermissionPassword(const CliOptions& options, const std::string& openPassword,
                                  const std::string& permissionPassword);

// True when the text is blank as the window judges passwords.
bool IsBlankPassword(const std::string& password);

// One file of a run.
struct CliFile
{
    std::string strSource;
    std::string strTarget;
    std::string strRelative; // to the source folder; the file's name for a single file
    std::string strOpenPassword;
    std::string strPermissionPassword;
    std::string strError; // set: the file is not protected and this is its status
};

// The files of a run in listing order: a folder's PDFs in the order the file system reports
// them, then, with `bRecursive`, each sub-folder's the same way, mirrored under the target.
// A single-file source is one file. The engine's planner (RefuseTargetsOnSources) marks a
// file whose target is another listed source. False with the window's message when the folder
// cannot be searched or holds nothing to protect.
bool ListRunFiles(const CliOptions& options, const ResolvedPaths& paths,
                  std::vector<CliFile>& files, std::string& message);

// True when the path names an existing file.
bool SourceFileExists(const std::string& path);

// What a handled file shows: the window's result row, and whether it was protected.
struct FileOutcome
{
    bool bOk = false;
    std::string strSource;
    std::string strTarget; // empty for a failure, as in the window
    std::string strPdfVersion;
    std::string strEncryption;
    std::string strStatus;
    // What the run learnt about the file, for the report.
    bool bRepaired = false;
    bool bSigned = false;
    bool bPdfA = false;
    bool bRandomPermissionPassword = false;
    bool bChecked = false;
};

// Protects the files through the engine's plan and run (RunPlan), on the option's number of
// workers or the engine's default. `onDone` sees every outcome in listing order, right after
// `onProgress` has seen the number of outcomes so far; both on the calling thread.
std::vector<FileOutcome> ProtectFiles(const std::vector<CliFile>& files, const CliOptions& options,
                                      const std::function<void(const FileOutcome&)>& onDone,
                                      const std::function<void(size_t finished)>& onProgress);

// The window's text for an empty open password, without its question.
std::string OpenPasswordWarning();
