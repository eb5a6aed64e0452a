// Starts the toolkit once for a whole test program, as the program's entry does.
#include "ToolkitTestSupport.h"
#include "toolkit/core/ToolkitStartup.h"

#include <gtest/gtest.h>

namespace {

class ToolkitEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(ToolkitStartup()); }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);

} // namespace

std::span<const std::uint8_t> TestPng() {
    static constexpr std::uint8_t kBytes[] = {
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00,
        0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x9D, 0x74, 0x66, 0x1A, 0x00,
        0x00, 0x00, 0x19, 0x49, 0x44, 0x41, 0x54, 0x78, 0xDA, 0x63, 0xF8, 0xCF, 0xC0, 0xF0, 0x1F, 0x0C, 0x19,
        0xFE, 0x03, 0x49, 0x20, 0x60, 0x00, 0xB2, 0x1A, 0x80, 0x00, 0x00, 0xA5, 0x79, 0x0C, 0xF6, 0x6E, 0xFC,
        0x35, 0x9E, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82,
    };
    return kBytes;
}

std::vector<std::uint8_t> MakeBmp(int width, int height,
                                  const std::function<std::uint32_t(int x, int y)>& rgb) {
    const int stride = (width * 3 + 3) & ~3;
    const std::uint32_t pixelBytes = std::uint32_t(stride * height);
    std::vector<std::uint8_t> file(54 + pixelBytes, 0);
    auto put16 = [&](std::size_t at, std::uint32_t v) {
        file[at] = std::uint8_t(v);
        file[at + 1] = std::uint8_t(v >> 8);
    };
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, std::uint32_t(file.size()));
    put32(10, 54); // pixels follow the two headers
    put32(14, 40); // BITMAPINFOHEADER
    put32(18, std::uint32_t(width));
    put32(22, std::uint32_t(-height)); // negative: rows top-down
    put16(26, 1);                      // planes
    put16(28, 24);                     // bits per pixel
    put32(34, pixelBytes);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = rgb(x, y);
            const std::size_t at = 54 + std::size_t(y) * std::size_t(stride) + std::size_t(x) * 3;
            file[at] = std::uint8_t(c);           // blue
            file[at + 1] = std::uint8_t(c >> 8);  // green
            file[at + 2] = std::uint8_t(c >> 16); // red
        }
    return file;
}
