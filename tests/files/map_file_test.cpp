#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "files/map_file.h"

namespace zoquel {
namespace {

namespace fs = std::filesystem;

std::string lines(int count, const char* end = "\n") {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::to_string(i) + " " + std::to_string(i / 2) + " " + std::to_string(255 - i % 256) + end;
    return text;
}

Palette filled() {
    Palette p;
    p.fill(Rgb{9, 9, 9});
    return p;
}

TEST(MapText, SixteenLinesLeaveTheRestBlack) {
    Palette p = filled();
    ASSERT_EQ(read_map_text(lines(16), p), kMapOk);
    EXPECT_EQ(p[15], (Rgb{15, 7, 240}));
    for (std::size_t i = 16; i < 256; ++i) EXPECT_EQ(p[i], (Rgb{0, 0, 0})) << i;
}

TEST(MapText, OnlyTheFirst256LinesAreRead) {
    Palette p = filled();
    std::string text = lines(256) + "not a palette line\n" + lines(44);
    ASSERT_EQ(read_map_text(text, p), kMapOk);
    EXPECT_EQ(p[255], (Rgb{255, 127, 0}));
    EXPECT_EQ(p[0], (Rgb{0, 0, 255}));
}

TEST(MapText, ThreeHundredLinesUseTheFirst256) {
    Palette p = filled();
    ASSERT_EQ(read_map_text(lines(300), p), kMapOk);
    EXPECT_EQ(p[255], (Rgb{255, 127, 0}));
}

TEST(MapText, ACommentAfterTheNumbersIsIgnored) {
    Palette p = filled();
    ASSERT_EQ(read_map_text("255 0 0 the red one; 7 7 7\n\t 1\t2   3 ; tabs\n", p), kMapOk);
    EXPECT_EQ(p[0], (Rgb{255, 0, 0}));
    EXPECT_EQ(p[1], (Rgb{1, 2, 3}));
    EXPECT_EQ(p[2], (Rgb{0, 0, 0}));
}

TEST(MapText, NumbersKeepTheirLowEightBits) {
    Palette p = filled();
    ASSERT_EQ(read_map_text("300 256 -1\n+5 99999999999999999999 -257\n", p), kMapOk);
    EXPECT_EQ(p[0], (Rgb{44, 0, 255}));
    EXPECT_EQ(p[1], (Rgb{5, 255, 255}));  // 10^20 - 1 is -1 modulo 256
}

TEST(MapText, CrLfLineEndsAreRead) {
    Palette p = filled();
    ASSERT_EQ(read_map_text(lines(256, "\r\n"), p), kMapOk);
    EXPECT_EQ(p[1], (Rgb{1, 0, 254}));
    EXPECT_EQ(p[255], (Rgb{255, 127, 0}));
}

TEST(MapText, MalformedLinesFail) {
    for (const char* text : {
             "1 2 3\n\n4 5 6\n",     // an empty line within the file
             "1 2 3\r\n\r\n4 5 6\r\n",
             "1 2\n",                // two numbers only
             "1, 2, 3\n",            // not blank-separated
             "red 1 2 3\n",
             "1 2 3\n   \n; end\n",   // a blank line with text after it
         }) {
        Palette p = filled();
        EXPECT_EQ(read_map_text(text, p), kMapFailed) << text;
    }
}

TEST(MapText, TrailingBlankLinesEndTheFileAndAnEmptyFileIsAllBlack) {
    Palette p = filled();
    ASSERT_EQ(read_map_text(lines(224) + "\n \r\n\n", p), kMapOk);
    EXPECT_EQ(p[223], (Rgb{223, 111, 32}));
    EXPECT_EQ(p[224], (Rgb{0, 0, 0}));
    Palette empty = filled();
    ASSERT_EQ(read_map_text("", empty), kMapOk);
    for (const Rgb& c : empty) EXPECT_EQ(c, (Rgb{0, 0, 0}));
}

TEST(MapFile, TheLastLineNeedsNoNewlineAndLongLinesAreReadWhole) {
    const fs::path path = fs::temp_directory_path() / ("zoquel-map-" + std::to_string(::getpid()) + ".Map");
    {
        std::ofstream out(path, std::ios::binary);
        out << "1 2 3 " << std::string(10000, 'x') << "\n4 5 6";
    }
    Palette p = filled();
    EXPECT_EQ(OpenMapFile(path.string(), p), kMapOk);
    EXPECT_EQ(p[0], (Rgb{1, 2, 3}));
    EXPECT_EQ(p[1], (Rgb{4, 5, 6}));
    EXPECT_EQ(p[2], (Rgb{0, 0, 0}));
    // The name is used as given: no upper-cased twin is looked for.
    std::string upper = path.string();
    upper.replace(upper.size() - 3, 3, "MAP");
    EXPECT_EQ(OpenMapFile(upper, p), kMapFailed);
    fs::remove(path);
    EXPECT_EQ(OpenMapFile(path.string(), p), kMapFailed);
}

TEST(MapFile, FoldersAndEndlessDevicesAreRefused) {
    Palette p;
    EXPECT_EQ(OpenMapFile(fs::temp_directory_path().string(), p), kMapFailed);
    if (!fs::exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero";
    EXPECT_EQ(OpenMapFile("/dev/zero", p), kMapFailed);  // one endless line, never a freeze
}

// The palettes of other fractal programs, kept outside the repository for their licences.
TEST(MapFile, RealFractintPalettesAllLoad) {
    const fs::path maps = fs::path(ZOQUEL_TESTDATA_DIR) / "maps";
    if (!fs::is_directory(maps)) GTEST_SKIP() << "no test data at " << maps << " (set ZOQUEL_TESTDATA_DIR)";
    int count = 0;
    for (const auto& entry : fs::directory_iterator(maps)) {
        if (entry.path().extension() != ".map") continue;
        ++count;
        Palette p = filled();
        EXPECT_EQ(OpenMapFile(entry.path().string(), p), kMapOk) << entry.path();
    }
    EXPECT_GE(count, 27);

    Palette p;
    ASSERT_EQ(OpenMapFile((maps / "hlsrain5.map").string(), p), kMapOk);
    EXPECT_EQ(p[13], (Rgb{120, 70, 0}));  // line 14 reads " 120  70 256" with CRLF

    ASSERT_EQ(OpenMapFile((maps / "goodega.map").string(), p), kMapOk);  // 224 entries, then an empty line
    EXPECT_EQ(p[224], (Rgb{0, 0, 0}));
    ASSERT_EQ(OpenMapFile((maps / "froth316.map").string(), p), kMapOk);
    EXPECT_EQ(p[16], (Rgb{0, 0, 0}));
}

}  // namespace
}  // namespace zoquel
