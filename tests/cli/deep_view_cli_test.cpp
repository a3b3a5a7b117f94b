#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "files/parameter_file.h"
#include "files/text_parameters.h"

namespace zoquel {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class DeepViewCli : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              (std::string("zoquel-deep-cli-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    int run(const std::string& args, std::string* err = nullptr) {
        const fs::path e = dir / "stderr.txt";
        const std::string cmd = std::string(ZOQUEL_RENDER_BINARY) + " " + args + " 2>" + e.string();
        const int rc = std::system(cmd.c_str());
        if (err) *err = slurp(e);
        return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    }
    std::string at(const std::string& name) { return (dir / name).string(); }
    fs::path dir;
};

// Eighty digits of the centre, past 1e-300: the text file and the PNG bring back the view
// exactly, and with it the same image.
TEST_F(DeepViewCli, TextFileAndPngCarryTheDeepViewExactly) {
    const std::string re = "-0.00000000000000000000000000000000000000000000000000000000000000000000000000001234567";
    const std::string im = "1.0000000000000000000000000000000000000000000000000000000000000000000000000000000123";
    const std::string opts = "--type 0 --size 48x40 --maxiter 40000 --center " + re + "," + im + " --width 3.5e-301";
    ASSERT_EQ(run(opts + " -o " + at("a.tga") + " -o " + at("a.png") + " --save-params " + at("a.zqt")), 0);
    const std::string text = slurp(at("a.zqt"));
    EXPECT_NE(text.find("deep_re = " + re + "\n"), std::string::npos) << text;
    EXPECT_NE(text.find("deep_im = " + im + "\n"), std::string::npos);
    EXPECT_NE(text.find("deep_width = 3.5e-301\n"), std::string::npos);
    EXPECT_NE(text.find("deep_maxiter = 40000\n"), std::string::npos);
    EXPECT_NE(text.find("maxiter = 16384\n"), std::string::npos);

    ASSERT_EQ(run(at("a.zqt") + " -o " + at("from_text.tga") + " --save-params " + at("b.zqt")), 0);
    ASSERT_EQ(run(at("a.png") + " -o " + at("from_png.tga")), 0);
    EXPECT_EQ(slurp(at("a.tga")), slurp(at("from_text.tga")));
    EXPECT_EQ(slurp(at("a.tga")), slurp(at("from_png.tga")));
    EXPECT_EQ(text, slurp(at("b.zqt")));

    // Without its deep lines the same file is the view of its nearest doubles.
    Settings s;
    ASSERT_FALSE(load_text_parameters(at("a.zqt"), s));
    ASSERT_TRUE(s.deep);
    EXPECT_EQ(s.deep->re, re);
    EXPECT_EQ(s.maxiter, 40000);
}

// The binary record cannot hold a deep view: it keeps the nearest doubles and the dialog's
// largest limit, and loads as an ordinary view.
TEST_F(DeepViewCli, BinaryRecordKeepsTheNearestDoubles) {
    ASSERT_EQ(run("--type 0 --size 40x40 --maxiter 20000 --center -0.75,0.1 --width 1e-9 --save-zq " + at("a.zq") +
                  " -o " + at("a.tga")),
              0);
    Settings s;
    ASSERT_EQ(loadzq(at("a.zq"), s), kZqOk);
    EXPECT_FALSE(s.deep);
    EXPECT_EQ(s.maxiter, 16384);
    EXPECT_NEAR(s.view().xmin, -0.75 - 0.5e-9, 1e-20);
    EXPECT_NEAR(s.view().ymax, 0.1 + 0.5e-9, 1e-20);
}

TEST_F(DeepViewCli, WidthsATypeCannotResolveAndLongLimitsOutsideDeepViewsAreRefused) {
    struct Case {
        std::string args, message;
    } cases[] = {
        {"--type 1 --center 0,0 --width 1e-20", "cannot resolve a width of 1e-20"},
        {"--type 0 --center 0,1", "--center and --width go together"},
        {"--type 0 --center 0,1 --width -1e-5", "must be decimal numbers, the width positive"},
        {"--type 0 --center 0x1p3,1 --width 1e-5", "must be decimal numbers"},
        {"--type 0 --maxiter 50000", "iteration range"},
        {"--type 0 --maxiter 10000001 --center 0,1 --width 1e-300", "iteration range"},
        {"--type 0 --param 3=3 --center 0,1 --width 1e-300", "cannot resolve a width of 1e-300"},
        {"--type 0 --view -2,1,-1.5,1.5 --center 0,1 --width 1e-300", "give one of them"},
    };
    for (const Case& c : cases) {
        std::string err;
        EXPECT_EQ(run(c.args + " -o " + at("x.tga"), &err), 2) << c.args;
        EXPECT_NE(err.find(c.message), std::string::npos) << c.args << ": " << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_FALSE(fs::exists(at("x.tga"))) << c.args;
    }
    // A width the type resolves in doubles is its view, with square pixels.
    ASSERT_EQ(run("--type 1 --size 40x33 --center 0.5,0 --width 2 --save-params " + at("n.zqt") + " -o " + at("n.tga")), 0);
    const std::string text = slurp(at("n.zqt"));
    EXPECT_NE(text.find("xmin = -0.5\n"), std::string::npos) << text;
    EXPECT_NE(text.find("ymax = 0.8205128205128205\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("deep_re"), std::string::npos);
}

}  // namespace
}  // namespace zoquel
