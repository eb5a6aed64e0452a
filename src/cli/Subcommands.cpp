#include "cli/Subcommands.h"

namespace {

// titlegen load ROOTS [--banned FILE]      the rows as the import button loads them
//     (without --banned, "违规词.txt" beside titlegen bans words, as beside the program)
// titlegen optimise ROOTS [--banned FILE]  the same rows after 词根优化
// titlegen compose ROOTS --main WORD--COUNT ...  the titles of a generation run
const Subcommand kSubcommands[] = {
    {"load", RunLoadCommand},
    {"optimise", RunOptimiseCommand},
    {"compose", RunComposeCommand},
};

} // namespace

std::span<const Subcommand> Subcommands() {
    return kSubcommands;
}
