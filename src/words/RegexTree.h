// The parsed form of a regular expression: a tree of nodes in one vector, the
// character classes it uses, and the facts the compiler and the matcher choose
// their strategy by.
#pragma once

#include "words/RegexCharSet.h"

#include <vector>

enum class RegexNodeKind : unsigned char {
    Empty,         // matches the empty text
    Unit,          // one UTF-16 unit (case-folded when ignoring case)
    Class,         // one unit of a character class
    Concat,        // children in order
    Alternate,     // children tried left to right
    Repeat,        // child min..max times (max -1: unbounded), greedy or lazy
    Group,         // capturing group number `group`
    Assertion,     // zero-width test of the position
    Lookahead,     // zero-width test that the child matches here (or not)
    BackReference, // the text group `group` captured
};

enum class RegexAssertion : unsigned char { LineStart, LineEnd, WordBoundary, NotWordBoundary };

// [...], \d, \w, \s and "." alike. The units written literally (ranges
// included) follow the ignore-case option; those of the escapes \d \w \s and
// their negations, and of ".", never do: \w means the 63 ASCII word units in
// both modes.
struct RegexClass {
    RegexCharSet literals;
    RegexCharSet escapes;
    bool negated = false;
};

struct RegexNode {
    RegexNodeKind kind = RegexNodeKind::Empty;
    RegexAssertion assertion = RegexAssertion::LineStart;
    bool greedy = true;
    bool negated = false; // Lookahead: (?!...)
    char16_t unit = 0;
    int classIndex = -1;
    int min = 0;
    int max = 0;
    int group = 0;
    std::vector<int> children;
};

struct RegexTree {
    std::vector<RegexNode> nodes;
    std::vector<RegexClass> classes;
    int root = -1;
    int groupCount = 0;
    bool hasBackReferences = false;
    bool hasLookaheads = false;
    // A capturing group inside (?=...) hands its text to the rest of the match,
    // which only the backtracking matcher can do.
    bool hasCapturesInLookahead = false;
};
