// titlegen, the command-line composer: titlegen SUBCOMMAND ARGUMENTS
// [--encoding utf8|gbk]. Arguments arrive in the terminal's encoding (UTF-8
// here, UTF-16 on Windows) and are used as GBK; output is UTF-8 unless
// --encoding gbk.
#include "cli/CommandLine.h"
#include "cli/Subcommands.h"

#include "util/CodePage.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#endif

namespace {

std::vector<CliArgument> ReadArguments([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
    std::vector<CliArgument> arguments;
#ifdef _WIN32
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back({WideToGbk(wide[i]), std::filesystem::path(wide[i])});
    LocalFree(wide);
    // Output is bytes in the chosen encoding; no LF to CR LF translation.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#else
    for (int i = 1; i < argc; ++i)
        arguments.push_back({Utf8ToGbk(argv[i]), std::filesystem::path(argv[i])});
#endif
    return arguments;
}

// Takes --encoding out of the arguments wherever it stands.
bool TakeEncoding(std::vector<CliArgument>& arguments, CliEncoding& encoding, std::string& error) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i].gbk != "--encoding")
            continue;
        if (i + 1 >= arguments.size()) {
            error = Message("选项缺少参数：--encoding");
            return false;
        }
        const std::string& value = arguments[i + 1].gbk;
        if (value == "gbk" || value == "GBK") {
            encoding = CliEncoding::Gbk;
        } else if (value == "utf8" || value == "utf-8" || value == "UTF-8") {
            encoding = CliEncoding::Utf8;
        } else {
            error = Message("未知的编码：") + value;
            return false;
        }
        arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i),
                        arguments.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        --i;
    }
    return true;
}

std::string Usage() {
    std::string names;
    for (const Subcommand& subcommand : Subcommands())
        names += (names.empty() ? "" : "|") + std::string(subcommand.name);
    return Message("用法：titlegen ") + names + Message(" 参数… [--encoding utf8|gbk]");
}

} // namespace

int main(int argc, char** argv) {
    std::vector<CliArgument> arguments = ReadArguments(argc, argv);
    CliEncoding encoding = CliEncoding::Utf8;
    std::string error;
    if (!TakeEncoding(arguments, encoding, error))
        return CliOutput(CliEncoding::Utf8).Fail(error);
    CliOutput output(encoding);
    if (arguments.empty())
        return output.Fail(Usage());
    for (const Subcommand& subcommand : Subcommands()) {
        if (subcommand.name == arguments[0].gbk)
            return subcommand.run(std::span<const CliArgument>(arguments).subspan(1), output);
    }
    return output.Fail(Message("未知的子命令：") + arguments[0].gbk + "\n" + Usage());
}
