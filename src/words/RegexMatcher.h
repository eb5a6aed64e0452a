// Runs one regular expression over one subject and hands out the matches and
// their groups. Texts in and out are GBK; matching works on the UTF-16 units
// that code page 936 converts them into, so one Chinese character is one
// character of the pattern.
//
// The engine is the program's own (RegexParser, RegexProgram, RegexPikeVm,
// RegexBacktracker): time linear in the subject for every pattern without
// back-references, a step budget for those with them, and a direct search for
// patterns that are plain text.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

class RegexMatcher {
public:
    // Options: ignore case unless caseSensitive (simple case folding, the
    // full-width Latin letters included); multiLine makes ^ and $ hold at every
    // line end; global finds every match, left to right, each search resuming
    // where the previous match ended (one unit further after an empty match);
    // quotePlaceholder writes a double quote for every "#引号" of the pattern.
    //
    // False when the pattern is not valid; MatchCount is then 0 and every text
    // empty. A pattern with back-references whose matching runs past its step
    // budget keeps the matches found before and reports no further one.
    bool Match(std::string_view pattern, std::string_view subject, bool caseSensitive = false,
               bool multiLine = true, bool global = true, bool quotePlaceholder = false);

    int MatchCount() const;
    std::string MatchText(int match) const;            // 1-based; empty when out of range
    std::string GroupText(int match, int group) const; // 1-based; empty when absent / out of range
    // Groups of the pattern; 0 when nothing matched.
    int GroupCount() const;
    // The pattern of the last Match, placeholder replaced; empty before.
    std::string PatternText() const;
    // The last subject with each match replaced: $1-$9 give a group, $& the
    // match, $` the text before it, $' the text after it, $$ a dollar sign; any
    // other $ stands for itself. Empty after an invalid pattern.
    std::string ReplaceWith(std::string_view replacement) const;

private:
    struct Span {
        int start = -1;
        int end = -1;
    };
    Span SlotSpan(int match, int group) const;
    std::string Text(Span span) const;

    std::string m_pattern;
    std::u16string m_subject;
    bool m_valid = false;
    int m_slotCount = 2;
    int m_matchCount = 0;
    // m_slotCount positions per match: start and end of the match, then of
    // each group (-1 for a group that took no part). In blocks, so that the
    // hundreds of thousands of matches of a whole file are never copied as
    // they grow.
    std::deque<int> m_slots;
};

// True when the pattern has no metacharacter at all (none of \ ^ $ . | ? * + ( )
// [ ] { }), so it matches exactly its own text (case-folded when ignoring case).
// The literal fast path uses it, and so does the share count, which counts all
// literal root words in one pass over the titles. The pattern is GBK: the
// second byte of a double-byte character is never taken for a metacharacter.
bool IsLiteralPattern(std::string_view pattern);
