#include "cli/Subcommands.h"

namespace {

// titlegen load ROOTS [--banned FILE]      the rows as the import button loads them
// titlegen optimise ROOTS [--banned FILE]  the same rows after 词根优化
const Subcommand kSubcommands[] = {
    {"load", RunLoadCommand},
    {"optimise", RunOptimiseCommand},
};

} // namespace

std::span<const Subcommand> Subcommands() {
    return kSubcommands;
}
