#pragma once

// What every benchmark shares: a timer, the median, and the bare library run that the
// tool's own work is measured against.

#include <functional>
#include <string>
#include <vector>

// Wall-clock seconds that `work` takes.
double Seconds(const std::function<void()>& work);

double Median(std::vector<double> values);

// The library alone: open, encrypt with 256-bit AES, write. What any tool using qpdf must
// spend at least. Paths are ASCII here.
void BareQpdf(const std::string& in, const std::string& out);
