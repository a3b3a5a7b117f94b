#include "rules/defaults.h"

namespace zoquel {

namespace {
constexpr double kPgmStartX[8] = {-0.1, 0.46, 6.98, 6.3, -0.1234, 0.81, 0.7171717, 1.2345};
constexpr double kPgmStartY[8] = {0, 7.86, 7.05, 6.5, 0.1234, 0.132, 0.13131, 2.3456};
}  // namespace

void defaultparams(Settings& s) {
    s.maxiter = s.ftype == 39 ? 32 : 256;
    s.cellsize = 0.01;
    Param& p = s.params();
    p = startup_params(s.ftype);
    switch (s.ftype) {
        case 3:
            s.half = p.p1 * 0.5;
            break;
        case 6:
            s.scale = 25;
            if (s.pgmindex >= 0 && s.pgmindex < 8) {
                s.pgmx0[std::size_t(s.pgmindex)] = kPgmStartX[s.pgmindex];
                s.pgmy0[std::size_t(s.pgmindex)] = kPgmStartY[s.pgmindex];
            }
            break;
        case 24:
            if (s.method == 0) {
                s.ustring = "ab";
                s.length = 2;
                s.k = 1.0;
                s.x01user = 0.85;
            } else {
                s.x02user = s.y02user = 0.1;
                s.CC = s.DD = 0.75;
            }
            break;
        case 9:
            s.maxiter = 24;
            if (s.method == 0) {
                p.p1 = p.p2 = 0;
                p.maxsize = 500;
            } else {
                p.p1 = 0.1;
                p.jcx = p.jcy = p.p2 = 0;
                p.maxsize = 100;
                s.palette = rainbow8_palette();
            }
            break;
        default:
            break;
    }
}

void restore_default_view(Settings& s) { s.view() = startup_view(s.ftype, s.method); }

}  // namespace zoquel
