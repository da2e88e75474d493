#pragma once

#include <string>

// What a protected copy forbids its readers; opening and reading stay allowed.
struct Restrictions
{
    bool bPreventCopy = false;
    bool bPreventModify = false;
    bool bPreventPrint = false;

    bool Any() const { return bPreventCopy || bPreventModify || bPreventPrint; }
};

// How one file is protected. Passwords are UTF-8, exactly as typed.
struct ProtectOptions
{
    std::string strPassword;           // open (user) password
    std::string strPermissionPassword; // empty: the open password also lifts the restrictions
    Restrictions restrictions;
    int bEncryptionType = 2; // see EncryptionType; other values behave as AES-128
    // Set when restrictions are asked with a permission password that is empty or the same as
    // the open one: the file gets its own random permission password instead, which nobody
    // knows, so that the restrictions hold.
    bool bRandomPermissionPassword = false;
    bool bAllowSigned = false; // protect a signed source anyway; its signature becomes invalid
    bool bStrict = false;      // a source that must be repaired is not protected
};

// What the run learnt about one file beyond its status text, for reports.
struct ProtectFacts
{
    bool bRepaired = false;                 // the source was damaged and has been repaired
    bool bSigned = false;                   // the source carries a digital signature
    bool bPdfA = false;                     // the source declares PDF/A
    bool bRandomPermissionPassword = false; // the copy's permission password is random
    bool bChecked = false;                  // the written copy passed its check
};
