#include "rules/pgm_forms.h"

namespace zoquel {

namespace {
constexpr int kXresRange = 2, kYresRange = 3, kColourRange = 7, kScaleRange = 11, kStartRange = 12;
}  // namespace

bool commit_pgm_formula(Settings& s, int pgmindex) {
    if (pgmindex < 0 || pgmindex > 7 || pgmindex == s.pgmindex) return false;
    s.pgmindex = pgmindex;
    return true;
}

PgmParametersForm pgm_parameters_form_from(const Settings& s) {
    const std::size_t i = std::size_t(s.pgmindex >= 0 && s.pgmindex < 8 ? s.pgmindex : 0);
    return PgmParametersForm{s.xres, s.yres, s.scale, s.pgmx0[i], s.pgmy0[i], {s.rback, s.gback, s.bback}, true, false};
}

PgmParametersOutcome commit_pgm_parameters(Settings& s, const PgmParametersForm& form) {
    PgmParametersOutcome out;
    auto refuse = [&out](int error, int entry) {
        out.error = error;
        out.entry = entry;
        return out;
    };
    auto whole_in = [](long v, long lo, long hi) { return v >= lo && v <= hi; };
    auto real_in = [](double v) { return v >= -10.0 && v <= 10.0; };  // false for NaN
    if (!whole_in(form.xres, 32, 9600)) return refuse(kXresRange, 0);
    if (!whole_in(form.yres, 32, 9600)) return refuse(kYresRange, 1);
    if (!whole_in(form.scale, 1, 100)) return refuse(kScaleRange, 2);
    if (!real_in(form.x0)) return refuse(kStartRange, 3);
    if (!real_in(form.y0)) return refuse(kStartRange, 4);
    for (int c = 0; c < 3; ++c)
        if (!whole_in(form.background[std::size_t(c)], 0, 255)) return refuse(kColourRange, 5 + c);

    const std::size_t i = std::size_t(s.pgmindex >= 0 && s.pgmindex < 8 ? s.pgmindex : 0);
    auto store = [&out](auto& field, auto value) {
        if (field != value) out.firstloop = true;
        field = value;
    };
    out.newdimensions = form.xres != s.xres || form.yres != s.yres;
    store(s.xres, int(form.xres));
    store(s.yres, int(form.yres));
    store(s.scale, int(form.scale));
    store(s.pgmx0[i], form.x0);
    store(s.pgmy0[i], form.y0);
    store(s.rback, int(form.background[0]));
    store(s.gback, int(form.background[1]));
    store(s.bback, int(form.background[2]));
    if (!out.firstloop) out.firstloop = form.start_new_image;
    out.prestore = form.restore_defaults;
    return out;
}

}  // namespace zoquel
