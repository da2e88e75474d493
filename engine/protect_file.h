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
// Returns true when the target has been written. `status` always receives the text the
// results list shows for the file; failures begin with "Error:". Never throws and never
// shows a message.
bool ProtectFile(const std::string& sourcePath, const std::string& targetPath,
                 const ProtectOptions& options, std::string& status);

// Prefix of the temporary file a call creates in the target's folder.
constexpr const char* kTempFilePrefix = "vltswk";
