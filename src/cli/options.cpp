#include "cli/options.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "model/number_text.h"

namespace zoquel::cli {

const char* const kUsage =
    "usage: zoquel-render [FILE] [options] -o OUT.tga|OUT.png\n"
    "  FILE                  a parameter file to start from (.zq, .zqt, or a PNG written by\n"
    "                        Zoquel; - reads standard input); the options override it\n"
    "  --type N              fractal type 0..39, chosen as the type dialog does\n"
    "  --method M            calculation method 0 or 1\n"
    "  --maxiter N           iteration limit 1..16384 (1..10000000 on a deep view)\n"
    "  --size WxH            image size, each 32..9600\n"
    "  --view XMIN,XMAX,YMIN,YMAX\n"
    "  --center RE,IM --width W  the view by its centre and width, decimal numbers of any\n"
    "                        length (square pixels); type 0 zooms past double precision\n"
    "  --param COLUMN=VALUE  column 0..5 of the type's parameter record\n"
    "  --set NAME=VALUE      another setting by its parameter-file name\n"
    "  --outside N           outside colouring 0..4\n"
    "  --inside N            inside colouring 0..4\n"
    "  --palette NAME|FILE.map  default, greyscale, biomorph, rainbow8 or a Fractint map\n"
    "  --threads N           rows rendered in parallel, 1..1024 (default: every core)\n"
    "  --seed N              seed of the random numbers (chaos game, DLA; default: the clock)\n"
    "  --batches N           plot commands in a row, 1..10000 (types that go on from one\n"
    "                        to the next: chaos game, Lorenz, gingerbread men)\n"
    "  --steps N             animation steps before it stops as if paused, 1..100000000\n"
    "                        (oscillators; default 3000)\n"
    "  --particles N         DLA particles before the run stops as if paused, 1..100000000\n"
    "                        (default: until it ends by itself)\n"
    "  --orbit I,J           after an Orbits image, trace the orbit of pixel (I, J) into it\n"
    "  --sample K            the constant of Julia sample K, 1..18 (dynamic plane of types\n"
    "                        0, 2, 32, 35, 38 and 39)\n"
    "  --cardioid N/D        the constant on the main cardioid's border at angle N/D of a turn\n"
    "                        (same types)\n"
    "  --thumbnail X,Y       after a parameter-plane image, draw the Julia thumbnail of the\n"
    "                        constant X + Yi into its top-left corner\n"
    "  --save-zq FILE        also write the parameter file of the image\n"
    "  --save-params FILE    also write it as a text parameter file (.zqt)\n"
    "  --intro               the introduction as the explorer leaves it, instead of a fractal\n"
    "  -o FILE               the image to write (.tga or .png, with its parameters inside);\n"
    "                        several -o write it to each; - writes a PNG to standard output\n"
    "  --version             the version, then nothing else\n"
    "  --list-types          every fractal type, its methods and parameter columns\n"
    "Options take their value as --name VALUE or --name=VALUE. One of -o, --save-zq and\n"
    "--save-params may be -, standard output.\n";

namespace {

bool split_pair(const std::string& text, char sep, std::string& a, std::string& b) {
    std::size_t at = text.find(sep);
    if (at == std::string::npos) return false;
    a = text.substr(0, at);
    b = text.substr(at + 1);
    return true;
}

}  // namespace

std::optional<Options> parse_options(const std::vector<std::string>& given, std::string& error) {
    Options o;
    // "--name=value" is "--name value", as other tools take it.
    std::vector<std::string> args;
    for (const std::string& a : given) {
        const std::size_t eq = a.find('=');
        if (a.rfind("--", 0) == 0 && eq != std::string::npos) {
            args.push_back(a.substr(0, eq));
            args.push_back(a.substr(eq + 1));
        } else {
            args.push_back(a);
        }
    }
    auto fail = [&](const std::string& message) -> std::optional<Options> {
        error = message;
        return std::nullopt;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        // An empty value is a slip (an unset shell variable), never a choice.
        auto value = [&](std::string& v) {
            if (i + 1 >= args.size()) return false;
            v = args[++i];
            return !v.empty();
        };
        std::string v;
        auto int_option = [&](std::optional<int>& target) -> bool {
            int n;
            if (!value(v)) {
                error = a + " needs a value";
                return false;
            }
            if (!parse_int(v, n)) {
                error = a + ": '" + v + "' is not a whole number";
                return false;
            }
            target = n;
            return true;
        };
        // Two numbers in one value, "A<separator>B", each read by `read`.
        auto pair_option = [&]<class T>(char separator, const char* form, bool (*read)(const std::string&, T&),
                                        std::optional<std::pair<T, T>>& target) -> bool {
            std::string first, second;
            T x, y;
            if (!value(v)) {
                error = a + " needs " + form;
                return false;
            }
            if (!split_pair(v, separator, first, second) || !read(first, x) || !read(second, y)) {
                error = a + ": '" + v + "' is not of the form " + form;
                return false;
            }
            target = std::make_pair(x, y);
            return true;
        };
        // A budget: a whole number within [1, most].
        auto count_option = [&](long most) -> std::optional<long> {
            std::optional<int> n;
            if (!int_option(n)) return std::nullopt;
            if (*n < 1 || *n > most) {
                error = a + ": range 1 - " + std::to_string(most);
                return std::nullopt;
            }
            return *n;
        };
        if (a == "-h" || a == "--help") {
            o.help = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--list-types") {
            o.list_types = true;
        } else if (a == "--intro") {
            o.intro = true;
        } else if (a == "--type") {
            if (!int_option(o.type)) return std::nullopt;
        } else if (a == "--method") {
            if (!int_option(o.method)) return std::nullopt;
        } else if (a == "--maxiter") {
            if (!int_option(o.maxiter)) return std::nullopt;
        } else if (a == "--outside") {
            if (!int_option(o.outside)) return std::nullopt;
        } else if (a == "--inside") {
            if (!int_option(o.inside)) return std::nullopt;
        } else if (a == "--threads") {
            if (!int_option(o.threads)) return std::nullopt;
            if (*o.threads < 1 || *o.threads > kMaxThreads) return fail("--threads: range 1 - " + std::to_string(kMaxThreads));
        } else if (a == "--seed") {
            if (!value(v)) return fail("--seed needs a value");
            char* end = nullptr;
            errno = 0;
            const unsigned long seed = std::strtoul(v.c_str(), &end, 10);
            if (v.empty() || v[0] == '-' || *end != '\0' || errno != 0 || seed > 4294967295UL)
                return fail("--seed: '" + v + "' is not a whole number 0..4294967295");
            o.seed = unsigned(seed);
        } else if (a == "--batches") {
            const std::optional<long> n = count_option(10000);
            if (!n) return std::nullopt;
            o.batches = int(*n);
        } else if (a == "--steps") {
            const std::optional<long> n = count_option(100000000);
            if (!n) return std::nullopt;
            o.steps = *n;
        } else if (a == "--particles") {
            o.particles = count_option(100000000);
            if (!o.particles) return std::nullopt;
        } else if (a == "--orbit") {
            if (!pair_option(',', "I,J", parse_int, o.orbit)) return std::nullopt;
        } else if (a == "--sample") {
            if (!int_option(o.sample)) return std::nullopt;
            if (*o.sample < 1 || *o.sample > 18) return fail("--sample: range 1 - 18");
        } else if (a == "--cardioid") {
            if (!pair_option('/', "N/D", parse_int, o.cardioid)) return std::nullopt;
        } else if (a == "--thumbnail") {
            if (!pair_option(',', "X,Y", parse_real, o.thumbnail)) return std::nullopt;
        } else if (a == "--size") {
            if (!pair_option('x', "WIDTHxHEIGHT", parse_int, o.size)) return std::nullopt;
        } else if (a == "--view") {
            if (!value(v)) return fail("--view needs XMIN,XMAX,YMIN,YMAX");
            std::vector<double> view;
            std::stringstream ss(v);
            std::string part;
            while (std::getline(ss, part, ',')) {
                double d;
                if (!parse_real(part, d)) return fail("--view: '" + part + "' is not a finite number");
                view.push_back(d);
            }
            if (view.size() != 4) return fail("--view needs four numbers XMIN,XMAX,YMIN,YMAX");
            o.view = view;
        } else if (a == "--center") {
            std::string re, im;
            if (!value(v) || !split_pair(v, ',', re, im) || re.empty() || im.empty())
                return fail("--center needs RE,IM");
            o.center = std::make_pair(re, im);
        } else if (a == "--width") {
            if (!value(o.width)) return fail("--width needs a value");
        } else if (a == "--param") {
            std::string col, val;
            int c;
            double d;
            if (!value(v) || !split_pair(v, '=', col, val)) return fail("--param needs COLUMN=VALUE");
            if (!parse_int(col, c) || c < 0 || c > 5) return fail("--param: column must be 0..5, not '" + col + "'");
            if (!parse_real(val, d)) return fail("--param: '" + val + "' is not a finite number");
            o.params.emplace_back(c, d);
        } else if (a == "--set") {
            std::string name, val;
            if (!value(v) || !split_pair(v, '=', name, val) || name.empty()) return fail("--set needs NAME=VALUE");
            o.sets.emplace_back(name, val);
        } else if (a == "--palette") {
            if (!value(o.palette)) return fail("--palette needs a name or a .map file");
        } else if (a == "--save-zq") {
            if (!value(o.save_zq)) return fail("--save-zq needs a file name");
        } else if (a == "--save-params") {
            if (!value(o.save_params)) return fail("--save-params needs a file name");
        } else if (a == "-o" || a == "--output") {
            if (!value(v)) return fail(a + " needs a file name");
            o.outputs.push_back(v);
        } else if (a.size() > 1 && a[0] == '-') {
            return fail("unknown option '" + a + "'");
        } else if (o.parameter_file.empty()) {
            o.parameter_file = a;
        } else {
            return fail("only one parameter file may be given ('" + a + "')");
        }
    }
    if (o.center.has_value() != !o.width.empty()) return fail("--center and --width go together");
    if (o.view && o.center) return fail("--view and --center give the view twice: give one of them");
    if (!o.help && !o.version && !o.list_types && o.outputs.empty()) return fail("no output file: give -o OUT.tga or -o OUT.png");
    return o;
}

}  // namespace zoquel::cli
