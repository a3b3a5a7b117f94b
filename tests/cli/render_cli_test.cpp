#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string err;
};

class RenderCli : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              (std::string("zoquel-cli-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    Outcome run(const std::string& args) {
        fs::path err = dir / "stderr.txt";
        std::string cmd = std::string(ZOQUEL_RENDER_BINARY) + " " + args + " 2>" + err.string();
        int rc = std::system(cmd.c_str());
        std::ifstream in(err);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return {WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, text};
    }
    std::string out(const std::string& name) { return (dir / name).string(); }
    fs::path dir;
};

TEST_F(RenderCli, DefaultMandelbrotTarga) {
    Outcome r = run("--type 0 -o " + out("m.tga"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(fs::file_size(out("m.tga")), 1080044u);
}

TEST_F(RenderCli, MethodOneDiffersAndPngIsWritten) {
    ASSERT_EQ(run("--size 64x48 -o " + out("m.tga")).status, 0);
    ASSERT_EQ(run("--size 64x48 --method 1 -o " + out("j.tga")).status, 0);
    std::ifstream a(out("m.tga"), std::ios::binary), b(out("j.tga"), std::ios::binary);
    std::string sa((std::istreambuf_iterator<char>(a)), {}), sb((std::istreambuf_iterator<char>(b)), {});
    EXPECT_EQ(sa.size(), 18u + 64 * 48 * 3 + 26);
    EXPECT_NE(sa, sb);
    ASSERT_EQ(run("--size 64x48 --outside 2 --inside 2 --palette rainbow8 -o " + out("p.png")).status, 0);
    std::ifstream p(out("p.png"), std::ios::binary);
    char sig[8] = {};
    p.read(sig, 8);
    EXPECT_EQ(std::string(sig + 1, 3), "PNG");
}

TEST_F(RenderCli, BadInputIsRefusedWithoutOutput) {
    struct Case {
        std::string args, message;
    };
    const Case cases[] = {
        {"--size 20x600", "xres range: 32 - 9600"},
        {"--maxiter 0", "iteration range: 1 - 16384"},
        {"--param 0=1", "maxsize range: 2.0 - 1.0E30"},
        {"--view 0.5,0.5,-1,1", "xmax must be greater than xmin by at least 0.000000000000001"},
        {"--param 3=20", "exponent range: 1.0 - 17.0"},
        {"--param 1=0.3", "is not a parameter"},
        {"--type 40", "0..39"},
        {"--type 0 --method 2", "method must be 0 or 1"},
        {"--outside 5", "0..4"},
        {"--maxiter many", "not a whole number"},
        {"--view 1,2,3", "four numbers"},
        {"--palette nosuch", "unknown palette"},
        {"--set nosuch=1", "unknown setting"},
        {"--set rin=300", "color range: 0 - 255"},
        {"--type 24 --set ustring=abc", "sequence must contain only A, B, a or b"},
        {"--type 5 --set bindex=11", "bindex: range: 0 - 10"},
        {"--bogus", "unknown option"},
        {"--param 0=nan", "not a finite number"},
    };
    for (const Case& c : cases) {
        Outcome r = run(c.args + " -o " + out("x.tga"));
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << ": " << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << c.args << ": " << r.err;
        EXPECT_FALSE(fs::exists(out("x.tga"))) << c.args;
    }
    EXPECT_EQ(run("--type 0").status, 2);              // no output named
    EXPECT_EQ(run("-o " + out("x.bmp")).status, 2);    // unknown format
    EXPECT_EQ(run("-o " + out("no/such/x.tga")).status, 2);  // refused before the render
}

TEST_F(RenderCli, ValidValuesAreClampedOrSwappedAsTheDialogDoes) {
    // A reversed view is swapped rather than refused; both give the same image.
    ASSERT_EQ(run("--size 40x40 --view 0.75,-2.25,1.5,-1.5 -o " + out("a.tga")).status, 0);
    ASSERT_EQ(run("--size 40x40 -o " + out("b.tga")).status, 0);
    std::ifstream a(out("a.tga"), std::ios::binary), b(out("b.tga"), std::ios::binary);
    std::string sa((std::istreambuf_iterator<char>(a)), {}), sb((std::istreambuf_iterator<char>(b)), {});
    EXPECT_EQ(sa, sb);
}

}  // namespace

namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

TEST_F(RenderCli, NewtonVariationsTakeTheirFormulaAndBasinSettings) {
    ASSERT_EQ(run("--type 27 --size 48x48 -o " + out("a.tga")).status, 0);
    Outcome r = run("--type 27 --size 48x48 --set nvindex=3 --set basin=1 -o " + out("b.tga"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(slurp(out("a.tga")), slurp(out("b.tga")));
    r = run("--type 27 --size 48x48 --set nvindex=24 -o " + out("c.tga"));
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find("nvindex"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(out("c.tga")));
}

TEST_F(RenderCli, DistanceEstimatorRendersWithoutWaiting) {
    Outcome r = run("--type 38 --method 1 --size 40x40 -o " + out("d.tga"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(fs::file_size(out("d.tga")), 18u + 40 * 40 * 3 + 26);
}

}  // namespace

namespace {

std::string file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The whole-image types: repeatable with --seed, continued with --batches, animations bounded
// by --steps; each in both methods writes a picture.
TEST_F(RenderCli, WholeImageTypesWithSeedBatchesAndSteps) {
    for (const char* tm : {"31 --method 0", "31 --method 1", "32", "33 --method 0", "33 --method 1",
                           "36 --method 0", "36 --method 1"}) {
        const std::string a = out("a.tga"), b = out("b.tga");
        ASSERT_EQ(run(std::string("--size 96x80 --seed 7 --type ") + tm + " -o " + a).status, 0) << tm;
        ASSERT_EQ(run(std::string("--size 96x80 --seed 7 --type ") + tm + " -o " + b).status, 0) << tm;
        EXPECT_EQ(file_bytes(a), file_bytes(b)) << tm;
        EXPECT_EQ(fs::file_size(a), 18u + 96 * 80 * 3 + 26);
    }
    const auto chaos = [&](const std::string& extra, const std::string& name) {
        EXPECT_EQ(run("--size 96x80 --seed 7 --type 31 --set scmode=1 " + extra + " -o " + out(name)).status, 0);
        return file_bytes(out(name));
    };
    EXPECT_NE(chaos("", "one.tga"), chaos("--batches 2", "two.tga"));
    EXPECT_NE(chaos("", "one.tga"), chaos("--seed 8", "other.tga"));
    const auto oscillator = [&](const std::string& extra) {
        EXPECT_EQ(run("--size 96x80 --type 36 --method 1 " + extra + " -o " + out("o.tga")).status, 0);
        return file_bytes(out("o.tga"));
    };
    EXPECT_NE(oscillator("--steps 20"), oscillator("--steps 40"));
    EXPECT_EQ(oscillator(""), oscillator("--steps 3000"));
}

// Aggregation bounded by --particles, the gingerbread men continued by --batches, an orbit
// traced into its image with --orbit; none of them prints the explorer's notices.
TEST_F(RenderCli, AggregationGingerbreadMenAndOrbits) {
    const auto render = [&](const std::string& args) {
        const Outcome r = run("--size 96x80 " + args + " -o " + out("x.tga"));
        EXPECT_EQ(r.status, 0) << args;
        EXPECT_EQ(r.err, "") << args;
        EXPECT_EQ(fs::file_size(out("x.tga")), 18u + 96 * 80 * 3 + 26) << args;
        return file_bytes(out("x.tga"));
    };
    for (const char* method : {"0", "1"}) {
        const std::string dla = std::string("--type 34 --seed 5 --method ") + method;
        EXPECT_TRUE(render(dla + " --particles 40") == render(dla + " --particles 40")) << method;
        EXPECT_TRUE(render(dla + " --particles 40") != render(dla + " --particles 80")) << method;
    }
    EXPECT_TRUE(render("--type 6 --set pgmindex=0") != render("--type 6 --set pgmindex=0 --batches 2"));
    for (const char* method : {"0", "1"}) {
        const std::string orbits = std::string("--type 39 --method ") + method;
        const std::string traced = render(orbits + " --orbit 40,40");
        EXPECT_TRUE(render(orbits) != traced) << method;
        // The limit given is the number of steps traced.
        EXPECT_TRUE(render(orbits + " --orbit 40,40 --maxiter 2") != traced) << method;
    }
}

// Julia constants from the samples and the cardioid, and the thumbnail drawn into the corner.
TEST_F(RenderCli, JuliaConstantsAndTheThumbnail) {
    const auto render = [&](const std::string& args) {
        const Outcome r = run("--size 200x160 " + args + " -o " + out("x.tga"));
        EXPECT_EQ(r.status, 0) << args << ": " << r.err;
        return file_bytes(out("x.tga"));
    };
    EXPECT_TRUE(render("--type 0 --method 1 --sample 4") == render("--type 0 --method 1 --param 1=-0.122 --param 2=0.745"));
    EXPECT_TRUE(render("--type 0 --method 1 --cardioid 1/2") == render("--type 0 --method 1 --param 1=-0.75 --param 2=0"));
    // Only the 150 x 150 corner changes; Targa rows run from the top, three bytes a pixel.
    const std::string plain = render("--type 0"), thumb = render("--type 0 --thumbnail -0.122,0.745");
    ASSERT_EQ(plain.size(), thumb.size());
    int corner = 0, elsewhere = 0;
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 200; ++x) {
            const std::size_t at = 18 + (std::size_t(y) * 200 + std::size_t(x)) * 3;
            const bool differs = plain.compare(at, 3, thumb, at, 3) != 0;
            (x < 150 && y < 150 ? corner : elsewhere) += differs;
        }
    EXPECT_GT(corner, 10000);
    EXPECT_EQ(elsewhere, 0);
}

// The habits of other command-line tools.
TEST_F(RenderCli, ConventionalCommandLine) {
    Outcome r = run("--version > " + out("version.txt"));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(file_bytes(out("version.txt")).rfind("zoquel-render ", 0), 0u);
    ASSERT_EQ(run("--list-types > " + out("types.txt")).status, 0);
    const std::string types = file_bytes(out("types.txt"));
    for (int t = 0; t < 40; ++t) {
        char head[8];
        std::snprintf(head, sizeof head, "\n%2d  ", t);
        EXPECT_NE(("\n" + types).find(head), std::string::npos) << t;
    }
    EXPECT_NE(types.find("3 exponent"), std::string::npos);
    ASSERT_EQ(run("--help > " + out("help.txt")).status, 0);
    const std::string help = file_bytes(out("help.txt"));
    for (const char* name : {"Julia Level Sets", "rainbow8", "vlradius", "--name=VALUE"})
        EXPECT_NE(help.find(name), std::string::npos) << name;
    // Values after '=' or as the next word; blanks around a number as the dialogs allow.
    ASSERT_EQ(run("--size=64x48 --maxiter=' 300 ' --set=rin=5 -o " + out("a.tga")).status, 0);
    ASSERT_EQ(run("--size 64x48 --maxiter 300 --set rin=5 -o " + out("b.tga")).status, 0);
    EXPECT_TRUE(file_bytes(out("a.tga")) == file_bytes(out("b.tga")));
    // Several outputs: the same image in each.
    ASSERT_EQ(run("--size 64x48 -o " + out("c.tga") + " -o " + out("d.tga") + " -o " + out("d.png")).status, 0);
    EXPECT_TRUE(file_bytes(out("c.tga")) == file_bytes(out("d.tga")));
    EXPECT_TRUE(fs::exists(out("d.png")));
    for (const char* bad : {"--threads 100000", "--threads 0", "--palette ''", "--maxiter ''", "--maxiter '3 0'",
                            "--size=", "-o ''"}) {
        r = run(std::string(bad) + " -o " + out("x.tga"));
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_FALSE(fs::exists(out("x.tga"))) << bad;
    }
}

// A render stopped by a signal leaves no temporary file, whenever the signal comes.
TEST_F(RenderCli, AnInterruptedRenderLeavesNoTemporaryFile) {
    for (int wait_ms : {50, 400, 900}) {
        const std::string cmd = std::string("exec ") + ZOQUEL_RENDER_BINARY + " --size 4000x4000 --maxiter 8 -o " +
                                out("big.tga") + " 2>/dev/null & pid=$!; sleep " + std::to_string(wait_ms / 1000.0) +
                                "; kill -TERM $pid; wait $pid";
        std::system(("sh -c '" + cmd + "'").c_str());
        for (const auto& e : fs::directory_iterator(dir))
            EXPECT_EQ(e.path().filename().string().find(".part-"), std::string::npos) << wait_ms << " " << e.path();
        fs::remove(out("big.tga"));
    }
}

TEST_F(RenderCli, BadBudgetsAreRefused) {
    for (const char* bad : {"--batches 0", "--batches 10001", "--steps 0", "--steps x", "--seed -1", "--seed 1.5",
                            "--seed 4294967296", "--set smode=6", "--set scmode=2", "--particles 0", "--particles x",
                            "--orbit 3", "--orbit 3,x", "--orbit 1,1", "--type 39 --orbit 96,0",
                            "--type 39 --orbit 0,-1", "--sample 0", "--sample 19", "--type 0 --sample 3",
                            "--type 0 --method 1 --cardioid 3/3", "--type 0 --method 1 --cardioid 0/5",
                            "--type 0 --method 1 --cardioid 1", "--type 0 --method 1 --thumbnail 0,0",
                            "--type 1 --thumbnail 0,0", "--type 0 --thumbnail 0"}) {
        const Outcome r = run(std::string("--size 96x80 --type 31 ") + bad + " -o " + out("x.tga"));
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << bad << ": " << r.err;
        EXPECT_FALSE(fs::exists(out("x.tga"))) << bad;
    }
}

}  // namespace
