// Root-word files for the subcommands: ROOTS and an optional --banned FILE,
// loaded as the import button loads them, and the rows printed back.
#pragma once

#include "cli/CommandLine.h"
#include "words/RowTable.h"

// The option the root-word subcommands accept.
inline constexpr CliOption kBannedOption{"banned", true};
inline constexpr char8_t kBannedWordFileName[] = u8"违规词.txt";

// Loads the file of the one positional argument into the (empty) list, with
// the banned words of --banned when given, else those of "违规词.txt" beside
// the program when there is one.
// False after writing the failure to output.
bool LoadRootWordFile(const CliArguments& arguments, RowTable& list, CliOutput& output, int& exitCode);

// "ID TAB word TAB weight" per row, and TAB share when withShare.
void WriteRootWordRows(const RowTable& list, bool withShare, CliOutput& output);
