// The resource holders release what they own, and only that: a detached handle survives its
// holder, a pop-up belongs to its menu.
#include "framework/gdi.h"

#include <gtest/gtest.h>

#include "test_dialog.h"

namespace
{
TEST(GdiHolders, FontAndBitmapAreDeletedWithTheirHolderUnlessDetached)
{
    HDC screen = GetDC(nullptr);
    struct Case
    {
        const char* name;
        bool detach;
    };
    for (const Case& c : {Case{"kept", false}, Case{"detached", true}})
    {
        HGDIOBJ font = nullptr;
        HGDIOBJ bitmap = nullptr;
        {
            CFont holderFont;
            ASSERT_TRUE(holderFont.CreateFont(12, 0, 0, 0, FW_SEMIBOLD, 0, 0, 0, 0, 0, 0,
                                              ANTIALIASED_QUALITY, 0, "MS Shell Dlg"));
            CBitmap holderBitmap;
            ASSERT_TRUE(holderBitmap.CreateCompatibleBitmap(screen, 13, 13));
            font = holderFont.m_hObject;
            bitmap = holderBitmap.m_hObject;
            if (c.detach)
            {
                holderFont.Detach();
                holderBitmap.Detach();
            }
        }
        EXPECT_EQ(c.detach ? OBJ_FONT : 0u, GetObjectType(font)) << c.name;
        EXPECT_EQ(c.detach ? OBJ_BITMAP : 0u, GetObjectType(bitmap)) << c.name;
        if (c.detach)
        {
            DeleteObject(font);
            DeleteObject(bitmap);
        }
    }
    ReleaseDC(nullptr, screen);
}

TEST(GdiHolders, NewHandleReleasesThePreviousOne)
{
    CFont font;
    ASSERT_TRUE(font.CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "MS Shell Dlg"));
    HGDIOBJ first = font.m_hObject;
    LOGFONTA logFont = {};
    ASSERT_GT(font.GetLogFont(&logFont), 0);
    logFont.lfUnderline = 1;
    ASSERT_TRUE(font.CreateFontIndirect(&logFont));
    EXPECT_EQ(0u, GetObjectType(first));
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(font.m_hObject));
}

TEST(GdiHolders, MenuGoesWithItsPopups)
{
    HMENU menuHandle = nullptr;
    HMENU popupHandle = nullptr;
    {
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
        CMenu* popup = menu.GetSubMenu(0);
        ASSERT_NE(nullptr, popup);
        EXPECT_EQ(popup, menu.GetSubMenu(0));
        EXPECT_EQ(2, popup->GetMenuItemCount());
        menuHandle = menu.m_hMenu;
        popupHandle = popup->m_hMenu;
    }
    EXPECT_FALSE(IsMenu(menuHandle));
    EXPECT_FALSE(IsMenu(popupHandle));
}

TEST(GdiHolders, ImageListHoldsItsIcons)
{
    CImageList images;
    ASSERT_TRUE(images.Create(28, 28, ILC_COLOR32, 1, 1));
    EXPECT_EQ(0, images.Add(LoadIcon(nullptr, IDI_APPLICATION)));
    EXPECT_EQ(1, images.GetImageCount());
    HIMAGELIST handle = images.Detach();
    EXPECT_EQ(nullptr, images.m_hImageList);
    EXPECT_TRUE(ImageList_Destroy(handle)) << "a detached list is the caller's to destroy";
}
} // namespace
