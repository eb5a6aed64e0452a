#include "cli/CommandLine.h"

#include "util/CodePage.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#endif

bool CliArguments::Parse(std::span<const CliArgument> arguments, std::span<const CliOption> accepted,
                         std::string& error) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& text = arguments[i].gbk;
        if (text.size() < 3 || text.compare(0, 2, "--") != 0) {
            m_positional.push_back(arguments[i]);
            continue;
        }
        std::string name = text.substr(2);
        const CliOption* option = nullptr;
        for (const CliOption& candidate : accepted) {
            if (candidate.name == name)
                option = &candidate;
        }
        if (!option) {
            error = Message("未知的选项：") + text;
            return false;
        }
        if (!option->takesValue) {
            m_options.emplace_back(name, CliArgument{});
            continue;
        }
        if (i + 1 >= arguments.size()) {
            error = Message("选项缺少参数：") + text;
            return false;
        }
        m_options.emplace_back(name, arguments[++i]);
    }
    return true;
}

bool CliArguments::Has(std::string_view name) const {
    return Value(name) != nullptr;
}

const CliArgument* CliArguments::Value(std::string_view name) const {
    const CliArgument* found = nullptr;
    for (const auto& [optionName, value] : m_options) {
        if (optionName == name)
            found = &value;
    }
    return found;
}

std::vector<const CliArgument*> CliArguments::Values(std::string_view name) const {
    std::vector<const CliArgument*> values;
    for (const auto& [optionName, value] : m_options) {
        if (optionName == name)
            values.push_back(&value);
    }
    return values;
}

std::string CliOutput::Encode(std::string_view gbk) const {
    return m_encoding == CliEncoding::Utf8 ? GbkToUtf8(gbk) : std::string(gbk);
}

void CliOutput::Write(std::string_view gbk) {
    std::string bytes = Encode(gbk);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

int CliOutput::Fail(std::string_view gbk) {
    std::string bytes = Encode(gbk) + "\n";
    std::fflush(stdout);
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
    return 1;
}

std::string Message(std::string_view utf8) {
    return Utf8ToGbk(utf8);
}

bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

std::filesystem::path ExecutableDirectory() {
#ifdef _WIN32
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return std::filesystem::path(path).parent_path();
#else
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self.parent_path();
#endif
}
