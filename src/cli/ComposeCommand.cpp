// titlegen compose ROOTS --main 'WORD--COUNT' [--main ...] [--min 58] [--max 60]
//     [--pos-min 1] [--pos-max 15] [--banned FILE] [--seed N] [--shares]
// Runs a generation over the main-word lines and prints the titles as the
// result box would hold them, one per line; --shares then prints "--" and the
// rows with their share. The program's messages go to stderr, and any of them
// makes the exit code 1.
#include "cli/CliRootWords.h"
#include "cli/Subcommands.h"
#include "generate/GenerationRun.h"
#include "generate/MainWordSpec.h"
#include "generate/RandomGenerator.h"
#include "generate/RunResults.h"
#include "words/MemoryRowTable.h"
#include "words/RootWordList.h"

#include <charconv>
#include <optional>

namespace {

// The boxes of the main window, filled from the command line once.
class CommandLineInput : public TitleEngineInput {
public:
    CommandLineInput(const CliArguments& arguments, const RowTable& list) {
        for (const CliArgument* line : arguments.Values("main"))
            m_mainWordBox += (m_mainWordBox.empty() ? "" : "\r\n") + line->gbk;
        m_minimum = ValueOr(arguments, "min", "58");
        m_maximum = ValueOr(arguments, "max", "60");
        m_positionMinimum = ValueOr(arguments, "pos-min", "1");
        m_positionMaximum = ValueOr(arguments, "pos-max", "15");
        m_rows = ReadRootWords(list);
    }

    std::string MainWordBoxText() override { return m_mainWordBox; }
    std::string MinimumLengthText() override { return m_minimum; }
    std::string MaximumLengthText() override { return m_maximum; }
    std::string PositionMinimumText() override { return m_positionMinimum; }
    std::string PositionMaximumText() override { return m_positionMaximum; }
    std::vector<RootWord> RootWords() override { return m_rows; }
    const std::vector<RootWord>& Rows() const { return m_rows; }

private:
    static std::string ValueOr(const CliArguments& arguments, std::string_view name, const char* fallback) {
        const CliArgument* value = arguments.Value(name);
        return value ? value->gbk : fallback;
    }

    std::string m_mainWordBox;
    std::string m_minimum, m_maximum, m_positionMinimum, m_positionMaximum;
    std::vector<RootWord> m_rows;
};

class CommandLineReport : public TitleEngineReport {
public:
    explicit CommandLineReport(CliOutput& output) : m_output(output) {}

    void RunStarted(std::int32_t) override {}
    void TitleAccepted() override {}
    void SetStartCaption(const std::string&) override {}
    void ShowMessage(const RunMessage& message) override {
        m_output.Fail(message.text);
        m_messagesShown = true;
    }
    bool StopRequested() override { return false; }
    bool MessagesShown() const { return m_messagesShown; }

private:
    CliOutput& m_output;
    bool m_messagesShown = false;
};

std::optional<std::uint64_t> ParseSeed(const std::string& text) {
    std::uint64_t seed = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return seed;
}

void WriteTitles(const std::string& resultText, CliOutput& output) {
    std::string lines;
    for (std::size_t start = 0; start < resultText.size();) {
        std::size_t end = resultText.find("\r\n", start);
        if (end == std::string::npos)
            end = resultText.size();
        lines.append(resultText, start, end - start).append("\n");
        start = end + 2;
    }
    output.Write(lines);
}

} // namespace

int RunComposeCommand(std::span<const CliArgument> arguments, CliOutput& output) {
    const CliOption options[] = {kBannedOption,     {"main", true},    {"min", true},  {"max", true},
                                 {"pos-min", true}, {"pos-max", true}, {"seed", true}, {"shares", false}};
    CliArguments parsed;
    std::string error;
    if (!parsed.Parse(arguments, options, error))
        return output.Fail(error);

    RandomGenerator random;
    if (const CliArgument* seedText = parsed.Value("seed")) {
        std::optional<std::uint64_t> seed = ParseSeed(seedText->gbk);
        if (!seed)
            return output.Fail(Message("种子必须是非负整数：") + seedText->gbk);
        random.Seed(*seed);
    }

    MemoryRowTable list;
    int exitCode = 0;
    if (!LoadRootWordFile(parsed, list, output, exitCode))
        return exitCode;

    CommandLineInput input(parsed, list);
    if (std::optional<RunMessage> refused = CheckBeforeStart(input.MainWordBoxText(), input.Rows().size()))
        return output.Fail(refused->text);

    CommandLineReport report(output);
    GenerationRun run(input, report, random);
    if (run.Run() == GenerationRun::End::FormatError)
        return 1;

    RunResults results = CollectRunResults(run.State(), input.Rows());
    WriteTitles(results.resultText, output);
    if (parsed.Has("shares")) {
        output.Write("--\n");
        for (int row = 1; row <= list.RowCount(); ++row)
            list.SetCellText(row, kShareColumn, results.shares[static_cast<std::size_t>(row - 1)]);
        WriteRootWordRows(list, true, output);
    }
    return report.MessagesShown() ? 1 : 0;
}
