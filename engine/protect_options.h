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
};
