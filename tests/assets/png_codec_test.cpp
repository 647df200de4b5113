// PNG round trips and mask reads.
#include "platform/png_codec.h"

#include <gtest/gtest.h>

#include "platform/mask.h"

namespace {

platform::Pixels Sample() {
    platform::Pixels p{3, 2, {0xFF000000u, 0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu, 0xFF123456u}};
    return p;
}

TEST(PngCodec, RoundTripKeepsEveryPixelOpaque) {
    std::vector<std::uint8_t> png;
    ASSERT_TRUE(platform::EncodePngRgb(Sample(), png));
    platform::Pixels back;
    ASSERT_TRUE(platform::DecodePng(png, back));
    EXPECT_EQ(back.width, 3);
    EXPECT_EQ(back.height, 2);
    EXPECT_EQ(back.argb, Sample().argb);
}

TEST(PngCodec, SamePixelsGiveSameBytes) {
    std::vector<std::uint8_t> a, b;
    ASSERT_TRUE(platform::EncodePngRgb(Sample(), a));
    ASSERT_TRUE(platform::EncodePngRgb(Sample(), b));
    EXPECT_EQ(a, b);
}

TEST(PngCodec, RejectsGarbage) {
    std::vector<std::uint8_t> junk{1, 2, 3, 4, 5};
    platform::Pixels p;
    EXPECT_FALSE(platform::DecodePng(junk, p));
}

TEST(Mask, ReadsOutsideThePictureAsOpaqueBlack) {
    platform::Mask m = Sample();
    EXPECT_EQ(platform::ReadMaskPixel(m, 1, 0), 0xFFFF0000u);
    EXPECT_EQ(platform::ReadMaskPixel(m, 2, 1), 0xFF123456u);
    for (auto [x, y] : {std::pair{3, 0}, {-1, 0}, {0, 2}, {0, -1}, {2048, 700}})
        EXPECT_EQ(platform::ReadMaskPixel(m, x, y), 0xFF000000u) << x << "," << y;
}

}  // namespace
