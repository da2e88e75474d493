#pragma once

#include <string>

// The values one protection run works from. The fields carry the names of the settings keys
// that store the same values; the window fills them from its fields and the current settings.
struct ProtectionRequest
{
    int bFolderMode = 0;
    std::string strSourceFile; // the source PDF, or in folder mode the source folder
    std::string strTargetFile; // the target PDF, or in folder mode the target folder
    std::string strPassword;   // open (user) password, exactly as typed
    std::string strPermissionPassword;
    int bPreventCopy = 0;
    int bPreventModify = 0;
    int bPreventPrint = 0;
    int bEncryptionType = 2;
    int bTargetSetSuffix = 1;
    std::string strTargetSuffix;
    int bIgnoreSuffixFiles = 1;
    int bAllowSigned = 0; // signed sources are protected too; their signatures become invalid
    // The user chose to go on with restrictions that the permission password would not guard:
    // every file gets its own random permission password instead.
    bool bRandomPermissionPassword = false;
};
