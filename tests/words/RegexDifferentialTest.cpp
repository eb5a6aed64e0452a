// Generated patterns and subjects, run by the engine (Pike VM, and the
// backtracker on the same pattern) and by the oracle, which must agree on
// every match and every group.
#include "words/RegexBacktracker.h"
#include "words/RegexBitState.h"
#include "words/RegexMatcher.h"
#include "words/RegexParser.h"
#include "words/RegexPikeVm.h"
#include "words/RegexProgram.h"

#include "util/CodePage.h"
#include "words/RegexOracle.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// A small alphabet keeps matches frequent: upper and lower case, a digit, a
// space, line ends and one Chinese character.
const std::u16string kSubjectUnits = u"aabbA1 \r\n\u8FDE";

class PatternGenerator {
public:
    explicit PatternGenerator(std::uint32_t seed) : m_random(seed) {}

    std::u16string Pattern() {
        m_groups = 0;
        std::u16string pattern = Disjunction(3);
        // Back-references name groups that exist, wherever they stand.
        for (char16_t& c : pattern) {
            if (c == u'\x01')
                c = m_groups == 0 ? u'a' : static_cast<char16_t>(u'1' + Pick(std::min(m_groups, 9)));
        }
        return pattern;
    }

    std::u16string Subject() {
        std::u16string subject;
        for (int i = Pick(12); i > 0; --i)
            subject += kSubjectUnits[static_cast<std::size_t>(Pick(static_cast<int>(kSubjectUnits.size())))];
        return subject;
    }

private:
    int Pick(int n) { return static_cast<int>(m_random() % static_cast<std::uint32_t>(n)); }

    std::u16string Disjunction(int depth) {
        std::u16string out = Alternative(depth);
        while (Pick(5) == 0)
            out += u"|" + Alternative(depth);
        return out;
    }

    std::u16string Alternative(int depth) {
        std::u16string out;
        for (int i = Pick(4); i > 0; --i)
            out += Term(depth);
        return out;
    }

    std::u16string Term(int depth) {
        static const char16_t* const kAssertions[] = {u"^", u"$", u"\\b", u"\\B"};
        if (Pick(10) == 0)
            return kAssertions[Pick(4)];
        return Atom(depth) + Quantifier();
    }

    std::u16string Quantifier() {
        static const char16_t* const kQuantifiers[] = {u"*",  u"+",   u"?",     u"*?",   u"+?",
                                                       u"??", u"{2}", u"{0,2}", u"{1,}", u"{1,2}?"};
        if (Pick(3) != 0)
            return u"";
        return kQuantifiers[Pick(10)];
    }

    std::u16string Atom(int depth) {
        static const char16_t* const kAtoms[] = {u"a",    u"b",     u"A",   u".",      u"[ab]",
                                                 u"[^a]", u"[a-b]", u"\\d", u"\\w",    u"\\s",
                                                 u"\\W",  u"\r",    u"\\n", u"\u8FDE", u"[\\s\u8FDE]"};
        if (depth > 0) {
            switch (Pick(8)) {
            case 0:
                ++m_groups;
                return u"(" + Disjunction(depth - 1) + u")";
            case 1:
                return u"(?:" + Disjunction(depth - 1) + u")";
            case 2:
                if (Pick(3) == 0)
                    return (Pick(2) ? u"(?=" : u"(?!") + Disjunction(depth - 1) + u")";
                break;
            case 3:
                if (Pick(3) == 0)
                    return u"\\\x01";
                break;
            default:
                break;
            }
        }
        return kAtoms[Pick(15)];
    }

    std::mt19937 m_random;
    int m_groups = 0;
};

std::string Show(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        if (c == u'\r')
            out += "\\r";
        else if (c == u'\n')
            out += "\\n";
        else
            out += Utf16ToUtf8(std::u16string_view(&c, 1));
    }
    return out;
}

TEST(RegexDifferential, EngineAgreesWithTheOracle) {
    PatternGenerator generator(20240611);
    int compared = 0;
    int exhausted = 0;
    for (int i = 0; i < 4000; ++i) {
        std::u16string pattern = generator.Pattern();
        RegexTree tree;
        ASSERT_TRUE(ParseRegex(pattern, tree)) << Show(pattern);
        const bool ignoreCase = i % 2 == 0;
        const bool multiLine = i % 3 != 0;
        RegexProgram program;
        ASSERT_TRUE(CompileRegex(tree, ignoreCase, multiLine, program));
        // The same pattern compiled for the backtracker, whatever it holds.
        RegexTree forced = tree;
        forced.hasBackReferences = true;
        RegexProgram backtrackProgram;
        ASSERT_TRUE(CompileRegex(forced, ignoreCase, multiLine, backtrackProgram));
        for (int s = 0; s < 6; ++s) {
            std::u16string subject = generator.Subject();
            SCOPED_TRACE("pattern " + Show(pattern) + " subject " + Show(subject) + (ignoreCase ? " i" : "") +
                         (multiLine ? " m" : ""));
            RegexOracle oracle(tree, ignoreCase, multiLine);
            auto expected = oracle.FindAll(subject, true);
            if (!program.needsBacktracking) {
                RegexPikeVm vm(program);
                vm.SetSubject(subject);
                ASSERT_EQ(FindAllWith(vm, subject.size()), expected);
            }
            if (RegexBitState::CanRun(program, subject.size())) {
                RegexBitState bitState(program);
                bitState.SetSubject(subject);
                ASSERT_EQ(FindAllWith(bitState, subject.size()), expected);
                // Without the step table, as for programs whose table would
                // be too large.
                RegexBitState scanning(program, 0);
                scanning.SetSubject(subject);
                ASSERT_EQ(FindAllWith(scanning, subject.size()), expected);
            }
            // Some generated patterns nest loops deeply enough to backtrack
            // exponentially; a search that runs out of steps proves nothing.
            RegexBacktracker backtracker(backtrackProgram);
            backtracker.SetSubject(subject, 2'000'000);
            auto found = FindAllWith(backtracker, subject.size());
            if (backtracker.Exhausted()) {
                ++exhausted;
                continue;
            }
            ASSERT_EQ(found, expected);
            ++compared;
        }
    }
    EXPECT_LT(exhausted, compared / 100);
}

// A search may start anywhere, also before the end of a match found earlier:
// what the bit-state engine remembers from earlier searches must not change
// what a later one finds. Checked against a Pike VM that searches afresh.
TEST(RegexDifferential, SearchesInAnyOrderFindTheSame) {
    PatternGenerator generator(5150);
    std::mt19937 random(99);
    for (int i = 0; i < 1500; ++i) {
        std::u16string pattern = generator.Pattern();
        RegexTree tree;
        ASSERT_TRUE(ParseRegex(pattern, tree));
        RegexProgram program;
        ASSERT_TRUE(CompileRegex(tree, i % 2 == 0, i % 3 != 0, program));
        std::u16string subject = generator.Subject() + generator.Subject();
        if (!RegexBitState::CanRun(program, subject.size()))
            continue;
        SCOPED_TRACE("pattern " + Show(pattern) + " subject " + Show(subject));
        RegexBitState bitState(program);
        bitState.SetSubject(subject);
        FindAllWith(bitState, subject.size());
        for (int s = 0; s < 8; ++s) {
            const std::size_t from = random() % (subject.size() + 1);
            RegexPikeVm vm(program);
            vm.SetSubject(subject);
            std::vector<int> expected;
            std::vector<int> found;
            const bool matched = vm.Search(from, expected);
            ASSERT_EQ(bitState.Search(from, found), matched) << "from " << from;
            if (matched) {
                ASSERT_EQ(found, expected) << "from " << from;
            }
        }
    }
}

// The matcher itself, literal path included, against the oracle's matches.
TEST(RegexDifferential, MatcherTextsAgreeWithTheOracle) {
    PatternGenerator generator(77);
    for (int i = 0; i < 1500; ++i) {
        std::u16string pattern = i % 4 == 0 ? generator.Subject() : generator.Pattern(); // some literals
        RegexTree tree;
        ASSERT_TRUE(ParseRegex(pattern, tree));
        if (tree.hasBackReferences)
            continue; // may run out of steps on a long subject; checked above
        std::u16string subject = generator.Subject() + generator.Subject();
        const bool ignoreCase = i % 2 == 1;
        const bool global = i % 5 != 0;
        SCOPED_TRACE("pattern " + Show(pattern) + " subject " + Show(subject));
        RegexOracle oracle(tree, ignoreCase, true);
        auto expected = oracle.FindAll(subject, global);
        RegexMatcher matcher;
        ASSERT_TRUE(matcher.Match(Utf16ToGbk(pattern), Utf16ToGbk(subject), !ignoreCase, true, global));
        ASSERT_EQ(matcher.MatchCount(), static_cast<int>(expected.size()));
        for (std::size_t m = 0; m < expected.size(); ++m) {
            const std::vector<int>& slots = expected[m];
            for (std::size_t g = 0; g < slots.size() / 2; ++g) {
                std::u16string text;
                if (slots[2 * g] >= 0 && slots[2 * g + 1] >= slots[2 * g])
                    text = subject.substr(static_cast<std::size_t>(slots[2 * g]),
                                          static_cast<std::size_t>(slots[2 * g + 1] - slots[2 * g]));
                int match = static_cast<int>(m) + 1;
                std::string actual =
                    g == 0 ? matcher.MatchText(match) : matcher.GroupText(match, static_cast<int>(g));
                ASSERT_EQ(actual, Utf16ToGbk(text)) << "match " << match << " group " << g;
            }
        }
    }
}

} // namespace
