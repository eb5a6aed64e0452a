#include "words/RegexPikeVm.h"

#include <algorithm>
#include <utility>

void RegexPikeVm::ThreadList::Init(std::size_t programSize) {
    sparse.assign(programSize, 0);
    dense.assign(programSize, 0);
    Clear();
}

RegexPikeVm::RegexPikeVm(const RegexProgram& program) : m_program(program) {
    m_current.Init(program.insts.size());
    m_next.Init(program.insts.size());
    std::size_t slots = static_cast<std::size_t>(program.slotCount);
    m_work.assign(slots, -1);
    m_initial.assign(slots, -1);
    m_matchSlots.assign(slots, -1);
    m_tableBuilt.assign(program.lookaheads.size(), false);
    m_tables.resize(program.lookaheads.size());
}

void RegexPikeVm::SetSubject(std::u16string_view subject) {
    m_subject = subject;
    std::fill(m_tableBuilt.begin(), m_tableBuilt.end(), false);
}

// Follows the epsilon instructions from pc at position p in priority order
// (depth first, preferred branch first) and queues every consuming or Match
// instruction reached, with the slots as they stand on the way there.
void RegexPikeVm::AddThread(ThreadList& list, int pc, std::size_t p, const int* slots) {
    const std::size_t slotCount = m_work.size();
    std::copy(slots, slots + slotCount, m_work.begin());
    m_stack.clear();
    m_stack.push_back({pc, -1, 0});
    while (!m_stack.empty()) {
        Pending pending = m_stack.back();
        m_stack.pop_back();
        if (pending.slot >= 0) {
            m_work[static_cast<std::size_t>(pending.slot)] = pending.value;
            continue;
        }
        for (int at = pending.pc; list.Visit(at);) {
            const RegexInst& inst = m_program.insts[static_cast<std::size_t>(at)];
            switch (inst.op) {
            case RegexOp::Unit:
            case RegexOp::Class:
            case RegexOp::Match:
                list.threadPcs.push_back(at);
                list.threadSlots.insert(list.threadSlots.end(), m_work.begin(), m_work.end());
                break;
            case RegexOp::Split:
                m_stack.push_back({inst.y, -1, 0});
                at = inst.x;
                continue;
            case RegexOp::Jump:
                at = inst.x;
                continue;
            case RegexOp::Save:
                m_stack.push_back({-1, inst.x, m_work[static_cast<std::size_t>(inst.x)]});
                m_work[static_cast<std::size_t>(inst.x)] = static_cast<int>(p);
                ++at;
                continue;
            case RegexOp::Assert:
                if (!RegexAssertionHolds(inst.assertion, m_program.multiLine, m_subject, p))
                    break;
                ++at;
                continue;
            case RegexOp::Look:
                if (!LookaheadHolds(inst.x, p))
                    break;
                ++at;
                continue;
            case RegexOp::LoopStart:
            case RegexOp::LoopCheck:
                ++at;
                continue;
            case RegexOp::Fail:
            case RegexOp::BackRef: // never compiled for this VM
                break;
            }
            break;
        }
    }
}

// Advances every thread of `current` over the unit at p into `next`. A thread
// at Match ends the search's leftmost match here, and the threads after it,
// having lower priority, are dropped.
void RegexPikeVm::Step(ThreadList& current, ThreadList& next, std::size_t p) {
    const std::size_t slotCount = m_work.size();
    const bool atEnd = p >= m_subject.size();
    const char16_t c = atEnd ? 0 : m_subject[p];
    for (std::size_t i = 0; i < current.threadPcs.size(); ++i) {
        int pc = current.threadPcs[i];
        const RegexInst& inst = m_program.insts[static_cast<std::size_t>(pc)];
        const int* slots = current.threadSlots.data() + i * slotCount;
        if (inst.op == RegexOp::Match) {
            std::copy(slots, slots + slotCount, m_matchSlots.begin());
            m_matched = true;
            return;
        }
        if (!atEnd && RegexUnitMatches(m_program, inst, c))
            AddThread(next, inst.next, p + 1, slots);
    }
}

bool RegexPikeVm::Search(std::size_t from, std::vector<int>& slots) {
    const std::size_t n = m_subject.size();
    const bool filter = !m_program.canMatchEmpty;
    m_matched = false;
    m_current.Clear();
    for (std::size_t p = from; p <= n; ++p) {
        if (!m_matched) {
            if (filter && m_current.threadPcs.empty()) {
                // The instructions visited so far were visited at p, not
                // where the skip ends.
                m_current.Clear();
                while (p < n && !m_program.firstUnits.Contains(m_subject[p]))
                    ++p;
                if (p == n)
                    break; // no match that is not empty starts at the end
            }
            AddThread(m_current, m_program.start, p, m_initial.data());
        }
        if (m_current.threadPcs.empty() && m_matched)
            break;
        m_next.Clear();
        Step(m_current, m_next, p);
        std::swap(m_current, m_next);
    }
    if (m_matched)
        slots = m_matchSlots;
    return m_matched;
}

bool RegexPikeVm::LookaheadHolds(int index, std::size_t p) {
    std::size_t i = static_cast<std::size_t>(index);
    if (!m_tableBuilt[i]) {
        BuildLookaheadTable(index);
        m_tableBuilt[i] = true;
    }
    bool found = (m_tables[i][p >> 6] >> (p & 63)) & 1;
    return found != m_program.lookaheads[i].negated;
}

// The body was compiled backwards, so running it from the end of the subject
// towards the start, and starting it afresh at every position (a forward match
// may end anywhere), reaches its Match at exactly the positions where a
// forward match of the body starts.
void RegexPikeVm::BuildLookaheadTable(int index) {
    const std::size_t n = m_subject.size();
    std::vector<std::uint64_t>& table = m_tables[static_cast<std::size_t>(index)];
    table.assign(n / 64 + 1, 0);
    const int entry = m_program.lookaheads[static_cast<std::size_t>(index)].entry;
    ThreadList current;
    ThreadList next;
    current.Init(m_program.insts.size());
    next.Init(m_program.insts.size());
    std::vector<int> stack;
    for (std::size_t p = n;; --p) {
        AddState(current, stack, entry, p);
        for (int pc : current.threadPcs) {
            if (m_program.insts[static_cast<std::size_t>(pc)].op == RegexOp::Match) {
                table[p >> 6] |= std::uint64_t{1} << (p & 63);
                break;
            }
        }
        if (p == 0)
            break;
        next.Clear();
        char16_t c = m_subject[p - 1];
        for (int pc : current.threadPcs) {
            const RegexInst& inst = m_program.insts[static_cast<std::size_t>(pc)];
            if (inst.op != RegexOp::Match && RegexUnitMatches(m_program, inst, c))
                AddState(next, stack, inst.next, p - 1);
        }
        std::swap(current, next);
    }
}

// AddThread without slots, for the backward pass.
void RegexPikeVm::AddState(ThreadList& list, std::vector<int>& stack, int pc, std::size_t p) {
    stack.clear();
    stack.push_back(pc);
    while (!stack.empty()) {
        int at = stack.back();
        stack.pop_back();
        while (list.Visit(at)) {
            const RegexInst& inst = m_program.insts[static_cast<std::size_t>(at)];
            if (inst.op == RegexOp::Unit || inst.op == RegexOp::Class || inst.op == RegexOp::Match) {
                list.threadPcs.push_back(at);
                break;
            }
            if (inst.op == RegexOp::Split) {
                stack.push_back(inst.y);
                at = inst.x;
            } else if (inst.op == RegexOp::Jump) {
                at = inst.x;
            } else if (inst.op == RegexOp::Assert) {
                if (!RegexAssertionHolds(inst.assertion, m_program.multiLine, m_subject, p))
                    break;
                ++at;
            } else if (inst.op == RegexOp::Look) {
                if (!LookaheadHolds(inst.x, p))
                    break;
                ++at;
            } else if (inst.op == RegexOp::Fail) {
                break;
            } else {
                ++at; // Save, LoopStart, LoopCheck: nothing to do here
            }
        }
    }
}
