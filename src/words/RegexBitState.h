// Runs a RegexProgram by backtracking in priority order while remembering
// every (instruction, position) it has tried: a state tried once has failed
// (or is on the path that matched), so nothing runs twice and a search takes
// time linear in the subject, like the Pike VM, but with far less work per
// step, since no thread list or copy of the groups is kept. Valid for the
// programs the Pike VM runs (no state depends on more than its instruction and
// position) that hold no lookahead, and where one bit per instruction and
// position fits the memory limit.
#pragma once

#include "words/RegexProgram.h"

#include <cstdint>
#include <string_view>
#include <vector>

class RegexBitState {
public:
    static bool CanRun(const RegexProgram& program, std::size_t subjectUnits);

    // The program must outlive the engine.
    explicit RegexBitState(const RegexProgram& program);

    // The subject must outlive the searches.
    void SetSubject(std::u16string_view subject);

    // As RegexPikeVm::Search.
    bool Search(std::size_t from, std::vector<int>& slots);

private:
    // Try pc at position p, or (slot >= 0) put a slot back.
    struct Job {
        int pc;
        int p;
        int slot;
        int value;
    };

    bool TryAt(std::size_t start);
    bool CannotConsume(int pc, std::size_t p) const;
    bool Visit(int pc, std::size_t p);
    void ClearVisited();

    const RegexProgram& m_program;
    // Per instruction: the consuming instruction it reaches through Save and
    // Jump alone, or -1.
    std::vector<int> m_consumer;
    std::u16string_view m_subject;
    std::vector<std::uint64_t> m_visited; // bit (p - m_base) * size + pc
    std::size_t m_base = 0;
    std::size_t m_furthest = 0;
    std::vector<Job> m_jobs;
    std::vector<int> m_slots;
};
