#include "words/RegexBitState.h"

#include <algorithm>

namespace {

// One bit per consuming instruction and position: 32 MB at most.
constexpr std::uint64_t kMaxVisitedBits = std::uint64_t{256} << 20;
// The closures a search may build, in ints, however many it reaches: 16 MB.
constexpr std::uint64_t kMaxClosureInts = std::uint64_t{1} << 22;

// What the assertions see on one side of a position. A context is the kind
// before it times kUnitKinds plus the kind after it.
enum UnitKind : int { kEdge, kLineFeed, kCarriageReturn, kWordUnit, kOtherUnit, kUnitKinds };
constexpr int kContexts = kUnitKinds * kUnitKinds;

int KindOf(char16_t unit) {
    if (unit == u'\n')
        return kLineFeed;
    if (unit == u'\r')
        return kCarriageReturn;
    return IsRegexWordUnit(unit) ? kWordUnit : kOtherUnit;
}

// The assertion at a position of a subject made of one unit of each kind, so
// that the closures read the assertions exactly as the other engines do.
bool HoldsInContext(RegexAssertion assertion, bool multiLine, int context) {
    static constexpr char16_t kSample[kUnitKinds] = {0, u'\n', u'\r', u'a', u' '};
    const int before = context / kUnitKinds;
    const int after = context % kUnitKinds;
    char16_t text[2] = {};
    std::size_t size = 0;
    std::size_t p = 0;
    if (before != kEdge) {
        text[size++] = kSample[before];
        p = 1;
    }
    if (after != kEdge)
        text[size++] = kSample[after];
    return RegexAssertionHolds(assertion, multiLine, std::u16string_view(text, size), p);
}

bool IsConsumer(const RegexInst& inst) {
    return inst.op == RegexOp::Unit || inst.op == RegexOp::Class;
}

// The units each consuming instruction takes, in the order of the program,
// then those a match can start with.
std::vector<RegexCharSet> UnitSets(const RegexProgram& program) {
    std::vector<RegexCharSet> sets;
    for (const RegexInst& inst : program.insts) {
        if (inst.op == RegexOp::Class) {
            sets.push_back(program.classes[static_cast<std::size_t>(inst.x)]);
        } else if (inst.op == RegexOp::Unit) {
            RegexCharSet set;
            for (int i = 0; i < inst.unitCount; ++i)
                set.Add(inst.units[i]);
            sets.push_back(set);
        }
    }
    sets.push_back(program.firstUnits);
    return sets;
}

} // namespace

bool RegexBitState::CanRun(const RegexProgram& program, std::size_t subjectUnits) {
    if (program.needsBacktracking || !program.lookaheads.empty())
        return false;
    std::uint64_t consumers = 0;
    bool assertions = false;
    for (const RegexInst& inst : program.insts) {
        consumers += IsConsumer(inst) ? 1 : 0;
        assertions = assertions || inst.op == RegexOp::Assert;
    }
    // Every closure holds each target at most once, and each slot at most once
    // per path.
    const std::uint64_t contexts = assertions ? kContexts : 1;
    const std::uint64_t closureInts =
        (consumers + 1) * (consumers + 1) * contexts * (3 + static_cast<std::uint64_t>(program.slotCount));
    return consumers * (subjectUnits + 1) <= kMaxVisitedBits && closureInts <= kMaxClosureInts;
}

RegexBitState::RegexBitState(const RegexProgram& program, std::size_t maxSteps)
    : m_program(program), m_classes(UnitSets(program)) {
    m_entryPcs.push_back(program.start);
    m_consumerOf.assign(program.insts.size(), -1);
    for (std::size_t pc = 0; pc < program.insts.size(); ++pc) {
        const RegexInst& inst = program.insts[pc];
        if (inst.op == RegexOp::Assert)
            m_contextCount = kContexts;
        if (IsConsumer(inst)) {
            m_consumerOf[pc] = static_cast<int>(m_consumerCount++);
            m_entryPcs.push_back(inst.next);
        }
    }
    m_closures.resize(m_entryPcs.size() * static_cast<std::size_t>(m_contextCount));
    while ((1 << m_classBits) < m_classes.Count() + 1)
        ++m_classBits;
    m_stepping = maxSteps > 0 && (m_closures.size() << m_classBits) <= maxSteps;
    m_rows.assign(m_closures.size(), -1);
    m_stamps.assign(program.insts.size(), 0);
}

void RegexBitState::SetSubject(std::u16string_view subject) {
    m_subject = subject;
    std::size_t bits = m_consumerCount * (subject.size() + 1);
    m_visited.assign(bits / 64 + 1, 0);
    m_matchEnd = 0;
}

int RegexBitState::Context(std::size_t p) const {
    int before = p == 0 ? kEdge : KindOf(m_subject[p - 1]);
    int after = p >= m_subject.size() ? kEdge : KindOf(m_subject[p]);
    return before * kUnitKinds + after;
}

std::size_t RegexBitState::KeyAt(int entry, std::size_t p) const {
    if (m_contextCount == 1)
        return static_cast<std::size_t>(entry);
    return static_cast<std::size_t>(entry * m_contextCount + Context(p));
}

bool RegexBitState::Takes(const Path& path, int unitClass) const {
    return path.target == kMatch ||
           ((m_classes.Members()[static_cast<std::size_t>(path.members + (unitClass >> 6))] >>
             (unitClass & 63)) &
            1);
}

int RegexBitState::MakeRow(std::size_t key) {
    const int row = static_cast<int>(m_steps.size());
    m_rows[key] = row;
    m_steps.resize(m_steps.size() + (std::size_t{1} << m_classBits));
    return row;
}

// Which paths of the closure can take a unit of the class, for the step
// table's entry in the given row.
void RegexBitState::WorkOutStep(std::size_t key, int unitClass, int row) {
    const Closure& closure = ClosureOf(key);
    Step step;
    step.target = kStepNone;
    step.end = closure.end;
    for (int i = closure.begin; i < closure.end; ++i) {
        const Path& path = m_paths[static_cast<std::size_t>(i)];
        if (!Takes(path, unitClass))
            continue;
        if (step.target != kStepNone) {
            step.alternative = i;
            break;
        }
        step.target = path.target;
        step.savesBegin = path.savesBegin;
        step.savesEnd = path.savesEnd;
    }
    if (step.target >= 0 && m_contextCount == 1)
        step.nextRow = RowOf(static_cast<std::size_t>(step.target) + 1);
    m_steps[static_cast<std::size_t>(row + unitClass)] = step;
}

// The closure of a key, built when first needed: the instructions from the
// entry followed depth first, preferred branch first, each visited once, as a
// backtracking search at one position does. Paths after one that reaches
// Match are never taken, so they are left out.
const RegexBitState::Closure& RegexBitState::ClosureOf(std::size_t key) {
    Closure& closure = m_closures[key];
    if (closure.begin >= 0)
        return closure;
    const int entry = static_cast<int>(key) / m_contextCount;
    const int context = static_cast<int>(key) % m_contextCount;
    ++m_stamp;
    closure.begin = static_cast<int>(m_paths.size());
    m_pending.clear();
    m_pending.push_back(m_entryPcs[static_cast<std::size_t>(entry)]);
    m_pending.push_back(0);
    bool matched = false;
    while (!m_pending.empty() && !matched) {
        m_pathSaves.resize(static_cast<std::size_t>(m_pending.back()));
        m_pending.pop_back();
        int pc = m_pending.back();
        m_pending.pop_back();
        while (m_stamps[static_cast<std::size_t>(pc)] != m_stamp) {
            m_stamps[static_cast<std::size_t>(pc)] = m_stamp;
            const RegexInst& inst = m_program.insts[static_cast<std::size_t>(pc)];
            int target = kMatch - 1; // none: the path ends here without a target
            switch (inst.op) {
            case RegexOp::Unit:
            case RegexOp::Class:
                target = m_consumerOf[static_cast<std::size_t>(pc)];
                break;
            case RegexOp::Match:
                target = kMatch;
                matched = true;
                break;
            case RegexOp::Split:
                m_pending.push_back(inst.y);
                m_pending.push_back(static_cast<int>(m_pathSaves.size()));
                pc = inst.x;
                continue;
            case RegexOp::Jump:
                pc = inst.x;
                continue;
            case RegexOp::Save:
                // Every save on the path sets its slot to the same position.
                // Slots 0 and 1, the bounds of the match, are set by TryAt.
                if (inst.x > 1 &&
                    std::find(m_pathSaves.begin(), m_pathSaves.end(), inst.x) == m_pathSaves.end())
                    m_pathSaves.push_back(inst.x);
                ++pc;
                continue;
            case RegexOp::Assert:
                if (!HoldsInContext(inst.assertion, m_program.multiLine, context))
                    break;
                ++pc;
                continue;
            case RegexOp::LoopStart:
            case RegexOp::LoopCheck:
                ++pc; // not compiled for this engine's programs
                continue;
            case RegexOp::Fail:
            case RegexOp::Look:
            case RegexOp::BackRef:
                break;
            }
            if (target >= kMatch) {
                Path path;
                path.target = target;
                path.members = target == kMatch ? 0 : target * static_cast<int>(m_classes.WordsPerSet());
                path.savesBegin = static_cast<int>(m_saves.size());
                m_saves.insert(m_saves.end(), m_pathSaves.begin(), m_pathSaves.end());
                path.savesEnd = static_cast<int>(m_saves.size());
                m_paths.push_back(path);
            }
            break;
        }
    }
    closure.end = static_cast<int>(m_paths.size());
    return closure;
}

// The marks stay from one search to the next: a state tried and failed fails
// whenever it is reached, since no state depends on the way to it, and the
// states on the way to the matches found lie before the position where the
// next search starts. Only a search that starts before the end of a match
// found since the marks were last cleared clears them, so as not to trip over
// that match's own states.
bool RegexBitState::Search(std::size_t from, std::vector<int>& slots) {
    const char16_t* const subject = m_subject.data();
    const std::size_t n = m_subject.size();
    if (from < m_matchEnd) {
        std::fill(m_visited.begin(), m_visited.end(), 0);
        m_matchEnd = 0;
    }
    slots.resize(static_cast<std::size_t>(m_program.slotCount));
    const bool filter = !m_program.canMatchEmpty;
    const std::uint64_t* const firstUnits =
        m_classes.Members().data() + m_consumerCount * m_classes.WordsPerSet();
    // Where the start has a single way on, the step table also tells whether
    // it can take the second unit; many starts end there (the CR of every line
    // end, for "(.*?)\t(\d+)") and need no search set up.
    const int startRow = m_stepping && m_contextCount == 1 ? RowOf(0) : -1;
    for (std::size_t start = from; start <= n; ++start) {
        int unitClass = start < n ? m_classes.Of(subject[start]) : m_classes.EndClass();
        if (filter) {
            while (start < n && !((firstUnits[unitClass >> 6] >> (unitClass & 63)) & 1)) {
                if (++start < n)
                    unitClass = m_classes.Of(subject[start]);
            }
            if (start == n)
                return false; // no match that is not empty starts at the end
        }
        if (startRow >= 0 && start + 1 < n) {
            const std::size_t at = static_cast<std::size_t>(startRow + unitClass);
            if (m_steps[at].target == kStepUnknown)
                WorkOutStep(0, unitClass, startRow);
            const int target = m_steps[at].target;
            const int nextRow = m_steps[at].nextRow;
            if (target >= 0 && m_steps[at].alternative < 0) {
                const int nextClass = m_classes.Of(subject[start + 1]);
                const std::size_t nextAt = static_cast<std::size_t>(nextRow + nextClass);
                if (m_steps[nextAt].target == kStepUnknown)
                    WorkOutStep(static_cast<std::size_t>(target) + 1, nextClass, nextRow);
                if (m_steps[nextAt].target == kStepNone)
                    continue;
            }
        }
        if (TryAt(start, slots.data())) {
            m_matchEnd = std::max(m_matchEnd, static_cast<std::size_t>(slots[1]));
            return true;
        }
    }
    return false;
}

// Keeps the slots' values for a frame to put back.
void RegexBitState::LogSlots(int savesBegin, int savesEnd, const int* slots) {
    const std::size_t count = static_cast<std::size_t>(savesEnd - savesBegin);
    if (m_undoTop + count > m_undo.size())
        m_undo.resize(2 * (m_undoTop + count));
    for (int s = savesBegin; s < savesEnd; ++s) {
        const int slot = m_saves[static_cast<std::size_t>(s)];
        m_undo[m_undoTop++] = {slot, slots[slot]};
    }
}

inline void RegexBitState::SetSlots(int savesBegin, int savesEnd, std::size_t p, int* slots) {
    if (!m_frames.empty())
        LogSlots(savesBegin, savesEnd, slots);
    for (int s = savesBegin; s < savesEnd; ++s)
        slots[m_saves[static_cast<std::size_t>(s)]] = static_cast<int>(p);
}

// The backtracking search from one start. The step table takes it along as
// long as it knows the way; ScanFrom does the rest.
bool RegexBitState::TryAt(std::size_t start, int* slots) {
    const char16_t* const subject = m_subject.data();
    const std::size_t n = m_subject.size();
    const std::size_t consumerCount = m_consumerCount;
    std::uint64_t* const visited = m_visited.data();
    const bool singleContext = m_contextCount == 1;

    std::fill(slots, slots + m_program.slotCount, -1);
    slots[0] = static_cast<int>(start);
    m_frames.clear();
    m_undoTop = 0;
    std::size_t p = start;
    std::size_t key = KeyAt(0, p);
    int row = m_stepping ? RowOf(key) : -1;
    for (;;) {
        bool scanAll = true;
        if (row >= 0) {
            const int unitClass = p < n ? m_classes.Of(subject[p]) : m_classes.EndClass();
            const std::size_t at = static_cast<std::size_t>(row + unitClass);
            if (m_steps[at].target == kStepUnknown)
                WorkOutStep(key, unitClass, row);
            const Step& step = m_steps[at];
            const int target = step.target;
            if (target >= 0) {
                const std::size_t bit = p * consumerCount + static_cast<std::size_t>(target);
                const std::uint64_t word = visited[bit >> 6];
                const std::uint64_t mask = std::uint64_t{1} << (bit & 63);
                if ((word & mask) == 0) {
                    visited[bit >> 6] = word | mask;
                    if (step.alternative >= 0)
                        m_frames.push_back(
                            {step.alternative, step.end, static_cast<int>(p), static_cast<int>(m_undoTop)});
                    if (step.savesBegin < step.savesEnd)
                        SetSlots(step.savesBegin, step.savesEnd, p, slots);
                    ++p;
                    if (singleContext) {
                        key = static_cast<std::size_t>(target) + 1;
                        row = step.nextRow;
                    } else {
                        key = KeyAt(target + 1, p);
                        row = RowOf(key);
                    }
                    continue;
                }
                // Tried already: some later path may still go on.
            } else if (target == kMatch) {
                m_frames.clear(); // the match ends the search: nothing to keep
                SetSlots(step.savesBegin, step.savesEnd, p, slots);
                slots[1] = static_cast<int>(p);
                return true;
            } else {
                scanAll = false; // no path can take the unit
            }
        }
        const Scan scan = ScanFrom(key, scanAll, p, slots);
        if (scan.path < 0)
            return false;
        const int chosen = scan.path;
        p = scan.p;
        const Path path = m_paths[static_cast<std::size_t>(chosen)];
        if (path.target == kMatch)
            m_frames.clear();
        SetSlots(path.savesBegin, path.savesEnd, p, slots);
        if (path.target == kMatch) {
            slots[1] = static_cast<int>(p);
            return true;
        }
        const std::size_t bit = p * consumerCount + static_cast<std::size_t>(path.target);
        visited[bit >> 6] |= std::uint64_t{1} << (bit & 63);
        ++p;
        key = KeyAt(path.target + 1, p);
        row = m_stepping ? RowOf(key) : -1;
    }
}

// Finds the first path that can go on at p, from the whole closure of key
// (or none of it), backtracking to earlier frames until one can, and leaves a
// frame for the paths after it that could go on too. The path's index (-1
// when the search from this start has failed) and where it goes on.
RegexBitState::Scan RegexBitState::ScanFrom(std::size_t key, bool scanAll, std::size_t p, int* slots) {
    const std::size_t n = m_subject.size();
    const Closure& closure = ClosureOf(key);
    int i = scanAll ? closure.begin : 0;
    int end = scanAll ? closure.end : 0;
    int unitClass = p < n ? m_classes.Of(m_subject[p]) : m_classes.EndClass();
    auto viable = [&](int index) {
        const Path& path = m_paths[static_cast<std::size_t>(index)];
        if (!Takes(path, unitClass))
            return false;
        if (path.target == kMatch)
            return true;
        const std::size_t bit = p * m_consumerCount + static_cast<std::size_t>(path.target);
        return ((m_visited[bit >> 6] >> (bit & 63)) & 1) == 0;
    };
    for (;;) {
        while (i < end && !viable(i))
            ++i;
        if (i < end)
            break;
        if (m_frames.empty())
            return {-1, p};
        const Frame frame = m_frames.back();
        m_frames.pop_back();
        while (m_undoTop > static_cast<std::size_t>(frame.undoHeight)) {
            --m_undoTop;
            slots[m_undo[m_undoTop].slot] = m_undo[m_undoTop].value;
        }
        p = static_cast<std::size_t>(frame.p);
        i = frame.next;
        end = frame.end;
        unitClass = p < n ? m_classes.Of(m_subject[p]) : m_classes.EndClass();
    }
    int next = i + 1;
    while (next < end && !viable(next))
        ++next;
    if (next < end)
        m_frames.push_back({next, end, static_cast<int>(p), static_cast<int>(m_undoTop)});
    return {i, p};
}
