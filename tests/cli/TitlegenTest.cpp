// titlegen end to end: the built program run on small files written here.
#include "util/CodePage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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

// Without --banned, the banned-word file beside titlegen applies, as beside the program.
TEST_F(Titlegen, BannedWordsBesideTheProgram) {
    fs::path roots = Write("roots.txt", Utf8ToGbk("连衣裙\r\n修身\r\n"));
    fs::path beside = TitlegenPath().parent_path() / fs::path(u8"违规词.txt");
    std::ofstream(beside, std::ios::binary) << Utf8ToGbk("修身\r\n");
    std::string out, err;
    int status = Run("load " + Quote(roots), out, err);
    fs::remove(beside);
    EXPECT_EQ(status, 0) << err;
    EXPECT_EQ(out, "1\t连衣裙\t1\n");
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
        {"", "用法：titlegen load|optimise|compose"},
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

// Twenty root words with weights 1..7, as a seller's file would hold them.
std::string SellerRoots() {
    const char* words[] = {"修身", "百搭", "韩版", "显瘦", "长款", "气质", "复古", "收腰", "雪纺", "碎花",
                           "法式", "小个子", "高腰", "宽松", "甜美", "名媛", "chic", "a字", "夏季", "新款"};
    std::string text;
    for (int i = 0; i < 20; ++i)
        text += words[i] + std::string("\t") + std::to_string(i % 7 + 1) + "\r\n";
    return Utf8ToGbk(text);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// A seed gives the same titles on every run and on both builds: these are pinned.
TEST_F(Titlegen, ComposeWithASeedIsReproducible) {
    fs::path roots = Write("roots.txt", SellerRoots());
    const std::string arguments = "compose " + Quote(roots) + " --main 连衣裙--5 --min 20 --max 24 --seed 7";
    std::string out, err;
    ASSERT_EQ(Run(arguments, out, err), 0) << err;
    EXPECT_EQ(out, "长款连衣裙高腰a字复古\n"
                   "夏季长款连衣裙宽松新款\n"
                   "甜美复古连衣裙夏季小个子\n"
                   "韩版连衣裙高腰法式宽松\n"
                   "复古显瘦宽松连衣裙小个子\n");
    std::string again;
    Run(arguments, again, err);
    EXPECT_EQ(again, out);
}

TEST_F(Titlegen, ComposeMakesTitlesOfTheLengthAskedFor) {
    fs::path roots = Write("roots.txt", SellerRoots());
    std::string out, err;
    ASSERT_EQ(Run("compose " + Quote(roots) + " --main 连衣裙--30 --main 半身裙--20 --seed 1 --shares", out, err), 0)
        << err;
    std::vector<std::string> lines = Lines(out);
    ASSERT_EQ(lines.size(), 30u + 20u + 1u + 20u) << "titles, the separator, one row per root word";
    for (std::size_t i = 0; i < 50; ++i) {
        std::string title = Utf8ToGbk(lines[i]);
        EXPECT_GE(title.size(), 58u) << lines[i];
        EXPECT_LE(title.size(), 60u) << lines[i];
        EXPECT_NE(lines[i].find(i < 30 ? "连衣裙" : "半身裙"), std::string::npos) << lines[i];
    }
    EXPECT_EQ(lines[50], "--");
    EXPECT_EQ(lines[51].substr(0, 11), "1\t修身\t1\t");
}

TEST_F(Titlegen, ComposeFailures) {
    fs::path roots = Write("roots.txt", SellerRoots());
    fs::path few = Write("few.txt", Utf8ToGbk("修身\r\n百搭\r\n"));
    const struct {
        std::string arguments;
        std::string message;
        bool titles; // titles of other lines still come out
    } cases[] = {
        {"compose " + Quote(roots), "商品主词未设置或格式错误，请检查！", false},
        {"compose " + Quote(roots) + " --main 连衣裙", "商品主词未设置或格式错误，请检查！", false},
        {"compose " + Quote(few) + " --main 连衣裙--5", "词根数量不够，至少15个以上，请增加后重试", false},
        {"compose " + Quote(roots) + " --main 连衣裙--5 --main abc--", "商品主词与生成数量格式不正确，请检查！", false},
        {"compose " + Quote(roots) + " --main 连衣裙--5 --min 200 --max 210", "组合失败，请检查商品主词和词根的字数是否符合要求",
         false},
        {"compose " + Quote(roots) + " --main 连衣裙--5 --main 半身裙--5 --pos-min 30 --pos-max 30", "组合失败", false},
        {"compose " + Quote(roots) + " --main 连衣裙--5 --seed -3", "种子必须是非负整数：-3", false},
    };
    for (const auto& c : cases) {
        std::string out, err;
        EXPECT_EQ(Run(c.arguments, out, err), 1) << c.arguments;
        EXPECT_EQ(err.substr(0, c.message.size()), c.message) << c.arguments << "\n" << err;
        EXPECT_EQ(!out.empty(), c.titles) << c.arguments;
    }
}

} // namespace
