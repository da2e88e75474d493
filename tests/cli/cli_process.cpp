#include "cli_process.h"

#include <windows.h>

#include <stdexcept>

#include "base/text_conversion.h"
#include "tests/support/scratch.h"

namespace
{
// Quoting that CommandLineToArgvW and the C runtime undo: backslashes double only before a
// quote.
std::wstring Quote(const std::wstring& arg)
{
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos)
        return arg;
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : arg)
    {
        if (c == L'\\')
        {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

std::wstring ExePath()
{
    wchar_t buf[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH);
    std::wstring self(buf, n);
    std::wstring folder = self.substr(0, self.find_last_of(L'\\'));
    return folder.substr(0, folder.find_last_of(L'\\')) + L"\\sealwick-cli.exe";
}

HANDLE CaptureFile(const std::wstring& path)
{
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}
} // namespace

std::vector<std::string> CliRun::Lines() const
{
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < out.size())
    {
        size_t end = out.find("\r\n", at);
        if (end == std::string::npos)
            end = out.size();
        lines.push_back(out.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

CliRun RunCliExe(const std::vector<std::string>& utf8Args, const std::string& workingFolder)
{
    std::wstring commandLine = Quote(ExePath());
    for (const std::string& arg : utf8Args)
        commandLine += L" " + Quote(Utf8ToWide(arg));

    static unsigned runs = 0;
    const std::wstring stem = Utf8ToWide(TempFolderPath()) + L"cli_capture_" +
                              std::to_wstring(GetCurrentProcessId()) + L"_" +
                              std::to_wstring(++runs);
    const std::wstring outPath = stem + L".out", errPath = stem + L".err";
    HANDLE out = CaptureFile(outPath), err = CaptureFile(errPath);
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = nullptr;
    si.hStdOutput = out;
    si.hStdError = err;
    PROCESS_INFORMATION pi = {};
    const std::wstring folder = Utf8ToWide(workingFolder);
    CliRun run;
    if (CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                       folder.c_str(), &si, &pi))
    {
        WaitForSingleObject(pi.hProcess, 300000);
        GetExitCodeProcess(pi.hProcess, &run.exitCode);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    CloseHandle(out);
    CloseHandle(err);
    run.out = ReadFileBytes(WideToUtf8(outPath));
    run.err = ReadFileBytes(WideToUtf8(errPath));
    DeleteFileW(outPath.c_str());
    DeleteFileW(errPath.c_str());
    return run;
}

std::vector<OutputLine> ParseOutputLines(const CliRun& run)
{
    std::vector<OutputLine> lines;
    for (const std::string& text : run.Lines())
    {
        std::vector<std::string> parts;
        size_t at = 0;
        for (size_t tab; (tab = text.find('\t', at)) != std::string::npos; at = tab + 1)
            parts.push_back(text.substr(at, tab - at));
        parts.push_back(text.substr(at));
        if (parts.size() != 4)
            throw std::runtime_error("not an output line: " + text);
        lines.push_back({parts[0], parts[1], parts[2], parts[3]});
    }
    return lines;
}

std::string AsPrinted(const std::string& message)
{
    std::string printed;
    for (char c : message)
        printed += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return printed;
}
