#include "engine/protect_file.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

#include "base/text_conversion.h"
#include "engine/encryption_type.h"
#include "engine/path_compare.h"
#include "engine/random_provider.h"
#include "engine/status_texts.h"
#include "engine/text_encoding.h"

namespace
{
struct Restrictions
{
    bool bPreventCopy;
    bool bPreventModify;
    bool bPreventPrint;
};

// Thrown when the source opens but carries encryption of its own: re-encrypting it would
// replace its author's passwords and restrictions.
struct SourceAlreadyEncrypted
{
};

// The library's input and output, and what a failure text should show in their place.
struct Route
{
    std::string inputAnsi, inputUtf8, outputAnsi, outputUtf8;
    std::string inputShownAs, outputShownAs;
};

std::string TempFolder()
{
    char buf[5000];
    DWORD n = GetTempPathA(sizeof buf, buf);
    return n == 0 || n >= sizeof buf ? std::string() : std::string(buf, n);
}

// The process id keeps two running copies of the tool apart; the tick count keeps
// successive calls apart, and the counter calls that run at once on several threads.
void MakeTempNames(std::string& workCopy, std::string& protectedCopy)
{
    static std::atomic<unsigned> calls{0};
    std::string stem = TempFolder() + kTempFilePrefix + "_" +
                       std::to_string(GetCurrentProcessId()) + "_" +
                       std::to_string(GetTickCount64()) + "_" + std::to_string(++calls);
    workCopy = stem + ".pdf";
    protectedCopy = stem + "_protected.pdf";
}

std::string ToUtf8Path(const std::string& ansi)
{
    std::string utf8;
    return AnsiToUtf8(ansi, utf8) ? utf8 : ansi;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to)
{
    if (from.empty() || from == to)
        return;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

void SetStatus(std::string& status, const std::string& text)
{
    status = ClipText(text, kStatusMaxChars);
}

// Opens the output as the library itself would (failures read the same), with a larger
// buffer: the default one turns a big file into many thousands of small writes.
FILE* OpenOutput(const std::string& utf8Path)
{
    FILE* file = QUtil::safe_fopen(utf8Path.c_str(), "wb+");
    std::setvbuf(file, nullptr, _IOFBF, 1 << 20);
    return file;
}

// Opens the input without a password and writes the encrypted output. The writer truncates
// its output when it is constructed, so everything that can refuse the source happens first.
void WriteEncrypted(const Route& route, const std::string& userPassword,
                    const std::string& ownerPassword, const Restrictions& r, EncryptionType method,
                    bool& bOutputOpened)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processFile(route.inputUtf8.c_str(), nullptr);
    if (pdf.isEncrypted())
        throw SourceAlreadyEncrypted();

    QPDFWriter writer(pdf, route.outputUtf8.c_str(), OpenOutput(route.outputUtf8), true);
    bOutputOpened = true;
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

// Turns a library failure into the status the user sees. The failure text names the files
// the library was given; show the user's own paths instead of our temporaries.
std::string StatusForLibraryFailure(const std::string& what, const Route& route)
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

    std::string shown = what;
    ReplaceAll(shown, route.inputUtf8, ToUtf8Path(route.inputShownAs));
    ReplaceAll(shown, route.outputUtf8, ToUtf8Path(route.outputShownAs));
    char buf[5000];
    std::snprintf(buf, sizeof buf, kStatusLibraryFailure, Utf8ToAnsi(shown).c_str());
    return buf;
}
} // namespace

bool ProtectFile(const std::string& sourcePath, const std::string& targetPath,
                 const std::string& openPassword, const std::string& permissionPassword,
                 bool bPreventCopy, bool bPreventModify, bool bPreventPrint, int encryptionType,
                 std::string& status)
{
    try
    {
        const EncryptionType method = NormalizeEncryptionType(encryptionType);
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
        // The writer empties its output first: a target that is the source would lose it.
        if (IsSamePath(sourcePath, targetPath))
        {
            SetStatus(status, kStatusSameAsSource);
            return false;
        }

        InstallSystemRandomProvider();
        std::string workCopy, protectedCopy;
        MakeTempNames(workCopy, protectedCopy);
        const bool bTempsInUse = CopyFileA(sourcePath.c_str(), workCopy.c_str(), FALSE) != 0;

        Route route;
        route.inputShownAs = sourcePath;
        route.outputShownAs = targetPath;
        route.inputAnsi = bTempsInUse ? workCopy : sourcePath;
        route.outputAnsi = bTempsInUse ? protectedCopy : targetPath;
        route.inputUtf8 = ToUtf8Path(route.inputAnsi);
        route.outputUtf8 = ToUtf8Path(route.outputAnsi);

        auto removeTemps = [&]
        {
            if (bTempsInUse)
            {
                DeleteFileA(workCopy.c_str());
                DeleteFileA(protectedCopy.c_str());
            }
        };

        bool bOutputOpened = false;
        try
        {
            WriteEncrypted(route, userPassword, ownerPassword,
                           {bPreventCopy, bPreventModify, bPreventPrint}, method, bOutputOpened);
        }
        catch (...)
        {
            // Without temporaries the library wrote straight to the target: a half-written
            // file there is no protected PDF.
            if (!bTempsInUse && bOutputOpened)
                DeleteFileA(targetPath.c_str());
            removeTemps();
            try
            {
                throw;
            }
            catch (const SourceAlreadyEncrypted&)
            {
                SetStatus(status, kStatusAlreadyProtected);
            }
            catch (const std::exception& e)
            {
                SetStatus(status, StatusForLibraryFailure(e.what(), route));
            }
            return false;
        }

        SetStatus(status, bPreventCopy || bPreventModify || bPreventPrint
                              ? kStatusProtectedRestricted
                              : kStatusProtected);
        bool bOk = true;
        if (bTempsInUse && !CopyFileA(protectedCopy.c_str(), targetPath.c_str(), FALSE))
        {
            SetStatus(status, kStatusTargetFailed);
            bOk = false;
        }
        removeTemps();
        return bOk;
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
