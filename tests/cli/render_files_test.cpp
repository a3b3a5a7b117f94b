#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <complex>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "files/parameter_file.h"
#include "files/text_parameters.h"
#include "model/palettes.h"

namespace zoquel {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class RenderFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              (std::string("zoquel-cli-files-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Exit status, with standard error in `err`.
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

TEST_F(RenderFiles, ASavedParameterFileReproducesTheImageByteForByte) {
    const std::string opts = "--size 48x40 --type 0 --method 1 --param 1=-0.122 --param 2=0.745 --outside 2 --maxiter 300";
    ASSERT_EQ(run(opts + " --palette greyscale --save-zq " + at("a.zq") + " -o " + at("a.tga")), 0);
    ASSERT_EQ(fs::file_size(at("a.zq")), kZqRecordSize);

    Settings s;
    ASSERT_EQ(loadzq(at("a.zq"), s), kZqOk);
    EXPECT_EQ(s.ftype, 0);
    EXPECT_EQ(s.method, 1);
    EXPECT_EQ(s.maxiter, 300);
    EXPECT_EQ(s.outside, 2);
    EXPECT_EQ(s.params().jcx, -0.122);
    EXPECT_EQ(s.palette[200], (Rgb{200, 200, 200}));

    std::string err;
    ASSERT_EQ(run(at("a.zq") + " --size 48x40 -o " + at("b.tga"), &err), 0) << err;
    EXPECT_EQ(slurp(at("a.tga")), slurp(at("b.tga")));
}

// The introduction's last picture, written headless: frames, and inside them every pixel the
// Mandelbrot set at 128 iterations gives it in the default palette.
TEST_F(RenderFiles, TheIntroductionEndsOnTheSetAtItsLastLimit) {
    std::string err;
    ASSERT_EQ(run("--intro -o " + at("intro.tga"), &err), 0) << err;
    const std::string tga = slurp(at("intro.tga"));
    ASSERT_EQ(tga.size(), 18u + 600 * 600 * 3 + 26);
    const auto rgb = [&tga](int x, int y) {
        const std::size_t at = 18 + (std::size_t(y) * 600 + std::size_t(x)) * 3;
        return Rgb{std::uint8_t(tga[at + 2]), std::uint8_t(tga[at + 1]), std::uint8_t(tga[at])};
    };
    EXPECT_EQ(rgb(0, 300), (Rgb{215, 225, 235}));
    EXPECT_EQ(rgb(10, 300), (Rgb{165, 175, 185}));
    for (int y = 12; y < 588; ++y)
        for (int x = 12; x < 588; ++x) {
            const std::complex<double> c(x * 3.4 / 599 - 2.3, (599 - y) * 3.4 / 599 - 1.7);
            std::complex<double> z = 0;
            int n = 0;
            for (; n < 128 && std::abs(z) <= 16; ++n) z = z * z + c;
            const Rgb want = default_palette()[std::abs(z) > 16 ? std::size_t(n % 255 + 1) : 0];
            ASSERT_EQ(rgb(x, y), want) << x << "," << y;
        }
}

TEST_F(RenderFiles, OptionsOverrideTheParameterFile) {
    ASSERT_EQ(run("--size 40x40 --maxiter 50 --save-zq " + at("a.zq") + " -o " + at("a.tga")), 0);
    ASSERT_EQ(run(at("a.zq") + " --size 40x40 --maxiter 400 --save-zq " + at("b.zq") + " -o " + at("b.tga")), 0);
    Settings s;
    ASSERT_EQ(loadzq(at("b.zq"), s), kZqOk);
    EXPECT_EQ(s.maxiter, 400);
    EXPECT_NE(slurp(at("a.tga")), slurp(at("b.tga")));
}

TEST_F(RenderFiles, APaletteMapIsReadAndBadFilesAreRefused) {
    {
        std::ofstream map(at("red.map"));
        for (int i = 0; i < 256; ++i) map << "255 0 0  all red\n";
    }
    ASSERT_EQ(run("--size 40x40 --palette " + at("red.map") + " --save-zq " + at("r.zq") + " -o " + at("r.tga")), 0);
    Settings s;
    ASSERT_EQ(loadzq(at("r.zq"), s), kZqOk);
    EXPECT_EQ(s.palette[17], (Rgb{255, 0, 0}));

    { std::ofstream(at("bad.map")) << "1 2 3\n\n4 5 6\n"; }
    { std::ofstream(at("short.zq")) << "too short"; }
    const std::pair<std::string, std::string> cases[] = {
        {"--palette " + at("bad.map"), "Error opening MAP file"},
        {"--palette " + at("missing.map"), "Error opening MAP file"},
        {at("short.zq"), "Error opening ZQ file"},
        {at("missing.zq"), "Error opening ZQ file"},
    };
    for (const auto& [args, message] : cases) {
        std::string err;
        EXPECT_EQ(run(args + " -o " + at("x.tga"), &err), 2) << args;
        EXPECT_NE(err.find(message), std::string::npos) << err;
        EXPECT_FALSE(fs::exists(at("x.tga")));
    }
}

TEST_F(RenderFiles, ATextParameterFileReproducesTheImageAndNamesTheLineItRefuses) {
    ASSERT_EQ(run("--size 48x40 --type 24 --set ustring=aab --save-params " + at("a.zqt") + " -o " + at("a.tga")), 0);
    ASSERT_EQ(run(at("a.zqt") + " -o " + at("b.tga")), 0);
    EXPECT_EQ(slurp(at("a.tga")), slurp(at("b.tga")));
    { std::ofstream(at("bad.zqt")) << "zoquel-parameters 1\n# a comment\nmaxiter = 99999\n"; }
    std::string err;
    EXPECT_EQ(run(at("bad.zqt") + " -o " + at("x.tga"), &err), 2);
    EXPECT_NE(err.find("line 3: maxiter: iteration range: 1 - 16384"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(at("x.tga")));
}

TEST_F(RenderFiles, APngCarriesItsParametersThroughFilesAndPipes) {
    // A PNG re-rendered at another size: the same view and colours, only more pixels.
    const std::string opts = "--type 0 --method 1 --param 1=-0.7 --param 2=0.27 --outside 3 --palette rainbow8";
    ASSERT_EQ(run("--size 48x40 " + opts + " -o " + at("small.png")), 0);
    ASSERT_EQ(run(at("small.png") + " --size 96x80 -o " + at("big.tga")), 0);
    ASSERT_EQ(run("--size 96x80 " + opts + " -o " + at("direct.tga")), 0);
    EXPECT_EQ(slurp(at("big.tga")), slurp(at("direct.tga")));

    // Standard input and output: the PNG's bytes and parameters as a file would hold them.
    ASSERT_EQ(run("- -o - < " + at("small.png") + " > " + at("piped.png")), 0);
    EXPECT_EQ(slurp(at("piped.png")), slurp(at("small.png")));
    ASSERT_EQ(run("- --save-params - -o " + at("t.tga") + " < " + at("small.png") + " > " + at("p.zqt")), 0);
    EXPECT_EQ(slurp(at("p.zqt")).rfind("zoquel-parameters 1\n", 0), 0u);
    std::string err;
    EXPECT_EQ(run("-o - --save-params - > /dev/null", &err), 2);
    EXPECT_NE(err.find("only one output"), std::string::npos) << err;
}

TEST_F(RenderFiles, PngsWithoutParametersAreRefusedClearly) {
    std::string err;
    { std::ofstream(at("x.png"), std::ios::binary) << "\x89PNG\r\n\x1a\n" << std::string(40, 'x'); }
    EXPECT_EQ(run(at("x.png") + " -o " + at("y.tga"), &err), 2);
    EXPECT_NE(err.find("not a readable PNG image"), std::string::npos) << err;
    // A sound PNG whose parameter chunk has been stripped.
    ASSERT_EQ(run("--size 40x40 -o " + at("a.png")), 0);
    std::string png = slurp(at("a.png"));
    const std::size_t chunk = png.find("iTXt") - 4;
    const std::size_t length = (std::size_t(std::uint8_t(png[chunk + 2])) << 8) | std::uint8_t(png[chunk + 3]);
    png.erase(chunk, length + 12);
    { std::ofstream(at("bare.png"), std::ios::binary) << png; }
    EXPECT_EQ(run(at("bare.png") + " -o " + at("y.tga"), &err), 2);
    EXPECT_NE(err.find("holds no Zoquel parameters"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(at("y.tga")));
}

TEST_F(RenderFiles, AParameterFileWithNowhereToGoIsRefusedBeforeTheImage) {
    std::string err;
    EXPECT_EQ(run("--size 40x40 --save-zq " + at("no/such.zq") + " -o " + at("x.tga"), &err), 2);
    EXPECT_NE(err.find("no folder to write"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(at("x.tga")));
}

TEST_F(RenderFiles, FailedWritesSayWhy) {
    fs::create_directories(at("taken.tga"));
    std::string err;
    EXPECT_EQ(run("--size 40x40 -o " + at("taken.tga"), &err), 1);
    EXPECT_NE(err.find("could not write '" + at("taken.tga") + "': Is a directory"), std::string::npos) << err;
}

TEST_F(RenderFiles, NonRegularFilesAreRefusedAtOnce) {
    const std::string fifo = at("pipe.zq");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string err;
    EXPECT_EQ(run(fifo + " -o " + at("x.tga"), &err), 2);
    EXPECT_NE(err.find("not a regular file"), std::string::npos) << err;
    EXPECT_EQ(run("--palette " + fifo + " -o " + at("x.tga"), &err), 2);
    EXPECT_FALSE(fs::exists(at("x.tga")));
}

// Replacing a file keeps its permissions, and a symbolic link stays a link to the file it
// names, which gets the new contents.
TEST_F(RenderFiles, OverwritingKeepsPermissionsAndLinks) {
    const std::string real = at("private.tga"), link = at("link.tga");
    { std::ofstream(real) << "old"; }
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(real, link);
    EXPECT_EQ(run("--size 40x40 -o " + link), 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::file_size(real), 18u + 40 * 40 * 3 + 26);
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    for (const auto& e : fs::directory_iterator(at("")))
        EXPECT_EQ(e.path().filename().string().find(".part-"), std::string::npos) << e.path();
}

// Eighty digits of the centre, past 1e-300: the text file and the PNG bring back the view
// exactly, and with it the same image.
TEST_F(RenderFiles, DeepViewTextFileAndPngCarryTheDeepViewExactly) {
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
TEST_F(RenderFiles, DeepViewBinaryRecordKeepsTheNearestDoubles) {
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

TEST_F(RenderFiles, DeepViewWidthsATypeCannotResolveAndLongLimitsOutsideDeepViewsAreRefused) {
    struct Case {
        std::string args, message;
    } cases[] = {
        {"--type 1 --center 0,0 --width 1e-20", "cannot resolve a width of 1e-20"},
        {"--type 0 --center 0,1", "--center and --width go together"},
        {"--type 0 --center 0,1 --width -1e-5", "the width must be positive"},
        {"--type 0 --center 0,1 --width 1e-100001", "reach widths of 1e-100000, and no further"},
        {"--type 0 --center 0x1p3,1 --width 1e-5", "must be two decimal numbers"},
        {"--type 0 --center 0,1e777777771 --width 1e-5", "the view must lie within -32 and 32"},
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
