#include "words/RegexMatcher.h"

#include "util/CodePage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Test texts are written in UTF-8 and handed to the matcher as GBK.
std::string G(std::string_view utf8) {
    return Utf8ToGbk(utf8);
}

struct Options {
    bool caseSensitive = false;
    bool multiLine = true;
    bool global = true;
    bool quotePlaceholder = false;
};

// "c" case-sensitive, "s" single-line, "1" first match only, "q" quote placeholder.
Options ParseOptions(std::string_view flags) {
    Options options;
    for (char flag : flags) {
        options.caseSensitive |= flag == 'c';
        options.multiLine &= flag != 's';
        options.global &= flag != '1';
        options.quotePlaceholder |= flag == 'q';
    }
    return options;
}

// The matches as "text(group1,group2)" separated by "|", back in UTF-8; "!"
// when the pattern is not valid.
std::string Describe(std::string_view pattern, std::string_view subject, std::string_view flags) {
    Options o = ParseOptions(flags);
    RegexMatcher matcher;
    if (!matcher.Match(G(pattern), G(subject), o.caseSensitive, o.multiLine, o.global, o.quotePlaceholder))
        return "!";
    std::string out;
    for (int m = 1; m <= matcher.MatchCount(); ++m) {
        if (m > 1)
            out += "|";
        out += GbkToUtf8(matcher.MatchText(m));
        if (matcher.GroupCount() > 0) {
            out += "(";
            for (int g = 1; g <= matcher.GroupCount(); ++g)
                out += (g > 1 ? "," : "") + GbkToUtf8(matcher.GroupText(m, g));
            out += ")";
        }
    }
    return out;
}

struct Row {
    const char* pattern;
    const char* subject;
    const char* flags;
    const char* expected;
};

void RunRows(const std::vector<Row>& rows) {
    for (const Row& row : rows)
        EXPECT_EQ(Describe(row.pattern, row.subject, row.flags), row.expected)
            << "pattern " << row.pattern << " subject " << row.subject << " flags " << row.flags;
}

TEST(RegexMatcher, WhatTheLoaderAndShareCountRelyOn) {
    RunRows({
        {"(.+)\\r", "a\r\nb\r\n", "", "a\r(a)|b\r(b)"},
        {"(.*?)\\t(\\d+)", "x\ty\t12\r\n", "", "x\ty\t12(x\ty,12)"},
        {"(.*?)\\t(\\d+)", "no tab here\r\n", "", ""},
        {"abc", "xABCx", "", "ABC"},
        {"abc", "xABCx", "c", ""},
        {"(.*?)\\t(\\d+)", "连衣裙\t100\r\n修身\t50\r\n百搭\r\n", "",
         "连衣裙\t100(连衣裙,100)|修身\t50(修身,50)"},
        // Digits after the weight are part of it; anything after them is left over.
        {"(.*?)\\t(\\d+)", "a\t12x\t3\r\n", "", "a\t12(a,12)|x\t3(x,3)"},
        // "." takes the CR but never the LF.
        {"(.+)\\r", "a\r\r\nb\n", "", "a\r\r(a\r)"},
        {"连衣裙", "连衣裙女连衣裙", "", "连衣裙|连衣裙"},
        {"aa", "aaaaa", "", "aa|aa"}, // matches do not overlap
        {"", "ab", "", "||"},         // an empty pattern matches at every position
    });
}

TEST(RegexMatcher, InvalidPatterns) {
    for (const char* pattern :
         {"(",      ")",   "a)", "(a",  "[a",    "[b-a]",  "*a", "a**", "+",    "?",
          "a{2,1}", "{2}", "\\", "a|*", "(?<a)", "\\2(a)", "^*", "$+",  "\\b?", "a{1}{2}?*"}) {
        RegexMatcher matcher;
        EXPECT_FALSE(matcher.Match(pattern, "aaa")) << pattern;
        EXPECT_EQ(matcher.MatchCount(), 0) << pattern;
        EXPECT_EQ(matcher.MatchText(1), "") << pattern;
        EXPECT_EQ(matcher.GroupText(1, 1), "") << pattern;
        EXPECT_EQ(matcher.GroupCount(), 0) << pattern;
        EXPECT_EQ(matcher.ReplaceWith("x"), "") << pattern;
    }
}

TEST(RegexMatcher, Dialect) {
    RunRows({
        // Escapes and metacharacters written as literals.
        {"a\\.b", "a.b axb", "", "a.b"},
        {"\\(\\)\\[\\]\\{\\}\\*\\+\\?\\|\\^\\$\\\\", "()[]{}*+?|^$\\", "", "()[]{}*+?|^$\\"},
        {"\\x41\\u8FDE", "A连", "", "A连"},
        {"\\xZ\\u12", "xZu12", "", "xZu12"}, // incomplete hex escapes are the letters
        {"\\q\\-", "q-", "", "q-"},
        {"a{", "a{", "", "a{"},
        {"a{,2}", "a{,2}", "", "a{,2}"},
        {"}]", "}]", "", "}]"},
        // Character class escapes.
        {"\\d+", "a12b3", "", "12|3"},
        {"\\D+", "a12b3", "", "a|b"},
        {"\\w+", "ab_1 连衣", "", "ab_1"},
        {"\\W+", "ab 连衣", "", " 连衣"},
        {"\\s+", "a \t\r\n\u3000b", "", " \t\r\n\u3000"},
        {"\\S+", "a b", "", "a|b"},
        {"\\t\\r\\n\\f\\v", "\t\r\n\f\v", "", "\t\r\n\f\v"},
        // Classes.
        {"[a-c]+", "abcd", "", "abc"},
        {"[^a-c]+", "abcd连", "", "d连"},
        {"[\\d-]+", "1-2x", "", "1-2"},
        {"[a-]+", "a-b", "", "a-"},
        {"[-a]+", "a-b", "", "a-"},
        {"[\\]]", "a]", "", "]"},
        {"[\\b]", "a\bb", "", "\b"},
        {"[衣-裙]+", "衣裙连", "", "衣裙"}, // U+8863 to U+88D9
        {"[]a]", "a]", "", ""},             // "[]" is the empty class: nothing can follow
        {"[^]", "ab", "", "a|b"},           // any unit at all
        {"[.]", "a.", "", "."},
        // Dot.
        {".", "a\rb\n", "", "a|\r|b"},
        // Groups.
        {"(a)(?:b)(c)", "abc", "", "abc(a,c)"},
        {"(a)|(b)", "ab", "", "a(a,)|b(,b)"},
        {"(a(b(c)))", "abc", "", "abc(abc,bc,c)"},
        {"(a)*", "aaa", "", "aaa(a)|()"},
        // Alternation takes the first alternative that matches, not the longest.
        {"a|ab", "ab", "", "a"},
        {"ab|a", "ab", "", "ab"},
        {"|a", "a", "", "|"}, // the empty alternative wins at 0, then at 1
        // Quantifiers.
        {"a*", "baa", "", "|aa|"},
        {"a+?", "aaa", "", "a|a|a"},
        {"a*?b", "aab", "", "aab"},
        {"a??b", "ab", "", "ab"},
        {"a{2}", "aaaaa", "", "aa|aa"},
        {"a{2,}", "aaaaa", "", "aaaaa"},
        {"a{2,3}", "aaaaa", "", "aaa|aa"},
        {"a{2,3}?", "aaaaa", "", "aa|aa"},
        {"a{0}b", "ab", "", "b"},
        {"(a|b){3}", "abba", "", "abb(b)"},
        {"<.*>", "<a><b>", "", "<a><b>"},
        {"<.*?>", "<a><b>", "", "<a>|<b>"},
        // Lookahead.
        {"a(?=b)", "ab ac", "", "a"},
        {"a(?!b)", "ab ac", "", "a"},
        {"(?=(a+))a*b\\1", "baaabac", "", "aba(a)"},
        {"(?!a)\\w", "ab", "", "b"},
        {"(?=a)*a", "a", "", "a"},
        // Back-references.
        {"(a+)b\\1", "aabaa aba", "", "aabaa(aa)|aba(a)"},
        {"(\\w)\\1", "abccdee", "", "cc(c)|ee(e)"},
        {"(a)|\\1b", "b", "", "b()"}, // a group that took no part matches the empty text
        {"(a)\\1", "aA", "", "aA(a)"},
        {"(a)\\1", "aA", "c", ""},
        {"\\1(a)", "aa", "", "a(a)|a(a)"},
    });
}

TEST(RegexMatcher, Anchors) {
    RunRows({
        {"^a", "a\r\na\na\ra", "", "a|a|a|a"},
        {"^a", "a\r\na", "s", "a"},
        {"a$", "a\r\na\na\ra", "", "a|a|a|a"},
        {"a$", "a\r\na", "s", "a"},
        {"^$", "\r\n\r\n", "", "||"}, // three empty lines, never between CR and LF
        {"^", "a\r\nb", "", "|"},
        {"$", "a\r\nb", "", "|"},
        {"^.+$", "ab\r\ncd", "", "ab|cd"},
        {"\\bab\\b", "ab abc cab ab", "", "ab|ab"},
        {"\\Ba\\B", "a bab", "", "a"},
        {"\\b", "连a", "", "|"}, // Chinese characters are not word units
    });
}

TEST(RegexMatcher, CaseFolding) {
    RunRows({
        {"abc", "ABC", "", "ABC"},
        {"ＡＢＣ", "ａｂｃ", "", "ａｂｃ"}, // full-width Latin letters
        {"σ", "Σ", "", "Σ"},
        {"д", "Д", "", "Д"},
        {"[a-c]+", "ABC", "", "ABC"},
        {"[^a]", "Ab", "", "b"},
        {"[ａ-ｃ]", "Ｂ", "", "Ｂ"},
        {"\\w", "ａ", "", ""}, // \w is ASCII only
        {"abc", "ABC", "c", ""},
        {"[a-c]", "B", "c", ""},
    });
}

TEST(RegexMatcher, FirstMatchOnly) {
    RunRows({
        {"a", "aaa", "1", "a"},
        {"b", "aaa", "1", ""},
        {"(a)(b)?", "ab a", "1", "ab(a,b)"},
    });
}

TEST(RegexMatcher, OutOfRangeTextsAreEmpty) {
    RegexMatcher matcher;
    EXPECT_EQ(matcher.PatternText(), "");
    EXPECT_EQ(matcher.MatchCount(), 0);
    ASSERT_TRUE(matcher.Match("(a)(b)?", "a"));
    EXPECT_EQ(matcher.PatternText(), "(a)(b)?");
    EXPECT_EQ(matcher.MatchCount(), 1);
    EXPECT_EQ(matcher.GroupCount(), 2);
    const struct {
        int match;
        int group;
        const char* expected;
    } cases[] = {{1, 1, "a"}, {1, 2, ""}, {1, 3, ""}, {1, 0, ""}, {0, 1, ""}, {2, 1, ""}, {-1, -1, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(matcher.GroupText(c.match, c.group), c.expected) << c.match << "," << c.group;
    EXPECT_EQ(matcher.MatchText(0), "");
    EXPECT_EQ(matcher.MatchText(2), "");
    ASSERT_TRUE(matcher.Match("(x)", "a"));
    EXPECT_EQ(matcher.GroupCount(), 0); // nothing matched
}

TEST(RegexMatcher, QuotePlaceholder) {
    RunRows({
        {"#引号(\\w+)#引号", "say \"hi\"", "q", "\"hi\"(hi)"},
        {"#引号", "#引号\"", "", "#引号"},
        {"#引号", "#引号\"", "q", "\""},
    });
    RegexMatcher matcher;
    matcher.Match(G("a#引号b"), "a\"b", false, true, true, true);
    EXPECT_EQ(matcher.PatternText(), "a\"b");
}

TEST(RegexMatcher, ReplaceWith) {
    const struct {
        const char* pattern;
        const char* subject;
        const char* flags;
        const char* replacement;
        const char* expected;
    } cases[] = {
        {"(\\w)(\\d)", "a1 b2", "", "$2$1", "1a 2b"},
        {"b", "abc", "", "[$`|$&|$']", "a[a|b|c]c"},
        {"b", "abc", "", "$$ $0 $x $", "a$ $0 $x $c"},
        {"(b)", "abc", "", "$1$2$9", "ab$2$9c"}, // groups the pattern lacks are literal
        {"(a)|(b)", "ab", "", "<$2>", "<><b>"},  // a group that took no part is empty
        {"a", "aaa", "1", "b", "baa"},
        {"x", "abc", "", "y", "abc"},
        {"", "ab", "", "-", "-a-b-"},
        {"连", "连衣裙连", "", "裙", "裙衣裙裙"},
    };
    for (const auto& c : cases) {
        Options o = ParseOptions(c.flags);
        RegexMatcher matcher;
        ASSERT_TRUE(matcher.Match(G(c.pattern), G(c.subject), o.caseSensitive, o.multiLine, o.global));
        EXPECT_EQ(GbkToUtf8(matcher.ReplaceWith(G(c.replacement))), c.expected)
            << c.pattern << " " << c.subject;
    }
}

TEST(RegexMatcher, LiteralPatterns) {
    const struct {
        const char* pattern;
        bool literal;
    } cases[] = {
        {"", true},
        {"连衣裙", true},
        {"abc def", true},
        {"#-/!@%&=<>,;:'\"", true},
        {"a.b", false},
        {"a\\b", false},
        {"(", false},
        {"}", false},
        {"\x95\x5C", true}, // the second byte of this character is 0x5C, a backslash in ASCII
        {"\x95\x5C\\", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsLiteralPattern(c.pattern), c.literal) << c.pattern;
}

TEST(RegexMatcher, MatchingWorksOnCharactersNotBytes) {
    // 0xC1 0xAC is 连, 0xD2 0xC2 is 衣: the byte pair 0xAC 0xD2 across them is
    // 亦 in GBK, which a byte search would find.
    RegexMatcher matcher;
    ASSERT_TRUE(matcher.Match("\xAC\xD2", "\xC1\xAC\xD2\xC2"));
    EXPECT_EQ(matcher.MatchCount(), 0);
    ASSERT_TRUE(matcher.Match("..", "\xC1\xAC\xD2\xC2"));
    EXPECT_EQ(matcher.MatchCount(), 1);
    EXPECT_EQ(matcher.MatchText(1), "\xC1\xAC\xD2\xC2");
}

} // namespace
