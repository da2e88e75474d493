#pragma once

// The main window's input rules that need no window: its inputs as one record, target names,
// the command-line file, the texts each operation mode remembers, dropped items and picked
// folders.

#include <optional>
#include <string>

#include "engine/protection_request.h"
#include "settings/settings_record.h"

// A field read for a run or a target rule holds at most this many characters (of any
// script); the texts each mode remembers, and the settings texts, at most kMemoryMaxChars.
constexpr size_t kFieldMaxChars = 999;
constexpr size_t kMemoryMaxChars = 4999;

enum class OperationMode
{
    SingleFile,
    Folder,
};

// A run's request: the inputs, and the options of the settings in force.
ProtectionRequest MakeProtectionRequest(const LastInputs& inputs, const SettingsRecord& settings);

// The target beside the source: the source's base name (its last extension dropped), the
// suffix when bTargetSetSuffix is set, and ".pdf". Nothing when the source has no folder part
// or the result would not fit a field (kFieldMaxChars).
std::optional<std::string> DeriveTargetPath(const std::string& source, int bTargetSetSuffix,
                                            const std::string& strTargetSuffix);

// The one path that follows the executable's name on a command line, with one pair of
// surrounding double quotes removed and everything else, letter case included, kept. Nothing
// when there is no argument.
std::optional<std::string> CommandLineArgument(const std::string& commandLine);

// The source and target texts of one mode.
struct ModeTexts
{
    std::string strSource;
    std::string strTarget;
};

// What each mode's fields held when the user last left it. Empty after set-up.
struct ModeMemory
{
    ModeTexts singleFile;
    ModeTexts folder;

    ModeTexts& For(OperationMode mode)
    {
        return mode == OperationMode::Folder ? folder : singleFile;
    }
    void Clear() { *this = ModeMemory(); }
};

// Remembers the fields of the mode being left and returns what the fields of the new mode
// show: its remembered texts, or its placeholder and an empty target.
ModeTexts SwitchModeTexts(ModeMemory& memory, OperationMode leaving, const ModeTexts& current,
                          OperationMode entering);

// The texts that go with a mode.
struct ModeLabels
{
    const char* source;
    const char* target;
    const char* placeholder;
    const char* sourceTip;
    const char* targetTip;
};
const ModeLabels& LabelsFor(OperationMode mode);

// What a dropped item becomes.
enum class DropKind
{
    Folder,      // the folder goes into both fields
    PdfFile,     // taken in single-file mode
    NoExtension, // rejected: no dot at all
    NotPdf,      // rejected: the last extension is not ".pdf" in any letter case
    NoFolder,    // a PDF without a folder part: taken, then answered as invalid
};
DropKind ClassifyDroppedPath(const std::string& path, bool bIsFolder);
// The text a rejected drop leaves in the source field, or nullptr for a taken one.
const char* DropRejectionText(DropKind kind);

// A picked or dropped folder as the fields show it: a backslash is appended, except to a
// drive root, which has one.
std::string FolderFieldText(const std::string& folder);

// The target field after the target folder was picked: in single-file mode the source's file
// name follows the folder, when the source has a folder part.
std::string TargetForPickedFolder(const std::string& folder, OperationMode mode,
                                  const std::string& source);
