#include "words/RegexBacktracker.h"

#include <algorithm>

RegexBacktracker::RegexBacktracker(const RegexProgram& program) : m_program(program) {}

void RegexBacktracker::SetSubject(std::u16string_view subject, std::uint64_t stepBudget) {
    m_subject = subject;
    m_steps = 0;
    m_budget = stepBudget;
    m_exhausted = false;
}

bool RegexBacktracker::Search(std::size_t from, std::vector<int>& slots) {
    const std::size_t n = m_subject.size();
    const bool filter = !m_program.canMatchEmpty;
    for (std::size_t start = from; start <= n && !m_exhausted; ++start) {
        if (filter) {
            while (start < n && !m_program.firstUnits.Contains(m_subject[start]))
                ++start;
            if (start == n)
                return false;
        }
        m_slots.assign(static_cast<std::size_t>(m_program.slotCount), -1);
        m_registers.assign(static_cast<std::size_t>(m_program.registerCount), -1);
        m_stack.clear();
        if (Run(m_program.start, start)) {
            slots = m_slots;
            return true;
        }
    }
    return false;
}

// Runs from pc at p until a Match (true, with the frames of the path left on
// the stack for the caller to drop) or until every alternative pushed since
// the call has failed (false, everything undone).
bool RegexBacktracker::Run(int pc, std::size_t p) {
    const std::size_t base = m_stack.size();
    const std::size_t n = m_subject.size();
    for (;;) {
        if (++m_steps > m_budget) {
            m_exhausted = true;
            m_stack.resize(base);
            return false;
        }
        const RegexInst& inst = m_program.insts[static_cast<std::size_t>(pc)];
        bool ok = true;
        int next = pc + 1;
        switch (inst.op) {
        case RegexOp::Unit:
        case RegexOp::Class:
            ok = p < n && RegexUnitMatches(m_program, inst, m_subject[p]);
            ++p;
            next = inst.next;
            break;
        case RegexOp::Fail:
            ok = false;
            break;
        case RegexOp::Split:
            m_stack.push_back({Frame::Kind::Retry, inst.y, static_cast<int>(p)});
            next = inst.x;
            break;
        case RegexOp::Jump:
            next = inst.x;
            break;
        case RegexOp::Save: {
            int& slot = m_slots[static_cast<std::size_t>(inst.x)];
            m_stack.push_back({Frame::Kind::RestoreSlot, inst.x, slot});
            slot = static_cast<int>(p);
            break;
        }
        case RegexOp::Assert:
            ok = RegexAssertionHolds(inst.assertion, m_program.multiLine, m_subject, p);
            break;
        case RegexOp::Look:
            ok = RunLookahead(inst.x, p);
            if (m_exhausted) {
                m_stack.resize(base);
                return false;
            }
            break;
        case RegexOp::LoopStart: {
            int& reg = m_registers[static_cast<std::size_t>(inst.x)];
            m_stack.push_back({Frame::Kind::RestoreRegister, inst.x, reg});
            reg = static_cast<int>(p);
            break;
        }
        case RegexOp::LoopCheck:
            ok = m_registers[static_cast<std::size_t>(inst.x)] != static_cast<int>(p);
            break;
        case RegexOp::BackRef:
            ok = MatchBackReference(inst.x, p);
            next = inst.next;
            break;
        case RegexOp::Match:
            return true;
        }
        pc = next;
        if (ok)
            continue;
        // Undo back to the newest alternative and resume there.
        for (;;) {
            if (m_stack.size() == base)
                return false;
            Frame frame = m_stack.back();
            m_stack.pop_back();
            if (frame.kind == Frame::Kind::RestoreSlot) {
                m_slots[static_cast<std::size_t>(frame.index)] = frame.value;
            } else if (frame.kind == Frame::Kind::RestoreRegister) {
                m_registers[static_cast<std::size_t>(frame.index)] = frame.value;
            } else {
                pc = frame.index;
                p = static_cast<std::size_t>(frame.value);
                break;
            }
        }
    }
}

// A lookahead is tried once: its first match decides, and the match's groups
// stay set for the rest of the path (a negative lookahead keeps none).
bool RegexBacktracker::RunLookahead(int index, std::size_t p) {
    const RegexLookahead& lookahead = m_program.lookaheads[static_cast<std::size_t>(index)];
    const std::vector<int> before = m_slots;
    const std::size_t base = m_stack.size();
    if (!Run(lookahead.entry, p))
        return lookahead.negated && !m_exhausted;
    m_stack.resize(base);
    if (lookahead.negated) {
        m_slots = before;
        return false;
    }
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (m_slots[i] != before[i])
            m_stack.push_back({Frame::Kind::RestoreSlot, static_cast<int>(i), before[i]});
    }
    return true;
}

// A group that took no part, or whose bounds are not yet both set on this path,
// matches the empty text.
bool RegexBacktracker::MatchBackReference(int group, std::size_t& p) const {
    int start = m_slots[static_cast<std::size_t>(2 * group)];
    int end = m_slots[static_cast<std::size_t>(2 * group + 1)];
    if (start < 0 || end < start)
        return true;
    std::size_t length = static_cast<std::size_t>(end - start);
    if (length > m_subject.size() - p)
        return false;
    for (std::size_t i = 0; i < length; ++i) {
        char16_t a = m_subject[static_cast<std::size_t>(start) + i];
        char16_t b = m_subject[p + i];
        if (a != b && !(m_program.ignoreCase && FoldUnit(a) == FoldUnit(b)))
            return false;
    }
    p += length;
    return true;
}
