#pragma once
#include <string>

namespace zoquel::cli {

// What --list-types prints: every type with its number, name, methods and the parameter
// columns each method reads, by their labels in the parameter dialog.
std::string type_listing();

// The names --help lists after the options: colouring methods, palettes, setting names.
std::string choices_listing();

}  // namespace zoquel::cli
