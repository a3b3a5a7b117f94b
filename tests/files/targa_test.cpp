#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "files/folder_lock.h"
#include "files/safe_file.h"
#include "files/targa.h"

namespace zoquel {
namespace {

namespace fs = std::filesystem;

std::vector<unsigned char> read_all(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Targa : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zoquel-targa-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                           "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        test_support::unlock_folder(dir);
        fs::remove_all(dir);
    }
    fs::path dir;
};

TEST_F(Targa, HeaderPixelsAndFooter) {
    Surface image(640, 480, kBlack);
    image.set_pixel(0, 0, pack(255, 0, 0));    // top-left: first pixel in the file
    image.set_pixel(639, 479, pack(1, 2, 3));  // bottom-right: last pixel
    fs::path out = dir / "a.tga";
    ASSERT_EQ(writetga(image, out.string()), kTargaOk);
    std::vector<unsigned char> b = read_all(out);
    ASSERT_EQ(b.size(), 921644u);
    EXPECT_EQ(b[2], 2);
    EXPECT_EQ(b[12], 0x80);
    EXPECT_EQ(b[13], 0x02);
    EXPECT_EQ(b[14], 0xE0);
    EXPECT_EQ(b[15], 0x01);
    EXPECT_EQ(b[16], 24);
    EXPECT_EQ(b[17], 0x20);
    for (int i : {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11}) EXPECT_EQ(b[std::size_t(i)], 0) << i;
    EXPECT_EQ(b[18], 0x00);  // red stored as blue, green, red
    EXPECT_EQ(b[19], 0x00);
    EXPECT_EQ(b[20], 0xFF);
    std::size_t last = 18 + 640 * 480 * 3 - 3;
    EXPECT_EQ(b[last], 3);
    EXPECT_EQ(b[last + 1], 2);
    EXPECT_EQ(b[last + 2], 1);
    std::string tail(b.end() - 18, b.end());
    EXPECT_EQ(tail, std::string("TRUEVISION-XFILE.\0", 18));
    for (std::size_t i = b.size() - 26; i < b.size() - 18; ++i) EXPECT_EQ(b[i], 0);
}

TEST_F(Targa, FailedSaveKeepsTheOldFile) {
    fs::path out = dir / "keep.tga";
    { std::ofstream(out) << "precious"; }
    if (!test_support::lock_folder(dir)) GTEST_SKIP() << "cannot make a folder refuse new files here";
    EXPECT_EQ(writetga(Surface(32, 32), out.string()), kTargaOpenFailed);
    test_support::unlock_folder(dir);
    std::ifstream in(out);
    std::string content;
    in >> content;
    EXPECT_EQ(content, "precious");
}

TEST_F(Targa, ReplacesAnExistingFileAndLeavesNoTemporary) {
    fs::path out = dir / "b.tga";
    { std::ofstream(out) << "old"; }
    ASSERT_EQ(writetga(Surface(32, 33), out.string()), kTargaOk);
    EXPECT_EQ(fs::file_size(out), 18u + 32 * 33 * 3 + 26);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(Targa, MissingFolderOrDirectoryTargetIsAnOpenError) {
    EXPECT_EQ(writetga(Surface(32, 32), (dir / "no" / "such.tga").string()), kTargaOpenFailed);
    fs::create_directory(dir / "d.tga");
    EXPECT_EQ(writetga(Surface(32, 32), (dir / "d.tga").string()), kTargaOpenFailed);
    EXPECT_STREQ(saveerror(kTargaOpenFailed), "Error opening a save file.");
    EXPECT_STREQ(saveerror(kTargaWriteFailed), "Error writing to save file.");
}

}  // namespace
}  // namespace zoquel

namespace zoquel {
namespace {

TEST(SafeFile, AbandonedWriteLeavesTheOldFileAndNoTemporary) {
    fs::path dir = fs::temp_directory_path() / "zoquel-safefile";
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::path out = dir / "x.zq";
    { std::ofstream(out) << "old"; }
    {
        SafeFileWriter w;
        ASSERT_TRUE(w.open(out.string()));
        ASSERT_TRUE(w.write("new!", 4));
    }  // no commit: as after a failed row write
    std::ifstream in(out);
    std::string content;
    in >> content;
    EXPECT_EQ(content, "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
    EXPECT_EQ(bare_file_name("/home/u/pics/m.tga"), "m.tga");
    EXPECT_EQ(bare_file_name("m.tga"), "m.tga");
}

}  // namespace
}  // namespace zoquel
