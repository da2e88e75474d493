#pragma once

#include <string>

// The running executable's full path in the ANSI code page, of any length; empty when the
// system cannot tell. A character the code page lacks shows as '?', which names no file.
std::string ExecutablePath();

// The folder holding the running executable, without a trailing backslash; empty when the
// system cannot tell.
std::string ExecutableFolder();
