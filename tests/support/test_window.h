#pragma once
#include <QCoreApplication>
#include <functional>
#include <memory>

#include "shell/commands.h"
#include "shell/main_window.h"

// A shown main window on a 1024 x 768 screen (a 600 x 600 image in a window larger than it),
// its boxes and file dialogs going to `ui`, with the commands `commands` registers.
inline std::unique_ptr<zoquel::shell::MainWindow> open_test_window(
    zoquel::shell::UserInterface& ui, std::function<void(zoquel::shell::CommandTable&)> commands) {
    zoquel::shell::MainWindowOptions o;
    o.ui = &ui;
    o.screen_width = 1024;
    o.screen_height = 768;
    o.register_commands = std::move(commands);
    auto w = std::make_unique<zoquel::shell::MainWindow>(o);
    w->show();
    QCoreApplication::processEvents();
    return w;
}

// Lets the window's event loop run until its render ends; false if it never does.
inline bool render_until_done(zoquel::shell::MainWindow& w) {
    for (int guard = 0; w.rendering() && guard < 1000000; ++guard) QCoreApplication::processEvents();
    return !w.rendering();
}
