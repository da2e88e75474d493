#include "bench_common.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include "tests/support/pdf_factory.h"

double Seconds(const std::function<void()>& work)
{
    LARGE_INTEGER freq, start, end;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(freq.QuadPart);
}

double NowMs()
{
    static LARGE_INTEGER frequency = []
    {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t index = static_cast<size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    if (n == 0)
        return 0;
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void BareQpdf(const std::string& in, const std::string& out)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processFile(in.c_str(), nullptr);
    QPDFWriter writer(pdf, out.c_str());
    writer.setR6EncryptionParameters("open", "perm", true, true, true, true, true, true,
                                     qpdf_r3p_full, true);
    writer.write();
}

FolderSet MakeFolderSet(const std::string& in, const std::string& workFolder)
{
    FolderSet set;
    const std::string small = workFolder + "\\small.pdf";
    const std::string medium = workFolder + "\\medium.pdf";
    set.smallBytes = MakePdf(small, PdfRecipe{12, 60, 0, false, "", ""});
    set.mediumBytes = MakePdf(medium, PdfRecipe{4, 20, 5u << 20, false, "", ""});
    char name[64];
    for (int i = 0; i < kFolderSetSmall; ++i)
    {
        std::snprintf(name, sizeof name, "\\small_%03d.pdf", i);
        CopyFileA(small.c_str(), (in + name).c_str(), FALSE);
        set.totalBytes += set.smallBytes;
    }
    for (int i = 0; i < kFolderSetMedium; ++i)
    {
        std::snprintf(name, sizeof name, "\\medium_%02d.pdf", i);
        CopyFileA(medium.c_str(), (in + name).c_str(), FALSE);
        set.totalBytes += set.mediumBytes;
    }
    return set;
}

std::string CliPath()
{
    char buf[MAX_PATH];
    const std::string self(buf, GetModuleFileNameA(nullptr, buf, MAX_PATH));
    const std::string folder = self.substr(0, self.find_last_of('\\'));
    return folder.substr(0, folder.find_last_of('\\')) + "\\sealwick-cli.exe";
}

CliRun RunCliQuietly(const std::string& arguments)
{
    CliRun run;
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE nul = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                             OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = nul;
    PROCESS_INFORMATION pi = {};
    std::string commandLine = "\"" + CliPath() + "\" " + arguments;
    const double start = NowMs();
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                       nullptr, &si, &pi))
    {
        run.bStarted = true;
        WaitForSingleObject(pi.hProcess, INFINITE);
        run.milliseconds = NowMs() - start;
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        run.exitCode = code;
        FILETIME created, exited, kernel, user;
        if (GetProcessTimes(pi.hProcess, &created, &exited, &kernel, &user))
        {
            ULARGE_INTEGER k, u;
            k.LowPart = kernel.dwLowDateTime;
            k.HighPart = kernel.dwHighDateTime;
            u.LowPart = user.dwLowDateTime;
            u.HighPart = user.dwHighDateTime;
            run.cpuMs = static_cast<double>(k.QuadPart + u.QuadPart) / 10000.0;
        }
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    CloseHandle(nul);
    return run;
}
