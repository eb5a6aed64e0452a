#include "util/TextSearch.h"

#include "util/Gbk.h"

#include <array>
#include <cstring>

namespace {

// Horspool search for needles of two bytes or more over longer texts; the
// shift table is built on first use and kept for the rest of one FindText.
class ByteSearcher {
public:
    ByteSearcher(std::string_view text, std::string_view needle) : m_text(text), m_needle(needle) {}

    // Offset of the first occurrence at or after from, or npos.
    std::size_t Find(std::size_t from) {
        if (m_needle.size() == 1 || m_text.size() - from < kHorspoolMinimum)
            return m_text.find(m_needle, from);
        if (!m_tableReady)
            BuildTable();
        const std::size_t last = m_needle.size() - 1;
        const auto* text = reinterpret_cast<const unsigned char*>(m_text.data());
        const auto lastByte = static_cast<unsigned char>(m_needle[last]);
        for (std::size_t pos = from; pos + last < m_text.size();) {
            unsigned char c = text[pos + last];
            if (c == lastByte && std::memcmp(text + pos, m_needle.data(), last) == 0)
                return pos;
            pos += m_shift[c];
        }
        return std::string_view::npos;
    }

private:
    static constexpr std::size_t kHorspoolMinimum = 64;

    void BuildTable() {
        m_shift.fill(m_needle.size());
        for (std::size_t i = 0; i + 1 < m_needle.size(); ++i)
            m_shift[static_cast<unsigned char>(m_needle[i])] = m_needle.size() - 1 - i;
        m_tableReady = true;
    }

    std::string_view m_text;
    std::string_view m_needle;
    bool m_tableReady = false;
    std::array<std::size_t, 256> m_shift{};
};

} // namespace

std::ptrdiff_t FindText(std::string_view haystack, std::string_view needle, std::ptrdiff_t start) {
    if (needle.empty() || haystack.empty())
        return -1;
    if (start < 1)
        start = 1;
    if (static_cast<std::size_t>(start) > haystack.size())
        return -1;

    const std::size_t origin = static_cast<std::size_t>(start) - 1;
    const std::string_view text = haystack.substr(origin);
    ByteSearcher searcher(text, needle);
    std::size_t boundary = 0;
    std::size_t from = 0;
    for (;;) {
        std::size_t candidate = searcher.Find(from);
        if (candidate == std::string_view::npos)
            return -1;
        boundary = AdvanceGbkBoundary(text, boundary, candidate);
        if (boundary == candidate)
            return static_cast<std::ptrdiff_t>(origin + candidate + 1);
        from = boundary; // the candidate was a trail byte; the next character starts here
    }
}
