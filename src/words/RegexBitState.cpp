#include "words/RegexBitState.h"

#include <algorithm>

namespace {

// One bit per instruction and position: 32 MB at most.
constexpr std::uint64_t kMaxVisitedBits = std::uint64_t{256} << 20;

} // namespace

bool RegexBitState::CanRun(const RegexProgram& program, std::size_t subjectUnits) {
    return !program.needsBacktracking && program.lookaheads.empty() &&
           static_cast<std::uint64_t>(program.insts.size()) * (subjectUnits + 1) <= kMaxVisitedBits;
}

RegexBitState::RegexBitState(const RegexProgram& program) : m_program(program) {
    m_consumer.assign(program.insts.size(), -1);
    for (std::size_t pc = 0; pc < program.insts.size(); ++pc) {
        std::size_t at = pc;
        for (std::size_t steps = 0; steps < 8 && at < program.insts.size(); ++steps) {
            const RegexInst& inst = program.insts[at];
            if (inst.op == RegexOp::Unit || inst.op == RegexOp::Class) {
                m_consumer[pc] = static_cast<int>(at);
                break;
            }
            if (inst.op == RegexOp::Save)
                ++at;
            else if (inst.op == RegexOp::Jump)
                at = static_cast<std::size_t>(inst.x);
            else
                break;
        }
    }
}

// A branch that can only go on by consuming a unit that is not there fails;
// seeing that before taking it saves the steps of trying (the lazy loop of
// "(.*?)\t" meets a unit that is no TAB at almost every position).
bool RegexBitState::CannotConsume(int pc, std::size_t p) const {
    int consumer = m_consumer[static_cast<std::size_t>(pc)];
    if (consumer < 0)
        return false;
    return p >= m_subject.size() ||
           !RegexUnitMatches(m_program, m_program.insts[static_cast<std::size_t>(consumer)], m_subject[p]);
}

void RegexBitState::SetSubject(std::u16string_view subject) {
    m_subject = subject;
    std::size_t bits = m_program.insts.size() * (subject.size() + 1);
    m_visited.assign(bits / 64 + 1, 0);
}

bool RegexBitState::Visit(int pc, std::size_t p) {
    std::size_t bit = (p - m_base) * m_program.insts.size() + static_cast<std::size_t>(pc);
    std::uint64_t mask = std::uint64_t{1} << (bit & 63);
    std::uint64_t& word = m_visited[bit >> 6];
    if (word & mask)
        return false;
    word |= mask;
    m_furthest = std::max(m_furthest, p);
    return true;
}

// Clears what this search marked, so that the next search, which may pass
// through the states of this one's match, starts afresh; the cost is that of
// the marking.
void RegexBitState::ClearVisited() {
    std::size_t size = m_program.insts.size();
    std::size_t first = 0;
    std::size_t last = (m_furthest - m_base + 1) * size;
    std::fill(m_visited.begin() + static_cast<std::ptrdiff_t>(first >> 6),
              m_visited.begin() + static_cast<std::ptrdiff_t>(std::min(m_visited.size(), last / 64 + 1)), 0);
}

bool RegexBitState::Search(std::size_t from, std::vector<int>& slots) {
    const std::size_t n = m_subject.size();
    const bool filter = !m_program.canMatchEmpty;
    m_base = from;
    m_furthest = from;
    bool found = false;
    for (std::size_t start = from; start <= n; ++start) {
        if (filter) {
            while (start < n && !m_program.firstUnits.Contains(m_subject[start]))
                ++start;
            if (start == n)
                break;
        }
        if (TryAt(start)) {
            slots = m_slots;
            found = true;
            break;
        }
    }
    ClearVisited();
    return found;
}

bool RegexBitState::TryAt(std::size_t start) {
    const std::size_t n = m_subject.size();
    m_slots.assign(static_cast<std::size_t>(m_program.slotCount), -1);
    m_jobs.clear();
    m_jobs.push_back({m_program.start, static_cast<int>(start), -1, 0});
    while (!m_jobs.empty()) {
        Job job = m_jobs.back();
        m_jobs.pop_back();
        if (job.slot >= 0) {
            m_slots[static_cast<std::size_t>(job.slot)] = job.value;
            continue;
        }
        int pc = job.pc;
        std::size_t p = static_cast<std::size_t>(job.p);
        while (Visit(pc, p)) {
            const RegexInst& inst = m_program.insts[static_cast<std::size_t>(pc)];
            bool proceed = true;
            switch (inst.op) {
            case RegexOp::Unit:
            case RegexOp::Class:
                proceed = p < n && RegexUnitMatches(m_program, inst, m_subject[p]);
                pc = inst.next;
                ++p;
                break;
            case RegexOp::Split:
                if (CannotConsume(inst.x, p)) {
                    pc = inst.y;
                    break;
                }
                if (!CannotConsume(inst.y, p))
                    m_jobs.push_back({inst.y, static_cast<int>(p), -1, 0});
                pc = inst.x;
                break;
            case RegexOp::Jump:
                pc = inst.x;
                break;
            case RegexOp::Save:
                m_jobs.push_back({0, 0, inst.x, m_slots[static_cast<std::size_t>(inst.x)]});
                m_slots[static_cast<std::size_t>(inst.x)] = static_cast<int>(p);
                ++pc;
                break;
            case RegexOp::Assert:
                proceed = RegexAssertionHolds(inst.assertion, m_program.multiLine, m_subject, p);
                ++pc;
                break;
            case RegexOp::Match:
                return true;
            case RegexOp::LoopStart:
            case RegexOp::LoopCheck:
                ++pc; // not compiled for this engine's programs
                break;
            case RegexOp::Fail:
            case RegexOp::Look:
            case RegexOp::BackRef:
                proceed = false;
                break;
            }
            if (!proceed)
                break;
        }
    }
    return false;
}
