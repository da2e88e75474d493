#pragma once

#include <functional>
#include <string>

#include "engine/protection_request.h"

enum class ValidationOutcome
{
    Accepted,  // the request may run
    Refused,   // strMessage says why; the window shows it as a warning
    Withdrawn, // the user chose to go back and set an open password
};

struct ValidationResult
{
    ValidationOutcome outcome = ValidationOutcome::Accepted;
    std::string strMessage;
};

// Shows a Yes/No question with the given text; returns true when the answer was Yes.
using AskYesNo = std::function<bool(const std::string& text)>;

// Checks a request before it runs: the passwords, that source and target exist and differ,
// and that the target file can be created. Asks at most one question, through `ask`, and
// shows nothing itself. An existing target is left unchanged; a missing one is created to
// prove it can be, and deleted again.
ValidationResult ValidateRequest(const ProtectionRequest& request, const AskYesNo& ask);

// The refusal for a password (`which` is "open" or "permission") that the encryption type
// cannot store as every reader derives it; empty when it can.
std::string CheckPasswordStorable(const std::string& password, const char* which,
                                  int encryptionType);

// Opens the path for appending and closes it at once: creates a missing file, writes nothing.
// True when it could be opened.
bool AppendProbe(const std::string& path);

// Formats a message with one path, cut to the length a message may have.
std::string FormatPathMessage(const char* format, const std::string& path);
