// A compiled regular expression: a program of instructions that the Pike VM
// (RegexPikeVm) or, for back-references, the backtracker (RegexBacktracker)
// executes over a UTF-16 subject. Consuming instructions continue at `next`,
// the other non-branching ones at the next instruction.
//
// An iteration of an unbounded loop that consumes nothing fails, so that
// "(a*)*" cannot spin. The backtracker checks this with a register per loop
// (LoopStart, LoopCheck). The Pike VM has no per-thread registers; for it a
// loop whose body can match the empty text is compiled twice, as the part of
// an iteration before its first consumed unit and the part after it: every
// consuming instruction of the first copy continues in the second, and the
// first copy ends in Fail. Each instruction then stands for one state of the
// backtracking search, so visiting it once per position loses no match and
// keeps the backtracking priority.
#pragma once

#include "words/CaseFold.h"
#include "words/RegexCharSet.h"
#include "words/RegexTree.h"

#include <cstddef>
#include <string_view>
#include <vector>

enum class RegexOp : unsigned char {
    Unit,      // consume a unit equal to one of units[0..unitCount) (its case variants)
    Class,     // consume a unit of classes[x]
    Fail,      // the thread ends
    Split,     // continue at x, and with lower priority at y
    Jump,      // continue at x
    Save,      // slot x = position (slots 2g and 2g+1 bound group g; group 0 is the match)
    Assert,    // continue when `assertion` holds at the position
    Look,      // continue when lookahead x matches here (or, negated, does not)
    LoopStart, // register x = position (backtracker only)
    LoopCheck, // fail when the position still equals register x (backtracker only)
    BackRef,   // consume the text group x captured (backtracker only)
    Match,     // the main program, or a lookahead body, has matched
};

struct RegexInst {
    RegexOp op = RegexOp::Match;
    RegexAssertion assertion = RegexAssertion::LineStart;
    unsigned char unitCount = 0;
    char16_t units[kMaxCaseVariants] = {};
    int x = 0;
    int y = 0;
    int next = 0;
};

struct RegexLookahead {
    int entry = 0; // body followed by Match; forward with captures for the backtracker,
                   // written backwards without captures for the Pike VM
    bool negated = false;
};

struct RegexProgram {
    std::vector<RegexInst> insts;
    std::vector<RegexCharSet> classes;
    std::vector<RegexLookahead> lookaheads;
    int start = 0;
    int slotCount = 2;
    int registerCount = 0;
    bool ignoreCase = true;
    bool multiLine = true;
    // Back-references, or groups inside (?=...) that the rest of the match can
    // see, need the backtracker; everything else runs on the Pike VM.
    bool needsBacktracking = false;
    // A match that is not empty starts with a unit of firstUnits, so a search
    // can skip every other unit while no match is under way.
    bool canMatchEmpty = true;
    RegexCharSet firstUnits;
};

// Bounds the size of what {n,m} expands to.
inline constexpr std::size_t kMaxRegexProgramSize = 1 << 18;

// False when the program would exceed kMaxRegexProgramSize.
bool CompileRegex(const RegexTree& tree, bool ignoreCase, bool multiLine, RegexProgram& program);

// Zero-width tests. Lines end in CR LF, LF or a lone CR: with multi-line set,
// "^" holds at the start and after a line end, "$" at the end and before a
// line end, and neither between the CR and the LF of one line end. \b looks
// at the ASCII word units on both sides.
inline bool IsRegexWordUnit(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_';
}

inline bool RegexAssertionHolds(RegexAssertion assertion, bool multiLine, std::u16string_view s,
                                std::size_t p) {
    std::size_t n = s.size();
    switch (assertion) {
    case RegexAssertion::LineStart:
        if (p == 0)
            return true;
        return multiLine && (s[p - 1] == u'\n' || (s[p - 1] == u'\r' && (p == n || s[p] != u'\n')));
    case RegexAssertion::LineEnd:
        if (p == n)
            return true;
        return multiLine && (s[p] == u'\r' || (s[p] == u'\n' && (p == 0 || s[p - 1] != u'\r')));
    case RegexAssertion::WordBoundary:
    case RegexAssertion::NotWordBoundary: {
        bool before = p > 0 && IsRegexWordUnit(s[p - 1]);
        bool after = p < n && IsRegexWordUnit(s[p]);
        return (before != after) == (assertion == RegexAssertion::WordBoundary);
    }
    }
    return false;
}

inline bool RegexUnitMatches(const RegexProgram& program, const RegexInst& inst, char16_t c) {
    if (inst.op == RegexOp::Class)
        return program.classes[static_cast<std::size_t>(inst.x)].Contains(c);
    for (int i = 0; i < inst.unitCount; ++i) {
        if (inst.units[i] == c)
            return true;
    }
    return false;
}
