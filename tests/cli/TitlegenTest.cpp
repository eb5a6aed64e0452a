// titlegen end to end: the built program run on small files written here.
#include "util/CodePage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

namespace fs = std::filesystem;

fs::path TitlegenPath() {
#ifdef _WIN32
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return fs::path(self).parent_path().parent_path().parent_path() / "src" / "cli" / "titlegen.exe";
#else
    return TC_TITLEGEN_PATH;
#endif
}

class Titlegen : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("titlegen-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path Write(const fs::path& name, std::string_view bytes) {
        fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    static std::string Quote(const fs::path& path) { return "\"" + path.string() + "\""; }

    // Runs titlegen with the arguments (already quoted where needed); stdout
    // and stderr come back as bytes.
    int Run(const std::string& arguments, std::string& out, std::string& err) {
        fs::path errFile = m_dir / "stderr.txt";
        std::string command = Quote(TitlegenPath()) + " " + arguments + " 2>" + Quote(errFile);
#ifdef _WIN32
        // cmd.exe strips the outer quotes of a command line that starts with one.
        command = "\"" + command + "\"";
        FILE* pipe = _wpopen(fs::path(Utf8ToUtf16(command)).c_str(), L"rb");
#else
        FILE* pipe = popen(command.c_str(), "r");
#endif
        EXPECT_NE(pipe, nullptr);
        out.clear();
        char buffer[4096];
        for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
#ifdef _WIN32
        int status = _pclose(pipe);
#else
        int status = pclose(pipe);
        status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
        std::ifstream errStream(errFile, std::ios::binary);
        err.assign(std::istreambuf_iterator<char>(errStream), std::istreambuf_iterator<char>());
        return status;
    }

    fs::path m_dir;
};

TEST_F(Titlegen, LoadAndOptimise) {
    fs::path weighted =
        Write("weighted.txt", Utf8ToGbk("连衣裙\t250\r\n修身\t5\r\n连衣裙女\t30\r\n百搭\r\n"));
    fs::path utf8 = Write("utf8.txt", "\xEF\xBB\xBF连衣裙\n修身\n连衣裙\n");
    fs::path banned = Write("banned.txt", Utf8ToGbk("修身\n"));
    const struct {
        std::string arguments;
        std::string out;
    } cases[] = {
        {"load " + Quote(weighted), "1\t连衣裙\t100\n2\t修身\t2\n3\t连衣裙女\t12\n"},
        {"load " + Quote(utf8), "1\t连衣裙\t1\n2\t修身\t1\n"},
        {"load " + Quote(weighted) + " --banned " + Quote(banned), "1\t连衣裙\t100\n2\t连衣裙女\t12\n"},
        {"--encoding utf8 load " + Quote(utf8), "1\t连衣裙\t1\n2\t修身\t1\n"},
        {"optimise " + Quote(weighted), "1\t连衣裙女\t12\n2\t修身\t2\n"},
        {"optimise --banned " + Quote(banned) + " " + Quote(weighted), "1\t连衣裙女\t12\n"},
    };
    for (const auto& c : cases) {
        std::string out, err;
        EXPECT_EQ(Run(c.arguments, out, err), 0) << c.arguments << "\n" << err;
        EXPECT_EQ(out, c.out) << c.arguments;
        EXPECT_EQ(err, "") << c.arguments;
    }
}

TEST_F(Titlegen, GbkOutputAndChineseFileNames) {
    fs::path file = Write(fs::path(Utf8ToUtf16("词根.txt")), Utf8ToGbk("连衣裙\t5\r\n"));
    std::string out, err;
#ifdef _WIN32
    std::string name = GbkToUtf8(WideToGbk(file.wstring()));
#else
    std::string name = file.string();
#endif
    ASSERT_EQ(Run("load \"" + name + "\" --encoding gbk", out, err), 0) << err;
    EXPECT_EQ(out, "1\t\xC1\xAC\xD2\xC2\xC8\xB9\t5\n"); // 连衣裙 in GBK
}

TEST_F(Titlegen, Failures) {
    fs::path file = Write("a.txt", "a\r\n");
    const struct {
        std::string arguments;
        std::string message; // the start of stderr
    } cases[] = {
        {"", "用法：titlegen load|optimise"},
        {"compile", "未知的子命令：compile"},
        {"load", "请给出一个词根文件"},
        {"load " + Quote(m_dir / "missing.txt"), "无法读取文件："},
        {"load " + Quote(file) + " --banned " + Quote(m_dir / "missing.txt"), "无法读取文件："},
        {"load " + Quote(file) + " --banned", "选项缺少参数：--banned"},
        {"load " + Quote(file) + " --colour red", "未知的选项：--colour"},
        {"load " + Quote(file) + " --encoding latin1", "未知的编码：latin1"},
    };
    for (const auto& c : cases) {
        std::string out, err;
        EXPECT_EQ(Run(c.arguments, out, err), 1) << c.arguments;
        EXPECT_EQ(err.substr(0, c.message.size()), c.message) << c.arguments << "\n" << err;
        EXPECT_EQ(out, "") << c.arguments;
    }
}

} // namespace
