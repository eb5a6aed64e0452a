#include "words/CaseFold.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(CaseFold, SimpleFolding) {
    const struct {
        char32_t c;
        char32_t folded;
    } cases[] = {
        {U'A', U'a'},         {U'a', U'a'},     {U'0', U'0'},     {0xFF21, 0xFF41}, // full-width Ａ
        {0xFF41, 0xFF41},     {0x212A, U'k'},                                       // Kelvin sign
        {0x017F, U's'},                                                             // long s
        {0x1E9E, 0x00DF},                                         // capital sharp s: simple folding, not "ss"
        {0x00DF, 0x00DF},     {0x03A3, 0x03C3}, {0x03C2, 0x03C3}, // Σ and final ς fold to σ
        {0x0130, 0x0130},                                         // İ has only a full (and a Turkic) folding
        {0x1F88, 0x1F80},   // Greek capital with prosgegrammeni: simple folding
        {0x0410, 0x0430},   // Cyrillic А
        {0x8FDE, 0x8FDE},   // 连
        {0x10400, 0x10428}, // Deseret, outside the BMP
        {0x1E921, 0x1E943}, // Adlam
        {0x10FFFF, 0x10FFFF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(static_cast<std::uint32_t>(SimpleCaseFold(c.c)), static_cast<std::uint32_t>(c.folded))
            << std::hex << static_cast<std::uint32_t>(c.c);
}

TEST(CaseFold, VariantsShareOneFolding) {
    const struct {
        char16_t c;
        std::vector<char16_t> variants;
    } cases[] = {
        {u'k', {u'K', u'k', 0x212A}},
        {0x212A, {u'K', u'k', 0x212A}},
        {0x03B8, {0x0398, 0x03B8, 0x03D1, 0x03F4}}, // four forms of theta
        {0xFF41, {0xFF21, 0xFF41}},
        {0x8FDE, {0x8FDE}},
        {u'1', {u'1'}},
    };
    for (const auto& c : cases) {
        char16_t variants[kMaxCaseVariants];
        int count = CaseVariants(c.c, variants);
        EXPECT_EQ(std::vector<char16_t>(variants, variants + count), c.variants) << std::hex << int(c.c);
        EXPECT_EQ(HasCaseVariants(c.c), c.variants.size() > 1);
    }
}

TEST(CaseFold, TablesAgreeOverTheWholeBmp) {
    const std::vector<char16_t>& cased = UnitsWithCaseVariants();
    EXPECT_TRUE(std::is_sorted(cased.begin(), cased.end()));
    std::size_t withVariants = 0;
    for (std::uint32_t u = 0; u < 0x10000; ++u) {
        char16_t c = static_cast<char16_t>(u);
        ASSERT_EQ(FoldUnit(c), SimpleCaseFold(c));
        ASSERT_EQ(FoldUnit(FoldUnit(c)), FoldUnit(c)) << std::hex << u; // folding is idempotent
        char16_t variants[kMaxCaseVariants];
        int count = CaseVariants(c, variants);
        ASSERT_TRUE(std::find(variants, variants + count, c) != variants + count);
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(FoldUnit(variants[i]), FoldUnit(c));
        withVariants += count > 1 ? 1 : 0;
    }
    EXPECT_EQ(withVariants, cased.size());
}

} // namespace
