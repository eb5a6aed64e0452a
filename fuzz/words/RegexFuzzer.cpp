// The regular-expression parser and engines on arbitrary patterns and
// subjects: no crash, no hang, the engines agree with one another, and with
// the backtracking oracle wherever the oracle is cheap enough to run.
#include "words/RegexBacktracker.h"
#include "words/RegexBitState.h"
#include "words/RegexMatcher.h"
#include "words/RegexParser.h"
#include "words/RegexPikeVm.h"
#include "words/RegexProgram.h"

#include "words/RegexOracle.h"

#include <cstdint>
#include <cstdlib>
#include <string>

// Byte 0: options; byte 1: the pattern's length in units; then the pattern and
// the subject, two bytes per unit, with bytes below 0x80 taken as ASCII units
// so that short inputs make readable patterns.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const bool ignoreCase = data[0] & 1;
    const bool multiLine = data[0] & 2;
    std::u16string units;
    for (std::size_t i = 2; i < size; ++i) {
        if (data[i] < 0x80 || i + 1 >= size) {
            units += static_cast<char16_t>(data[i] & 0x7F);
        } else {
            units += static_cast<char16_t>((data[i] & 0x7F) << 8 | data[i + 1]);
            ++i;
        }
    }
    std::size_t patternLength = std::min<std::size_t>(data[1] % 48, units.size());
    std::u16string pattern = units.substr(0, patternLength);
    std::u16string subject = units.substr(patternLength);

    RegexTree tree;
    if (!ParseRegex(pattern, tree))
        return 0;
    RegexProgram program;
    if (!CompileRegex(tree, ignoreCase, multiLine, program))
        return 0;
    std::vector<std::vector<int>> found;
    bool exhausted = false;
    if (program.needsBacktracking) {
        RegexBacktracker engine(program);
        engine.SetSubject(subject, 200'000);
        found = FindAllWith(engine, subject.size());
        exhausted = engine.Exhausted();
    } else {
        RegexPikeVm engine(program);
        engine.SetSubject(subject);
        found = FindAllWith(engine, subject.size());
        // The bit-state engine, with its step table and without, must find
        // the same on any subject.
        if (RegexBitState::CanRun(program, subject.size())) {
            for (std::size_t maxSteps : {RegexBitState::kMaxSteps, std::size_t{0}}) {
                RegexBitState bitState(program, maxSteps);
                bitState.SetSubject(subject);
                if (FindAllWith(bitState, subject.size()) != found)
                    std::abort();
            }
        }
    }
    // The oracle backtracks without a budget: only where that stays small.
    if (!exhausted && subject.size() <= 12 && tree.nodes.size() <= 24) {
        RegexOracle oracle(tree, ignoreCase, multiLine);
        if (oracle.FindAll(subject, true) != found)
            std::abort();
    }
    return 0;
}
