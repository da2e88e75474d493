// The face images without a window: palette mixing and blending, the bump at chosen pixels,
// the noise, the focus lines, and how an image reaches a device context.
#include "controls/shade_image.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "controls/shade_button.h"

namespace
{
// Distinct channels catch a swapped red and blue; a face far below the highlight shows that
// entry 128 is rewritten by the second half of the palette.
const COLORREF kShadow = RGB(20, 30, 40);
const COLORREF kFace = RGB(100, 110, 120);
const COLORREF kHighlight = RGB(255, 250, 245);

int NoNoise()
{
    return 16376; // 16376 / 2047 - 8 = 0
}
int LowestNoise()
{
    return 0;
}
int HighestNoise()
{
    return 32767;
}

struct Rgb
{
    int r, g, b;
};

Rgb Entry(const CShadeImage& image, int index)
{
    const RGBQUAD q = image.GetPaletteEntry(index);
    return {q.rgbRed, q.rgbGreen, q.rgbBlue};
}

void ExpectEntry(const CShadeImage& image, int index, Rgb expected, const char* which)
{
    const Rgb got = Entry(image, index);
    EXPECT_EQ(expected.r, got.r) << which << " entry " << index;
    EXPECT_EQ(expected.g, got.g) << which << " entry " << index;
    EXPECT_EQ(expected.b, got.b) << which << " entry " << index;
}
} // namespace

TEST(ShadePalette, RunsFromShadowThroughFaceToHighlight)
{
    CShadeButton button;
    button.BuildShadeImages(100, 40, kShadow, kFace, kHighlight, &NoNoise);

    const struct
    {
        int index;
        Rgb expected;
    } cases[] = {
        {0, {20, 30, 40}},      // shadow
        {64, {60, 70, 80}},     // halfway to the face
        {127, {99, 109, 119}},  // just below the face, truncated
        {128, {101, 111, 120}}, // first step above the face, not the face itself
        {191, {177, 180, 182}}, // halfway to the highlight
        {255, {255, 250, 245}}, // highlight
    };
    for (const auto& c : cases)
    {
        ExpectEntry(button.m_imgFocusH, c.index, c.expected, "focus line");
        ExpectEntry(button.m_imgFocusV, c.index, c.expected, "focus column");
    }
}

TEST(ShadePalette, FacesAreBlendedTowardsWhiteAndTheHighlight)
{
    CShadeButton button;
    button.BuildShadeImages(100, 40, kShadow, kFace, kHighlight, &NoNoise);

    // Normal: 5 % towards white; hover and pressed: that, 20 % towards the highlight.
    const struct
    {
        const CShadeImage& image;
        const char* which;
        Rgb entry0;
        Rgb entry255;
    } cases[] = {
        {button.m_imgNormal, "normal", {31, 41, 50}, {255, 250, 245}},
        {button.m_imgDisabled, "disabled", {31, 41, 50}, {255, 250, 245}},
        {button.m_imgHover, "hover", {75, 82, 89}, {255, 250, 245}},
        {button.m_imgPressed, "pressed", {75, 82, 89}, {255, 250, 245}},
    };
    for (const auto& c : cases)
    {
        ExpectEntry(c.image, 0, c.entry0, c.which);
        ExpectEntry(c.image, 255, c.entry255, c.which);
    }
}

TEST(ShadeBump, LightAtTopLeftDarkAtBottomRightFlatInTheMiddle)
{
    CShadeButton button;
    button.BuildShadeImages(100, 40, kShadow, kFace, kHighlight, &NoNoise);

    // y counts stored rows: 0 is the bottom row on screen.
    const struct
    {
        int x, y;
        int index;
    } cases[] = {
        {0, 39, 247},  // top left: clamped to the lightest plain value
        {99, 0, 8},    // bottom right: clamped to the darkest
        {50, 20, 128}, // middle: the face
        {30, 10, 121}, // -7.5 truncates towards zero, not down to 120
        {80, 5, 53},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.index, button.m_imgNormal.GetPixelIndex(c.x, c.y)) << c.x << "," << c.y;
        // Every face shares the pixels; only the palettes differ.
        EXPECT_EQ(c.index, button.m_imgHover.GetPixelIndex(c.x, c.y));
        EXPECT_EQ(c.index, button.m_imgPressed.GetPixelIndex(c.x, c.y));
        EXPECT_EQ(c.index, button.m_imgDisabled.GetPixelIndex(c.x, c.y));
    }
}

TEST(ShadeBump, NoiseReachesBothEndsWithoutWrapping)
{
    const struct
    {
        ShadeNoiseSource noise;
        int x, y;
        int index;
    } cases[] = {
        {&HighestNoise, 0, 39, 255}, // 247 + 8
        {&LowestNoise, 99, 0, 0},    // 8 - 8
        {&HighestNoise, 50, 20, 136},
        {&LowestNoise, 50, 20, 120},
    };
    for (const auto& c : cases)
    {
        CShadeButton button;
        button.BuildShadeImages(100, 40, kShadow, kFace, kHighlight, c.noise);
        EXPECT_EQ(c.index, button.m_imgNormal.GetPixelIndex(c.x, c.y)) << c.x << "," << c.y;
    }
}

TEST(ShadeBump, TwoBuildsDifferOnlyInTheNoise)
{
    CShadeButton plain, first, second;
    plain.BuildShadeImages(60, 24, kShadow, kFace, kHighlight, &NoNoise);
    std::srand(1);
    first.BuildShadeImages(60, 24, kShadow, kFace, kHighlight, &std::rand);
    std::srand(2);
    second.BuildShadeImages(60, 24, kShadow, kFace, kHighlight, &std::rand);

    int differing = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 60; ++x)
        {
            const int base = plain.m_imgNormal.GetPixelIndex(x, y);
            const int a = first.m_imgNormal.GetPixelIndex(x, y);
            const int b = second.m_imgNormal.GetPixelIndex(x, y);
            EXPECT_LE(std::abs(a - base), 8) << x << "," << y;
            EXPECT_LE(std::abs(b - base), 8) << x << "," << y;
            differing += a != b;
        }
    EXPECT_GT(differing, 60 * 24 / 2);
    for (int i = 0; i < 256; ++i)
        ExpectEntry(first.m_imgNormal, i, Entry(second.m_imgNormal, i), "second build");
}

TEST(ShadeFocusLines, AreDottedAndFitInsideTheInset)
{
    const struct
    {
        int width, height;
        int lineWidth, columnHeight;
    } cases[] = {
        {100, 40, 91, 32}, // inset 4 on each side, the line one shorter
        {9, 8, 1, 1},      // nothing left inside: one pixel each
        {3, 3, 1, 1},
    };
    for (const auto& c : cases)
    {
        CShadeButton button;
        button.BuildShadeImages(c.width, c.height, kShadow, kFace, kHighlight, &NoNoise);
        EXPECT_EQ(c.lineWidth, button.m_imgFocusH.GetWidth()) << c.width;
        EXPECT_EQ(1, button.m_imgFocusH.GetHeight());
        EXPECT_EQ(1, button.m_imgFocusV.GetWidth());
        EXPECT_EQ(c.columnHeight, button.m_imgFocusV.GetHeight()) << c.height;
    }

    CShadeButton button;
    button.BuildShadeImages(100, 40, kShadow, kFace, kHighlight, &NoNoise);
    for (int i = 0; i < 6; ++i)
    {
        const int expected = (i % 2) ? 255 : 0;
        EXPECT_EQ(expected, button.m_imgFocusH.GetPixelIndex(i, 0)) << i;
        EXPECT_EQ(expected, button.m_imgFocusV.GetPixelIndex(0, i)) << i;
    }
}

TEST(ShadeImageTest, DrawsBottomUpWithPaddedRows)
{
    // Width 3 needs one byte of padding per row: a wrong stride shears the picture.
    CShadeImage image;
    ASSERT_TRUE(image.Create(3, 2));
    image.SetPaletteEntry(0, 0, 0, 255);
    image.SetPaletteEntry(7, 255, 0, 0);
    image.SetPixelIndex(2, 0, 7); // bottom right on screen

    HDC hScreen = GetDC(nullptr);
    HDC hMem = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, 8, 8);
    ReleaseDC(nullptr, hScreen);
    HGDIOBJ old = SelectObject(hMem, hBitmap);

    EXPECT_TRUE(image.Draw(hMem, 2, 3));
    EXPECT_EQ(RGB(255, 0, 0), GetPixel(hMem, 4, 4));
    EXPECT_EQ(RGB(0, 0, 255), GetPixel(hMem, 4, 3));
    EXPECT_EQ(RGB(0, 0, 255), GetPixel(hMem, 2, 4));

    CShadeImage copy;
    copy.CopyFrom(image);
    copy.BlendPalette(RGB(0, 0, 0), 50);
    EXPECT_TRUE(copy.Draw(hMem, 0, 0));
    EXPECT_EQ(RGB(127, 0, 0), GetPixel(hMem, 2, 1));

    CShadeImage never;
    EXPECT_FALSE(never.Draw(hMem, 0, 0));
    EXPECT_FALSE(never.Create(0, 5));
    EXPECT_FALSE(never.IsCreated());

    SelectObject(hMem, old);
    DeleteObject(hBitmap);
    DeleteDC(hMem);
}
