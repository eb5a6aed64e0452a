#include "words/RegexMatcher.h"

#include "util/CodePage.h"
#include "util/Gbk.h"
#include "util/TextSearch.h"
#include "words/GbkTranscoder.h"
#include "words/RegexBacktracker.h"
#include "words/RegexBitState.h"
#include "words/RegexLiteral.h"
#include "words/RegexParser.h"
#include "words/RegexPikeVm.h"
#include "words/RegexProgram.h"

#include <cstdint>

namespace {

const std::string_view kQuotePlaceholder = "#\xD2\xFD\xBA\xC5"; // #引号

// Steps a backtracking search may take before it gives up: enough for any
// reasonable pattern over the subject, far too few to hang on a runaway one.
std::uint64_t StepBudget(std::size_t subjectUnits) {
    return 4'000'000 + 64 * static_cast<std::uint64_t>(subjectUnits);
}

std::string ReplacePlaceholder(std::string_view pattern) {
    std::string out;
    std::ptrdiff_t from = 1;
    for (std::ptrdiff_t found; (found = FindText(pattern, kQuotePlaceholder, from)) > 0;) {
        out.append(
            pattern.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(found - from)));
        out.push_back('"');
        from = found + static_cast<std::ptrdiff_t>(kQuotePlaceholder.size());
    }
    if (static_cast<std::size_t>(from - 1) <= pattern.size())
        out.append(pattern.substr(static_cast<std::size_t>(from - 1)));
    return out;
}

// Where the next search starts: at the end of the previous match, or one unit
// further when that match was empty, so that the scan always advances.
std::size_t NextSearchStart(int start, int end) {
    return static_cast<std::size_t>(end) + (end == start ? 1 : 0);
}

template <typename Engine>
void CollectMatches(Engine& engine, std::size_t subjectUnits, bool global, std::deque<int>& all, int& count) {
    std::vector<int> slots;
    for (std::size_t from = 0; from <= subjectUnits && engine.Search(from, slots);) {
        for (int slot : slots)
            all.push_back(slot);
        ++count;
        if (!global)
            break;
        from = NextSearchStart(slots[0], slots[1]);
    }
}

} // namespace

bool IsLiteralPattern(std::string_view pattern) {
    for (std::size_t i = 0; i < pattern.size(); i += GbkCharLength(pattern, i)) {
        switch (pattern[i]) {
        case '\\':
        case '^':
        case '$':
        case '.':
        case '|':
        case '?':
        case '*':
        case '+':
        case '(':
        case ')':
        case '[':
        case ']':
        case '{':
        case '}':
            return false;
        default:
            break;
        }
    }
    return true;
}

bool RegexMatcher::Match(std::string_view pattern, std::string_view subject, bool caseSensitive,
                         bool multiLine, bool global, bool quotePlaceholder) {
    m_valid = false;
    m_matchCount = 0;
    m_slotCount = 2;
    m_slots.clear();
    m_pattern = quotePlaceholder ? ReplacePlaceholder(pattern) : std::string(pattern);
    m_subject = DecodeGbk(subject);
    const bool ignoreCase = !caseSensitive;
    const std::size_t n = m_subject.size();

    if (IsLiteralPattern(m_pattern)) {
        const std::u16string literal = GbkToUtf16(m_pattern);
        for (std::size_t from = 0; from <= n;) {
            std::size_t found = FindLiteral(m_subject, literal, ignoreCase, from);
            if (found == std::u16string::npos)
                break;
            int start = static_cast<int>(found);
            int end = static_cast<int>(found + literal.size());
            m_slots.push_back(start);
            m_slots.push_back(end);
            ++m_matchCount;
            if (!global)
                break;
            from = NextSearchStart(start, end);
        }
        m_valid = true;
        return true;
    }

    RegexTree tree;
    RegexProgram program;
    if (!ParseRegex(GbkToUtf16(m_pattern), tree) || !CompileRegex(tree, ignoreCase, multiLine, program))
        return false;
    m_slotCount = program.slotCount;
    if (program.needsBacktracking) {
        RegexBacktracker engine(program);
        engine.SetSubject(m_subject, StepBudget(n));
        CollectMatches(engine, n, global, m_slots, m_matchCount);
    } else if (RegexBitState::CanRun(program, n)) {
        RegexBitState engine(program);
        engine.SetSubject(m_subject);
        CollectMatches(engine, n, global, m_slots, m_matchCount);
    } else {
        RegexPikeVm engine(program);
        engine.SetSubject(m_subject);
        CollectMatches(engine, n, global, m_slots, m_matchCount);
    }
    m_valid = true;
    return true;
}

int RegexMatcher::MatchCount() const {
    return m_matchCount;
}

int RegexMatcher::GroupCount() const {
    return m_matchCount > 0 ? m_slotCount / 2 - 1 : 0;
}

std::string RegexMatcher::PatternText() const {
    return m_pattern;
}

RegexMatcher::Span RegexMatcher::SlotSpan(int match, int group) const {
    if (match < 1 || match > m_matchCount || group < 0 || group >= m_slotCount / 2)
        return {};
    std::size_t base = static_cast<std::size_t>(match - 1) * static_cast<std::size_t>(m_slotCount) +
                       2 * static_cast<std::size_t>(group);
    Span span{m_slots[base], m_slots[base + 1]};
    if (span.start < 0 || span.end < span.start)
        return {};
    return span;
}

std::string RegexMatcher::Text(Span span) const {
    if (span.start < 0)
        return {};
    return EncodeGbk(std::u16string_view(m_subject).substr(static_cast<std::size_t>(span.start),
                                                           static_cast<std::size_t>(span.end - span.start)));
}

std::string RegexMatcher::MatchText(int match) const {
    return Text(SlotSpan(match, 0));
}

std::string RegexMatcher::GroupText(int match, int group) const {
    if (group < 1)
        return {};
    return Text(SlotSpan(match, group));
}

std::string RegexMatcher::ReplaceWith(std::string_view replacement) const {
    if (!m_valid)
        return {};
    const std::u16string with = GbkToUtf16(replacement);
    const std::u16string_view subject(m_subject);
    std::u16string out;
    std::size_t copied = 0;
    for (int match = 1; match <= m_matchCount; ++match) {
        Span whole = SlotSpan(match, 0);
        out.append(subject.substr(copied, static_cast<std::size_t>(whole.start) - copied));
        for (std::size_t i = 0; i < with.size(); ++i) {
            char16_t next = i + 1 < with.size() ? with[i + 1] : 0;
            Span part{-2, -2};
            if (with[i] != u'$' || i + 1 >= with.size()) {
                out.push_back(with[i]);
                continue;
            }
            if (next == u'$') {
                out.push_back(u'$');
            } else if (next == u'&') {
                part = whole;
            } else if (next == u'`') {
                part = {0, whole.start};
            } else if (next == u'\'') {
                part = {whole.end, static_cast<int>(subject.size())};
            } else if (next >= u'1' && next <= u'9' && next - u'0' < m_slotCount / 2) {
                part = SlotSpan(match, next - u'0');
            } else {
                out.push_back(with[i]); // a $ that introduces nothing stands for itself
                continue;
            }
            if (part.start >= 0)
                out.append(subject.substr(static_cast<std::size_t>(part.start),
                                          static_cast<std::size_t>(part.end - part.start)));
            ++i;
        }
        copied = static_cast<std::size_t>(whole.end);
    }
    out.append(subject.substr(copied));
    return EncodeGbk(out);
}
