#include <QCloseEvent>
#include <QCoreApplication>
#include <algorithm>

#include "shell/command_groups.h"
#include "shell/main_window.h"
#include "shell/messages.h"

namespace zoquel::shell {

namespace {

void exit_program(MainWindow& w) {
    w.confirm_exit([&w] {
        w.hide();
        if (w.commands().hooks.closing_splash)
            w.commands().hooks.closing_splash(w);
        else
            QCoreApplication::exit(0);
    });
}

void start_screen(MainWindow& w) {
    Surface& screen = w.screen();
    LiveState& st = w.state();
    screen.fill(kBlack);
    st.image.fill(kBlack);
    w.present(screen.bounds());
    if (w.commands().hooks.introduction) w.commands().hooks.introduction(w);
}

}  // namespace

void MainWindow::confirm_exit(std::function<void()> exit) {
    if (!shell_.unsaved) {
        exit();
        return;
    }
    ui_->ask(text::kUnsavedExit, text::kTitle, [exit = std::move(exit)](bool yes) {
        if (yes) exit();
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close button ends the program without the closing picture, but not without asking
    // for an unsaved image either.
    if (!isVisible() || close_confirmed_ || !shell_.unsaved) {
        close_confirmed_ = false;
        QMainWindow::closeEvent(event);
        return;
    }
    event->ignore();
    confirm_exit([this] {
        close_confirmed_ = true;
        QMetaObject::invokeMethod(this, [this] { close(); }, Qt::QueuedConnection);
    });
}

void register_render_commands(CommandTable& table) {
    table.add(110, exit_program);
    table.add(115, [](MainWindow& w) { w.start_render(); });
    table.add(196, start_screen);
}

}  // namespace zoquel::shell
