#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

// Opens a stdio stream over a handle; the stream owns the handle from then on, and the handle
// is closed when no stream can be made. `flags` are the _O_ flags of the stream's access.
FILE* OpenStreamOnHandle(HANDLE handle, int flags, const char* mode);

// The file a protection writes: a temporary beside the target that replaces the target in one
// step once it is complete, or, only where that folder refuses the temporary's name (too long
// or invalid there), the target itself. Until it is kept, the system removes the temporary
// when its handle closes, also when the process ends half-way. Before the first temporary goes
// into a folder, temporaries that ended processes left there are removed.
// Use: Open, write through Stream, FinishWriting, Keep, ReplaceTarget; Discard (or the
// destructor) on any failure before the end.
class CTargetFile
{
  public:
    CTargetFile() = default;
    ~CTargetFile();
    CTargetFile(const CTargetFile&) = delete;
    CTargetFile& operator=(const CTargetFile&) = delete;

    // Creates the output for `target` (absolute or relative). False when it cannot be created;
    // nothing is made then and an existing target is untouched.
    bool Open(const std::wstring& target);

    FILE* Stream() const { return m_pFile; }

    // The open output's own handle, readable, for checking what was written before it is kept.
    HANDLE Handle() const;

    // Writes out what the stream holds and makes the system put it on the disk. Throws
    // std::runtime_error when that fails.
    void FinishWriting();

    // Keeps the complete output and closes it. Throws std::runtime_error when that fails.
    void Keep();

    // Moves the kept temporary over the target. False when the target cannot be replaced; the
    // temporary is then removed and the old target stays as it was. `sourcePath` (ANSI) is the
    // file the output was made from: a target that is the source is not waited for.
    bool ReplaceTarget(const std::string& sourcePath);

    // Removes whatever was made: a half-written temporary, or a half-written target.
    void Discard() noexcept;

  private:
    void Close() noexcept;

    std::wstring m_strTarget;     // as given
    std::wstring m_strFullTarget; // full, with the "\\?\" prefix where it can have one
    std::wstring m_strTemporary;  // empty when the target is written directly
    FILE* m_pFile = nullptr;
    bool m_bMade = false;
};

// Starts a new run: each target folder is searched for left temporaries once per run.
void ForgetSweptFolders();

// The steps of writing a target where the system's answer can be replaced, for tests.
enum class TargetFileStep
{
    CreateTemporary,
    Flush,
    Move,
};

// A stand-in for the system at a step: returns a Windows error code to fail the step with, or
// 0 to let the step run. Tests set one; the program never does. Null removes it.
using TargetFileFault = DWORD (*)(TargetFileStep step);
void SetTargetFileFault(TargetFileFault fault);
