// Runs a RegexProgram by trying alternatives one after another, for the
// patterns the Pike VM cannot run: back-references, and groups inside (?=...)
// whose text the rest of the match uses. Such patterns can take exponential
// time, so every search counts its steps against a budget; a search that runs
// out ends as no match and the budget stays spent.
#pragma once

#include "words/RegexProgram.h"

#include <cstdint>
#include <string_view>
#include <vector>

class RegexBacktracker {
public:
    // The program must outlive the backtracker.
    explicit RegexBacktracker(const RegexProgram& program);

    // The subject must outlive the searches; the budget covers all searches
    // until the next SetSubject.
    void SetSubject(std::u16string_view subject, std::uint64_t stepBudget);

    // As RegexPikeVm::Search; false also when the budget ran out.
    bool Search(std::size_t from, std::vector<int>& slots);
    bool Exhausted() const { return m_exhausted; }

private:
    // What to undo or retry when a path fails, newest last.
    struct Frame {
        enum class Kind : unsigned char { Retry, RestoreSlot, RestoreRegister } kind;
        int index; // Retry: pc; otherwise the slot or register
        int value; // Retry: position; otherwise the old value
    };

    bool Run(int pc, std::size_t p);
    bool RunLookahead(int index, std::size_t p);
    bool MatchBackReference(int group, std::size_t& p) const;

    const RegexProgram& m_program;
    std::u16string_view m_subject;
    std::vector<Frame> m_stack;
    std::vector<int> m_slots;
    std::vector<int> m_registers;
    std::uint64_t m_steps = 0;
    std::uint64_t m_budget = 0;
    bool m_exhausted = false;
};
