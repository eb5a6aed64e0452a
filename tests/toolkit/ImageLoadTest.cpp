#include "toolkit/core/ImageLoad.h"
#include "ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::uint8_t> WithoutSignature(std::span<const std::uint8_t> png) {
    return {png.begin() + 8, png.end()};
}

ARGB PixelOf(GpBitmap* bitmap, int x, int y) {
    ARGB argb = 0;
    GdipBitmapGetPixel(bitmap, x, y, &argb);
    return argb;
}

TEST(LoadImageFromBytes, SignatureAddedOnlyWhenAsked) {
    const std::vector<std::uint8_t> full(TestPng().begin(), TestPng().end());
    const std::vector<std::uint8_t> bare = WithoutSignature(TestPng());
    const std::vector<std::uint8_t> junk = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const struct {
        const char* name;
        const std::vector<std::uint8_t>& bytes;
        bool addSignature;
        bool decodes;
    } cases[] = {
        {"stored without signature, signature added", bare, true, true},
        {"complete file, nothing added", full, false, true},
        {"stored without signature, nothing added", bare, false, false},
        {"complete file, signature added twice", full, true, false},
        {"not an image", junk, false, false},
    };
    for (const auto& c : cases) {
        UniqueGpBitmap image = LoadImageFromBytes(c.bytes, c.addSignature);
        EXPECT_EQ(bool(image), c.decodes) << c.name;
        if (image) {
            EXPECT_EQ(ImageWidth(image.get()), 3) << c.name;
            EXPECT_EQ(ImageHeight(image.get()), 2) << c.name;
        }
    }
    EXPECT_FALSE(LoadImageFromBytes({}, true));
}

TEST(LoadImageFromBytes, CopyIsArgbAndIndependentOfTheBytes) {
    std::vector<std::uint8_t> bytes(TestPng().begin(), TestPng().end());
    UniqueGpBitmap image = LoadImageFromBytes(bytes);
    ASSERT_TRUE(image);
    bytes.assign(bytes.size(), 0); // the decoded copy must not read the caller's bytes again
    Gdiplus::PixelFormat format = 0;
    GdipGetImagePixelFormat(image.get(), &format);
    EXPECT_EQ(format, PixelFormat32bppARGB);
    EXPECT_EQ(PixelOf(image.get(), 0, 0), 0xFFFF0000u);
    EXPECT_EQ(PixelOf(image.get(), 2, 0), 0xFF0000FFu);
    EXPECT_EQ(PixelAlpha(PixelOf(image.get(), 2, 1)), 128); // straight alpha kept
}

TEST(LoadImageKeepDecoded, StreamStaysWithTheImage) {
    StreamImage image = LoadImageKeepDecoded(WithoutSignature(TestPng()), true);
    ASSERT_TRUE(image);
    EXPECT_TRUE(image.stream);
    EXPECT_EQ(ImageWidth(image.image.get()), 3);
}

TEST(AverageColour, MeanOfAllPixels) {
    UniqueGpBitmap image = LoadImageFromBytes(TestPng());
    ASSERT_TRUE(image);
    // Each channel is 255 twice and 128 once over six pixels: 638 / 6, truncated.
    EXPECT_EQ(AverageColour(image.get()), MakeColourRef(106, 106, 106));
    EXPECT_EQ(AverageColour(nullptr), 0u);
}

TEST(ResourceBytes, CaptionSpriteIsEmbedded) {
    UniqueGpBitmap sprite = LoadImageFromBytes(ResourceBytes(L"TC_CAPTION_SPRITE"));
    ASSERT_TRUE(sprite);
    EXPECT_EQ(ImageWidth(sprite.get()), 729);
    EXPECT_EQ(ImageHeight(sprite.get()), 20);
    EXPECT_TRUE(ResourceBytes(L"NO_SUCH_RESOURCE").empty());
}

} // namespace
