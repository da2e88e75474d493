#pragma once

#include <string>

// A permission password nobody knows: 32 characters from A-Z, a-z and 0-9, drawn from the
// system's cryptographic generator. Throws std::runtime_error when the system gives no random
// data.
std::string MakeRandomPermissionPassword();

// Overwrites a password's bytes before the string lets them go.
void WipePassword(std::string& password);
