#include "rules/parameter_layout.h"

#include <algorithm>
#include <initializer_list>

namespace zoquel {

namespace {

using Check = ColumnRule::Check;
using Effect = ColumnRule::Effect;

bool one_of(int t, std::initializer_list<int> types) { return std::find(types.begin(), types.end(), t) != types.end(); }

ColumnRule shown(const std::string& label, int decimals = 15) {
    ColumnRule r;
    r.label = label;
    r.shown = r.read = true;
    r.decimals = decimals;
    return r;
}

ColumnRule clamped(const std::string& label, double lo, double hi, Effect effect = Effect::none) {
    ColumnRule r = shown(label);
    r.check = Check::clamp;
    r.lo = lo, r.hi = hi;
    r.effect = effect;
    return r;
}

ColumnRule refused(const std::string& label, double lo, double hi, int error, Effect effect = Effect::none) {
    ColumnRule r = shown(label);
    r.check = Check::refuse;
    r.lo = lo, r.hi = hi;
    r.error = error;
    r.effect = effect;
    return r;
}

// The escape radius (or Newton's capture radius), column 0.
ColumnRule radius(int t) {
    if (t == 1) return refused("minsize:", 0.000001, 0.001, 21);
    // The largest double below 1.0E30 is the limit.
    ColumnRule r = refused("maxsize:", 2.0, 1.0e30, 5);
    r.hi_open = true;
    // Newton Error's own default radius is 0; keeping it unchanged is no error.
    r.unchanged_ok = t == 30;
    if (t == 9) r.cap = 500;
    if (t == 22) r.cap = 72;
    return r;
}

// The dynamic plane's constant, columns 1 and 2.
void constant(ParameterLayout& l, int t, int m, int inside) {
    if (m != 1 || one_of(t, {24, 27, 28, 29, 30, 33, 34})) return;
    const char* x = "cx:       ";
    const char* y = "cy:       ";
    if (one_of(t, {11, 12})) x = "qx:       ", y = "qy:       ";
    if (one_of(t, {13, 15})) x = "lambda x: ", y = "lambda y: ";
    const double limit = t == 37 ? 0.5 : 20.0;
    l.columns[1] = clamped(x, -limit, limit);
    l.columns[2] = clamped(y, -limit, limit);
    // Lace shows the constant it does not use.
    if (t == 31) l.columns[1].read = l.columns[2].read = false;
    if (t == 0 && inside == kInsideJuliaLevelSets) l.columns[2].effect = Effect::julia_period;
}

void type_columns(ParameterLayout& l, const Settings& s) {
    const int t = s.ftype, m = s.method;
    ColumnRule& p0 = l.columns[3];
    ColumnRule& p1 = l.columns[4];
    ColumnRule& p2 = l.columns[5];
    auto pair = [&](ColumnRule a, ColumnRule b) {
        p1 = std::move(a);
        p2 = std::move(b);
    };
    switch (t) {
        case 0:
            p0 = refused("exponent:", 1, 17, 6);
            if (m == 1) {
                p1 = clamped("minsize (radius):", 1e-12, 1);
                // The edit holds the palette interval only with Julia level sets; otherwise
                // OK sets the interval to 1.
                p2.effect = Effect::palint;
                if (s.inside == kInsideJuliaLevelSets) {
                    p2.label = "palette interval (1-" + std::to_string(s.jperiod) + "):";
                    p2.shown = p2.read = true;
                    p2.decimals = 0;
                }
            }
            break;
        case 1:
            p0 = refused("exponent:", 2, 8, 22);
            pair(clamped("mx:         ", 0.02, 1.99), clamped("my:         ", -0.99, 0.99));
            break;
        case 3:
            pair(clamped("h:          ", 0, 1), clamped("p:          ", 0, 1));
            l.fixed_volterra_lotka = true;
            break;
        case 7: case 8: case 9:
            pair(clamped("epsilon x: ", -4, 4), clamped("epsilon y: ", -4, 4));
            break;
        case 13:
            pair(refused("N:         ", 1, 16, 9), refused("D:         ", 1, 16, 9));
            break;
        case 16:
            p0 = clamped("pk (-1.0 - 1.0):", -1, 1);
            p1 = clamped("degree (2.0 - 8.0):", 2, 8, Effect::restart);
            break;
        case 18: case 20: case 21: case 35:
            p0 = refused("exponent:", 1, 17, 6);
            break;
        case 23:
            if (m == 0) pair(clamped("a0 x:      ", -30, 30, Effect::newa0), clamped("a0 y:      ", -30, 30, Effect::newa0));
            break;
        case 27:
            pair(clamped("mx:         ", 0.02, 1.99), clamped("my:         ", -0.99, 0.99));
            break;
        case 31:
            if (m == 1) {
                pair(clamped("r ( 1.1 - 2.75 ):", 1.1, 2.75, Effect::restart),
                     clamped("scale ( 1 - 10 ):", 1, 10, Effect::restart));
                p1.decimals = 4;
                p2.decimals = 1;
            }
            break;
        case 32:
            pair(clamped("max hits: ", 1, 256, Effect::maxhits), clamped("max depth:", 8, 8192, Effect::maxdepth));
            p1.whole = p2.whole = true;
            break;
        case 33:
            p0 = refused("X axis rotation (0 - 360):", 0, 360, 13, Effect::restart);
            pair(refused("Y axis rotation (0 - 360):", 0, 360, 13, Effect::restart),
                 refused("Z axis rotation (0 - 360):", 0, 360, 13, Effect::restart));
            break;
        case 37:
            p0 = refused("exponent:", 4, 50, 18);
            p1 = shown("coefficient:");
            p1.check = Check::petal;
            break;
        case 38:
            if (m == 1) p0 = clamped("minsize (radius):   ", 1e-12, 1);
            pair(refused("threshold:", 0.0001, 0.9999, 14), refused("overflow:  ", 100, 1.0e32, 15));
            // The largest double below 1.0E32 is the limit.
            p2.hi_open = true;
            break;
        default:
            break;
    }
}

}  // namespace

ParameterLayout parameter_layout(const Settings& s) {
    ParameterLayout l;
    l.columns[0] = radius(s.ftype);
    constant(l, s.ftype, s.method, s.inside);
    type_columns(l, s);
    return l;
}

}  // namespace zoquel
