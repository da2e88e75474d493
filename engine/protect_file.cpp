#include "engine/protect_file.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

#include "base/text_conversion.h"
#include "engine/encryption_type.h"
#include "engine/path_compare.h"
#include "engine/random_provider.h"
#include "engine/read_budget.h"
#include "engine/status_texts.h"
#include "engine/target_file.h"
#include "engine/text_encoding.h"

namespace
{
// Thrown when the source opens but carries encryption of its own: re-encrypting it would
// replace its author's passwords and restrictions.
struct SourceAlreadyEncrypted
{
};

std::wstring Widen(const std::string& ansi)
{
    std::wstring wide;
    MultiByteToWide(ansi, 0, wide);
    return wide;
}

std::string ToUtf8Path(const std::string& ansi)
{
    std::string utf8;
    return AnsiToUtf8(ansi, utf8) ? utf8 : ansi;
}

void SetStatus(std::string& status, const std::string& text)
{
    status = ClipText(text, kStatusMaxChars);
}

// Why the source could not be opened, in the words the user gets for it.
std::string StatusForSourceOpenFailure(DWORD error, const std::string& sourcePath)
{
    switch (error)
    {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return kStatusSourceInUse;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_INVALID_DRIVE:
        return kStatusSourceMissing;
    case ERROR_ACCESS_DENIED:
        // What the library says of a file it may not open.
        return kStatusTargetFailed;
    default:
        break;
    }
    char text[1000] = "";
    if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                        0, text, sizeof text, nullptr))
        std::snprintf(text, sizeof text, "system error %lu", error);
    std::string message = text;
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    char buf[5000];
    std::snprintf(buf, sizeof buf, kStatusLibraryFailure,
                  ("open " + sourcePath + ": " + message).c_str());
    return buf;
}

// Opens the source so that nobody can write to it while the library reads it; a file that
// another program has open for writing is refused.
FILE* OpenSource(const std::string& sourcePath, DWORD& error)
{
    HANDLE handle = CreateFileW(Widen(sourcePath).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
    {
        error = GetLastError();
        return nullptr;
    }
    FILE* file = OpenStreamOnHandle(handle, _O_RDONLY, "rb");
    error = file ? ERROR_SUCCESS : ERROR_NOT_ENOUGH_MEMORY;
    return file;
}

// The open source. Files up to kReadWholeBytes are read in one go and parsed from memory: the
// library's many small reads and seeks cost a system call each when it reads a file, and under
// Wine each of those is slow. Larger files are read from the file, to keep memory bounded, and
// all workers together hold no more than the process's read budget.
struct Source
{
    static constexpr long long kReadWholeBytes = 64ll << 20;

    FILE* file = nullptr;
    bool bOwnedByDocument = false;
    CReadBudgetShare budget; // given back after the bytes are freed
    std::string bytes;

    ~Source()
    {
        if (file && !bOwnedByDocument)
            std::fclose(file);
    }
};

void OpenDocument(QPDF& pdf, Source& source, const std::string& sourceUtf8)
{
    const long long size = _filelengthi64(_fileno(source.file));
    if (size >= 0 && size <= Source::kReadWholeBytes &&
        source.budget.Take(SourceReadBudget(), static_cast<unsigned long long>(size)))
    {
        source.bytes.resize(static_cast<size_t>(size));
        if (size == 0 || std::fread(&source.bytes[0], 1, source.bytes.size(), source.file) ==
                             source.bytes.size())
        {
            pdf.processMemoryFile(sourceUtf8.c_str(), source.bytes.data(), source.bytes.size(),
                                  nullptr);
            return;
        }
        std::string().swap(source.bytes);
        source.budget.Release();
        std::rewind(source.file);
    }
    source.bOwnedByDocument = true;
    pdf.processFile(sourceUtf8.c_str(), source.file, true, nullptr);
}

struct OutputUnavailable
{
};

// Opens the source without a password and writes the encrypted output. The output is made
// only once the library has accepted the source, so a refused source costs no file.
void WriteEncrypted(QPDF& pdf, Source& source, const std::string& sourceUtf8,
                    const std::wstring& target, const std::string& targetUtf8,
                    const std::string& userPassword, const std::string& ownerPassword,
                    const Restrictions& r, EncryptionType method, CTargetFile& output)
{
    pdf.setSuppressWarnings(true);
    OpenDocument(pdf, source, sourceUtf8);
    if (pdf.isEncrypted())
        throw SourceAlreadyEncrypted();

    if (!output.Open(target))
        throw OutputUnavailable();
    QPDFWriter writer(pdf, targetUtf8.c_str(), output.Stream(), false);
    const bool allowCopy = !r.bPreventCopy;
    const bool allowModify = !r.bPreventModify;
    const qpdf_r3_print_e print = r.bPreventPrint ? qpdf_r3p_none : qpdf_r3p_full;
    if (method == EncryptionAes256)
        writer.setR6EncryptionParameters(userPassword.c_str(), ownerPassword.c_str(), allowCopy,
                                         allowCopy, allowCopy, allowModify, allowModify,
                                         allowModify, print, true);
    else
    {
        const bool aes = method != EncryptionRc4_128;
        writer.setR4EncryptionParametersInsecure(userPassword.c_str(), ownerPassword.c_str(),
                                                 allowCopy, allowCopy, allowCopy, allowModify,
                                                 allowModify, allowModify, print, aes, aes);
    }
    writer.write();
}

// Turns a library failure into the status the user sees.
std::string StatusForLibraryFailure(const std::string& what)
{
    std::string lowered = what;
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    if (lowered.find(": invalid password") != std::string::npos)
        return kStatusAlreadyProtected;
    if (lowered.find(": permission denied") != std::string::npos)
        return kStatusTargetFailed;
    if (lowered.find(": no such file") != std::string::npos)
        return kStatusSourceMissing;

    const std::string shown = Utf8ToAnsi(what);
    const int length = std::snprintf(nullptr, 0, kStatusLibraryFailure, shown.c_str());
    std::string text(length > 0 ? static_cast<size_t>(length) + 1 : 1, '\0');
    std::snprintf(&text[0], text.size(), kStatusLibraryFailure, shown.c_str());
    text.resize(text.size() - 1);
    return text;
}

// A target that cannot be written, or replaced, because it is the source itself: the source
// is held open without sharing, so neither the replacement nor a direct write gets through.
std::string StatusForTargetFailure(const std::string& sourcePath, const std::string& targetPath)
{
    return IsSamePath(sourcePath, targetPath) ? kStatusSameAsSource : kStatusTargetFailed;
}
} // namespace

bool ProtectFile(const std::string& sourcePath, const std::string& targetPath,
                 const ProtectOptions& options, std::string& status)
{
    const std::string& openPassword = options.strPassword;
    const std::string& permissionPassword = options.strPermissionPassword;
    const Restrictions& restrictions = options.restrictions;
    try
    {
        const EncryptionType method = NormalizeEncryptionType(options.bEncryptionType);
        // Readers hash a typed password as UTF-8 (AES-256) or PDFDocEncoding (128-bit
        // methods); store exactly those bytes so the password opens the file anywhere.
        std::string userPassword, ownerPassword;
        const std::string& owner = permissionPassword.empty() ? openPassword : permissionPassword;
        if (!EncodePasswordForMethod(openPassword, method, userPassword) ||
            !EncodePasswordForMethod(owner, method, ownerPassword))
        {
            SetStatus(status, kStatusPasswordNotStorable);
            return false;
        }
        InstallSystemRandomProvider();
        DWORD openError = ERROR_SUCCESS;
        Source source;
        source.file = OpenSource(sourcePath, openError);
        if (!source.file)
        {
            SetStatus(status, StatusForSourceOpenFailure(openError, sourcePath));
            return false;
        }

        // The source stays open, unshared for writing, until the target has been replaced.
        QPDF pdf;
        const std::wstring target = Widen(targetPath);
        CTargetFile output;
        try
        {
            WriteEncrypted(pdf, source, ToUtf8Path(sourcePath), target, ToUtf8Path(targetPath),
                           userPassword, ownerPassword, restrictions, method, output);
            output.FinishWriting();
            output.Keep();
        }
        catch (...)
        {
            output.Discard();
            try
            {
                throw;
            }
            catch (const SourceAlreadyEncrypted&)
            {
                SetStatus(status, kStatusAlreadyProtected);
            }
            catch (const OutputUnavailable&)
            {
                SetStatus(status, StatusForTargetFailure(sourcePath, targetPath));
            }
            catch (const std::exception& e)
            {
                SetStatus(status, StatusForLibraryFailure(e.what()));
            }
            return false;
        }

        if (!output.ReplaceTarget(sourcePath))
        {
            SetStatus(status, StatusForTargetFailure(sourcePath, targetPath));
            return false;
        }
        SetStatus(status, restrictions.Any() ? kStatusProtectedRestricted : kStatusProtected);
        return true;
    }
    catch (const std::exception& e)
    {
        SetStatus(status, std::string("Error: ") + e.what());
    }
    catch (...)
    {
        SetStatus(status, "Error: Unexpected failure while protecting the file.");
    }
    return false;
}
