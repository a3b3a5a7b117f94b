#pragma once
#include <Qt>
#include <optional>
#include <vector>

namespace zoquel::shell {

// One entry of the accelerator table: a key with exactly these modifiers runs the command.
struct Accelerator {
    int key;
    Qt::KeyboardModifiers modifiers;
    int command;
};

const std::vector<Accelerator>& accelerator_table();
// The command of an accelerator key, if it is one. The keypad flag does not count.
std::optional<int> accelerator_command(int qt_key, Qt::KeyboardModifiers modifiers);

}  // namespace zoquel::shell
