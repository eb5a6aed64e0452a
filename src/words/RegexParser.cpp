#include "words/RegexParser.h"

#include <climits>

namespace {

RegexCharSet DigitUnits() {
    return RegexCharSet::Of(u'0', u'9');
}

RegexCharSet WordUnits() {
    RegexCharSet set = RegexCharSet::Of(u'a', u'z');
    set.AddRange(u'A', u'Z');
    set.AddRange(u'0', u'9');
    set.Add(u'_');
    return set;
}

// White space and line ends as the scripting engines count them, the
// ideographic space U+3000 included.
RegexCharSet SpaceUnits() {
    RegexCharSet set = RegexCharSet::Of(0x09, 0x0D);
    for (char16_t unit : {0x20, 0xA0, 0x1680, 0x2028, 0x2029, 0x202F, 0x205F, 0x3000, 0xFEFF})
        set.Add(unit);
    set.AddRange(0x2000, 0x200A);
    return set;
}

int HexValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

class Parser {
public:
    Parser(std::u16string_view pattern, RegexTree& tree) : m_pattern(pattern), m_tree(tree) {}

    bool Run() {
        m_tree = RegexTree{};
        m_totalGroups = CountGroups();
        int root = ParseDisjunction(0);
        if (m_failed || m_pos != m_pattern.size())
            return false; // an unmatched ")" stops the top level early
        m_tree.root = root;
        m_tree.groupCount = m_totalGroups;
        return true;
    }

private:
    // Back-references may point forward ("\2(a)(b)"), so the groups are
    // counted before parsing: every "(" that is not "(?", outside classes.
    int CountGroups() const {
        int count = 0;
        bool inClass = false;
        for (std::size_t i = 0; i < m_pattern.size(); ++i) {
            char16_t c = m_pattern[i];
            if (c == u'\\') {
                ++i;
            } else if (inClass) {
                inClass = c != u']';
            } else if (c == u'[') {
                inClass = true;
            } else if (c == u'(' && (i + 1 >= m_pattern.size() || m_pattern[i + 1] != u'?')) {
                ++count;
            }
        }
        return count;
    }

    bool AtEnd() const { return m_pos >= m_pattern.size(); }
    char16_t Peek(std::size_t ahead = 0) const {
        return m_pos + ahead < m_pattern.size() ? m_pattern[m_pos + ahead] : 0;
    }
    bool Has(std::size_t ahead) const { return m_pos + ahead < m_pattern.size(); }

    int Fail() {
        m_failed = true;
        return -1;
    }

    int AddNode(RegexNode node) {
        m_tree.nodes.push_back(std::move(node));
        return static_cast<int>(m_tree.nodes.size()) - 1;
    }

    int AddClass(RegexClass cls) {
        m_tree.classes.push_back(std::move(cls));
        RegexNode node;
        node.kind = RegexNodeKind::Class;
        node.classIndex = static_cast<int>(m_tree.classes.size()) - 1;
        return AddNode(std::move(node));
    }

    int ParseDisjunction(int depth) {
        if (depth > kMaxRegexNesting)
            return Fail();
        std::vector<int> alternatives{ParseAlternative(depth)};
        while (!m_failed && Peek() == u'|' && Has(0)) {
            ++m_pos;
            alternatives.push_back(ParseAlternative(depth));
        }
        if (m_failed)
            return -1;
        if (alternatives.size() == 1)
            return alternatives[0];
        RegexNode node;
        node.kind = RegexNodeKind::Alternate;
        node.children = std::move(alternatives);
        return AddNode(std::move(node));
    }

    int ParseAlternative(int depth) {
        std::vector<int> terms;
        while (!m_failed && !AtEnd() && Peek() != u'|' && Peek() != u')') {
            int term = ParseTerm(depth);
            if (term >= 0)
                terms.push_back(term);
        }
        if (m_failed)
            return -1;
        if (terms.size() == 1)
            return terms[0];
        RegexNode node;
        node.kind = terms.empty() ? RegexNodeKind::Empty : RegexNodeKind::Concat;
        node.children = std::move(terms);
        return AddNode(std::move(node));
    }

    int ParseTerm(int depth) {
        char16_t c = Peek();
        if (c == u'^' || c == u'$') {
            ++m_pos;
            return Assertion(c == u'^' ? RegexAssertion::LineStart : RegexAssertion::LineEnd);
        }
        if (c == u'\\' && Has(1) && (Peek(1) == u'b' || Peek(1) == u'B')) {
            bool boundary = Peek(1) == u'b';
            m_pos += 2;
            return Assertion(boundary ? RegexAssertion::WordBoundary : RegexAssertion::NotWordBoundary);
        }
        int atom = ParseAtom(depth);
        if (m_failed)
            return -1;
        return ParseQuantifier(atom);
    }

    int Assertion(RegexAssertion assertion) {
        int min, max;
        std::size_t length;
        if (!AtEnd() && QuantifierAt(m_pos, min, max, length))
            return Fail(); // nothing to repeat
        RegexNode node;
        node.kind = RegexNodeKind::Assertion;
        node.assertion = assertion;
        return AddNode(std::move(node));
    }

    // Reads "*", "+", "?" or a well-formed "{n}", "{n,}", "{n,m}" at pos.
    bool QuantifierAt(std::size_t pos, int& min, int& max, std::size_t& length) const {
        char16_t c = m_pattern[pos];
        if (c == u'*' || c == u'+' || c == u'?') {
            min = c == u'+' ? 1 : 0;
            max = c == u'?' ? 1 : -1;
            length = 1;
            return true;
        }
        if (c != u'{')
            return false;
        std::size_t i = pos + 1;
        if (!ReadCount(i, min))
            return false;
        max = min;
        if (i < m_pattern.size() && m_pattern[i] == u',') {
            ++i;
            max = -1;
            if (i < m_pattern.size() && m_pattern[i] != u'}' && !ReadCount(i, max))
                return false;
        }
        if (i >= m_pattern.size() || m_pattern[i] != u'}')
            return false;
        length = i + 1 - pos;
        return true;
    }

    // Decimal digits, saturating at INT_MAX.
    bool ReadCount(std::size_t& i, int& value) const {
        std::size_t start = i;
        long long v = 0;
        while (i < m_pattern.size() && m_pattern[i] >= u'0' && m_pattern[i] <= u'9') {
            v = std::min<long long>(INT_MAX, v * 10 + (m_pattern[i] - u'0'));
            ++i;
        }
        value = static_cast<int>(v);
        return i > start;
    }

    int ParseQuantifier(int atom) {
        int min, max;
        std::size_t length;
        if (AtEnd() || !QuantifierAt(m_pos, min, max, length))
            return atom;
        m_pos += length;
        if (max >= 0 && min > max)
            return Fail();
        RegexNode node;
        node.kind = RegexNodeKind::Repeat;
        node.min = min;
        node.max = max;
        if (Peek() == u'?' && Has(0)) {
            node.greedy = false;
            ++m_pos;
        }
        node.children = {atom};
        return AddNode(std::move(node));
    }

    int ParseAtom(int depth) {
        char16_t c = Peek();
        switch (c) {
        case u'*':
        case u'+':
        case u'?':
            return Fail();
        case u'{': {
            int min, max;
            std::size_t length;
            if (QuantifierAt(m_pos, min, max, length))
                return Fail();
            ++m_pos;
            return Unit(c);
        }
        case u'.': {
            ++m_pos;
            RegexClass cls;
            cls.escapes = RegexCharSet::Of(u'\n', u'\n').Negated();
            return AddClass(std::move(cls));
        }
        case u'(':
            return ParseGroup(depth);
        case u'[':
            return ParseClass();
        case u'\\':
            return ParseAtomEscape();
        default:
            ++m_pos;
            return Unit(c);
        }
    }

    int Unit(char16_t c) {
        RegexNode node;
        node.kind = RegexNodeKind::Unit;
        node.unit = c;
        return AddNode(std::move(node));
    }

    int ParseGroup(int depth) {
        ++m_pos; // (
        RegexNode node;
        if (Peek() == u'?' && Has(0)) {
            char16_t kind = Peek(1);
            if (kind != u':' && kind != u'=' && kind != u'!')
                return Fail();
            m_pos += 2;
            if (kind == u':') {
                int inner = ParseDisjunction(depth + 1);
                return CloseGroup() ? inner : -1;
            }
            node.kind = RegexNodeKind::Lookahead;
            node.negated = kind == u'!';
            m_tree.hasLookaheads = true;
            int groupsBefore = m_groupsSeen;
            node.children = {ParseDisjunction(depth + 1)};
            if (!node.negated && m_groupsSeen > groupsBefore)
                m_tree.hasCapturesInLookahead = true;
        } else {
            node.kind = RegexNodeKind::Group;
            node.group = ++m_groupsSeen;
            node.children = {ParseDisjunction(depth + 1)};
        }
        if (!CloseGroup())
            return -1;
        return AddNode(std::move(node));
    }

    bool CloseGroup() {
        if (m_failed)
            return false;
        if (Peek() != u')' || AtEnd()) {
            Fail();
            return false;
        }
        ++m_pos;
        return true;
    }

    int ParseAtomEscape() {
        ++m_pos; // backslash
        if (AtEnd())
            return Fail(); // a pattern cannot end in a lone backslash
        char16_t c = Peek();
        if (c >= u'1' && c <= u'9') {
            ++m_pos;
            int group = c - u'0';
            if (group > m_totalGroups)
                return Fail();
            RegexNode node;
            node.kind = RegexNodeKind::BackReference;
            node.group = group;
            m_tree.hasBackReferences = true;
            return AddNode(std::move(node));
        }
        RegexClass cls;
        if (ClassEscape(c, cls.escapes)) {
            ++m_pos;
            return AddClass(std::move(cls));
        }
        return Unit(CharacterEscape());
    }

    // \d \D \w \W \s \S; false for any other letter.
    static bool ClassEscape(char16_t c, RegexCharSet& set) {
        switch (c) {
        case u'd':
            set = DigitUnits();
            return true;
        case u'D':
            set = DigitUnits().Negated();
            return true;
        case u'w':
            set = WordUnits();
            return true;
        case u'W':
            set = WordUnits().Negated();
            return true;
        case u's':
            set = SpaceUnits();
            return true;
        case u'S':
            set = SpaceUnits().Negated();
            return true;
        default:
            return false;
        }
    }

    // The unit of an escape at m_pos (just after the backslash); advances.
    char16_t CharacterEscape() {
        char16_t c = Peek();
        ++m_pos;
        switch (c) {
        case u't':
            return u'\t';
        case u'r':
            return u'\r';
        case u'n':
            return u'\n';
        case u'f':
            return u'\f';
        case u'v':
            return u'\v';
        case u'0':
            return 0;
        case u'x':
            return HexEscape(2, c);
        case u'u':
            return HexEscape(4, c);
        default:
            return c;
        }
    }

    // Exactly `digits` hex digits follow: their value; otherwise the letter
    // itself, as the lenient engines read "\xZ".
    char16_t HexEscape(int digits, char16_t letter) {
        int value = 0;
        for (int i = 0; i < digits; ++i) {
            int digit = HexValue(Peek(static_cast<std::size_t>(i)));
            if (digit < 0 || !Has(static_cast<std::size_t>(i)))
                return letter;
            value = value * 16 + digit;
        }
        m_pos += static_cast<std::size_t>(digits);
        return static_cast<char16_t>(value);
    }

    // One member of a class: a single unit (true) or a class escape (false,
    // added to cls.escapes).
    bool ClassAtom(RegexClass& cls, char16_t& unit) {
        char16_t c = Peek();
        if (c != u'\\') {
            ++m_pos;
            unit = c;
            return true;
        }
        ++m_pos;
        if (AtEnd()) {
            Fail();
            return false;
        }
        c = Peek();
        RegexCharSet escape;
        if (ClassEscape(c, escape)) {
            ++m_pos;
            cls.escapes.AddSet(escape);
            return false;
        }
        if (c == u'b') {
            ++m_pos;
            unit = u'\b';
            return true;
        }
        unit = CharacterEscape();
        return true;
    }

    int ParseClass() {
        ++m_pos; // [
        RegexClass cls;
        if (Peek() == u'^' && Has(0)) {
            cls.negated = true;
            ++m_pos;
        }
        while (!m_failed) {
            if (AtEnd())
                return Fail();
            if (Peek() == u']') {
                ++m_pos;
                return AddClass(std::move(cls));
            }
            char16_t first;
            if (!ClassAtom(cls, first))
                continue; // a class escape; "-" after it is a literal
            if (Peek() == u'-' && Has(1) && Peek(1) != u']') {
                ++m_pos;
                char16_t last;
                if (!ClassAtom(cls, last)) {
                    // "[a-\d]": the dash and the first unit are literals.
                    cls.literals.Add(first);
                    cls.literals.Add(u'-');
                    continue;
                }
                if (last < first)
                    return Fail();
                cls.literals.AddRange(first, last);
            } else {
                cls.literals.Add(first);
            }
        }
        return -1;
    }

    std::u16string_view m_pattern;
    RegexTree& m_tree;
    std::size_t m_pos = 0;
    bool m_failed = false;
    int m_totalGroups = 0;
    int m_groupsSeen = 0;
};

} // namespace

bool ParseRegex(std::u16string_view pattern, RegexTree& tree) {
    return Parser(pattern, tree).Run();
}
