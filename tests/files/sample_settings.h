#pragma once
#include <cstdint>

#include "model/settings.h"

namespace zoquel::test_support {

// Settings in which every field the binary parameter file stores differs from its start-up
// value.
inline Settings unusual_settings() {
    Settings s;
    s.ftype = 24;
    s.method = 1;
    s.maxiter = 777;
    s.view() = View{-1.5, 2.25, -0.125, 3.0625};
    s.params() = Param{4.5, 0.25, -0.75, 1.5, 2.5, -3.5};
    s.inside = 3, s.outside = 2;
    s.rin = 1, s.gin = 2, s.bin = 3, s.rout = 250, s.gout = 251, s.bout = 252;
    for (int i = 0; i < 256; ++i) s.palette[std::size_t(i)] = Rgb{std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 7)};
    s.palint = 5, s.basin = 1, s.collatzcrit = 1, s.cellsize = 1e-6, s.cindex = 2, s.cnrootcount = 17;
    s.nvindex = 21, s.nvrootcount = 9, s.anum = 3, s.aden = 8, s.jindex = 12, s.jperiod = 11;
    s.maxhits = 100, s.maxdepth = 4000, s.cxsave = -0.7, s.cysave = 0.3, s.half = 0.4;
    s.pgmindex = 3, s.scale = 60;
    s.pgmx0[3] = -9.5, s.pgmy0[3] = 9.25;
    s.rback = 10, s.gback = 20, s.bback = 30, s.algorithm = 1;
    s.ustring = "aBbAbbaBAbabBBaa", s.length = 16;
    s.A = 3.25, s.B = -1e100, s.CC = 0.6, s.DD = 1.4, s.k = 4.75;
    s.x01user = 0.2, s.x02user = 0.3, s.y02user = 0.4, s.bindex = 10;
    return s;
}

}  // namespace zoquel::test_support
