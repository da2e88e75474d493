#pragma once

#include <string>

#include "engine/protect_options.h"

// Writes an encrypted copy of `sourcePath` to `targetPath` with the passwords, restrictions
// and encryption type of `options`.
// Paths are in the process's ANSI code page; passwords are UTF-8. The source is only read, and
// nobody may write to it meanwhile: a source another program has open for writing is refused.
// The output goes to a temporary file beside the target that then replaces the target in one
// step; where that folder refuses the temporary name, the target is written directly.
//
// A signed source is refused unless options.bAllowSigned; a source the library had to repair
// is refused under options.bStrict; a linearized source gives a linearized copy. With
// options.bRandomPermissionPassword, a file with restrictions whose permission password is
// empty or the open one gets a random permission password of its own, never kept.
// The written copy is read back and checked before it replaces the target: its method, P,
// passwords and page count. A copy that fails is removed and the old target stays.
//
// Returns true when the target has been written. `status` always receives the text the
// results list shows for the file; failures begin with "Error:". `facts` receives what was
// learnt about the file. Never throws and never shows a message.
bool ProtectFile(const std::string& sourcePath, const std::string& targetPath,
                 const ProtectOptions& options, std::string& status, ProtectFacts& facts);
bool ProtectFile(const std::string& sourcePath, const std::string& targetPath,
                 const ProtectOptions& options, std::string& status);

// Damage done to the written copy between its flush and its check, for tests: called with the
// copy's handle (a HANDLE, open for reading and writing). The program never sets one. Null
// removes it.
using WrittenCopyFault = void (*)(void* file);
void SetWrittenCopyFault(WrittenCopyFault fault);

// Prefix of the temporary file a call creates in the target's folder.
constexpr const char* kTempFilePrefix = "vltswk";
