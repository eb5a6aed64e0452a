// What every titlegen subcommand shares: its arguments in GBK (with the path
// each one names, in the system's own form), option parsing, reading files,
// and output in the chosen encoding.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct CliArgument {
    std::string gbk;            // the text, for the program's use
    std::filesystem::path path; // the same argument as a file name, unconverted
};

// An option a subcommand accepts: "--name VALUE" or, without a value, a flag.
// A repeated option keeps every value.
struct CliOption {
    std::string_view name;
    bool takesValue;
};

class CliArguments {
public:
    // False with a message (GBK) for an unknown option or a missing value.
    bool Parse(std::span<const CliArgument> arguments, std::span<const CliOption> accepted,
               std::string& error);

    const std::vector<CliArgument>& Positional() const { return m_positional; }
    bool Has(std::string_view name) const;
    // The last value given, or nullptr.
    const CliArgument* Value(std::string_view name) const;
    std::vector<const CliArgument*> Values(std::string_view name) const;

private:
    std::vector<CliArgument> m_positional;
    std::vector<std::pair<std::string, CliArgument>> m_options;
};

enum class CliEncoding { Utf8, Gbk };

// Writes the program's GBK text to stdout and stderr in the chosen encoding.
class CliOutput {
public:
    explicit CliOutput(CliEncoding encoding) : m_encoding(encoding) {}
    void Write(std::string_view gbk);
    // Writes the message and a line end to stderr; returns the exit code 1.
    int Fail(std::string_view gbk);

private:
    std::string Encode(std::string_view gbk) const;
    CliEncoding m_encoding;
};

// The program's messages are written here in UTF-8 and used as GBK.
std::string Message(std::string_view utf8);

// The folder that holds the running program.
std::filesystem::path ExecutableDirectory();

// The whole file; false when it cannot be read.
bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes);
