#pragma once

// Helpers the framework's window tests share.

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/wnd.h"
#include "tests/support/window_test_support.h"

// Collects what the framework reports about escaped exceptions while it lives.
class ReportCapture
{
  public:
    ReportCapture() : m_previous(SetExceptionReporter(&Record)) { Reports().clear(); }
    ~ReportCapture() { SetExceptionReporter(m_previous); }

    static std::vector<std::string>& Reports()
    {
        static std::vector<std::string> reports;
        return reports;
    }

  private:
    static void Record(const char* what) { Reports().push_back(what); }
    ExceptionReporter m_previous;
};
