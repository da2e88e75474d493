#include "bench_common.h"

#include <windows.h>

#include <algorithm>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

double Seconds(const std::function<void()>& work)
{
    LARGE_INTEGER freq, start, end;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(freq.QuadPart);
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
