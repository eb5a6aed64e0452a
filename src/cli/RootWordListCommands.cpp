// titlegen load and titlegen optimise: the list as the import button loads it,
// optimised or not, printed one row per line.
#include "cli/CliRootWords.h"
#include "cli/Subcommands.h"
#include "words/MemoryRowTable.h"
#include "words/RootWordCommands.h"

namespace {

int LoadAndPrint(std::span<const CliArgument> arguments, CliOutput& output, bool optimise) {
    const CliOption accepted[] = {kBannedOption};
    CliArguments parsed;
    std::string error;
    if (!parsed.Parse(arguments, accepted, error))
        return output.Fail(error);
    MemoryRowTable list;
    int exitCode = 0;
    if (!LoadRootWordFile(parsed, list, output, exitCode))
        return exitCode;
    if (optimise)
        OptimiseRootWords(list);
    WriteRootWordRows(list, false, output);
    return 0;
}

} // namespace

int RunLoadCommand(std::span<const CliArgument> arguments, CliOutput& output) {
    return LoadAndPrint(arguments, output, false);
}

int RunOptimiseCommand(std::span<const CliArgument> arguments, CliOutput& output) {
    return LoadAndPrint(arguments, output, true);
}
