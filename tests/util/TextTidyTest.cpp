#include "util/TextTidy.h"

#include <gtest/gtest.h>

namespace {

TEST(TidyLines, RemovesEmptyLinesAndOuterBreaks) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"", ""},
        {"\r\n", ""},
        {"a", "a"},
        {"a\r\n\r\nb", "a\r\nb"},
        {"a\r\n\r\n\r\nb", "a\r\nb"},
        {"\r\n\r\na\r\nb\r\n\r\n", "a\r\nb"},
        {"\n\r\r\na", "a"},
        {"a\n\rb", "ab"}, // the seam is removed wherever it stands
        {"\xC1\xAC\r\n\r\n\xD2\xC2", "\xC1\xAC\r\n\xD2\xC2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TidyLines(c.text), c.expected) << c.text;
}

} // namespace
