#include "engine/validate_request.h"

#include <windows.h>

#include <cstdio>
#include <utility>

#include "base/file_system.h"
#include "base/text_conversion.h"
#include "engine/message_box_texts.h"
#include "engine/password_prep.h"
#include "engine/path_compare.h"

namespace
{
bool IsBlank(const std::string& text)
{
    return text.find_first_not_of(" \t\n\v\f\r") == std::string::npos;
}

ValidationResult Accept()
{
    return {ValidationOutcome::Accepted, {}};
}

ValidationResult Refuse(const char* format, const std::string& path = std::string())
{
    return {ValidationOutcome::Refused, FormatPathMessage(format, path)};
}

ValidationResult ValidateSingleFile(const ProtectionRequest& r)
{
    if (!FileExists(r.strSourceFile))
        return Refuse(kMsgSourceFileNotFound, r.strSourceFile);
    // Normalised paths: a second spelling of the source must not let the run overwrite it.
    if (IsSamePath(r.strSourceFile, r.strTargetFile))
        return Refuse(kMsgSameSourceAndTargetFile, r.strSourceFile);
    if (FileExists(r.strTargetFile))
        return AppendProbe(r.strTargetFile) ? Accept()
                                            : Refuse(kMsgTargetFileLocked, r.strTargetFile);
    if (!AppendProbe(r.strTargetFile))
        return Refuse(kMsgTargetFileNotCreatable, r.strTargetFile);
    DeleteFileA(r.strTargetFile.c_str());
    return Accept();
}

// A path read from a field in a code page that lacks one of its characters holds '?' in its
// place, which no file name can hold: running it would reach another file or none.
bool HoldsLostCharacters(const std::string& path)
{
    const size_t start = path.rfind("\\\\?\\", 0) == 0 ? 4 : 0;
    return path.find('?', start) != std::string::npos;
}

ValidationResult ValidateFolder(const ProtectionRequest& r)
{
    if (!FolderExists(r.strSourceFile))
        return Refuse(kMsgSourceFolderNotFound, r.strSourceFile);
    if (!FolderExists(r.strTargetFile))
        return Refuse(kMsgTargetFolderNotFound, r.strTargetFile);
    if (!IsSamePath(r.strSourceFile, r.strTargetFile))
        return Accept();
    if (!r.bTargetSetSuffix)
        return Refuse(kMsgSameFolders, r.strSourceFile);
    // Without a suffix every target name is its own source's name.
    if (r.strTargetSuffix.empty())
        return Refuse(kMsgSameFoldersEmptySuffix, r.strSourceFile);
    return Accept();
}
std::string FormatMessageText(const char* format, const char* first, const char* second,
                              const char* third = "")
{
    const int length = std::snprintf(nullptr, 0, format, first, second, third);
    std::string text(length > 0 ? static_cast<size_t>(length) + 1 : 1, '\0');
    std::snprintf(&text[0], text.size(), format, first, second, third);
    text.resize(text.size() - 1);
    return ClipText(text, kMessageMaxChars);
}
} // namespace

std::string CheckPasswordStorable(const std::string& password, const char* which,
                                  int encryptionType)
{
    const PreparedPassword prepared =
        PreparePassword(password, NormalizeEncryptionType(encryptionType));
    const std::string character = DescribePasswordCharacter(prepared.character);
    switch (prepared.fault)
    {
    case PasswordFault::None:
        return std::string();
    case PasswordFault::NotStorable:
        return FormatMessageText(kMsgPasswordNotStorable, which,
                                 EncryptionMethodName(encryptionType), character.c_str());
    case PasswordFault::ReadersDiffer:
        return FormatMessageText(kMsgPasswordReadersDiffer, which, character.c_str());
    case PasswordFault::TooLong:
        return FormatMessageText(kMsgPasswordTooLong, which, "");
    }
    return std::string();
}

std::string FormatPathMessage(const char* format, const std::string& path)
{
    const int length = std::snprintf(nullptr, 0, format, path.c_str());
    std::string text(length > 0 ? static_cast<size_t>(length) + 1 : 1, '\0');
    std::snprintf(&text[0], text.size(), format, path.c_str());
    text.resize(text.size() - 1);
    return ClipText(text, kMessageMaxChars);
}

bool AppendProbe(const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "a");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

ValidationResult ValidateRequest(const ProtectionRequest& request, const AskYesNo& ask)
{
    const bool bOpenBlank = IsBlank(request.strPassword);
    if (bOpenBlank && IsBlank(request.strPermissionPassword))
        return Refuse(kMsgBothPasswordsEmpty);
    if (bOpenBlank && ask(kMsgAskOpenPassword))
        return {ValidationOutcome::Withdrawn, {}};
    for (const auto& password : {std::make_pair(&request.strPassword, "open"),
                                 std::make_pair(&request.strPermissionPassword, "permission")})
    {
        std::string refusal =
            CheckPasswordStorable(*password.first, password.second, request.bEncryptionType);
        if (!refusal.empty())
            return {ValidationOutcome::Refused, std::move(refusal)};
    }
    for (const std::string* path : {&request.strSourceFile, &request.strTargetFile})
        if (HoldsLostCharacters(*path))
            return Refuse(kMsgPathNotInCodePage, *path);
    return request.bFolderMode ? ValidateFolder(request) : ValidateSingleFile(request);
}
