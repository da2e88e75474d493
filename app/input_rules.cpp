#include "app/input_rules.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/app_texts.h"
#include "base/text_conversion.h"

namespace
{

std::string ToLowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string Clip(const std::string& text, size_t maxChars)
{
    return ClipText(text, maxChars);
}
} // namespace

ProtectionRequest MakeProtectionRequest(const LastInputs& inputs, const SettingsRecord& settings)
{
    ProtectionRequest request;
    request.bFolderMode = inputs.bFolderMode;
    request.strSourceFile = inputs.strSourceFile;
    request.strTargetFile = inputs.strTargetFile;
    request.strPassword = inputs.strPassword;
    request.strPermissionPassword = inputs.strPermissionPassword;
    request.bPreventCopy = inputs.bPreventCopy;
    request.bPreventModify = inputs.bPreventModify;
    request.bPreventPrint = inputs.bPreventPrint;
    request.bEncryptionType = settings.bEncryptionType;
    request.bTargetSetSuffix = settings.bTargetSetSuffix;
    request.strTargetSuffix = settings.strTargetSuffix;
    request.bIgnoreSuffixFiles = settings.bIgnoreSuffixFiles;
    request.bAllowSigned = settings.bAllowSigned;
    return request;
}

std::optional<std::string> DeriveTargetPath(const std::string& source, int bTargetSetSuffix,
                                            const std::string& strTargetSuffix)
{
    std::string path = source;
    const size_t slash = path.find_last_of('\\');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.find_last_of('.');
    if (dot != std::string::npos && dot >= nameStart)
        path.erase(dot);
    if (slash == std::string::npos)
        return std::nullopt;

    const std::string folder = path.substr(0, slash);
    const std::string base = path.substr(slash + 1);
    std::vector<char> buffer(folder.size() + base.size() + strTargetSuffix.size() + 16);
    if (bTargetSetSuffix)
        std::snprintf(buffer.data(), buffer.size(), kTargetWithSuffixFormat, folder.c_str(),
                      base.c_str(), strTargetSuffix.c_str());
    else
        std::snprintf(buffer.data(), buffer.size(), kTargetFormat, folder.c_str(), base.c_str());
    std::string target = buffer.data();
    // A longer name would be cut when the field is read back for a run.
    if (ClipText(target, kFieldMaxChars) != target)
        return std::nullopt;
    return target;
}

std::optional<std::string> CommandLineArgument(const std::string& commandLine)
{
    // The program's name ends at its closing quote when quoted; otherwise at the first blank
    // after ".exe", found in any letter case. The argument keeps the original letters.
    size_t nameEnd;
    if (!commandLine.empty() && commandLine[0] == '"')
    {
        nameEnd = commandLine.find('"', 1);
        if (nameEnd == std::string::npos)
            return std::nullopt;
        ++nameEnd;
    }
    else
    {
        const size_t exe = ToLowerAscii(commandLine).find(".exe");
        if (exe == std::string::npos)
            return std::nullopt;
        nameEnd = commandLine.find(' ', exe);
        if (nameEnd == std::string::npos)
            return std::nullopt;
    }

    std::string rest = Trim(commandLine.substr(nameEnd));
    if (rest.empty())
        return std::nullopt;
    // A path may hold an apostrophe; only the quotes around it are not part of it.
    std::string unquoted = rest;
    if (unquoted.size() >= 2 && unquoted.front() == '"' && unquoted.back() == '"')
        unquoted = Trim(unquoted.substr(1, unquoted.size() - 2));
    if (unquoted.empty())
        return std::nullopt;
    return unquoted;
}

ModeTexts SwitchModeTexts(ModeMemory& memory, OperationMode leaving, const ModeTexts& current,
                          OperationMode entering)
{
    ModeTexts& left = memory.For(leaving);
    left.strSource = Clip(current.strSource, kMemoryMaxChars);
    left.strTarget = Clip(current.strTarget, kMemoryMaxChars);

    const ModeTexts& remembered = memory.For(entering);
    ModeTexts shown;
    shown.strSource =
        remembered.strSource.empty() ? LabelsFor(entering).placeholder : remembered.strSource;
    shown.strTarget = remembered.strTarget;
    return shown;
}

const ModeLabels& LabelsFor(OperationMode mode)
{
    static const ModeLabels singleFile = {kLabelSourceSingleFile, kLabelTargetSingleFile,
                                          kPlaceholderSingleFile, kTipBrowseSourceSingleFile,
                                          kTipBrowseTargetSingleFile};
    static const ModeLabels folder = {kLabelSourceFolder, kLabelTargetFolder, kPlaceholderFolder,
                                      kTipBrowseSourceFolder, kTipBrowseTargetFolder};
    return mode == OperationMode::Folder ? folder : singleFile;
}

DropKind ClassifyDroppedPath(const std::string& path, bool bIsFolder)
{
    if (bIsFolder)
        return DropKind::Folder;
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos)
        return DropKind::NoExtension;
    const std::string extension = path.substr(dot);
    if (extension.size() != std::strlen(kPdfExtension) ||
        ToLowerAscii(extension) != ToLowerAscii(kPdfExtension))
        return DropKind::NotPdf;
    if (path.find('\\') == std::string::npos)
        return DropKind::NoFolder;
    return DropKind::PdfFile;
}

const char* DropRejectionText(DropKind kind)
{
    switch (kind)
    {
    case DropKind::NoExtension:
        return kDropNoExtension;
    case DropKind::NotPdf:
        return kDropNotPdf;
    case DropKind::NoFolder:
        return kDropNoFolder;
    case DropKind::Folder:
    case DropKind::PdfFile:
        break;
    }
    return nullptr;
}

std::string FolderFieldText(const std::string& folder)
{
    return folder.size() > 3 ? folder + '\\' : folder;
}

std::string TargetForPickedFolder(const std::string& folder, OperationMode mode,
                                  const std::string& source)
{
    std::string target = FolderFieldText(folder);
    if (mode == OperationMode::SingleFile)
    {
        const std::string read = Clip(source, kFieldMaxChars);
        const size_t slash = read.find_last_of('\\');
        if (slash != std::string::npos)
            target += read.substr(slash + 1);
    }
    return target;
}
