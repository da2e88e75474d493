#pragma once

#include <string>

// The running executable's full path, of any length; empty when the system cannot tell.
std::string ExecutablePath();

// The folder holding the running executable, without a trailing backslash; empty when the
// system cannot tell.
std::string ExecutableFolder();
