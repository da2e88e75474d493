#pragma once

// What every benchmark shares: a timer, the median, and the bare library run that the
// tool's own work is measured against.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// Wall-clock seconds that `work` takes.
double Seconds(const std::function<void()>& work);

double Median(std::vector<double> values);

// A monotonic clock in milliseconds.
double NowMs();

// The value below which the share p (0 to 1) of the values lie; 0 for none.
double Percentile(std::vector<double> values, double p);

// The folder set of the folder benchmarks: kFolderSetSmall small and kFolderSetMedium medium
// PDFs (the sizes protect_bench calls small and medium) in `in`, copies of one generated file
// of each kind made in `workFolder`: the run cost does not depend on the content differing,
// and generating every file would cost more than the measurement.
constexpr int kFolderSetSmall = 300;
constexpr int kFolderSetMedium = 20;
struct FolderSet
{
    size_t smallBytes = 0;  // one small file
    size_t mediumBytes = 0; // one medium file
    size_t totalBytes = 0;
};
FolderSet MakeFolderSet(const std::string& in, const std::string& workFolder);

// The library alone: open, encrypt with 256-bit AES, write. What any tool using qpdf must
// spend at least. Paths are ASCII here.
void BareQpdf(const std::string& in, const std::string& out);

// sealwick-cli.exe in the build folder above the benchmarks' own, run with `arguments` and its
// output thrown away. The wall time includes starting its process.
struct CliRun
{
    bool bStarted = false;
    unsigned long exitCode = 0xFFFFFFFF;
    double milliseconds = 0; // from start to end
    double cpuMs = 0;        // the process's processor time
};
std::string CliPath();
CliRun RunCliQuietly(const std::string& arguments);
