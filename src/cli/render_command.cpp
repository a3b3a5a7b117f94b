#include "cli/render_command.h"

#include <unistd.h>

#include <chrono>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <thread>

#include "deep/deep_view_math.h"
#include "model/named_settings.h"
#include "cli/listings.h"
#include "cli/options.h"
#include "files/file_dialogs.h"
#include "files/map_file.h"
#include "files/parameter_file.h"
#include "files/parameter_sources.h"
#include "files/png_file.h"
#include "files/regular_file.h"
#include "files/text_parameters.h"
#include "files/targa.h"
#include "render/driver.h"
#include "render/introduction.h"
#include "render/live_state.h"
#include "render/thumbnail.h"
#include "render/type_registry.h"
#include "rules/julia_choice.h"
#include "rules/parameter_layout.h"
#include "rules/parameter_rules.h"
#include "rules/type_selection.h"

namespace zoquel::cli {

namespace {

// The folder a file is to be written into exists.
bool folder_exists(const std::string& file) {
    const std::filesystem::path parent = std::filesystem::path(file).parent_path();
    std::error_code ec;
    return std::filesystem::is_directory(parent.empty() ? std::filesystem::path(".") : parent, ec);
}

// The message of a refused value, on one line.
std::string one_line(std::string text) {
    std::string out;
    bool blank = false;
    for (char c : text) {
        if (c == '\n' || c == ' ') {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

std::string apply_palette(Settings& s, const std::string& name) {
    if (has_extension(name, "map") || name.find('/') != std::string::npos) {
        Palette paltemp;
        if (OpenMapFile(name, paltemp) != kMapOk) return "Error opening MAP file ('" + name + "')";
        s.palette = paltemp;
        return {};
    }
    if (name == "default") s.palette = default_palette();
    else if (name == "greyscale") s.palette = greyscale_palette();
    else if (name == "biomorph") s.palette = kpbw4_palette();
    else if (name == "rainbow8") s.palette = rainbow8_palette();
    else return "unknown palette '" + name + "' (default, greyscale, biomorph, rainbow8 or a FILE.map)";
    return {};
}

// Standard input or output instead of a file.
bool is_standard_stream(const std::string& file) { return file == "-"; }

// All of `bytes` on standard output; false with errno set when it cannot take them.
template <class Bytes>
bool write_standard_output(const Bytes& bytes) {
    if (bytes.empty()) {
        errno = ENOMEM;
        return false;
    }
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
}

std::optional<ParameterLoadError> load_parameters(const std::string& file, Settings& s) {
    if (!is_standard_stream(file)) return load_parameter_file(file, s);
    std::string bytes;
    char buffer[1 << 16];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) bytes.append(buffer, n);
    if (std::ferror(stdin)) return ParameterLoadError{ParameterFileKind::binary, "read error"};
    return load_parameter_bytes(bytes, s);
}

// The view of the centre and width, square pixels; a deep view for a type with a deep path,
// the nearest doubles for the others where they can resolve it. Empty on success.
std::string apply_centre_and_width(Settings& s, const std::string& re, const std::string& im, const std::string& width) {
    auto made = deep::deep_view_from_texts(s.ftype, s.method, re, im, width, s.xres, s.yres);
    if (auto* refusal = std::get_if<std::string>(&made)) return "--center/--width: " + *refusal;
    const DeepView* v = &std::get<DeepView>(made);
    if (has_deep_path(s)) {
        s.deep = *v;
        s.view() = v->corners;
        return {};
    }
    if (deep::unresolvable_in_doubles(*v, s.xres))
        return "--width: " + std::string(type_info(s.ftype).name) + " is computed in double precision and cannot resolve a width of " +
               width + " there";
    View view = v->corners;
    if (!settle_view(view)) return "--width: the view must be at least 1e-15 wide and high, within -32..32";
    s.view() = view;
    s.deep.reset();
    return {};
}

// Applies every option to the live settings, as the dialogs would. Empty on success.
std::string build_settings(LiveState& state, const Options& o) {
    Settings& s = state.settings;
    // The file first, as the explorer loads it; every option then overrides it.
    if (!o.parameter_file.empty())
        if (std::optional<ParameterLoadError> error = load_parameters(o.parameter_file, s))
            return "Error opening ZQ file ('" + o.parameter_file + "': " + error->reason + ")";

    if (o.type || o.method) {
        int t = o.type.value_or(s.ftype);
        int m = o.method.value_or(s.method);
        if (!valid_type(t)) return "--type: fractal type must be 0..39";
        if (m != 0 && m != 1) return "--method: method must be 0 or 1";
        TypeChoiceOutcome outcome = choose_type(s, state.firsttime, t, m);
        if (outcome.firstloop) state.render.firstloop = true;
        if (o.method && forced_method(t) >= 0 && forced_method(t) != m)
            std::fprintf(stderr, "zoquel-render: %s always uses method %d\n", type_info(t).name, forced_method(t));
    }
    if (!o.palette.empty())
        if (std::string e = apply_palette(s, o.palette); !e.empty()) return e;

    // A deep view takes longer iteration limits than the dialog: they are checked below.
    const bool deep_limit = o.maxiter && *o.maxiter > kDialogMaxIterations && *o.maxiter <= kDeepMaxIterations &&
                            (o.center || active_deep_view(s));
    if (o.maxiter || o.size || o.view || !o.params.empty()) {
        ParameterForm form = parameter_form_from(s);
        if (o.maxiter) form.maxiter = deep_limit ? kDialogMaxIterations : *o.maxiter;
        if (o.size) {
            form.xres = o.size->first;
            form.yres = o.size->second;
        }
        if (o.view) form.view = View{(*o.view)[0], (*o.view)[1], (*o.view)[2], (*o.view)[3]};
        const ParameterLayout layout = parameter_layout(s);
        for (auto [column, value] : o.params) {
            const ColumnRule& rule = layout.columns[std::size_t(column)];
            if (!rule.read)
                return "--param: column " + std::to_string(column) + " is not a parameter of " + type_info(s.ftype).name +
                       " in method " + std::to_string(s.method);
            if (rule.effect == ColumnRule::Effect::palint)
                form.palint = long(value);
            else
                form.param[column] = value;
        }
        ParameterOutcome outcome = commit_parameter_form(s, form);
        if (!outcome.ok()) return one_line(paramerror(outcome.error));
        if (outcome.firstloop || outcome.newdimensions) state.render.firstloop = true;
    }
    if (o.center) {
        if (std::string e = apply_centre_and_width(s, o.center->first, o.center->second, o.width); !e.empty()) return e;
    }
    if (deep_limit) {
        if (!active_deep_view(s) || !has_deep_path(s))
            return "--maxiter: iteration range: 1 - 16384 (up to 10000000 on a deep view of type 0)";
        s.maxiter = *o.maxiter;
    }
    if (o.outside) {
        if (*o.outside < 0 || *o.outside > 4) return "--outside: colouring method must be 0..4";
        s.outside = *o.outside;
    }
    if (o.inside) {
        if (*o.inside < 0 || *o.inside > 4) return "--inside: colouring method must be 0..4";
        s.inside = *o.inside;
    }
    for (const auto& [name, value] : o.sets)
        if (std::string e = apply_named_setting(s, name, value); !e.empty()) return "--set " + e;
    if (o.sample || o.cardioid) {
        if (s.method != 1 || !is_julia_capable(s.ftype))
            return std::string(o.sample ? "--sample" : "--cardioid") +
                   ": for the dynamic plane (--method 1) of types 0, 2, 32, 35, 38 and 39";
        if (o.sample) commit_julia_sample(s, *o.sample);
        if (o.cardioid) {
            const CardioidOutcome out = commit_cardioid(s, o.cardioid->first, o.cardioid->second);
            if (!out.ok()) return "--cardioid: " + one_line(paramerror(out.error));
        }
    }
    if (o.thumbnail && (s.method != 0 || !type_info(s.ftype).thumbflag))
        return "--thumbnail: for the parameter plane (--method 0) of a type with Julia thumbnails";
    if (o.orbit) {
        if (!traces_orbits(s.ftype)) return "--orbit traces the orbits of the Orbits type (39) only";
        if (o.orbit->first < 0 || o.orbit->first >= s.xres || o.orbit->second < 0 || o.orbit->second >= s.yres)
            return "--orbit: the pixel must lie in the image, 0.." + std::to_string(s.xres - 1) + ",0.." +
                   std::to_string(s.yres - 1);
    }
    return {};
}

// Progress on a terminal, a few times a second: rows done with the rate and the time left,
// or particles of an aggregation (of the budget, where there is one).
class Progress {
public:
    Progress(const char* unit, long total) : unit_(unit), total_(total), tty_(::isatty(2)) {}
    void update(long done) {
        if (!tty_) return;
        auto now = std::chrono::steady_clock::now();
        if (now - last_ < std::chrono::milliseconds(250)) return;
        last_ = now;
        const double seconds = std::chrono::duration<double>(now - start_).count();
        const double rate = seconds > 0 ? done / seconds : 0;
        if (total_ > 0 && rate > 0)
            std::fprintf(stderr, "\rzoquel-render: %s %ld of %ld, %.1f %ss/s, %.0f s left\033[K", unit_, done, total_, rate,
                         unit_, (total_ - done) / rate);
        else
            std::fprintf(stderr, "\rzoquel-render: %s %ld, %.1f %ss/s\033[K", unit_, done, rate, unit_);
        shown_ = true;
    }
    ~Progress() {
        if (shown_) std::fprintf(stderr, "\r\033[K");
    }

private:
    const char* unit_;
    long total_;
    bool tty_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point last_ = start_;
};

// The orbit of the pixel, traced into the Orbits image as the explorer's click does.
bool trace_orbit(LiveState& state, Point pixel) {
    WholeImagePtr trace = orbit_trace(state, pixel);
    if (!trace) return false;
    while (animation_step(state, *trace).more) {
    }
    return true;
}

}  // namespace

int run_render(const std::vector<std::string>& args) {
    std::string error;
    std::optional<Options> options = parse_options(args, error);
    if (!options) {
        std::fprintf(stderr, "zoquel-render: %s\n", error.c_str());
        return kExitUsage;
    }
    if (options->help) {
        std::fputs(kUsage, stdout);
        std::fputs(choices_listing().c_str(), stdout);
        return kExitOk;
    }
    if (options->list_types) {
        std::fputs(type_listing().c_str(), stdout);
        return kExitOk;
    }
    if (options->version) {
        std::printf("zoquel-render %s\n", ZOQUEL_VERSION);
        return kExitOk;
    }
    // Every file the render will write, checked before it starts, so none is left without
    // its partner after a long render.
    for (const std::string& out : options->outputs)
        if (!has_extension(out, "png") && !has_extension(out, "tga") && !is_standard_stream(out)) {
            std::fprintf(stderr, "zoquel-render: the output must end in .tga or .png, or be - ('%s')\n", out.c_str());
            return kExitUsage;
        }
    std::vector<std::string> written_files = options->outputs;
    if (!options->save_zq.empty()) written_files.push_back(options->save_zq);
    if (!options->save_params.empty()) written_files.push_back(options->save_params);
    if (std::count_if(written_files.begin(), written_files.end(), is_standard_stream) > 1) {
        std::fprintf(stderr, "zoquel-render: only one output can go to standard output (-)\n");
        return kExitUsage;
    }
    for (const std::string& file : written_files)
        if (!is_standard_stream(file) && !folder_exists(file)) {
            std::fprintf(stderr, "zoquel-render: no folder to write '%s' into\n", file.c_str());
            return kExitUsage;
        }

    HeadlessHost quiet;
    // The generators seed their random numbers from the clock: a fixed clock repeats them.
    quiet.fixed_time = options->seed;
    reset_live_state(quiet);
    LiveState& state = live();
    // The notices explain the explorer's keys and clicks; a batch render has none. (The first
    // Orbits image would also set the limit to its default, overriding --maxiter.)
    state.memory.firsttimetext = state.memory.firstosc = state.memory.firstdla = state.memory.firstorbit = false;
    if (std::string e = build_settings(state, *options); !e.empty()) {
        std::fprintf(stderr, "zoquel-render: %s\n", e.c_str());
        return kExitUsage;
    }

    set_render_threads(options->threads.value_or(int(std::max(1u, std::thread::hardware_concurrency()))));
    if (options->intro) {
        draw_introduction(state.image, state.settings.xres, state.settings.yres);
    } else {
        const Settings& s = state.settings;
        // The aggregation runs until it ends by itself, unless --particles bounds it; the
        // animations stop after --steps.
        const bool aggregation = type_info(s.ftype).kind == TypeKind::whole_image_repeated;
        const long steps = aggregation ? options->particles.value_or(-1) : options->steps;
        Progress progress(aggregation ? "particle" : "row", aggregation ? steps : (is_whole_image(s.ftype) ? 0 : s.yres));
        render_image(state, [&progress](long done) { progress.update(done); }, StepBudget{options->batches, steps});
    }
    if (options->thumbnail) show_thumbnail(state, Cx{options->thumbnail->first, options->thumbnail->second});
    if (options->orbit && !trace_orbit(state, Point{options->orbit->first, options->orbit->second})) {
        std::fprintf(stderr, "zoquel-render: --orbit traces the orbits of the Orbits type (39) only\n");
        return kExitUsage;
    }

    // The images, then the parameters of what was rendered, as the explorer saves them.
    auto refused = [](const std::string& file) {
        std::fprintf(stderr, "zoquel-render: could not write '%s': %s\n", file.c_str(), std::strerror(errno));
        return kExitFailed;
    };
    // A PNG carries the parameters of what it shows.
    const std::string parameters = write_text_parameters(state.settings);
    for (const std::string& out : options->outputs) {
        bool written;
        if (is_standard_stream(out)) written = write_standard_output(encode_png(state.image, parameters));
        else if (has_extension(out, "png")) written = write_png(state.image, out, parameters) == kTargaOk;
        else written = writetga(state.image, out) == kTargaOk;
        if (!written) return refused(out);
    }
    if (const std::string& zq = options->save_zq; !zq.empty()) {
        const bool written = is_standard_stream(zq) ? write_standard_output(encode_zq(state.settings))
                                                    : writezq(state.settings, zq) == kZqOk;
        if (!written) return refused(zq);
    }
    if (const std::string& text = options->save_params; !text.empty()) {
        const bool written = is_standard_stream(text) ? write_standard_output(parameters)
                                                      : save_text_parameters(state.settings, text) == kZqOk;
        if (!written) return refused(text);
    }
    return kExitOk;
}

}  // namespace zoquel::cli
