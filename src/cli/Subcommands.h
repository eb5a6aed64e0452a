// The subcommands of titlegen: each is one function in its own file, listed in
// the table of Subcommands.cpp. A new subcommand is one more file and one more
// row.
#pragma once

#include "cli/CommandLine.h"

#include <span>
#include <string_view>

// Runs with the arguments after the subcommand's name (--encoding already
// taken out); returns the exit code.
using SubcommandFunction = int (*)(std::span<const CliArgument> arguments, CliOutput& output);

struct Subcommand {
    std::string_view name;
    SubcommandFunction run;
};

std::span<const Subcommand> Subcommands();

int RunLoadCommand(std::span<const CliArgument> arguments, CliOutput& output);
int RunOptimiseCommand(std::span<const CliArgument> arguments, CliOutput& output);
