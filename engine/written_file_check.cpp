#include "engine/written_file_check.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFCryptoProvider.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QUtil.hh>

#include "base/text_conversion.h"
#include "engine/password_prep.h"
#include "engine/status_texts.h"

namespace
{
// Copies up to this size are read into memory in one go; larger ones through the handle.
constexpr long long kReadWholeBytes = 64ll << 20;
constexpr size_t kAesBlock = 16;

struct CheckFailure
{
    const char* what;
};

// The encryption a method must produce: V, R, key length in bits and crypt method.
struct MethodShape
{
    int V;
    int R;
    int bits;
    QPDF::encryption_method_e crypt;
    bool bEncryptMetadata;
};

MethodShape ShapeOf(EncryptionType method)
{
    switch (method)
    {
    case EncryptionRc4_128:
        return {4, 4, 128, QPDF::e_rc4, false};
    case EncryptionAes256:
        return {5, 6, 256, QPDF::e_aesv3, true};
    default:
        return {4, 4, 128, QPDF::e_aes, true};
    }
}

// The copy's bytes, or its handle wrapped for the library when it is large.
struct CopySource
{
    std::string bytes;
    HANDLE handle = nullptr;
};

void ReadCopy(HANDLE file, CopySource& copy)
{
    LARGE_INTEGER size = {};
    if (!::GetFileSizeEx(file, &size))
        throw CheckFailure{kCheckUnreadable};
    if (size.QuadPart > kReadWholeBytes)
    {
        copy.handle = file;
        return;
    }
    copy.bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < copy.bytes.size())
    {
        OVERLAPPED at = {};
        at.Offset = static_cast<DWORD>(done);
        DWORD read = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(copy.bytes.size() - done, 1 << 24));
        if (!::ReadFile(file, &copy.bytes[done], chunk, &read, &at) || read == 0)
            throw CheckFailure{kCheckUnreadable};
        done += read;
    }
}

// Opens the copy with the file key given in hex: no password hashing.
void OpenCopy(QPDF& pdf, const CopySource& copy, const std::string& hexKey)
{
    pdf.setSuppressWarnings(true);
    pdf.setPasswordIsHexKey(true);
    if (!copy.handle)
    {
        pdf.processMemoryFile("protected copy", copy.bytes.data(), copy.bytes.size(),
                              hexKey.c_str());
        return;
    }
    HANDLE own = nullptr;
    if (!::DuplicateHandle(::GetCurrentProcess(), copy.handle, ::GetCurrentProcess(), &own, 0,
                           FALSE, DUPLICATE_SAME_ACCESS))
        throw CheckFailure{kCheckUnreadable};
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(own), _O_RDONLY | _O_BINARY);
    FILE* stream = fd == -1 ? nullptr : _fdopen(fd, "rb");
    if (!stream)
    {
        fd == -1 ? static_cast<void>(::CloseHandle(own)) : static_cast<void>(_close(fd));
        throw CheckFailure{kCheckUnreadable};
    }
    std::rewind(stream);
    pdf.processFile("protected copy", stream, true, hexKey.c_str());
}

std::string StringOf(QPDFObjectHandle dict, const char* key)
{
    QPDFObjectHandle value = dict.getKey(key);
    return value.isString() ? value.getStringValue() : std::string();
}

int IntegerOf(QPDFObjectHandle dict, const char* key, int fallback)
{
    QPDFObjectHandle value = dict.getKey(key);
    return value.isInteger() ? value.getIntValueAsInt() : fallback;
}

// The encryption dictionary's values as the library's key helpers take them.
std::unique_ptr<QPDF::EncryptionData> ReadEncryptionData(QPDF& pdf)
{
    QPDFObjectHandle trailer = pdf.getTrailer();
    QPDFObjectHandle encrypt = trailer.getKey("/Encrypt");
    if (!encrypt.isDictionary())
        throw CheckFailure{kCheckEncryptionMethod};
    QPDFObjectHandle id = trailer.getKey("/ID");
    const std::string id1 = id.isArray() && id.getArrayNItems() > 0 && id.getArrayItem(0).isString()
                                ? id.getArrayItem(0).getStringValue()
                                : std::string();
    QPDFObjectHandle metadata = encrypt.getKey("/EncryptMetadata");
    return std::make_unique<QPDF::EncryptionData>(
        IntegerOf(encrypt, "/V", 0), IntegerOf(encrypt, "/R", 0),
        IntegerOf(encrypt, "/Length", 40) / 8, IntegerOf(encrypt, "/P", 0), StringOf(encrypt, "/O"),
        StringOf(encrypt, "/U"), StringOf(encrypt, "/OE"), StringOf(encrypt, "/UE"),
        StringOf(encrypt, "/Perms"), id1, metadata.isBool() ? metadata.getBoolValue() : true);
}

void CheckMethodAndPermissions(QPDF& pdf, const QPDF::EncryptionData& data,
                               const WrittenFileExpectation& expected)
{
    int R = 0, P = 0, V = 0;
    QPDF::encryption_method_e streams = QPDF::e_none, strings = QPDF::e_none, files = QPDF::e_none;
    const MethodShape shape = ShapeOf(expected.method);
    if (!pdf.isEncrypted(R, P, V, streams, strings, files) || V != shape.V || R != shape.R ||
        data.getLengthBytes() * 8 != shape.bits || streams != shape.crypt ||
        strings != shape.crypt || data.getEncryptMetadata() != shape.bEncryptMetadata)
        throw CheckFailure{kCheckEncryptionMethod};
    if (P != ExpectedPermissionValue(expected.bPreventCopy, expected.bPreventModify,
                                     expected.bPreventPrint))
        throw CheckFailure{kCheckPermissions};
}

// The 32-byte padding of the 128-bit methods' password algorithms.
const unsigned char kPadding[32] = {
    0x28, 0xBF, 0x4E, 0x5E, 0x4E, 0x75, 0x8A, 0x41, 0x64, 0x00, 0x4E, 0x56, 0xFF, 0xFA, 0x01, 0x08,
    0x2E, 0x2E, 0x00, 0xB6, 0xD0, 0x68, 0x3E, 0x80, 0x2F, 0x0C, 0xA9, 0xFE, 0x64, 0x53, 0x69, 0x7A};

std::string Padded(const std::string& password)
{
    const std::string used = password.substr(0, kAes128PasswordUsedBytes);
    return used + std::string(reinterpret_cast<const char*>(kPadding), 32 - used.size());
}

std::string Md5(QPDFCryptoImpl& crypto, const std::string& data)
{
    QPDFCryptoImpl::MD5_Digest digest;
    crypto.MD5_init();
    crypto.MD5_update(reinterpret_cast<const unsigned char*>(data.data()), data.size());
    crypto.MD5_finalize();
    crypto.MD5_digest(digest);
    return std::string(reinterpret_cast<const char*>(digest), sizeof digest);
}

std::string Rc4(QPDFCryptoImpl& crypto, const std::string& key, const std::string& data)
{
    std::string out(data.size(), '\0');
    crypto.RC4_init(reinterpret_cast<const unsigned char*>(key.data()),
                    static_cast<int>(key.size()));
    crypto.RC4_process(reinterpret_cast<const unsigned char*>(data.data()), data.size(),
                       reinterpret_cast<unsigned char*>(&out[0]));
    crypto.RC4_finalize();
    return out;
}

// Revision 3 and 4 run RC4 twenty times, each with the key xor the round number.
std::string Rc4Rounds(QPDFCryptoImpl& crypto, const std::string& key, std::string data,
                      bool bEncrypt)
{
    for (int k = 0; k < 20; ++k)
    {
        std::string roundKey = key;
        for (char& c : roundKey)
            c = static_cast<char>(c ^ (bEncrypt ? k : 19 - k));
        data = Rc4(crypto, roundKey, data);
    }
    return data;
}

// The user password a candidate owner password unlocks from O, padded.
std::string UserFromOwner(QPDFCryptoImpl& crypto, const QPDF::EncryptionData& data,
                          const std::string& owner)
{
    const size_t length = static_cast<size_t>(data.getLengthBytes());
    std::string key = Md5(crypto, Padded(owner));
    for (int k = 0; k < 50; ++k)
        key = Md5(crypto, key.substr(0, length));
    return Rc4Rounds(crypto, key.substr(0, length), data.getO().substr(0, 32), false);
}

// The 128-bit methods: the open password must give the key that U confirms, and O must
// unlock to the open password with the owner password and with no other.
std::string CheckV4Passwords(const QPDF::EncryptionData& data,
                             const WrittenFileExpectation& expected)
{
    if (data.getO().size() < 32 || data.getU().size() < 16)
        throw CheckFailure{kCheckEncryptionMethod};
    auto crypto = QPDFCryptoProvider::getImpl();
    const std::string key = QPDF::compute_encryption_key(expected.userPassword, data);
    const std::string U = Rc4Rounds(
        *crypto, key,
        Md5(*crypto, std::string(reinterpret_cast<const char*>(kPadding), 32) + data.getId1()),
        true);
    if (U != data.getU().substr(0, 16))
        throw CheckFailure{kCheckOpenPassword};
    const std::string user = Padded(expected.userPassword);
    if (UserFromOwner(*crypto, data, expected.ownerPassword) != user)
        throw CheckFailure{kCheckPermissionPassword};
    if (user != Padded(expected.ownerPassword) &&
        UserFromOwner(*crypto, data, expected.userPassword) == user)
        throw CheckFailure{kCheckOpenPasswordIsOwner};
    return key;
}

std::string Digest(QPDFCryptoImpl& crypto, int bits, const std::string& data)
{
    crypto.SHA2_init(bits);
    crypto.SHA2_update(reinterpret_cast<const unsigned char*>(data.data()), data.size());
    crypto.SHA2_finalize();
    return crypto.SHA2_digest();
}

// AES over whole blocks without padding; `iv` empty means ECB.
std::string Aes(QPDFCryptoImpl& crypto, bool bEncrypt, const std::string& key,
                const std::string& iv, const std::string& data)
{
    unsigned char chain[kAesBlock] = {};
    std::memcpy(chain, iv.data(), std::min(iv.size(), kAesBlock));
    crypto.rijndael_init(bEncrypt, reinterpret_cast<const unsigned char*>(key.data()), key.size(),
                         !iv.empty(), chain);
    std::string out(data.size() - data.size() % kAesBlock, '\0');
    unsigned char in[kAesBlock];
    for (size_t at = 0; at < out.size(); at += kAesBlock)
    {
        std::memcpy(in, data.data() + at, kAesBlock);
        crypto.rijndael_process(in, reinterpret_cast<unsigned char*>(&out[at]));
    }
    crypto.rijndael_finalize();
    return out;
}

// The revision 6 password hash (ISO 32000-2, algorithm 2.B).
std::string HashR6(QPDFCryptoImpl& crypto, const std::string& password, const std::string& salt,
                   const std::string& userData)
{
    std::string K = Digest(crypto, 256, password + salt + userData);
    for (unsigned round = 1;; ++round)
    {
        std::string K1;
        const std::string block = password + K + userData;
        K1.reserve(block.size() * 64);
        for (int k = 0; k < 64; ++k)
            K1 += block;
        const std::string E = Aes(crypto, true, K.substr(0, 16), K.substr(16, 16), K1);
        unsigned sum = 0;
        for (size_t k = 0; k < 16; ++k)
            sum += static_cast<unsigned char>(E[k]);
        K = Digest(crypto, sum % 3 == 0 ? 256 : sum % 3 == 1 ? 384 : 512, E);
        if (round >= 64 && static_cast<unsigned char>(E.back()) <= round - 32)
            break;
    }
    return K.substr(0, 32);
}

// The P that /Perms holds under the file key, or a failure when the key does not open it.
int PermissionsUnderKey(const QPDF::EncryptionData& data, const std::string& key)
{
    auto crypto = QPDFCryptoProvider::getImpl();
    const std::string perms = Aes(*crypto, false, key, "", data.getPerms().substr(0, 16));
    if (perms.size() < 12 || perms.substr(9, 3) != "adb")
        throw CheckFailure{kCheckOpenPassword};
    const unsigned char* p = reinterpret_cast<const unsigned char*>(perms.data());
    return static_cast<int>(static_cast<unsigned>(p[0]) | (p[1] << 8) | (p[2] << 16) |
                            (static_cast<unsigned>(p[3]) << 24));
}

// 256-bit AES: the open password must pass U's test and unlock the file key from UE, which
// /Perms then confirms; the owner password must pass O's test, and the open password not.
std::string CheckV5Passwords(const QPDF::EncryptionData& data,
                             const WrittenFileExpectation& expected)
{
    const std::string& O = data.getO();
    const std::string& U = data.getU();
    if (O.size() < 48 || U.size() < 48 || data.getUE().size() < 32 || data.getPerms().size() < 16)
        throw CheckFailure{kCheckEncryptionMethod};
    auto crypto = QPDFCryptoProvider::getImpl();
    const std::string user = expected.userPassword.substr(0, kAes256PasswordMaxBytes);
    const std::string owner = expected.ownerPassword.substr(0, kAes256PasswordMaxBytes);
    const std::string userData = U.substr(0, 48);

    if (HashR6(*crypto, user, U.substr(32, 8), "") != U.substr(0, 32))
        throw CheckFailure{kCheckOpenPassword};
    const std::string key = Aes(*crypto, false, HashR6(*crypto, user, U.substr(40, 8), ""),
                                std::string(kAesBlock, '\0'), data.getUE().substr(0, 32));
    if (PermissionsUnderKey(data, key) != data.getP())
        throw CheckFailure{kCheckPermissions};

    if (HashR6(*crypto, owner, O.substr(32, 8), userData) != O.substr(0, 32))
        throw CheckFailure{kCheckPermissionPassword};
    if (user != owner && HashR6(*crypto, user, O.substr(32, 8), userData) == O.substr(0, 32))
        throw CheckFailure{kCheckOpenPasswordIsOwner};
    return key;
}

// 256-bit AES with the writer's dictionary known: the copy must hold exactly what the library
// derived from the open password (U, UE) and the permission password (O, OE). Where the two
// passwords differ, the open password cannot also pass O's test: that would take two
// passwords with the same hash.
void CheckV5Dictionary(const QPDF::EncryptionData& data, const WrittenFileExpectation& expected)
{
    if (data.getU() != expected.U || data.getUE() != expected.UE)
        throw CheckFailure{kCheckOpenPassword};
    if (data.getO() != expected.O || data.getOE() != expected.OE)
        throw CheckFailure{kCheckPermissionPassword};
    if (data.getPerms() != expected.Perms ||
        PermissionsUnderKey(data, expected.fileKey) != data.getP())
        throw CheckFailure{kCheckPermissions};
}

// The 128-bit methods: U and O as derived beforehand, and the open password gives the key the
// copy was read with (fifty rounds of MD5, no cost worth saving).
void CheckV4Dictionary(const QPDF::EncryptionData& data, const WrittenFileExpectation& expected)
{
    if (data.getU() != expected.U ||
        QPDF::compute_encryption_key(expected.userPassword, data) != expected.fileKey)
        throw CheckFailure{kCheckOpenPassword};
    if (data.getO() != expected.O)
        throw CheckFailure{kCheckPermissionPassword};
}

void CheckPages(QPDF& pdf, const WrittenFileExpectation& expected)
{
    const int pages = static_cast<int>(pdf.getAllPages().size());
    if (pdf.anyWarnings())
        throw CheckFailure{kCheckUnreadable};
    if (pages != expected.pages)
        throw CheckFailure{kCheckPageCount};
}

std::string Check(HANDLE file, const WrittenFileExpectation& expected)
{
    CopySource copy;
    ReadCopy(file, copy);
    if (!expected.fileKey.empty())
    {
        // One pass with the writer's key: the dictionary, then the pages as a reader finds them.
        QPDF pdf;
        OpenCopy(pdf, copy, QUtil::hex_encode(expected.fileKey));
        const std::unique_ptr<QPDF::EncryptionData> data = ReadEncryptionData(pdf);
        CheckMethodAndPermissions(pdf, *data, expected);
        if (expected.method == EncryptionAes256)
            CheckV5Dictionary(*data, expected);
        else
            CheckV4Dictionary(*data, expected);
        CheckPages(pdf, expected);
        return std::string();
    }
    // First pass: only the trailer and the encryption dictionary, which are never encrypted.
    std::string key;
    std::unique_ptr<QPDF::EncryptionData> data;
    {
        QPDF probe;
        OpenCopy(probe, copy, "00");
        data = ReadEncryptionData(probe);
        CheckMethodAndPermissions(probe, *data, expected);
        key = expected.method == EncryptionAes256 ? CheckV5Passwords(*data, expected)
                                                  : CheckV4Passwords(*data, expected);
    }
    // Second pass with the key the open password gave: the pages as a reader finds them.
    QPDF pdf;
    OpenCopy(pdf, copy, QUtil::hex_encode(key));
    CheckPages(pdf, expected);
    return std::string();
}
} // namespace

int ExpectedPermissionValue(bool bPreventCopy, bool bPreventModify, bool bPreventPrint)
{
    // Bits 1 and 2 must be clear; everything else granted unless taken away.
    int value = -4;
    if (bPreventPrint)
        value -= 4 + 2048; // print, print in high quality
    if (bPreventCopy)
        value -= 16 + 1024; // extract, assemble
    if (bPreventModify)
        value -= 8 + 32 + 256; // modify, annotate, fill in forms
    return value;
}

std::string CheckWrittenFile(HANDLE file, const WrittenFileExpectation& expected)
{
    try
    {
        return Check(file, expected);
    }
    catch (const CheckFailure& failure)
    {
        return failure.what;
    }
    catch (const std::exception&)
    {
        return kCheckUnreadable;
    }
}

std::string CheckWrittenFile(const std::string& path, const WrittenFileExpectation& expected)
{
    std::wstring wide;
    MultiByteToWide(path, 0, wide);
    HANDLE file = ::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return kCheckUnreadable;
    const std::string result = CheckWrittenFile(file, expected);
    ::CloseHandle(file);
    return result;
}
