#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

#include "files/byte_order.h"
#include "files/folder_lock.h"
#include "files/parameter_checks.h"
#include "files/parameter_file.h"
#include "files/safe_file.h"
#include "files/sample_settings.h"
#include "files/temp_folder.h"
#include "rules/type_selection.h"

namespace zoquel {
namespace {

namespace fs = std::filesystem;
using test_support::lock_folder;
using test_support::unusual_settings;
using test_support::unlock_folder;

std::vector<std::uint8_t> read_all(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_all(const fs::path& p, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

class ParameterFile : public test_support::TempFolderTest {
protected:
    ParameterFile() : TempFolderTest("zoquel-zq-") {}
};

TEST_F(ParameterFile, EveryFieldSurvivesARoundTrip) {
    const Settings saved = unusual_settings();
    ASSERT_EQ(first_failed_parameter_check(saved), nullptr);
    const fs::path path = dir / "all.zq";
    ASSERT_EQ(writezq(saved, path.string()), kZqOk);
    EXPECT_EQ(fs::file_size(path), kZqRecordSize);

    Settings loaded;
    ASSERT_EQ(loadzq(path.string(), loaded), kZqOk);
    EXPECT_EQ(loaded, saved);
}

TEST_F(ParameterFile, OnlyTheSavedTypesViewAndParametersAndPgmSlotAreLoaded) {
    Settings other;  // the current state before the load
    other.xyminmax[0][0] = View{-3, 3, -2, 2};
    other.pc[7].p0 = 1.75;
    other.pgmx0[5] = 0.5;
    const Settings saved = unusual_settings();
    std::optional<Settings> loaded = decode_zq(encode_zq(saved).data(), kZqRecordSize, other);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->xyminmax[0][0], other.xyminmax[0][0]);
    EXPECT_EQ(loaded->xyminmax[24][0], other.xyminmax[24][0]);  // same type, other method
    EXPECT_EQ(loaded->pc[7], other.pc[7]);
    EXPECT_EQ(loaded->pgmx0[5], 0.5);
    EXPECT_EQ(loaded->pgmx0[3], -9.5);
    EXPECT_EQ(loaded->pgmy0[3], 9.25);
    EXPECT_EQ(loaded->xres, other.xres);  // the image size is not part of the file
}

// A record put together field by field, independently of writezq.
struct HandMadeRecord {
    ZqRecord bytes{};
    void i32(std::size_t at, std::int32_t v) {
        const auto u = std::uint32_t(v);
        bytes[at] = std::uint8_t(u), bytes[at + 1] = std::uint8_t(u >> 8);
        bytes[at + 2] = std::uint8_t(u >> 16), bytes[at + 3] = std::uint8_t(u >> 24);
    }
    void f64(std::size_t at, double v) {
        std::uint64_t u;
        std::memcpy(&u, &v, 8);
        for (int i = 0; i < 8; ++i) bytes[at + std::size_t(i)] = std::uint8_t(u >> (8 * i));
    }
    HandMadeRecord() {
        i32(0, 6), i32(4, 0), i32(8, 300);
        f64(12, -2.5), f64(20, 1.5), f64(28, -1.25), f64(36, 1.25);
        f64(44, 8.0), f64(52, 0.5), f64(60, -0.5), f64(68, 2.0), f64(76, 3.0), f64(84, 4.0);
        i32(92, 1), i32(96, 2);
        i32(100, 11), i32(104, 12), i32(108, 13), i32(112, 14), i32(116, 15), i32(120, 16);
        for (int i = 0; i < 768; ++i) bytes[124 + std::size_t(i)] = std::uint8_t(i % 251);
        i32(892, 3), i32(896, 1), i32(900, 1);
        f64(904, 0.05);
        i32(912, 2), i32(916, 40), i32(920, 7), i32(924, 5), i32(928, 2), i32(932, 5), i32(936, 4), i32(940, 6);
        i32(944, 32), i32(948, 512);
        f64(952, 0.11), f64(960, -0.22), f64(968, 0.3);
        i32(976, 2), i32(980, 40);
        f64(984, 1.5), f64(992, -1.5);
        i32(1000, 21), i32(1004, 22), i32(1008, 23), i32(1012, 1), i32(1016, 3);
        std::memcpy(bytes.data() + 1020, "AbB", 3);  // NUL follows; the bytes behind it mean nothing
        bytes[1030] = 'x';
        f64(1037, 0.7), f64(1045, 0.8), f64(1053, 0.9), f64(1061, 1.1), f64(1069, 2.2);
        f64(1077, 0.33), f64(1085, 0.44), f64(1093, 0.55);
        i32(1101, 4);
    }
};

TEST_F(ParameterFile, AHandMadeRecordLoadsIntoTheExpectedSettings) {
    HandMadeRecord r;
    const fs::path path = dir / "hand.zq";
    write_all(path, r.bytes.data(), r.bytes.size());
    Settings s;
    ASSERT_EQ(loadzq(path.string(), s), kZqOk);

    EXPECT_EQ(s.ftype, 6);
    EXPECT_EQ(s.method, 0);
    EXPECT_EQ(s.maxiter, 300);
    EXPECT_EQ(s.xyminmax[6][0], (View{-2.5, 1.5, -1.25, 1.25}));
    EXPECT_EQ(s.pc[6], (Param{8.0, 0.5, -0.5, 2.0, 3.0, 4.0}));
    EXPECT_EQ(s.inside, 1);
    EXPECT_EQ(s.outside, 2);
    EXPECT_EQ((std::array{s.rin, s.gin, s.bin, s.rout, s.gout, s.bout}), (std::array{11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(s.palette[0], (Rgb{0, 1, 2}));
    EXPECT_EQ(s.palette[255], (Rgb{std::uint8_t(765 % 251), std::uint8_t(766 % 251), std::uint8_t(767 % 251)}));
    EXPECT_EQ(s.palint, 3);
    EXPECT_EQ(s.basin, 1);
    EXPECT_EQ(s.collatzcrit, 1);
    EXPECT_EQ(s.cellsize, 0.05);
    EXPECT_EQ(s.cindex, 2);
    EXPECT_EQ(s.cnrootcount, 40);
    EXPECT_EQ(s.nvindex, 7);
    EXPECT_EQ(s.nvrootcount, 5);
    EXPECT_EQ(s.anum, 2);
    EXPECT_EQ(s.aden, 5);
    EXPECT_EQ(s.jindex, 4);
    EXPECT_EQ(s.jperiod, 6);
    EXPECT_EQ(s.maxhits, 32);
    EXPECT_EQ(s.maxdepth, 512);
    EXPECT_EQ(s.cxsave, 0.11);
    EXPECT_EQ(s.cysave, -0.22);
    EXPECT_EQ(s.half, 0.3);
    EXPECT_EQ(s.pgmindex, 2);
    EXPECT_EQ(s.scale, 40);
    EXPECT_EQ(s.pgmx0[2], 1.5);
    EXPECT_EQ(s.pgmy0[2], -1.5);
    EXPECT_EQ(s.pgmx0[3], Settings().pgmx0[3]);
    EXPECT_EQ((std::array{s.rback, s.gback, s.bback}), (std::array{21, 22, 23}));
    EXPECT_EQ(s.algorithm, 1);
    EXPECT_EQ(s.length, 3);
    EXPECT_EQ(s.ustring, "AbB");
    EXPECT_EQ((std::array{s.A, s.B, s.CC, s.DD, s.k}), (std::array{0.7, 0.8, 0.9, 1.1, 2.2}));
    EXPECT_EQ((std::array{s.x01user, s.x02user, s.y02user}), (std::array{0.33, 0.44, 0.55}));
    EXPECT_EQ(s.bindex, 4);
}

TEST_F(ParameterFile, WritingProducesTheTabledBytes) {
    HandMadeRecord r;
    std::optional<Settings> s = decode_zq(r.bytes.data(), kZqRecordSize, Settings());
    ASSERT_TRUE(s);
    ZqRecord written = encode_zq(*s);
    r.bytes[1030] = 0;  // behind the sequence's NUL everything is written as zero
    EXPECT_EQ(written, r.bytes);
}

TEST_F(ParameterFile, StartUpSettingsAndEveryTypesDefaultsAreSound) {
    EXPECT_EQ(first_failed_parameter_check(Settings()), nullptr);
    for (int t = 0; t < kTypeCount; ++t)
        for (int m = 0; m < 2; ++m) {
            Settings s;
            FirstTimeFlags first = all_first_time();
            choose_type(s, first, t, m);
            const char* failed = first_failed_parameter_check(s);
            EXPECT_EQ(failed, nullptr) << "type " << t << " method " << m << " fails " << failed;
            EXPECT_TRUE(decode_zq(encode_zq(s).data(), kZqRecordSize, Settings())) << "type " << t << " method " << m;
        }
}

// Each case spoils one field of a sound record.
struct Spoiled {
    const char* name;
    std::size_t offset;
    bool real;
    double value;
};

class Refusal : public ParameterFile, public ::testing::WithParamInterface<Spoiled> {};

TEST_P(Refusal, LeavesTheSettingsUntouched) {
    const Spoiled& c = GetParam();
    ZqRecord bytes = encode_zq(unusual_settings());
    if (c.real) put_f64_le(bytes.data() + c.offset, c.value);
    else put_i32_le(bytes.data() + c.offset, std::int32_t(c.value));
    const fs::path path = dir / "bad.zq";
    write_all(path, bytes.data(), bytes.size());

    Settings s;
    s.ftype = 3, s.maxiter = 99;
    const Settings before = s;
    std::string why;
    EXPECT_EQ(loadzq(path.string(), s, &why), kZqOpenFailed);
    EXPECT_EQ(s, before);
    EXPECT_FALSE(why.empty());
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Fields, Refusal,
    ::testing::Values(
        Spoiled{"ftype_negative", 0, false, -1}, Spoiled{"ftype_40", 0, false, 40},
        Spoiled{"method_2", 4, false, 2}, Spoiled{"maxiter_0", 8, false, 0}, Spoiled{"maxiter_huge", 8, false, 16385},
        Spoiled{"xmin_nan", 12, true, kNaN}, Spoiled{"ymax_inf", 36, true, kInf},
        Spoiled{"maxsize_1", 44, true, 1.0}, Spoiled{"maxsize_inf", 44, true, kInf}, Spoiled{"jcx_nan", 52, true, kNaN},
        Spoiled{"p2_inf", 84, true, -kInf}, Spoiled{"inside_5", 92, false, 5}, Spoiled{"outside_neg", 96, false, -1},
        Spoiled{"rin_256", 100, false, 256}, Spoiled{"bout_neg", 120, false, -1}, Spoiled{"palint_0", 892, false, 0},
        Spoiled{"basin_2", 896, false, 2}, Spoiled{"collatzcrit_2", 900, false, 2},
        Spoiled{"cellsize_1", 904, true, 1.0}, Spoiled{"cellsize_nan", 904, true, kNaN},
        Spoiled{"cindex_3", 912, false, 3}, Spoiled{"cnrootcount_101", 916, false, 101},
        Spoiled{"nvindex_24", 920, false, 24}, Spoiled{"nvrootcount_neg", 924, false, -1},
        Spoiled{"anum_0", 928, false, 0}, Spoiled{"aden_not_above_anum", 932, false, 3},
        Spoiled{"jindex_19", 936, false, 19}, Spoiled{"jperiod_0", 940, false, 0}, Spoiled{"maxhits_0", 944, false, 0},
        Spoiled{"maxdepth_9000", 948, false, 9000}, Spoiled{"cxsave_nan", 952, true, kNaN},
        Spoiled{"half_inf", 968, true, kInf}, Spoiled{"pgmindex_8", 976, false, 8},
        Spoiled{"pgmindex_neg", 976, false, -1}, Spoiled{"scale_0", 980, false, 0},
        Spoiled{"pgmx0_11", 984, true, 11.0}, Spoiled{"pgmy0_nan", 992, true, kNaN},
        Spoiled{"rback_300", 1000, false, 300}, Spoiled{"algorithm_2", 1012, false, 2},
        Spoiled{"length_0", 1016, false, 0}, Spoiled{"length_17", 1016, false, 17},
        Spoiled{"length_15_no_nul", 1016, false, 15}, Spoiled{"A_nan", 1037, true, kNaN},
        Spoiled{"CC_2", 1053, true, 2.0}, Spoiled{"k_0", 1069, true, 0.0}, Spoiled{"x01user_1", 1077, true, 1.0},
        Spoiled{"y02user_0", 1093, true, 0.0}, Spoiled{"bindex_11", 1101, false, 11}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParameterFile, ASequenceWithOtherLettersIsRefused) {
    ZqRecord bytes = encode_zq(unusual_settings());
    bytes[1020 + 4] = 'c';
    EXPECT_FALSE(decode_zq(bytes.data(), bytes.size(), Settings()));
}

TEST_F(ParameterFile, AMethodTheTypeCannotUseIsRefused) {
    Settings s;
    s.ftype = 1;  // Newton classic has only method 0
    ZqRecord bytes = encode_zq(s);
    put_i32_le(bytes.data() + 4, 1);
    std::string why;
    EXPECT_FALSE(decode_zq(bytes.data(), bytes.size(), Settings(), &why));
    EXPECT_EQ(why, "method");
}

TEST_F(ParameterFile, NewtonErrorsOwnRadiusIsAccepted) {
    Settings s;
    s.ftype = 30;
    s.params() = startup_params(30);
    EXPECT_TRUE(decode_zq(encode_zq(s).data(), kZqRecordSize, Settings()));
    s.params().maxsize = 1.5;  // anything else must be a proper escape radius
    EXPECT_FALSE(decode_zq(encode_zq(s).data(), kZqRecordSize, Settings()));
}

TEST_F(ParameterFile, FilesOfTheWrongSizeAreRefused) {
    const ZqRecord good = encode_zq(unusual_settings());
    for (std::size_t size : {std::size_t(0), std::size_t(1), kZqRecordSize - 1, kZqRecordSize + 1, std::size_t(5000)}) {
        std::vector<std::uint8_t> data(good.begin(), good.end());
        data.resize(size, 0);
        const fs::path path = dir / "sized.zq";
        write_all(path, data.data(), data.size());
        Settings s;
        EXPECT_EQ(loadzq(path.string(), s), kZqOpenFailed) << size << " bytes";
        EXPECT_EQ(s, Settings()) << size << " bytes";
    }
    Settings s;
    EXPECT_EQ(loadzq((dir / "missing.zq").string(), s), kZqOpenFailed);
    EXPECT_EQ(loadzq(dir.string(), s), kZqOpenFailed);  // a folder is no parameter file
    EXPECT_EQ(s, Settings());
}

TEST_F(ParameterFile, AFailedSaveLeavesTheOldFileIntact) {
    const fs::path path = dir / "keep.zq";
    ASSERT_EQ(writezq(Settings(), path.string()), kZqOk);
    const std::vector<std::uint8_t> before = read_all(path);
    if (!lock_folder(dir)) GTEST_SKIP() << "cannot make a folder refuse new files here";
    EXPECT_EQ(writezq(unusual_settings(), path.string()), kZqOpenFailed);
    unlock_folder(dir);
    EXPECT_EQ(read_all(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << "no partial file left";
}

TEST_F(ParameterFile, ANameAtTheFileSystemsLimitCanBeSaved) {
    const fs::path path = dir / (std::string(252, 'n') + ".zq");
    ASSERT_EQ(writezq(unusual_settings(), path.string()), kZqOk);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    Settings s;
    EXPECT_EQ(loadzq(path.string(), s), kZqOk);
}

TEST_F(ParameterFile, SavingToAMissingFolderFailsToOpen) {
    EXPECT_EQ(writezq(Settings(), (dir / "no" / "such.zq").string()), kZqOpenFailed);
}

TEST(ParameterFileName, TheImagesExtensionBecomesZq) {
    EXPECT_EQ(zq_name_for_image("/home/u/pics/m.tga"), "/home/u/pics/m.zq");
    EXPECT_EQ(zq_name_for_image("picture.TGA"), "picture.zq");
    EXPECT_EQ(zq_name_for_image("/a.b/picture"), "/a.b/picture.zq");
    EXPECT_EQ(zq_name_for_image("/pics/x.zq"), "/pics/x.zq.zq");  // never over the image itself
}

}  // namespace
}  // namespace zoquel
