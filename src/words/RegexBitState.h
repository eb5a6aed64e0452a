// Runs a RegexProgram by backtracking in priority order while remembering
// every (consuming instruction, position) it has tried: a state tried once has
// failed (or is on the path that matched), so nothing runs twice and a search
// takes time linear in the subject, like the Pike VM, but with far less work
// per step, since no thread list or copy of the groups is kept. Valid for the
// programs the Pike VM runs (no state depends on more than its instruction and
// position) that hold no lookahead, and where one bit per consuming
// instruction and position fits the memory limit.
//
// The instructions between two consuming ones (Split, Jump, Save, Assert) are
// followed once per entry point and context, not once per position: the
// result, a closure, lists in priority order the paths out of the entry, each
// a consuming instruction (or Match) and the slots set on the way. The context
// is what the assertions can see around the position (line ends, word units,
// the ends of the subject), so a closure holds wherever its context does.
//
// Units are read as classes (RegexUnitClasses), and a table remembers for each
// closure and class which of its paths can take such a unit: a step is one
// table read, one bit test, the path's slots, and a frame to come back to when
// another path could take the unit too. The closure itself is scanned only
// when the search comes back to a frame.
#pragma once

#include "words/RegexProgram.h"
#include "words/RegexUnitClasses.h"

#include <cstdint>
#include <string_view>
#include <vector>

class RegexBitState {
public:
    static bool CanRun(const RegexProgram& program, std::size_t subjectUnits);

    // The step table holds at most this many entries (3 MB); where it would
    // need more, the search scans the closures at every position.
    static constexpr std::size_t kMaxSteps = std::size_t{1} << 18;

    // The program must outlive the engine. maxSteps bounds the step table
    // (0: none, which only tests want).
    explicit RegexBitState(const RegexProgram& program, std::size_t maxSteps = kMaxSteps);

    // The subject must outlive the searches.
    void SetSubject(std::u16string_view subject);

    // As RegexPikeVm::Search, but slots holds nothing of use after a search
    // that found no match.
    bool Search(std::size_t from, std::vector<int>& slots);

private:
    // One path out of an entry point: target is a consuming instruction's
    // number among them, or kMatch, and m_classes.Members() from members on
    // tell the classes it takes; the slots m_saves[savesBegin..savesEnd) are
    // set to the position.
    struct Path {
        int target;
        int members;
        int savesBegin;
        int savesEnd;
    };
    // Paths m_paths[begin..end) of one entry point in one context; begin < 0
    // until first needed.
    struct Closure {
        int begin = -1;
        int end = -1;
    };
    // The paths m_paths[next..end) still to try at position p; undoing the
    // slot changes above undoHeight restores the slots as they stood.
    struct Frame {
        int next;
        int end;
        int p;
        int undoHeight;
    };
    struct Undo {
        int slot;
        int value;
    };
    // What a unit of one class does at one closure: target is that of the
    // first path that can take it, or kStepNone, or kStepUnknown (not yet
    // worked out), and savesBegin..savesEnd the slots that path sets; nextRow
    // is the table row of the target's closure when there is a single context
    // (without one, the row depends on the next position); the closure's
    // paths from alternative (-1: none) to end are the others that can take
    // the unit.
    struct Step {
        int target = kStepUnknown;
        int savesBegin = 0;
        int savesEnd = 0;
        int nextRow = -1;
        int alternative = -1;
        int end = 0;
    };

    static constexpr int kMatch = -1;
    static constexpr int kStepNone = -2;
    static constexpr int kStepUnknown = -3;

    bool TryAt(std::size_t start, int* slots);
    struct Scan {
        int path;
        std::size_t p;
    };
    Scan ScanFrom(std::size_t key, bool scanAll, std::size_t p, int* slots);
    void SetSlots(int savesBegin, int savesEnd, std::size_t p, int* slots);
    void LogSlots(int savesBegin, int savesEnd, const int* slots);
    bool Takes(const Path& path, int unitClass) const;
    int Context(std::size_t p) const;
    std::size_t KeyAt(int entry, std::size_t p) const;
    const Closure& ClosureOf(std::size_t key);
    int RowOf(std::size_t key) {
        const int row = m_rows[key];
        return row >= 0 ? row : MakeRow(key);
    }
    int MakeRow(std::size_t key);
    void WorkOutStep(std::size_t key, int unitClass, int row);

    const RegexProgram& m_program;
    std::vector<int> m_consumerOf; // per instruction: its number among the consuming ones, or -1
    std::size_t m_consumerCount = 0;
    RegexUnitClasses m_classes;
    // Entry 0 is the program's start, entry c + 1 follows consumer c.
    std::vector<int> m_entryPcs;
    int m_contextCount = 1;
    std::vector<Closure> m_closures; // by key: entry * m_contextCount + context
    std::vector<Path> m_paths;
    std::vector<int> m_saves;
    // Rows of 2^m_classBits steps, by class, each made when its closure is
    // first reached; none when the classes are too many.
    bool m_stepping = false;
    int m_classBits = 0;
    std::vector<int> m_rows; // by key; -1 until made
    std::vector<Step> m_steps;
    // Scratch for building closures.
    std::vector<int> m_stamps;
    int m_stamp = 0;
    std::vector<int> m_pending;
    std::vector<int> m_pathSaves;

    std::u16string_view m_subject;
    std::vector<std::uint64_t> m_visited; // bit p * consumers + consumer
    std::size_t m_matchEnd = 0;           // the furthest end of a match found since the marks were cleared
    std::vector<Frame> m_frames;
    std::vector<Undo> m_undo; // entries below m_undoTop are in use
    std::size_t m_undoTop = 0;
};
