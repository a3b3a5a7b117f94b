#pragma once
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "model/settings.h"

namespace zoquel {

// One setting that files and the command line know by name (its parameter-file name): the
// member that holds it, the range it must lie in and the message that refuses a value outside.
// The parameter file's load checks and `zoquel-render --set` read the same entries, and so
// does every later file format.
struct NamedSetting {
    enum class Bounds { closed, open };  // lo <= v <= hi, or lo < v < hi
    const char* name;
    std::variant<int Settings::*, double Settings::*> member;
    double lo, hi;
    Bounds bounds;
    const char* refusal;
    // The command line may set it; the others the program derives (root counts, the period)
    // or sets together with a parameter column.
    bool settable;

    double value(const Settings& s) const;
    bool accepts(double v) const;
    bool holds(const Settings& s) const { return accepts(value(s)); }
    // Stores v, which must be accepted, converting to the member's type.
    void store(Settings& s, double v) const;
    bool whole() const { return std::holds_alternative<int Settings::*>(member); }
};

// Every named setting, in the order of the parameter file's record.
std::span<const NamedSetting> named_settings();
const NamedSetting* find_named_setting(std::span<const NamedSetting> table, std::string_view name);

// Sets one entry from text within its range, whether or not the command line may set it:
// an empty string, or "name: reason". Every reader of named values goes through here, so
// all of them parse and refuse alike.
std::string store_named_text(Settings& s, const NamedSetting& n, const std::string& text);

// Sets a setting by name from text, within its range: an empty string, or the one-line
// message that refuses the name or the value. The Lyapunov sequence (`ustring`) is taken
// as its options dialog takes it.
std::string apply_named_setting(Settings& s, std::string_view name, const std::string& text,
                                std::span<const NamedSetting> table = named_settings());
// The names the command line may set, separated by blanks, for messages.
std::string settable_setting_names(std::span<const NamedSetting> table = named_settings());

}  // namespace zoquel
