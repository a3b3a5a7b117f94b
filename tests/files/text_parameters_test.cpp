#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "files/folder_lock.h"
#include "files/parameter_file.h"
#include "files/sample_settings.h"
#include "files/temp_folder.h"
#include "files/text_parameters.h"
#include "model/named_settings.h"
#include "rules/type_selection.h"

namespace zoquel {
namespace {

namespace fs = std::filesystem;
using test_support::lock_folder;
using test_support::unlock_folder;

// What the text file stores beyond the binary record changed as well.
Settings every_field_changed() {
    Settings s = test_support::unusual_settings();
    s.xres = 1024, s.yres = 33;
    s.smode = 4, s.scmode = 1, s.vlcoloring = 2, s.vlradius = 0.3;
    s.view().xmin = -1.0 / 3.0;  // no short decimal form
    s.A = 5e-324;                // the smallest subnormal
    return s;
}

std::string header() { return "zoquel-parameters 1\n"; }

Settings read_or_fail(const std::string& text, const Settings& base) {
    auto result = read_text_parameters(text, base);
    if (auto* e = std::get_if<TextParameterError>(&result)) ADD_FAILURE() << e->message() << "\n" << text;
    return std::holds_alternative<Settings>(result) ? std::get<Settings>(result) : base;
}

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TextParameters : public test_support::TempFolderTest {
protected:
    TextParameters() : TempFolderTest("zoquel-zqt-") {}
    fs::path file(const std::string& text) {
        const fs::path path = dir / "p.zqt";
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
};

TEST_F(TextParameters, WrittenSettingsReadBackUnchangedOverAnyBase) {
    const Settings changed = every_field_changed();
    EXPECT_EQ(read_or_fail(write_text_parameters(changed), Settings()), changed);
    EXPECT_EQ(read_or_fail(write_text_parameters(Settings()), Settings()), Settings());
    for (int t = 0; t < kTypeCount; ++t)
        for (int m = 0; m < 2; ++m) {
            Settings s;
            FirstTimeFlags first = all_first_time();
            choose_type(s, first, t, m);
            EXPECT_EQ(read_or_fail(write_text_parameters(s), s), s) << "type " << t << " method " << m;
            EXPECT_EQ(read_or_fail(write_text_parameters(s), Settings()), s) << "type " << t << " method " << m;
        }
}

TEST_F(TextParameters, AWrittenFileNamesEverySettingOnceAndTheTypeInAComment) {
    const std::string text = write_text_parameters(every_field_changed());
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "zoquel-parameters 1");
    std::map<std::string, int> count;
    while (std::getline(lines, line))
        if (!line.empty() && line[0] != '#') ++count[line.substr(0, line.find(" = "))];
    EXPECT_EQ(count["palette"], 256);
    for (const char* name : {"ftype", "method", "xres", "yres", "xmin", "xmax", "ymin", "ymax", "maxsize", "jcx", "jcy",
                             "p0", "p1", "p2", "aden", "ustring", "pgmx0", "pgmy0"})
        EXPECT_EQ(count[name], 1) << name;
    for (const NamedSetting& n : named_settings()) EXPECT_EQ(count[n.name], 1) << n.name;
    EXPECT_NE(text.find("ftype = 24  # Lyapunov Maps\n"), std::string::npos);
    EXPECT_NE(text.find("xmin = -0.3333333333333333\n"), std::string::npos);
    EXPECT_NE(text.find("palette = #01fe07\n"), std::string::npos);
}

TEST_F(TextParameters, AFewHandWrittenLinesInAnyOrderChangeOnlyWhatTheyName) {
    Settings base;
    base.method = 1;
    const std::string text = "\xEF\xBB\xBFzoquel-parameters 1   # made by hand\r\n"
                             "# the view and start point come before what selects them\n"
                             "  xmin =  -1.5e-3  # narrow\r\n"
                             "\n"
                             "pgmx0 = 4\n"
                             "ftype = 7\n"
                             "pgmindex = 2\n"
                             "maxiter=+500";
    Settings expected = base;
    expected.ftype = 7, expected.pgmindex = 2, expected.maxiter = 500;
    expected.xyminmax[7][1].xmin = -1.5e-3;
    expected.pgmx0[2] = 4;
    EXPECT_EQ(read_or_fail(text, base), expected);

    std::string palette = "\npalette = #00ff80 # first\n";
    for (int i = 1; i < 256; ++i) palette += "palette = #FFFFFF\n";
    expected.palette.fill(Rgb{255, 255, 255});
    expected.palette[0] = Rgb{0, 255, 128};
    EXPECT_EQ(read_or_fail(text + palette, base), expected);
}

struct Refused {
    std::string lines;  // after the header, unless it begins with '!'
    std::string message;
};

TEST_F(TextParameters, ARefusalNamesItsLineAndLeavesTheSettingsAlone) {
    std::string palette_lines;
    for (int i = 0; i < 256; ++i) palette_lines += "palette = #000000\n";
    const Refused cases[] = {
        {"!", "line 1: not a text parameter file: the first line must be 'zoquel-parameters 1'"},
        {"!maxiter = 5\n", "line 1: not a text parameter file"},
        {"!zoquel-parameters 2\n", "line 1: version '2' is not supported"},
        {"\nmaxiter 5\n", "line 3: expected 'name = value'"},
        {"= 5\n", "line 2: expected 'name = value'"},
        {"maxiter = # nothing\n", "line 2: maxiter: '# nothing' is not a whole number"},
        {"maxiter =\n", "line 2: maxiter: no value"},
        {"Maxiter = 5\n", "line 2: unknown setting 'Maxiter'"},
        {"maxiter = 5\n#\nmaxiter = 6\n", "line 4: maxiter: already set on line 2"},
        {"maxiter = 0\n", "line 2: maxiter: iteration range: 1 - 16384"},
        {"maxiter = 12.5\n", "line 2: maxiter: '12.5' is not a whole number"},
        {"cellsize = 0,5\n", "line 2: cellsize: '0,5' is not a finite number"},
        {"jcx = inf\n", "line 2: jcx: 'inf' is not a finite number"},
        {"ftype = 40\n", "line 2: ftype: range: 0 - 39"},
        {"method = 2\n", "line 2: method: range: 0 - 1"},
        {"yres = 9601\n", "line 2: yres: range: 32 - 9600"},
        {"ustring = abc\n", "line 2: ustring: sequence must contain only A, B, a or b"},
        {"ustring = aaaaabbbbbaaaaabb\n", "line 2: ustring: at most 16 letters"},
        {"palette = #12345g\n", "line 2: palette: '#12345g' is not a colour #rrggbb"},
        {"palette = #123456\npalette = #123456\nbasin = 1\n", "line 3: palette: 2 entries; a palette has 256"},
        {palette_lines + "palette = #000000\n", "line 258: palette: more than 256 entries"},
        // What only the settings as a whole can fail names the line that caused it.
        {"method = 1\nftype = 1\n", "line 2: method: not a method of this fractal type"},
        {"ftype = 1\n", "line 2: method: not a method of this fractal type"},  // the base's method is 1
        {"anum = 5\n", "line 2: aden: denominator range: ( numerator + 1 ) - 100"},
        {"aden = 4\nanum = 5\n", "line 2: aden:"},
        {"maxsize = 1\n", "line 2: maxsize: maxsize range"},
        {"pgmy0 = 10.5\npgmindex = 0\n", "line 2: pgmx0/pgmy0: start point range: -10.0 - 10.0"},
    };
    for (const Refused& c : cases) {
        const std::string text = c.lines.starts_with('!') ? c.lines.substr(1) : header() + c.lines;
        Settings s;
        s.ftype = 2, s.method = 1, s.maxiter = 99;
        const Settings before = s;
        const std::optional<TextParameterError> refusal = load_text_parameters(file(text).string(), s);
        ASSERT_TRUE(refusal) << text;
        EXPECT_EQ(refusal->message().substr(0, c.message.size()), c.message) << text;
        EXPECT_EQ(s, before) << text;
    }
}

TEST_F(TextParameters, SavedFilesLoadBackAndAreToldFromBinaryOnes) {
    const fs::path text = dir / "a.zqt", binary = dir / "a.zq";
    ASSERT_EQ(save_text_parameters(every_field_changed(), text.string()), kZqOk);
    ASSERT_EQ(writezq(every_field_changed(), binary.string()), kZqOk);
    Settings s;
    EXPECT_FALSE(load_text_parameters(text.string(), s));
    EXPECT_EQ(s, every_field_changed());
    EXPECT_TRUE(is_text_parameter_file(text.string()));
    EXPECT_FALSE(is_text_parameter_file(binary.string()));
    EXPECT_FALSE(is_text_parameter_file((dir / "missing").string()));
    EXPECT_TRUE(starts_like_text_parameters("\xEF\xBB\xBFzoquel-parameters 1"));
    EXPECT_FALSE(starts_like_text_parameters("zoquel-param"));

    // Whatever it is, a binary record is not a text file, and loading it as one is refused.
    const std::optional<TextParameterError> refusal = load_text_parameters(binary.string(), s);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->line, 1);
}

TEST_F(TextParameters, FilesThatCannotBeReadAreRefusedAsAWhole) {
    Settings s;
    for (const fs::path& p : {dir / "missing.zqt", dir}) {
        const std::optional<TextParameterError> refusal = load_text_parameters(p.string(), s);
        ASSERT_TRUE(refusal) << p;
        EXPECT_EQ(refusal->line, 0) << p;
    }
    // A file of a megabyte is no parameter file, however well it begins.
    const std::optional<TextParameterError> refusal =
        load_text_parameters(file(header() + std::string(std::size_t(1) << 20, '\n')).string(), s);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message(), "larger than any parameter file");
    EXPECT_EQ(s, Settings());
}

TEST_F(TextParameters, AFailedSaveLeavesTheOldFileIntact) {
    const fs::path path = dir / "keep.zqt";
    ASSERT_EQ(save_text_parameters(Settings(), path.string()), kZqOk);
    const std::string before = slurp(path);
    if (!lock_folder(dir)) GTEST_SKIP() << "cannot make a folder refuse new files here";
    EXPECT_EQ(save_text_parameters(every_field_changed(), path.string()), kZqOpenFailed);
    unlock_folder(dir);
    EXPECT_EQ(slurp(path), before);
}

}  // namespace
}  // namespace zoquel
