#include "cli/listings.h"

#include <cstdio>

#include "model/named_settings.h"
#include "model/type_table.h"
#include "rules/coloring_choice.h"
#include "rules/parameter_layout.h"

namespace zoquel::cli {

namespace {

// A label without the blanks and colon that line it up in the dialog.
std::string bare(std::string label) {
    while (!label.empty() && (label.back() == ' ' || label.back() == ':')) label.pop_back();
    while (!label.empty() && label.front() == ' ') label.erase(label.begin());
    return label;
}

}  // namespace

std::string type_listing() {
    std::string out;
    char line[160];
    for (int t = 0; t < kTypeCount; ++t) {
        std::snprintf(line, sizeof line, "%2d  %s\n", t, type_info(t).name);
        out += line;
        for (int m = 0; m < 2; ++m) {
            if (forced_method(t) >= 0 && forced_method(t) != m) continue;
            Settings s;
            s.ftype = t;
            s.method = m;
            const char* caption = method_captions(t)[std::size_t(m)];
            std::snprintf(line, sizeof line, "      method %d%s%s%s:", m, caption && *caption ? " (" : "",
                          caption ? caption : "", caption && *caption ? ")" : "");
            out += line;
            const ParameterLayout layout = parameter_layout(s);
            bool any = false;
            for (int c = 0; c < 6; ++c) {
                const ColumnRule& rule = layout.columns[std::size_t(c)];
                if (!rule.read) continue;
                out += (any ? ", " : " ") + std::to_string(c) + " " + bare(rule.label);
                any = true;
            }
            out += any ? "\n" : " no parameter columns\n";
        }
    }
    return out;
}

std::string choices_listing() {
    std::string out = "Outside colouring (--outside N):";
    for (int i = 0; i < kColoringMethods; ++i) out += std::string(i ? ", " : " ") + std::to_string(i) + " " + outside_caption(i);
    out += "\nInside colouring (--inside N):";
    for (int i = 0; i < kColoringMethods; ++i) out += std::string(i ? ", " : " ") + std::to_string(i) + " " + inside_caption(i);
    out += "\n";
    out += "Palettes (--palette NAME): default, greyscale, biomorph, rainbow8, or a Fractint FILE.map\n";
    out += "Settings (--set NAME=VALUE): " + settable_setting_names() + "\n";
    out += "Fractal types, methods and parameter columns: --list-types\n";
    return out;
}

}  // namespace zoquel::cli
