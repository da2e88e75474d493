// How each dialog looks once the dialog manager has built it at the standard font: the picture
// covers the window, every control lies inside it, no two controls overlap unless they take
// turns (the progress bar stands in for "Protect PDF" during a run), and every text fits.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "framework/dialog.h"
#include "res/resource.h"
#include "resource_test_support.h"

namespace
{
struct LayoutCase
{
    const char* name;
    UINT nID;
    int pictureId;                              // 0: no picture behind the controls
    bool painted;                               // the picture is a backdrop the window paints
    std::set<std::pair<int, int>> sharedPlaces; // pairs of ids that may overlap
};

const LayoutCase kLayouts[] = {
    {"MainWindow", IDD_SEALWICK_DIALOG, IDC_BACKDROP, true, {{IDOK, IDC_PROGRESS}}},
    {"Settings", IDD_SETTINGS, IDC_BACKDROP, true, {}},
    {"About", IDD_ABOUTBOX, 0, false, {}},
    {"Offer", IDD_OFFER, IDB_OFFER, false, {}},
};

bool IsPicture(HWND hCtl)
{
    return ClassName(hCtl) == "Static" &&
           ((GetWindowLongA(hCtl, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP ||
            GetDlgCtrlID(hCtl) == IDC_BACKDROP);
}

bool Overlap(const RECT& a, const RECT& b)
{
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

class LayoutTest : public ::testing::TestWithParam<LayoutCase>
{
  protected:
    void SetUp() override
    {
        EnsureCommonControls();
        m_dlg = std::make_unique<CDialog>(GetParam().nID);
        ASSERT_TRUE(m_dlg->Create());
        m_hDlg = m_dlg->GetSafeHwnd();
        GetClientRect(m_hDlg, &m_client);
    }

    std::unique_ptr<CDialog> m_dlg;
    HWND m_hDlg = nullptr;
    RECT m_client = {};
};

TEST_P(LayoutTest, PictureCoversTheWholeWindow)
{
    const LayoutCase& c = GetParam();
    if (!c.pictureId)
        GTEST_SKIP() << "no picture";
    const std::vector<HWND> children = ChildWindows(m_hDlg);
    ASSERT_FALSE(children.empty());
    const HWND hPicture = children.front(); // first, so it is under every other control
    ASSERT_TRUE(IsPicture(hPicture));
    if (!c.painted)
    {
        EXPECT_NE(nullptr,
                  reinterpret_cast<HBITMAP>(SendMessageA(hPicture, STM_GETIMAGE, IMAGE_BITMAP, 0)))
            << "bitmap " << c.pictureId << " did not load";
    }
    const RECT picture = RectInParent(hPicture);
    EXPECT_LE(picture.left, m_client.left);
    EXPECT_LE(picture.top, m_client.top);
    EXPECT_GE(picture.right, m_client.right);
    EXPECT_GE(picture.bottom, m_client.bottom);
}

// The pictures are drawn for "MS Shell Dlg" 8 at 96 dots per inch, whose dialog units are 6 x 13
// pixels per 4 x 8 units; at that font the window is as large as its picture, no part of it cut.
TEST_P(LayoutTest, WindowIsAsLargeAsItsPicture)
{
    const LayoutCase& c = GetParam();
    if (!c.pictureId || c.painted)
        GTEST_SKIP() << "no picture of a fixed size";
    RECT units = {0, 0, 4, 8};
    MapDialogRect(m_hDlg, &units);
    if (units.right != 6 || units.bottom != 13)
        GTEST_SKIP() << "the dialog font gives " << units.right << " x " << units.bottom
                     << " pixels per 4 x 8 units, not 6 x 13: Tahoma is missing";
    const RECT picture = RectInParent(ChildWindows(m_hDlg).front());
    EXPECT_LE(picture.right - m_client.right, 2);
    EXPECT_LE(picture.bottom - m_client.bottom, 2);
}

TEST_P(LayoutTest, ControlsStayInsideAndApart)
{
    const LayoutCase& c = GetParam();
    std::vector<HWND> controls;
    for (HWND h : ChildWindows(m_hDlg))
        if (!IsPicture(h))
            controls.push_back(h);
    for (HWND h : controls)
    {
        const RECT rc = RectInParent(h);
        SCOPED_TRACE(testing::Message() << "id " << GetDlgCtrlID(h));
        EXPECT_GE(rc.left, m_client.left);
        EXPECT_GE(rc.top, m_client.top);
        EXPECT_LE(rc.right, m_client.right);
        EXPECT_LE(rc.bottom, m_client.bottom);
    }
    for (size_t i = 0; i < controls.size(); ++i)
        for (size_t j = i + 1; j < controls.size(); ++j)
        {
            const int a = GetDlgCtrlID(controls[i]);
            const int b = GetDlgCtrlID(controls[j]);
            if (c.sharedPlaces.count({a, b}) || c.sharedPlaces.count({b, a}))
                continue;
            EXPECT_FALSE(Overlap(RectInParent(controls[i]), RectInParent(controls[j])))
                << "controls " << a << " and " << b << " overlap";
        }
}

// A wrapping label too narrow for its text moves its last word to a second line that its height
// hides. A label that does not wrap draws past its right edge (statics paint with the parent's
// clipping), which is fine as long as the text reaches no other control.
TEST_P(LayoutTest, TextsFitTheirControls)
{
    const std::vector<HWND> children = ChildWindows(m_hDlg);
    for (HWND h : children)
    {
        const std::string cls = ClassName(h);
        const DWORD type = GetWindowLongA(h, GWL_STYLE) & SS_TYPEMASK;
        const bool wrapping = cls == "Static" && type <= SS_RIGHT;
        const bool noWrap = cls == "Static" && type == SS_LEFTNOWORDWRAP;
        if ((!wrapping && !noWrap && cls != "Button") || WindowText(h).empty())
            continue;
        SCOPED_TRACE(testing::Message()
                     << "id " << GetDlgCtrlID(h) << " \"" << WindowText(h) << "\"");
        RECT rc;
        GetClientRect(h, &rc);
        const SIZE text = TextExtent(h);
        EXPECT_LE(text.cy, rc.bottom);
        if (!noWrap)
        {
            EXPECT_LE(text.cx, rc.right);
            continue;
        }
        const RECT box = RectInParent(h);
        const RECT drawn = {box.left, box.top, box.left + text.cx, box.bottom};
        EXPECT_LE(drawn.right, m_client.right);
        for (HWND other : children)
        {
            if (other == h || IsPicture(other))
                continue;
            EXPECT_FALSE(Overlap(drawn, RectInParent(other)))
                << "its text runs into control " << GetDlgCtrlID(other);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dialogs, LayoutTest, ::testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

// The offer is nothing but its picture, 600 x 400 pixels, and a click on it must reach the
// dialog. (That the window is as large as the picture is checked with the other pictures.)
TEST(OfferDialog, IsOneClickablePictureOfItsFullSize)
{
    EnsureCommonControls();
    CDialog dlg(IDD_OFFER);
    ASSERT_TRUE(dlg.Create());
    const std::vector<HWND> children = ChildWindows(dlg.GetSafeHwnd());
    ASSERT_EQ(1u, children.size());
    EXPECT_EQ(IDC_OFFER_PICTURE, GetDlgCtrlID(children[0]));
    EXPECT_TRUE(GetWindowLongA(children[0], GWL_STYLE) & SS_NOTIFY);
    RECT picture;
    GetClientRect(children[0], &picture);
    EXPECT_EQ(600, picture.right);
    EXPECT_EQ(400, picture.bottom);
}
} // namespace
