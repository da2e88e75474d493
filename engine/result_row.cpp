#include "engine/result_row.h"

#include <cstdio>
#include <cstring>

#include "engine/protection_view.h"
#include "engine/status_texts.h"

namespace
{
bool StartsWithNoCase(const char* text, const char* prefix)
{
    for (; *prefix; ++text, ++prefix)
    {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(*text) != lower(*prefix))
            return false;
    }
    return true;
}
} // namespace

std::string FileNameOfPath(const std::string& path)
{
    size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool DetectPdfVersion(const std::string& path, std::string& version)
{
    version.clear();
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    char header[51] = {};
    const size_t got = std::fread(header, 1, 50, file);
    std::fclose(file);
    if (got < 50 || !StartsWithNoCase(header, "%PDF-"))
        return false;
    // The three bytes after the dash, fewer when a zero byte comes first.
    version = "PDF v" + std::string(header + 5, strnlen(header + 5, 3));
    return true;
}

bool MakeResultRow(const std::string& sourcePath, const std::string& label,
                   const std::string& targetPath, const std::string& status, ResultRow& row)
{
    row = ResultRow();
    if (sourcePath.empty())
        return false;
    DetectPdfVersion(sourcePath, row.strPdfVersion);
    row.strFileName = FileNameOfPath(sourcePath);
    row.strEncryption = label;
    row.strStatus = status.substr(0, kStatusMaxChars);
    row.strSourceFile = sourcePath;
    const bool bFailed = status.find(kStatusErrorMark) != std::string::npos;
    row.clrText = bFailed ? kRowTextFailed : kRowTextNormal;
    // A failed file has no target to open.
    row.strTargetFile = bFailed ? std::string() : targetPath;
    return true;
}

void AddResultRow(CRunReporter& report, const std::string& sourcePath, const std::string& label,
                  const std::string& targetPath, const std::string& status)
{
    ResultRow row;
    if (MakeResultRow(sourcePath, label, targetPath, status, row))
        report.AppendRow(row);
}
