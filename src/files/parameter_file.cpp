#include "files/parameter_file.h"

#include <algorithm>
#include <cstdio>

#include "files/byte_order.h"
#include "files/parameter_checks.h"
#include "files/regular_file.h"
#include "files/safe_file.h"

namespace zoquel {

namespace {

// Offsets of the record's fields.
enum Offset : std::size_t {
    kFtype = 0, kMethod = 4, kMaxiter = 8, kView = 12, kParam = 44,
    kInside = 92, kOutside = 96, kRin = 100, kGin = 104, kBin = 108, kRout = 112, kGout = 116, kBout = 120,
    kPalette = 124, kPalint = 892, kBasin = 896, kCollatzcrit = 900, kCellsize = 904, kCindex = 912,
    kCnrootcount = 916, kNvindex = 920, kNvrootcount = 924, kAnum = 928, kAden = 932, kJindex = 936,
    kJperiod = 940, kMaxhits = 944, kMaxdepth = 948, kCxsave = 952, kCysave = 960, kHalf = 968,
    kPgmindex = 976, kScale = 980, kPgmx0 = 984, kPgmy0 = 992, kRback = 1000, kGback = 1004, kBback = 1008,
    kAlgorithm = 1012, kLength = 1016, kUstring = 1020, kA = 1037, kB = 1045, kCC = 1053, kDD = 1061,
    kK = 1069, kX01user = 1077, kX02user = 1085, kY02user = 1093, kBindex = 1101,
};
constexpr std::size_t kUstringSize = 17;
static_assert(kBindex + 4 == kZqRecordSize);

// The integer fields after the palette-free head, in record order.
struct IntField {
    std::size_t offset;
    int Settings::*field;
};
constexpr IntField kInts[] = {
    {kInside, &Settings::inside}, {kOutside, &Settings::outside}, {kRin, &Settings::rin},
    {kGin, &Settings::gin}, {kBin, &Settings::bin}, {kRout, &Settings::rout}, {kGout, &Settings::gout},
    {kBout, &Settings::bout}, {kPalint, &Settings::palint}, {kBasin, &Settings::basin},
    {kCollatzcrit, &Settings::collatzcrit}, {kCindex, &Settings::cindex},
    {kCnrootcount, &Settings::cnrootcount}, {kNvindex, &Settings::nvindex},
    {kNvrootcount, &Settings::nvrootcount}, {kAnum, &Settings::anum}, {kAden, &Settings::aden},
    {kJindex, &Settings::jindex}, {kJperiod, &Settings::jperiod}, {kMaxhits, &Settings::maxhits},
    {kMaxdepth, &Settings::maxdepth}, {kScale, &Settings::scale}, {kRback, &Settings::rback},
    {kGback, &Settings::gback}, {kBback, &Settings::bback}, {kAlgorithm, &Settings::algorithm},
    {kBindex, &Settings::bindex},
};

struct RealField {
    std::size_t offset;
    double Settings::*field;
};
constexpr RealField kReals[] = {
    {kCellsize, &Settings::cellsize}, {kCxsave, &Settings::cxsave}, {kCysave, &Settings::cysave},
    {kHalf, &Settings::half}, {kA, &Settings::A}, {kB, &Settings::B}, {kCC, &Settings::CC},
    {kDD, &Settings::DD}, {kK, &Settings::k}, {kX01user, &Settings::x01user},
    {kX02user, &Settings::x02user}, {kY02user, &Settings::y02user},
};

}  // namespace

ZqRecord encode_zq(const Settings& s) {
    ZqRecord r{};
    std::uint8_t* p = r.data();
    put_i32_le(p + kFtype, s.ftype);
    put_i32_le(p + kMethod, s.method);
    // A deep view's longer limit does not fit the record's range: the record keeps the most it can.
    put_i32_le(p + kMaxiter, std::min(s.maxiter, kDialogMaxIterations));
    for (int i = 0; i < 4; ++i) put_f64_le(p + kView + 8 * std::size_t(i), s.view()[i]);
    for (int i = 0; i < 6; ++i) put_f64_le(p + kParam + 8 * std::size_t(i), s.params()[i]);
    for (const IntField& f : kInts) put_i32_le(p + f.offset, s.*f.field);
    for (const RealField& f : kReals) put_f64_le(p + f.offset, s.*f.field);
    for (std::size_t i = 0; i < 256; ++i) {
        p[kPalette + 3 * i] = s.palette[i].r;
        p[kPalette + 3 * i + 1] = s.palette[i].g;
        p[kPalette + 3 * i + 2] = s.palette[i].b;
    }
    put_i32_le(p + kPgmindex, s.pgmindex);
    const bool pgm_ok = s.pgmindex >= 0 && s.pgmindex < 8;
    put_f64_le(p + kPgmx0, pgm_ok ? s.pgmx0[std::size_t(s.pgmindex)] : 0.0);
    put_f64_le(p + kPgmy0, pgm_ok ? s.pgmy0[std::size_t(s.pgmindex)] : 0.0);
    // The sequence is stored as its letters and a NUL; what follows the NUL is zero.
    const std::size_t letters = std::min(s.ustring.size(), kUstringSize - 1);
    put_i32_le(p + kLength, int(letters));
    for (std::size_t i = 0; i < letters; ++i) p[kUstring + i] = std::uint8_t(s.ustring[i]);
    return r;
}

std::optional<Settings> decode_zq(const std::uint8_t* data, std::size_t size, const Settings& base, std::string* why) {
    auto refuse = [why](const char* field) -> std::optional<Settings> {
        if (why) *why = field;
        return std::nullopt;
    };
    if (size != kZqRecordSize || !data) return refuse("size");

    Settings s = base;
    s.deep.reset();  // the record holds no deep view
    s.ftype = get_i32_le(data + kFtype);
    s.method = get_i32_le(data + kMethod);
    s.maxiter = get_i32_le(data + kMaxiter);
    // The view and parameters go to the loaded type: check the indices before using them.
    if (!valid_type(s.ftype)) return refuse("ftype");
    if (s.method != 0 && s.method != 1) return refuse("method");
    for (int i = 0; i < 4; ++i) s.view()[i] = get_f64_le(data + kView + 8 * std::size_t(i));
    for (int i = 0; i < 6; ++i) s.params()[i] = get_f64_le(data + kParam + 8 * std::size_t(i));
    for (const IntField& f : kInts) s.*f.field = get_i32_le(data + f.offset);
    for (const RealField& f : kReals) s.*f.field = get_f64_le(data + f.offset);
    for (std::size_t i = 0; i < 256; ++i)
        s.palette[i] = Rgb{data[kPalette + 3 * i], data[kPalette + 3 * i + 1], data[kPalette + 3 * i + 2]};

    s.pgmindex = get_i32_le(data + kPgmindex);
    if (s.pgmindex < 0 || s.pgmindex > 7) return refuse("pgmindex");
    s.pgmx0[std::size_t(s.pgmindex)] = get_f64_le(data + kPgmx0);
    s.pgmy0[std::size_t(s.pgmindex)] = get_f64_le(data + kPgmy0);

    s.length = get_i32_le(data + kLength);
    if (s.length < 1 || s.length > 16) return refuse("length");
    if (data[kUstring + std::size_t(s.length)] != 0) return refuse("ustring");
    s.ustring.assign(reinterpret_cast<const char*>(data + kUstring), std::size_t(s.length));

    if (const char* field = first_failed_parameter_check(s)) return refuse(field);
    // As the parameter dialog would take the view: a degenerate one is refused, one reaching
    // past +-32 (which only slows every render down) is brought back.
    if (!settle_view(s.view())) return refuse("xyminmax");
    return s;
}

int writezq(const Settings& s, const std::string& path) {
    const ZqRecord record = encode_zq(s);
    SafeFileWriter file;
    if (!file.open(path)) return kZqOpenFailed;
    if (!file.write(record.data(), record.size()) || !file.commit()) return kZqWriteFailed;
    return kZqOk;
}

int loadzq(const std::string& path, Settings& s, std::string* why) {
    std::FILE* f = open_regular_file(path);
    if (!f) {
        if (why) *why = "open";
        return kZqOpenFailed;
    }
    // One byte more than a record, so that a longer file is seen as such.
    std::uint8_t buffer[kZqRecordSize + 1];
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, f);
    const bool read_error = std::ferror(f) != 0;
    std::fclose(f);
    if (read_error) {
        if (why) *why = "read";
        return kZqOpenFailed;
    }
    std::optional<Settings> loaded = decode_zq(buffer, got, s, why);
    if (!loaded) return kZqOpenFailed;
    s = std::move(*loaded);
    return kZqOk;
}

std::string zq_name_for_image(const std::string& image_path) {
    const std::size_t slash = image_path.rfind('/');
    const std::size_t name_start = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = image_path.rfind('.');
    std::string zq = (dot == std::string::npos || dot <= name_start) ? image_path + ".zq"
                                                                      : image_path.substr(0, dot) + ".zq";
    // Never let the parameter file take the image's own name.
    if (zq == image_path) zq += ".zq";
    return zq;
}

}  // namespace zoquel
