#pragma once

#include <string>

// Standard Base64 with "=" padding and no line breaks. Stored passwords use it so that any
// byte survives the text column; it hides nothing.
std::string Base64Encode(const std::string& bytes);

// False when the length is not a multiple of four, or when a character lies outside the
// alphabet ("=" counts only as padding in the last two places).
bool Base64Decode(const std::string& text, std::string& bytes);
