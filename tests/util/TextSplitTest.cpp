#include "util/TextSplit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

TEST(SplitText, SplitsAtCrLf) {
    const struct {
        std::string text;
        Lines expected;
    } cases[] = {
        {"t1\r\nt2\r\nt3", {"t1", "t2", "t3"}},
        {"t1\r\nt2\r\nt3\r\n", {"t1", "t2", "t3"}}, // a trailing break adds no piece
        {"t1", {"t1"}},
        {"", {""}},
        {"\r\n", {""}},
        {"a\r\n\r\nb", {"a", "", "b"}}, // an empty line is a piece
        {"\r\n\r\n", {"", ""}},
        {"\r\na", {"", "a"}},
        {"a\nb\r", {"a\nb\r"}},
        {"a\r\nb\r", {"a", "b\r"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitText(c.text, "\r\n"), c.expected) << c.text;
}

TEST(SplitText, OtherDelimiters) {
    EXPECT_EQ(SplitText("a--b--3", "--"), (Lines{"a", "b", "3"}));
    EXPECT_EQ(SplitText("abc", ""), (Lines{"abc"}));
}

TEST(SplitLines, SplitsMainWordBoxText) {
    const struct {
        std::string text;
        Lines expected;
    } cases[] = {
        {"", {}},
        {"\xC1\xAC\xD2\xC2\xC8\xB9--100", {"\xC1\xAC\xD2\xC2\xC8\xB9--100"}},
        {"a--1\r\nb--2", {"a--1", "b--2"}},
        {"a--1\r\n", {"a--1"}},
        {"\r\n", {""}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\r\n\r\n", {"a", ""}},
        {"a\nb", {"a\nb"}}, // only CR LF breaks a line
        // A lead byte takes the CR as its second byte: no break inside a character.
        {"\xB0\r\nx", {"\xB0\r\nx"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitLines(c.text), c.expected) << c.text;
}

} // namespace
