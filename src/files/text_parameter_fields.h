#pragma once
#include <span>
#include <string>
#include <string_view>

#include "model/named_settings.h"
#include "model/settings.h"

namespace zoquel {

// The names of the text parameter file other than the palette: every entry of the named-
// settings table and the values the table does not hold (the type and method, the image size,
// the view and parameters of that type, the Julia angle's denominator, the Lyapunov sequence,
// the start point of the current PGM formula).

// The order in which a read stores its values: the view and parameters land in the record of
// the type and method, the start point in the slot of the PGM formula, so those come first.
enum class TextFieldStage { selection, pgm_formula, rest };

struct SpecialField;

struct TextField {
    std::string_view name;
    TextFieldStage stage;
    const char* heading;        // the comment a written file puts before it, or nullptr
    const NamedSetting* named;  // a table entry, or
    const SpecialField* special;

    // False where the type, method or PGM formula that would hold it is out of range: such
    // settings cannot store it, and a file written from them leaves it out.
    bool available(const Settings& s) const;
    // The value as a file writes it (the type's name follows as a comment).
    std::string text(const Settings& s) const;
    // Parses `value` strictly and stores it if it is in range: empty, or "name: reason".
    std::string store(Settings& s, const std::string& value) const;
};

// Every field in the order files are written.
std::span<const TextField> text_fields();
// The field of that name, or nullptr.
const TextField* find_text_field(std::string_view name);

}  // namespace zoquel
