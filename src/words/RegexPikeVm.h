// Runs a RegexProgram without backtracking: all threads advance together over
// the subject, one step per unit, and no instruction runs twice at one
// position, so a search takes time linear in the subject (times the program
// size) whatever the pattern. Threads are kept in priority order, which gives
// the leftmost match that a backtracking engine would report, with the same
// groups. Lookaheads are looked up in tables built by one backward pass of
// their body over the whole subject.
#pragma once

#include "words/RegexProgram.h"

#include <cstdint>
#include <string_view>
#include <vector>

class RegexPikeVm {
public:
    // The program must not need backtracking and must outlive the VM.
    explicit RegexPikeVm(const RegexProgram& program);

    // The subject must outlive the searches; a new subject drops the
    // lookahead tables.
    void SetSubject(std::u16string_view subject);

    // The leftmost match that starts at or after from: slots receives
    // slotCount positions (-1 for a group that took no part).
    bool Search(std::size_t from, std::vector<int>& slots);

private:
    // The states reached at one position: a sparse set over all instructions
    // (so that none is visited twice) and, in priority order, the threads
    // waiting at a consuming instruction or at Match, with their slots.
    struct ThreadList {
        std::vector<int> sparse;
        std::vector<int> dense;
        int visited = 0;
        std::vector<int> threadPcs;
        std::vector<int> threadSlots;

        void Init(std::size_t programSize);
        void Clear() {
            visited = 0;
            threadPcs.clear();
            threadSlots.clear();
        }
        bool Visit(int pc) {
            int index = sparse[static_cast<std::size_t>(pc)];
            if (index < visited && dense[static_cast<std::size_t>(index)] == pc)
                return false;
            sparse[static_cast<std::size_t>(pc)] = visited;
            dense[static_cast<std::size_t>(visited++)] = pc;
            return true;
        }
    };

    // A pending closure step: continue at pc, or (slot >= 0) put a slot back.
    struct Pending {
        int pc;
        int slot;
        int value;
    };

    void AddThread(ThreadList& list, int pc, std::size_t p, const int* slots);
    void Step(ThreadList& current, ThreadList& next, std::size_t p);
    bool LookaheadHolds(int index, std::size_t p);
    void BuildLookaheadTable(int index);
    void AddState(ThreadList& list, std::vector<int>& stack, int pc, std::size_t p);

    const RegexProgram& m_program;
    std::u16string_view m_subject;
    ThreadList m_current;
    ThreadList m_next;
    std::vector<Pending> m_stack;
    std::vector<int> m_work;
    std::vector<int> m_initial;
    std::vector<int> m_matchSlots;
    bool m_matched = false;
    // Per lookahead: built for the current subject, and one bit per position.
    std::vector<bool> m_tableBuilt;
    std::vector<std::vector<std::uint64_t>> m_tables;
};
