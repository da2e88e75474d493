// An exception that escapes a handler is reported and stops at the window procedure: the
// process goes on and the window keeps answering, whichever kind of window threw.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/control_wrappers.h"
#include "framework/dialog.h"
#include "framework_test_support.h"
#include "test_dialog.h"

namespace
{
constexpr UINT kThrow = WM_APP + 10;
constexpr UINT kAnswer = WM_APP + 11;

// The same two handlers for every kind of window.
template <typename Base> class CThrowing : public Base
{
  public:
    using Base::Base;

  protected:
    LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("handler failed"); }
    LRESULT OnThrowOther(WPARAM, LPARAM) { throw 42; }
    LRESULT OnAnswer(WPARAM, LPARAM) { return 42; }

    const MessageMap* GetMessageMap() const override
    {
        static const MessageEntry entries[] = {
            OnMessage<&CThrowing::OnThrow>(kThrow),
            OnMessage<&CThrowing::OnThrowOther>(kThrow + 100),
            OnMessage<&CThrowing::OnAnswer>(kAnswer),
        };
        static const MessageMap map(Base::GetMessageMap(), entries);
        return &map;
    }
};

class CThrowingDlg : public CThrowing<CDialog>
{
  public:
    CThrowingDlg() : CThrowing<CDialog>(IDD_TEST_DIALOG) {}
    CThrowing<CButton> m_push;

  protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_PUSH, m_push); }
};

void ExpectContained(CWnd& wnd, const char* kind)
{
    ReportCapture reports;
    EXPECT_EQ(0, wnd.SendMessage(kThrow)) << kind;
    EXPECT_EQ(0, wnd.SendMessage(kThrow + 100)) << kind;
    ASSERT_EQ(2u, ReportCapture::Reports().size()) << kind;
    EXPECT_EQ("handler failed", ReportCapture::Reports()[0]) << kind;
    EXPECT_EQ("unknown exception", ReportCapture::Reports()[1]) << kind;
    EXPECT_EQ(42, wnd.SendMessage(kAnswer)) << kind << " still answers";
}

TEST(Firewall, ExceptionStopsAtEachKindOfWindowProcedure)
{
    EnsureCommonControls();
    CThrowing<CWnd> window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr));
    ExpectContained(window, "framework window");

    CThrowingDlg dlg;
    ASSERT_TRUE(dlg.Create());
    ExpectContained(dlg, "dialog");
    ExpectContained(dlg.m_push, "subclassed control");
}

TEST(Firewall, ExceptionInAPaintHandlerDoesNotRepaintForEver)
{
    class CBadPaint : public CWnd
    {
      protected:
        LRESULT OnPaint(WPARAM, LPARAM) { throw std::runtime_error("paint failed"); }
        const MessageMap* GetMessageMap() const override
        {
            static const MessageEntry entries[] = {OnMessage<&CBadPaint::OnPaint>(WM_PAINT)};
            static const MessageMap map(CWnd::GetMessageMap(), entries);
            return &map;
        }
    };
    ReportCapture reports;
    CBadPaint wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr));
    wnd.UpdateWindow();
    PumpMessages();
    EXPECT_EQ(1u, ReportCapture::Reports().size());
    EXPECT_FALSE(GetUpdateRect(wnd.m_hWnd, nullptr, FALSE));
}
} // namespace
