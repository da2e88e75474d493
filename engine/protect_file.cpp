#include "engine/protect_file.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>
#include <stdexcept>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

#include "base/text_conversion.h"
#include "engine/encryption_type.h"
#include "engine/password_prep.h"
#include "engine/path_compare.h"
#include "engine/random_password.h"
#include "engine/random_provider.h"
#include "engine/read_budget.h"
#include "engine/source_traits.h"
#include "engine/status_notes.h"
#include "engine/status_texts.h"
#include "engine/target_file.h"
#include "engine/text_encoding.h"
#include "engine/written_file_check.h"

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

// A source this run must not protect, with the status that says why.
struct SourceRefused
{
    const char* status;
};

// The written copy did not pass its check; `what` names the first failure.
struct CopyFailedCheck
{
    std::string what;
};

std::atomic<WrittenCopyFault> g_copyFault{nullptr};

// The passwords as the file stores them, wiped when the call ends: a random permission
// password must not outlive its file.
struct StoredPasswords
{
    std::string randomOwner;
    std::string user;
    std::string owner;
    WrittenFileExpectation expected;

    ~StoredPasswords()
    {
        WipePassword(randomOwner);
        WipePassword(user);
        WipePassword(owner);
        WipePassword(expected.userPassword);
        WipePassword(expected.ownerPassword);
        WipePassword(expected.fileKey);
    }
};

std::string PdfHexString(const std::string& bytes)
{
    return "<" + QUtil::hex_encode(bytes) + ">";
}

// A document of nothing but an encryption dictionary, for the writer to copy it from.
std::string EncryptionHolderPdf(const WrittenFileExpectation& e, int P, const std::string& id1)
{
    std::string dictionary = "<< /Filter /Standard /P " + std::to_string(P) + " /O " +
                             PdfHexString(e.O) + " /U " + PdfHexString(e.U);
    if (e.method == EncryptionAes256)
        dictionary += " /V 5 /R 6 /Length 256 /OE " + PdfHexString(e.OE) + " /UE " +
                      PdfHexString(e.UE) + " /Perms " + PdfHexString(e.Perms) +
                      " /EncryptMetadata true /CF << /StdCF << /AuthEvent /DocOpen /CFM /AESV3"
                      " /Length 32 >> >>";
    else // 128-bit AES
        dictionary += " /V 4 /R 4 /Length 128 /EncryptMetadata true /CF << /StdCF << /AuthEvent"
                      " /DocOpen /CFM /AESV2 /Length 16 >> >>";
    dictionary += " /StmF /StdCF /StrF /StdCF >>";
    const std::string objects[] = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [] /Count 0 >>",
        dictionary,
    };
    std::string pdf = "%PDF-1.7\n";
    std::string xref = "xref\n0 4\n0000000000 65535 f \n";
    int number = 0;
    for (const std::string& object : objects)
    {
        char entry[32];
        std::snprintf(entry, sizeof entry, "%010llu 00000 n \n",
                      static_cast<unsigned long long>(pdf.size()));
        xref += entry;
        pdf += std::to_string(++number) + " 0 obj\n" + object + "\nendobj\n";
    }
    const size_t start = pdf.size();
    return pdf + xref + "trailer\n<< /Size 4 /Root 1 0 R /Encrypt 3 0 R /ID [" + PdfHexString(id1) +
           PdfHexString(id1) + "] >>\nstartxref\n" + std::to_string(start) + "\n%%EOF\n";
}

// The source's permanent identifier, which the copy keeps, or a new one.
std::string FirstIdOf(QPDF& pdf)
{
    QPDFObjectHandle id = pdf.getTrailer().getKey("/ID");
    if (id.isArray() && id.getArrayNItems() > 0 && id.getArrayItem(0).isString())
        return id.getArrayItem(0).getStringValue();
    unsigned char bytes[16];
    QUtil::initializeWithRandomBytes(bytes, sizeof bytes);
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

// 256-bit and 128-bit AES: the library derives the encryption dictionary from the passwords
// here, once, and the writer copies it. The check then knows the file key and what the dictionary
// must hold, so the passwords are not hashed a second time (for 256-bit AES each of the four hashes
// costs about as much as writing a small file) and the copy is read once, with that key.
void SetDerivedEncryption(QPDF& pdf, QPDFWriter& writer, StoredPasswords& passwords)
{
    WrittenFileExpectation& e = passwords.expected;
    const int P = ExpectedPermissionValue(e.bPreventCopy, e.bPreventModify, e.bPreventPrint);
    const std::string id1 = FirstIdOf(pdf);
    if (e.method == EncryptionAes256)
        QPDF::compute_encryption_parameters_V5(passwords.user.c_str(), passwords.owner.c_str(), 5,
                                               6, 32, P, true, id1, e.fileKey, e.O, e.U, e.OE, e.UE,
                                               e.Perms);
    else
    {
        QPDF::compute_encryption_O_U(passwords.user.c_str(), passwords.owner.c_str(), 4, 4, 16, P,
                                     true, id1, e.O, e.U);
        const QPDF::EncryptionData data(4, 4, 16, P, e.O, e.U, "", "", "", id1, true);
        e.fileKey = QPDF::compute_encryption_key(passwords.user, data);
    }
    const std::string holderBytes = EncryptionHolderPdf(e, P, id1);
    std::string hexKey = QUtil::hex_encode(e.fileKey);
    QPDF holder;
    holder.setSuppressWarnings(true);
    if (e.method == EncryptionAes256)
    {
        holder.setPasswordIsHexKey(true);
        holder.processMemoryFile("encryption", holderBytes.data(), holderBytes.size(),
                                 hexKey.c_str());
    }
    else // the writer takes the 128-bit methods' key from the open password
        holder.processMemoryFile("encryption", holderBytes.data(), holderBytes.size(),
                                 passwords.user.c_str());
    WipePassword(hexKey);
    writer.copyEncryptionParameters(holder);
}

// Sets the writer's encryption and writes the copy.
void WriteEncrypted(QPDF& pdf, const std::string& targetUtf8, FILE* output,
                    StoredPasswords& passwords, bool bLinearize)
{
    // A trailer the library had to rebuild may lack /Size, and the writer fills in only the
    // keys the trailer has: without it the copy would need repairing in turn.
    QPDFObjectHandle trailer = pdf.getTrailer();
    if (!trailer.hasKey("/Size"))
        trailer.replaceKey("/Size", QPDFObjectHandle::newInteger(0));
    QPDFWriter writer(pdf, targetUtf8.c_str(), output, false);
    const WrittenFileExpectation& e = passwords.expected;
    if (e.method != EncryptionRc4_128)
        SetDerivedEncryption(pdf, writer, passwords);
    else
    {
        // The writer turns a copied dictionary of this revision into AES: 128-bit RC4 is set
        // from the passwords, and its check hashes them again, which costs little.
        const bool allowCopy = !e.bPreventCopy;
        const bool allowModify = !e.bPreventModify;
        const qpdf_r3_print_e print = e.bPreventPrint ? qpdf_r3p_none : qpdf_r3p_full;
        writer.setR4EncryptionParametersInsecure(passwords.user.c_str(), passwords.owner.c_str(),
                                                 allowCopy, allowCopy, allowCopy, allowModify,
                                                 allowModify, allowModify, print, false, false);
    }
    // Fast web view stays what it was.
    writer.setLinearization(bLinearize);
    writer.write();
}

// Opens the source without a password, refuses what must not be protected, writes the
// encrypted copy into `output` and checks it. The output is made only once the source has
// been accepted, so a refused source costs no file.
void WriteCheckedCopy(QPDF& pdf, Source& source, const std::string& sourceUtf8,
                      const std::wstring& target, const std::string& targetUtf8,
                      const ProtectOptions& options, StoredPasswords& passwords,
                      CTargetFile& output, ProtectFacts& facts)
{
    pdf.setSuppressWarnings(true);
    OpenDocument(pdf, source, sourceUtf8);
    if (pdf.isEncrypted())
        throw SourceAlreadyEncrypted();
    const SourceTraits traits = ReadSourceTraits(pdf);
    facts.bSigned = traits.bSigned;
    facts.bPdfA = traits.bPdfA;
    if (traits.bSigned && !options.bAllowSigned)
        throw SourceRefused{kStatusSignedRefused};
    // The library reads on demand: warnings may come until the copy is written.
    facts.bRepaired = HasRecordedWarnings(pdf);
    if (facts.bRepaired && options.bStrict)
        throw SourceRefused{kStatusDamagedRefused};

    if (!output.Open(target))
        throw OutputUnavailable();
    WriteEncrypted(pdf, targetUtf8, output.Stream(), passwords, traits.bLinearized);
    passwords.expected.pages = static_cast<int>(pdf.getAllPages().size());
    facts.bRepaired = HasRecordedWarnings(pdf);
    if (facts.bRepaired && options.bStrict)
        throw SourceRefused{kStatusDamagedRefused};
    output.FinishWriting();

    // Checked through the output's own handle while it is still ours alone and would vanish
    // with the handle: only a copy that passes is kept.
    if (const WrittenCopyFault fault = g_copyFault.load())
        fault(output.Handle());
    std::string what = CheckWrittenFile(output.Handle(), passwords.expected);
    if (!what.empty())
        throw CopyFailedCheck{what};
    facts.bChecked = true;
    output.Keep();
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

void SetWrittenCopyFault(WrittenCopyFault fault)
{
    g_copyFault.store(fault);
}

bool ProtectFile(const std::string& sourcePath, const std::string& targetPath,
                 const ProtectOptions& options, std::string& status)
{
    ProtectFacts facts;
    return ProtectFile(sourcePath, targetPath, options, status, facts);
}

bool ProtectFile(const std::string& sourcePath, const std::string& targetPath,
                 const ProtectOptions& options, std::string& status, ProtectFacts& facts)
{
    facts = ProtectFacts();
    const std::string& openPassword = options.strPassword;
    const std::string& permissionPassword = options.strPermissionPassword;
    const Restrictions& restrictions = options.restrictions;
    try
    {
        const EncryptionType method = NormalizeEncryptionType(options.bEncryptionType);
        // Restrictions the open password could lift would be void: such a file gets a
        // permission password of its own that nobody knows.
        const bool bRandomOwner =
            options.bRandomPermissionPassword && restrictions.Any() &&
            IsPermissionPasswordEmptyOrEqual(openPassword, permissionPassword, method);
        StoredPasswords passwords;
        if (bRandomOwner)
            passwords.randomOwner = MakeRandomPermissionPassword();
        // Readers hash a typed password as UTF-8 (AES-256) or PDFDocEncoding (128-bit
        // methods); store exactly those bytes so the password opens the file anywhere.
        const std::string& owner = bRandomOwner                 ? passwords.randomOwner
                                   : permissionPassword.empty() ? openPassword
                                                                : permissionPassword;
        if (!EncodePasswordForMethod(openPassword, method, passwords.user) ||
            !EncodePasswordForMethod(owner, method, passwords.owner))
        {
            SetStatus(status, kStatusPasswordNotStorable);
            return false;
        }
        WrittenFileExpectation& expected = passwords.expected;
        expected.method = method;
        expected.userPassword = passwords.user;
        expected.ownerPassword = passwords.owner;
        expected.bPreventCopy = restrictions.bPreventCopy;
        expected.bPreventModify = restrictions.bPreventModify;
        expected.bPreventPrint = restrictions.bPreventPrint;

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
        CTargetFile output;
        try
        {
            WriteCheckedCopy(pdf, source, ToUtf8Path(sourcePath), Widen(targetPath),
                             ToUtf8Path(targetPath), options, passwords, output, facts);
        }
        catch (...)
        {
            output.Discard();
            facts.bChecked = false;
            try
            {
                throw;
            }
            catch (const SourceAlreadyEncrypted&)
            {
                SetStatus(status, kStatusAlreadyProtected);
            }
            catch (const SourceRefused& refused)
            {
                SetStatus(status, refused.status);
            }
            catch (const CopyFailedCheck& failed)
            {
                SetStatus(status, FormatCheckFailedStatus(failed.what));
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
            facts.bChecked = false;
            SetStatus(status, StatusForTargetFailure(sourcePath, targetPath));
            return false;
        }
        facts.bRandomPermissionPassword = bRandomOwner;
        StatusNotes notes;
        notes.bSignatureInvalid = facts.bSigned;
        notes.bRandomPermissionPassword = bRandomOwner;
        notes.bNoLongerPdfA = facts.bPdfA;
        notes.bRepaired = facts.bRepaired;
        SetStatus(status,
                  AppendStatusNotes(
                      restrictions.Any() ? kStatusProtectedRestricted : kStatusProtected, notes));
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
