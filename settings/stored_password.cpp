#include "settings/stored_password.h"

#include "base/system_library.h"
#include "settings/base64.h"
#include "settings/settings_sql.h"
#include "settings/settings_text_rules.h"
#include "settings/sqlite_connection.h"

namespace
{
// Ties the protected bytes to this tool: another program running as the same user cannot
// read them back by calling the system with no entropy.
constexpr char kEntropy[] = "Veltrane Sealwick remembered password 7c1e";

// crypt32 is not among the DLLs Windows always takes from its own folder: bound at run time
// from the system folder, so that a crypt32.dll beside a downloaded program is never loaded.
using CryptDataFn = BOOL(WINAPI*)(DATA_BLOB*, LPWSTR*, DATA_BLOB*, PVOID,
                                  CRYPTPROTECT_PROMPTSTRUCT*, DWORD, DATA_BLOB*);
struct Crypt32
{
    ProtectDataFn protect = nullptr;
    CryptDataFn unprotect = nullptr;
};

ProtectDataFn g_protectHandler = nullptr;

const Crypt32& System()
{
    static const Crypt32 crypt = []
    {
        Crypt32 functions;
        if (HMODULE module = LoadSystemLibrary(L"crypt32.dll"))
        {
            functions.protect = reinterpret_cast<decltype(functions.protect)>(
                reinterpret_cast<void*>(GetProcAddress(module, "CryptProtectData")));
            functions.unprotect = reinterpret_cast<CryptDataFn>(
                reinterpret_cast<void*>(GetProcAddress(module, "CryptUnprotectData")));
        }
        return functions;
    }();
    return crypt;
}

DATA_BLOB Blob(const char* bytes, size_t size)
{
    DATA_BLOB blob;
    blob.cbData = static_cast<DWORD>(size);
    blob.pbData = reinterpret_cast<BYTE*>(const_cast<char*>(bytes));
    return blob;
}

std::string TakeBlob(DATA_BLOB& blob)
{
    std::string bytes(reinterpret_cast<const char*>(blob.pbData), blob.cbData);
    SecureZeroMemory(blob.pbData, blob.cbData);
    LocalFree(blob.pbData);
    return bytes;
}

// The record holds NUL-terminated text of limited length.
std::string AsRecordText(const std::string& bytes)
{
    return settings_internal::ClipToRecordText(bytes.substr(0, bytes.find('\0')));
}
} // namespace

std::string ProtectPassword(const std::string& password)
{
    if (password.empty())
        return {};
    DATA_BLOB in = Blob(password.data(), password.size());
    DATA_BLOB entropy = Blob(kEntropy, sizeof kEntropy - 1);
    DATA_BLOB out = {};
    const ProtectDataFn protect = g_protectHandler ? g_protectHandler : System().protect;
    if (!protect ||
        !protect(&in, nullptr, &entropy, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out))
        return {};
    return TakeBlob(out);
}

ProtectDataFn SetProtectDataHandler(ProtectDataFn handler)
{
    const ProtectDataFn previous = g_protectHandler;
    g_protectHandler = handler;
    return previous;
}

std::string UnprotectPassword(const std::string& protectedBytes)
{
    if (protectedBytes.empty())
        return {};
    DATA_BLOB in = Blob(protectedBytes.data(), protectedBytes.size());
    DATA_BLOB entropy = Blob(kEntropy, sizeof kEntropy - 1);
    DATA_BLOB out = {};
    if (!System().unprotect || !System().unprotect(&in, nullptr, &entropy, nullptr, nullptr,
                                                   CRYPTPROTECT_UI_FORBIDDEN, &out))
        return {};
    return TakeBlob(out);
}

namespace settings_internal
{
bool ForgetStoredPassword(CSqliteConnection& db, const char* key)
{
    db.Exec(kSqlSecureDelete);
    return db.Run(kSqlForgetPassword, {key});
}

std::string ReadStoredPassword(const std::string& text, const std::string& protectedBytes)
{
    if (!protectedBytes.empty())
        return AsRecordText(PasswordFromStore(UnprotectPassword(protectedBytes)));
    // Anything that does not decode to at least one byte reads as no password.
    std::string bytes;
    if (!Base64Decode(text, bytes))
        return {};
    // An older build stored the bytes of its legacy code page.
    return AsRecordText(PasswordFromStore(bytes));
}

bool HoldsOldFormPassword(const CSqliteConnection& db, const char* key)
{
    CSqliteStatement row(db, kSqlSelectPasswordText);
    return row.Bind({key}) && row.NextRow() && !row.ColumnText(0).empty();
}
} // namespace settings_internal
