#include "cli/CliRootWords.h"
#include "cli/Subcommands.h"
#include "words/MemoryRowTable.h"

int RunLoadCommand(std::span<const CliArgument> arguments, CliOutput& output) {
    const CliOption accepted[] = {kBannedOption};
    CliArguments parsed;
    std::string error;
    if (!parsed.Parse(arguments, accepted, error))
        return output.Fail(error);
    MemoryRowTable list;
    int exitCode = 0;
    if (!LoadRootWordFile(parsed, list, output, exitCode))
        return exitCode;
    WriteRootWordRows(list, false, output);
    return 0;
}
