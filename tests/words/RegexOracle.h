// The obvious backtracking matcher over the parsed tree, kept as the oracle
// the engine is checked against (differential tests and the fuzzer). It shares
// only the parser with the engine: no program, no Pike VM, no tables, and its
// own reading of case folding, classes and assertions. It recurses once per
// unit matched, so it is for short subjects only.
//
// The rules it states: alternatives and quantifiers are tried in priority
// order; an iteration of an unbounded loop beyond its minimum that consumes
// nothing fails; the optional copies of x{n,m} need no such check; a group
// keeps the last text it captured; a lookahead is tried once and a positive
// one keeps its groups; a back-reference to a group without both bounds
// matches the empty text.
#pragma once

#include "words/CaseFold.h"
#include "words/RegexTree.h"

#include <functional>
#include <string_view>
#include <vector>

class RegexOracle {
public:
    RegexOracle(const RegexTree& tree, bool ignoreCase, bool multiLine)
        : m_tree(tree), m_ignoreCase(ignoreCase), m_multiLine(multiLine) {}

    // Every match as the engine's search loop finds them: slots per match.
    std::vector<std::vector<int>> FindAll(std::u16string_view subject, bool global) {
        m_subject = subject;
        std::vector<std::vector<int>> matches;
        for (std::size_t from = 0; from <= subject.size();) {
            std::vector<int> slots;
            if (!Search(from, slots))
                break;
            matches.push_back(slots);
            if (!global)
                break;
            from = static_cast<std::size_t>(slots[1]) + (slots[1] == slots[0] ? 1 : 0);
        }
        return matches;
    }

private:
    using Next = std::function<bool(std::size_t)>;

    bool Search(std::size_t from, std::vector<int>& out) {
        for (std::size_t start = from; start <= m_subject.size(); ++start) {
            m_slots.assign(static_cast<std::size_t>(2 * (m_tree.groupCount + 1)), -1);
            m_slots[0] = static_cast<int>(start);
            if (Match(m_tree.root, start, [&](std::size_t end) {
                    m_slots[1] = static_cast<int>(end);
                    return true;
                })) {
                out = m_slots;
                return true;
            }
        }
        return false;
    }

    bool Folds(char16_t a, char16_t b) const {
        return a == b || (m_ignoreCase && FoldUnit(a) == FoldUnit(b));
    }

    bool InClass(const RegexClass& cls, char16_t c) const {
        bool in = false;
        for (const auto& r : cls.escapes.Ranges())
            in = in || (c >= r.first && c <= r.last);
        for (const auto& r : cls.literals.Ranges()) {
            for (std::uint32_t m = r.first; m <= r.last && !in; ++m)
                in = Folds(static_cast<char16_t>(m), c);
        }
        return in != cls.negated;
    }

    static bool IsWord(char16_t c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    }

    bool Holds(RegexAssertion assertion, std::size_t p) const {
        std::u16string_view s = m_subject;
        auto unit = [&](std::ptrdiff_t i) -> char16_t {
            return i >= 0 && static_cast<std::size_t>(i) < s.size() ? s[static_cast<std::size_t>(i)] : 0;
        };
        std::ptrdiff_t i = static_cast<std::ptrdiff_t>(p);
        switch (assertion) {
        case RegexAssertion::LineStart:
            // After LF, or after a CR that no LF follows.
            return p == 0 ||
                   (m_multiLine && (unit(i - 1) == '\n' || (unit(i - 1) == '\r' && unit(i) != '\n')));
        case RegexAssertion::LineEnd:
            return p == s.size() ||
                   (m_multiLine && (unit(i) == '\r' || (unit(i) == '\n' && unit(i - 1) != '\r')));
        case RegexAssertion::WordBoundary:
            return IsWord(unit(i - 1)) != IsWord(unit(i));
        case RegexAssertion::NotWordBoundary:
            return IsWord(unit(i - 1)) == IsWord(unit(i));
        }
        return false;
    }

    bool WithSlot(std::size_t slot, int value, const std::function<bool()>& then) {
        int old = m_slots[slot];
        m_slots[slot] = value;
        if (then())
            return true;
        m_slots[slot] = old;
        return false;
    }

    bool Match(int index, std::size_t p, const Next& next) {
        const RegexNode& node = m_tree.nodes[static_cast<std::size_t>(index)];
        const std::size_t n = m_subject.size();
        switch (node.kind) {
        case RegexNodeKind::Empty:
            return next(p);
        case RegexNodeKind::Unit:
            return p < n && Folds(node.unit, m_subject[p]) && next(p + 1);
        case RegexNodeKind::Class:
            return p < n &&
                   InClass(m_tree.classes[static_cast<std::size_t>(node.classIndex)], m_subject[p]) &&
                   next(p + 1);
        case RegexNodeKind::Concat:
            return MatchSequence(node.children, 0, p, next);
        case RegexNodeKind::Alternate:
            for (int child : node.children) {
                if (Match(child, p, next))
                    return true;
            }
            return false;
        case RegexNodeKind::Group: {
            std::size_t slot = 2 * static_cast<std::size_t>(node.group);
            return WithSlot(slot, static_cast<int>(p), [&] {
                return Match(node.children[0], p, [&](std::size_t end) {
                    return WithSlot(slot + 1, static_cast<int>(end), [&] { return next(end); });
                });
            });
        }
        case RegexNodeKind::Repeat:
            return Repeat(node, 0, p, next);
        case RegexNodeKind::Assertion:
            return Holds(node.assertion, p) && next(p);
        case RegexNodeKind::Lookahead: {
            std::vector<int> before = m_slots;
            bool found = Match(node.children[0], p, [](std::size_t) { return true; });
            if (found == node.negated) {
                m_slots = before;
                return false;
            }
            if (node.negated)
                m_slots = before;
            if (next(p))
                return true;
            m_slots = before;
            return false;
        }
        case RegexNodeKind::BackReference: {
            int start = m_slots[2 * static_cast<std::size_t>(node.group)];
            int end = m_slots[2 * static_cast<std::size_t>(node.group) + 1];
            if (start < 0 || end < start)
                return next(p);
            std::size_t length = static_cast<std::size_t>(end - start);
            if (p + length > n)
                return false;
            for (std::size_t i = 0; i < length; ++i) {
                if (!Folds(m_subject[static_cast<std::size_t>(start) + i], m_subject[p + i]))
                    return false;
            }
            return next(p + length);
        }
        }
        return false;
    }

    bool MatchSequence(const std::vector<int>& children, std::size_t i, std::size_t p, const Next& next) {
        if (i == children.size())
            return next(p);
        return Match(children[i], p, [&](std::size_t q) { return MatchSequence(children, i + 1, q, next); });
    }

    bool Repeat(const RegexNode& node, int count, std::size_t p, const Next& next) {
        int child = node.children[0];
        if (count < node.min)
            return Match(child, p, [&](std::size_t q) { return Repeat(node, count + 1, q, next); });
        if (node.max >= 0 && count >= node.max)
            return next(p);
        auto iterate = [&] {
            return Match(child, p, [&](std::size_t q) {
                if (node.max < 0 && q == p)
                    return false; // an empty iteration of an unbounded loop
                return Repeat(node, count + 1, q, next);
            });
        };
        if (node.greedy)
            return iterate() || next(p);
        return next(p) || iterate();
    }

    const RegexTree& m_tree;
    const bool m_ignoreCase;
    const bool m_multiLine;
    std::u16string_view m_subject;
    std::vector<int> m_slots;
};

// Every match one of the engine's searchers finds, searching on from the end of
// each match (one unit further after an empty one), as the oracle does.
template <typename Engine> std::vector<std::vector<int>> FindAllWith(Engine& engine, std::size_t size) {
    std::vector<std::vector<int>> matches;
    std::vector<int> slots;
    for (std::size_t from = 0; from <= size && engine.Search(from, slots);) {
        matches.push_back(slots);
        from = static_cast<std::size_t>(slots[1]) + (slots[1] == slots[0] ? 1 : 0);
    }
    return matches;
}
