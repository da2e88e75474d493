#pragma once

#include <string>

// Older builds kept the working copies of a file in the temporary folder, and the output is
// written to a temporary beside its target (see kTempFilePrefix). A process that is ended
// before it cleans up (killed, crashed, logged off) can leave them there, in the temporary
// folder the unencrypted copy included.

// The process id in the name of one of the tool's working files,
// "<prefix>_<pid>_<tick>.pdf" or "<prefix>_<pid>_<tick>_protected.pdf"; false for any other
// name.
bool ParseWorkFileName(const std::string& name, unsigned long& processId);

// Removes from `folder` the tool's working files whose process no longer runs, and nothing
// else. Returns how many were removed.
int RemoveStaleWorkFiles(const std::string& folder);

// The same for the process's temporary folder.
int RemoveStaleWorkFiles();

// The process id in the name of a file being written beside its target,
// "<prefix>_<pid>_<serial or random number>.tmp"; false for any other name.
bool ParseTargetWorkFileName(const std::string& name, unsigned long& processId);

// Removes from the target folder `folder` (UTF-16, may carry the "\\?\" prefix) the tool's
// temporaries whose process no longer runs and that nobody else holds open. Returns how many
// were removed.
int RemoveStaleTargetWorkFiles(const std::wstring& folder);

// False only when no process with this id runs any more; this process runs.
bool IsProcessRunning(unsigned long processId);
