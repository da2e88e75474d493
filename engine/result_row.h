#pragma once

#include <string>

#include "engine/protect_options.h"

class CRunReporter;

// Row colours, as Windows colour values (0x00BBGGRR).
constexpr unsigned long kRowTextFailed = 255;      // red
constexpr unsigned long kRowTextNormal = 0;        // black
constexpr unsigned long kRowBackground = 16777215; // white

// One row of the results list.
struct ResultRow
{
    std::string strFileName;   // "File Name"
    std::string strPdfVersion; // "PDF Version"
    std::string strEncryption; // "Encryption"
    std::string strTargetFile; // "Target PDF File"
    std::string strStatus;     // "Status"
    std::string strSourceFile; // hidden: the full source path, for the list's commands
    unsigned long clrText = kRowTextNormal;
    unsigned long clrBackground = kRowBackground;
    ProtectFacts facts; // not shown; the console's report lists them
};

// Appends the row of one handled file: its name, PDF version, the run's encryption label,
// the target (left empty when the status is a failure) and the status, red for a failure.
// Adds nothing for an empty source path.
void AddResultRow(CRunReporter& report, const std::string& sourcePath, const std::string& label,
                  const std::string& targetPath, const std::string& status);

// The row AddResultRow appends, built without the view, so any thread may build it. False
// for an empty source path.
bool MakeResultRow(const std::string& sourcePath, const std::string& label,
                   const std::string& targetPath, const std::string& status, ResultRow& row);

// Reads the version from the file's header: "PDF v" and the three characters after "%PDF-"
// (any letter case). False, with an empty text, when the file cannot be read, holds fewer
// than 50 bytes or has no such header.
bool DetectPdfVersion(const std::string& path, std::string& version);

// The part of a path after its last backslash, or the whole path.
std::string FileNameOfPath(const std::string& path);
