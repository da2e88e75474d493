// Message maps: lookup by message, command and notification, chaining to the base class's
// table, fall-through of handlers that decline, and Default() from inside a handler.
#include "framework/message_map.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/wnd.h"
#include "framework_test_support.h"

namespace
{
constexpr UINT kOverridden = WM_APP + 1; // both tables have it
constexpr UINT kBaseOnly = WM_APP + 2;

class CBaseWnd : public CWnd
{
  public:
    std::vector<std::string> log;

  protected:
    LRESULT OnOverridden(WPARAM, LPARAM)
    {
        log.push_back("base");
        return 1;
    }
    LRESULT OnBaseOnly(WPARAM wParam, LPARAM)
    {
        log.push_back("base only");
        return 100 + static_cast<LRESULT>(wParam);
    }
    void OnFirstCommand() { log.push_back("command 1001"); }

    const MessageMap* GetMessageMap() const override
    {
        static const MessageEntry entries[] = {
            OnMessage<&CBaseWnd::OnOverridden>(kOverridden),
            OnMessage<&CBaseWnd::OnBaseOnly>(kBaseOnly),
            OnCommand<&CBaseWnd::OnFirstCommand>(1001),
        };
        static const MessageMap map(CWnd::GetMessageMap(), entries);
        return &map;
    }
};

class CDerivedWnd : public CBaseWnd
{
  protected:
    // wParam 0 declines, so the base class's entry runs.
    bool OnOverridden(WPARAM wParam, LPARAM, LRESULT& result)
    {
        log.push_back("derived");
        result = 2;
        return wParam != 0;
    }
    void OnRange(UINT id) { log.push_back("range " + std::to_string(id)); }
    void OnClick(NMHDR*, LRESULT* result)
    {
        log.push_back("click from 5");
        *result = 7;
    }
    LRESULT OnSetText(WPARAM, LPARAM)
    {
        log.push_back("set text");
        return Default();
    }

    const MessageMap* GetMessageMap() const override
    {
        static const MessageEntry entries[] = {
            OnMessage<&CDerivedWnd::OnOverridden>(kOverridden),
            OnCommandRange<&CDerivedWnd::OnRange>(2000, 2009),
            OnNotify<&CDerivedWnd::OnClick>(NM_CLICK, 5),
            OnMessage<&CDerivedWnd::OnSetText>(WM_SETTEXT),
        };
        static const MessageMap map(CBaseWnd::GetMessageMap(), entries);
        return &map;
    }
};

struct Case
{
    const char* name;
    UINT message;
    WPARAM wParam;
    UINT notifyCode; // WM_NOTIFY only
    UINT_PTR notifyId;
    LRESULT result;
    std::vector<std::string> log;
};

TEST(MessageMap, RoutesThroughTheChainAndFallsThrough)
{
    const Case cases[] = {
        {"derived entry wins", kOverridden, 1, 0, 0, 2, {"derived"}},
        {"declined goes to base", kOverridden, 0, 0, 0, 1, {"derived", "base"}},
        {"base-only message", kBaseOnly, 5, 0, 0, 105, {"base only"}},
        {"command by id", WM_COMMAND, MAKEWPARAM(1001, BN_CLICKED), 0, 0, 0, {"command 1001"}},
        {"other code of that id", WM_COMMAND, MAKEWPARAM(1001, EN_CHANGE), 0, 0, 0, {}},
        {"command range", WM_COMMAND, MAKEWPARAM(2005, 0), 0, 0, 0, {"range 2005"}},
        {"past the range", WM_COMMAND, MAKEWPARAM(2010, 0), 0, 0, 0, {}},
        {"notify by code and id", WM_NOTIFY, 5, NM_CLICK, 5, 7, {"click from 5"}},
        {"notify from another id", WM_NOTIFY, 6, NM_CLICK, 6, 0, {}},
        {"notify with another code", WM_NOTIFY, 5, NM_DBLCLK, 5, 0, {}},
    };
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "map", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    for (const Case& c : cases)
    {
        wnd.log.clear();
        NMHDR header = {nullptr, c.notifyId, c.notifyCode};
        const LPARAM lParam = c.message == WM_NOTIFY ? reinterpret_cast<LPARAM>(&header) : 0;
        EXPECT_EQ(c.result, wnd.SendMessage(c.message, c.wParam, lParam)) << c.name;
        EXPECT_EQ(c.log, wnd.log) << c.name;
    }
}

TEST(MessageMap, DefaultRunsTheSystemProcessingFromInsideAHandler)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    wnd.log.clear();
    wnd.SetWindowText("typed");
    char text[16] = {};
    wnd.GetWindowText(text, sizeof text);
    EXPECT_STREQ("typed", text);
    EXPECT_EQ(std::vector<std::string>{"set text"}, wnd.log);
}

TEST(MessageMap, DestroyedWindowLetsGoOfItsObject)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    HWND hWnd = wnd.m_hWnd;
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hWnd));
    wnd.DestroyWindow();
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_FALSE(IsWindow(hWnd));
}
} // namespace
