#pragma once
#include <array>
#include <optional>
#include <string>

#include "model/deep_view.h"
#include "model/type_table.h"
#include "model/palettes.h"

namespace zoquel {

// The colouring methods by their numbers in `outside` and `inside`.
constexpr int kOutsideLevelSets = 1, kOutsideSmoothing = 2, kOutsideBinaryBW = 4;
constexpr int kInsideSiegelDisks = 3, kInsideJuliaLevelSets = 4;

// Everything the user edits and the parameter file stores. A plain value: dialogs edit a copy
// and commit it on OK; the live instance is what generators read.
struct Settings {
    // Start-up values: built-in views and parameters, a 600 x 600 image.
    Settings();

    // Selection and image
    int ftype = 0;
    int method = 0;
    int maxiter = 256;
    int xres = 600, yres = 600;
    std::array<std::array<View, 2>, kTypeCount> xyminmax{};  // live views by type and method
    std::array<Param, kTypeCount> pc{};                      // live parameters by type

    // Colouring
    int outside = 1, inside = 0;
    int rout = 255, gout = 255, bout = 255;
    int rin = 0, gin = 0, bin = 0;
    Palette palette = default_palette();
    int palint = 1;   // palette interval of Julia level sets
    int cindex = 1;   // palette step of smoothing (type 23 sets its own)
    int jperiod = 1;  // period of the Julia attractor
    double cxsave = 0.32, cysave = 0.043;  // the Julia constant of the last dynamic-plane image

    // Newton family
    int basin = 0;
    double cellsize = 0.01;
    // Collatz family
    int collatzcrit = 0;
    int cnrootcount = 61;
    // Newton / secant variations
    int nvindex = 0;
    int nvrootcount = 0;
    // Julia samples and cardioid border
    int anum = 1, aden = 3, jindex = 0;
    // Chaos game: the polygon (0 triangle .. 5 hexagon overlapped) and its colouring
    // (0 monochrome, 1 hit count)
    int smode = 0, scmode = 0;
    // Inverse-iteration Julia sets
    int maxhits = 64, maxdepth = 256;
    // Volterra-Lotka
    double half = 0.739 * 0.5;
    int vlcoloring = 0;     // 0 relative distance, 1 minimum distance, 2 level sets of attraction
    double vlradius = 0.1;  // target radius around the attractor for scheme 2
    // Perturbated gingerbread men
    int pgmindex = 7;
    int scale = 25;
    std::array<double, 8> pgmx0{-0.1, 0.46, 6.98, 6.3, -0.1234, 0.81, 0.7171717, 1.2345};
    std::array<double, 8> pgmy0{0, 7.86, 7.05, 6.5, 0.1234, 0.132, 0.13131, 2.3456};
    int rback = 0, gback = 0, bback = 0;
    // Lyapunov
    int algorithm = 0;
    int length = 2;
    std::string ustring = "ab";  // at most 16 letters
    double A = 0, B = 0;
    double CC = 0.75, DD = 0.75;
    double k = 1.0, x01user = 0.85;
    double x02user = 0.1, y02user = 0.1;
    // Biomorphs
    int bindex = 0;
    // A view past double precision, where one was zoomed or given; never in the binary record.
    std::optional<DeepView> deep;

    View& view() { return xyminmax[std::size_t(ftype)][std::size_t(method)]; }
    const View& view() const { return xyminmax[std::size_t(ftype)][std::size_t(method)]; }
    Param& params() { return pc[std::size_t(ftype)]; }
    const Param& params() const { return pc[std::size_t(ftype)]; }

    friend bool operator==(const Settings&, const Settings&) = default;
};

// The deep view where it applies to the settings' type, method and view, else nullptr.
inline const DeepView* active_deep_view(const Settings& s) {
    return s.deep && s.deep->ftype == s.ftype && s.deep->method == s.method && s.deep->corners == s.view() ? &*s.deep
                                                                                                         : nullptr;
}
// The types whose images have a deep path: z^2 + c in both planes.
inline bool has_deep_path(const Settings& s) { return s.ftype == 0 && s.params().p0 == 2; }

// The palette step of the smoothing blend: cindex for the type that keeps its own, else 1.
inline int smoothing_step(const Settings& s) { return type_info(s.ftype).has(kOwnSmoothingStep) ? s.cindex : 1; }

// The image sides the parameter dialog and the files accept.
constexpr int kMinImageSide = 32, kMaxImageSide = 9600;

// The Lyapunov sequence keeps at most this many letters; longer input is cut.
constexpr std::size_t kLyapunovMaxLetters = 16;

// Input the options dialog accepts as a Lyapunov sequence: at least one letter, each a, b, A
// or B. A stored sequence must also fit kLyapunovMaxLetters.
bool valid_lyapunov_letters(const std::string& sequence);

// A view as the parameter dialog takes it: each axis ordered and kept within [-32, 32]. False
// when an axis is then narrower than 1e-15; `failed` tells which (0 x, 1 y), and the axes
// before it are settled.
bool settle_view(View& v, int* failed = nullptr);

// The start-up copies that restoring defaults goes back to (rxyminmax, pd).
const View& startup_view(int ftype, int method);
const Param& startup_params(int ftype);

}  // namespace zoquel
