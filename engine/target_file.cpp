#include "engine/target_file.h"

#include <fcntl.h>
#include <io.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <random>
#include <set>
#include <stdexcept>

#include "base/text_conversion.h"
#include "engine/path_compare.h"
#include "engine/protect_file.h"
#include "engine/stale_work_files.h"

namespace
{
// Serial names first; where those are taken (by files a process with our id left), random
// ones until a free name turns up.
constexpr int kSerialNameAttempts = 4;
constexpr int kNameAttempts = 64;
// A scanner or an indexer that opens a freshly closed file lets go of it within moments.
constexpr int kMoveRetries = 5;
constexpr DWORD kMoveRetryPauseMs = 100;

std::atomic<TargetFileFault> g_fault{nullptr};

DWORD InjectedFault(TargetFileStep step)
{
    const TargetFileFault fault = g_fault.load();
    return fault ? fault(step) : ERROR_SUCCESS;
}

std::wstring FolderOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

// The full form of `path`, prefixed so that no MAX_PATH limit applies. A relative path
// (a bare name, "C:name") is taken from the current folder, as the system would take it.
std::wstring ExtendedFullPath(const std::wstring& path)
{
    if (path.compare(0, 4, L"\\\\?\\") == 0 || path.compare(0, 4, L"\\\\.\\") == 0)
        return path;
    DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0)
        return path;
    std::wstring full(length, L'\0');
    length = GetFullPathNameW(path.c_str(), length, &full[0], nullptr);
    if (length == 0 || length >= full.size())
        return path;
    full.resize(length);
    if (full.compare(0, 2, L"\\\\") == 0)
        return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

// A folder that takes no name of this kind: a direct write is then the only way in.
bool IsNameRefused(DWORD error)
{
    return error == ERROR_FILENAME_EXCED_RANGE || error == ERROR_INVALID_NAME;
}

std::string SystemMessage(DWORD error)
{
    char text[512] = "";
    if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                        0, text, sizeof text, nullptr))
        return "system error " + std::to_string(error);
    std::string message = text;
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return message;
}

unsigned long long RandomNamePart()
{
    thread_local std::mt19937_64 t_engine{std::random_device{}()};
    // Within what the sweep reads back as a number.
    return t_engine() % 1000000000000000000ull;
}

bool SetDeleteOnClose(HANDLE handle, bool bDelete)
{
    FILE_DISPOSITION_INFO info = {};
    info.DeleteFile = bDelete ? TRUE : FALSE;
    return SetFileInformationByHandle(handle, FileDispositionInfo, &info, sizeof info) != 0;
}

HANDLE HandleOf(FILE* file)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
}

std::mutex g_sweptMutex;
std::set<std::wstring> g_swept;

// Temporaries a killed run left in `folder` go before we add our own, once per run.
void SweepFolderOnce(const std::wstring& folder)
{
    {
        std::lock_guard<std::mutex> lock(g_sweptMutex);
        if (!g_swept.insert(FoldCase(folder)).second)
            return;
    }
    RemoveStaleTargetWorkFiles(folder);
}

// Creates a fresh temporary in `folder`, unshared. INVALID_HANDLE_VALUE with `error` set
// when no name could be made.
HANDLE CreateTemporary(const std::wstring& folder, std::wstring& path, DWORD& error)
{
    static std::atomic<unsigned> s_nSerial{0};
    const std::wstring stem =
        folder + AnsiToWide(kTempFilePrefix) + L"_" + std::to_wstring(GetCurrentProcessId()) + L"_";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt)
    {
        const unsigned long long part =
            attempt < kSerialNameAttempts ? ++s_nSerial : RandomNamePart();
        path = stem + std::to_wstring(part) + L".tmp";
        HANDLE handle = INVALID_HANDLE_VALUE;
        error = InjectedFault(TargetFileStep::CreateTemporary);
        if (error == ERROR_SUCCESS)
        {
            handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr,
                                 CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle == INVALID_HANDLE_VALUE)
                error = GetLastError();
        }
        if (handle != INVALID_HANDLE_VALUE)
            return handle;
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            break;
    }
    path.clear();
    return INVALID_HANDLE_VALUE;
}
} // namespace

FILE* OpenStreamOnHandle(HANDLE handle, int flags, const char* mode)
{
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags | _O_BINARY);
    if (fd == -1)
    {
        CloseHandle(handle);
        return nullptr;
    }
    FILE* file = _fdopen(fd, mode);
    if (!file)
        _close(fd);
    return file;
}

void ForgetSweptFolders()
{
    std::lock_guard<std::mutex> lock(g_sweptMutex);
    g_swept.clear();
}

void SetTargetFileFault(TargetFileFault fault)
{
    g_fault.store(fault);
}

CTargetFile::~CTargetFile()
{
    Discard();
}

bool CTargetFile::Open(const std::wstring& target)
{
    m_strTarget = target;
    // The temporary must lie on the target's volume, also for a relative target.
    m_strFullTarget = ExtendedFullPath(target);
    const std::wstring folder = FolderOf(m_strFullTarget);
    SweepFolderOnce(folder);
    DWORD error = ERROR_SUCCESS;
    HANDLE handle = CreateTemporary(folder, m_strTemporary, error);
    if (handle != INVALID_HANDLE_VALUE)
        SetDeleteOnClose(handle, true);
    else if (IsNameRefused(error))
    {
        // Never for a full disk or a folder we may not write: the old target would be gone
        // before the new one is complete.
        handle = CreateFileW(m_strFullTarget.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return false;
    }
    else
        return false;
    m_pFile = OpenStreamOnHandle(handle, _O_RDWR, "wb+");
    if (!m_pFile)
    {
        DeleteFileW(m_strTemporary.empty() ? m_strFullTarget.c_str() : m_strTemporary.c_str());
        return false;
    }
    m_bMade = true;
    // The default buffer turns a big file into many thousands of small writes.
    std::setvbuf(m_pFile, nullptr, _IOFBF, 1 << 20);
    return true;
}

void CTargetFile::FinishWriting()
{
    const std::string what = "writing " + WideToUtf8(m_strTarget) + ": ";
    DWORD error = InjectedFault(TargetFileStep::Flush);
    errno = 0;
    if (error == ERROR_SUCCESS && (std::ferror(m_pFile) || std::fflush(m_pFile) != 0))
        throw std::runtime_error(what + std::strerror(errno ? errno : EIO));
    // Without this the rename can reach the disk before the data it names.
    if (error == ERROR_SUCCESS && !FlushFileBuffers(HandleOf(m_pFile)))
        error = GetLastError();
    if (error != ERROR_SUCCESS)
        throw std::runtime_error(what + SystemMessage(error));
}

HANDLE CTargetFile::Handle() const
{
    return m_pFile ? HandleOf(m_pFile) : INVALID_HANDLE_VALUE;
}

void CTargetFile::Keep()
{
    if (!m_strTemporary.empty() && !SetDeleteOnClose(HandleOf(m_pFile), false))
        throw std::runtime_error("keeping " + WideToUtf8(m_strTarget) + ": " +
                                 SystemMessage(GetLastError()));
    FILE* file = m_pFile;
    m_pFile = nullptr;
    if (std::fclose(file) != 0)
        throw std::runtime_error("writing " + WideToUtf8(m_strTarget) + ": " +
                                 std::strerror(errno));
}

bool CTargetFile::ReplaceTarget(const std::string& sourcePath)
{
    if (m_strTemporary.empty())
    {
        m_bMade = false;
        return true;
    }
    for (int retry = 0;; ++retry)
    {
        // One step: a crash leaves the old target or the new one, never half a file.
        DWORD error = InjectedFault(TargetFileStep::Move);
        if (error == ERROR_SUCCESS)
        {
            if (MoveFileExW(m_strTemporary.c_str(), m_strFullTarget.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            {
                m_bMade = false;
                return true;
            }
            error = GetLastError();
        }
        if (retry == kMoveRetries ||
            (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION))
            break;
        // The source is held open until the end: it would never let go.
        std::string target;
        if (retry == 0 && WideToAnsi(m_strTarget, target) && IsSamePath(sourcePath, target))
            break;
        Sleep(kMoveRetryPauseMs);
    }
    Discard();
    return false;
}

void CTargetFile::Close() noexcept
{
    if (m_pFile)
        std::fclose(m_pFile);
    m_pFile = nullptr;
}

void CTargetFile::Discard() noexcept
{
    // Neither a half-written temporary nor a half-written target is a protected PDF.
    Close();
    if (m_bMade)
        DeleteFileW(m_strTemporary.empty() ? m_strFullTarget.c_str() : m_strTemporary.c_str());
    m_bMade = false;
}
