#pragma once
#include <QIcon>
#include <functional>

namespace zoquel::shell {

class CommandTable;
class MainWindow;

// How long the start-up splash shows.
inline constexpr int kSplashMs = 2000;

// The start-up splash and the introduction of the start screen, which `--no-intro` leaves out.
void add_start_presentation(CommandTable& table, int splash_ms = kSplashMs);

// The start-up splash for `ms` with the main window disabled and the cursor hidden; then
// `then` runs. If the window goes first, the cursor comes back and `then` never runs.
void show_startup_splash(MainWindow& w, int ms, std::function<void()> then);
// The about window; the main window is disabled until it closes, however it closes.
void show_about(MainWindow& w);
// The closing splash over the hidden main window; its dismissal calls `end_program`.
void show_closing_splash(MainWindow& w, std::function<void()> end_program);

// The application icon at every size it is drawn in.
QIcon application_icon();

}  // namespace zoquel::shell
