// The resource holders release what they own, and only that: a detached handle survives its
// holder, a pop-up belongs to its menu. A scoped selection puts back what it replaced.
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
            font = holderFont.GetSafeHandle();
            bitmap = holderBitmap.GetSafeHandle();
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
    HGDIOBJ first = font.GetSafeHandle();
    LOGFONTA logFont = {};
    ASSERT_GT(font.GetLogFont(&logFont), 0);
    logFont.lfUnderline = 1;
    ASSERT_TRUE(font.CreateFontIndirect(&logFont));
    EXPECT_EQ(0u, GetObjectType(first));
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(font.GetSafeHandle()));
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
        menuHandle = menu.GetSafeHandle();
        popupHandle = popup->GetSafeHandle();
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
    EXPECT_EQ(nullptr, images.GetSafeHandle());
    EXPECT_TRUE(ImageList_Destroy(handle)) << "a detached list is the caller's to destroy";
}
} // namespace

TEST(GdiHolders, ScopedSelectionPutsBackWhatWasSelected)
{
    HDC hDC = nullptr;
    {
        CMemoryDC dc(CreateCompatibleDC(nullptr));
        hDC = dc;
        ASSERT_NE(nullptr, hDC);
        const HGDIOBJ original = GetCurrentObject(dc, OBJ_BITMAP);
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(dc, 4, 4));
        {
            CScopedSelection selection(dc, bitmap);
            EXPECT_EQ(bitmap.GetSafeHandle(), GetCurrentObject(dc, OBJ_BITMAP));
            {
                CScopedSelection nothing(dc, nullptr);
            }
            EXPECT_EQ(bitmap.GetSafeHandle(), GetCurrentObject(dc, OBJ_BITMAP))
                << "selecting nothing puts nothing back";
        }
        EXPECT_EQ(original, GetCurrentObject(dc, OBJ_BITMAP));
    }
    EXPECT_EQ(0u, GetObjectType(hDC)) << "the memory context goes with its holder";
}
