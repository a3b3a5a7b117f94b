#include "shell/presentation.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <memory>

#include "dialogs/help_dialog.h"
#include "dialogs/pictures.h"
#include "render/introduction.h"
#include "shell/command_groups.h"
#include "shell/main_window.h"
#include "shell/picture_window.h"

namespace zoquel::shell {

namespace {

using Dismissal = PictureWindow::Dismissal;

// The start-up splash: the cursor stays hidden for exactly as long as it lives.
class StartupSplash : public PictureWindow {
public:
    StartupSplash(MainWindow& owner, int ms, std::function<void()> then)
        : PictureWindow(pictures::kSplash, QSize(360, 360), Qt::black, Dismissal::by_program, &owner) {
        setAttribute(Qt::WA_DeleteOnClose);
        QApplication::setOverrideCursor(Qt::BlankCursor);
        timer_.setSingleShot(true);
        // The timer dies with the splash, so `then` never outlives the window it belongs to.
        connect(&timer_, &QTimer::timeout, this, [this, then = std::move(then)] {
            show_cursor();
            close();
            then();
        });
        timer_.start(ms);
    }
    ~StartupSplash() override { show_cursor(); }

private:
    void show_cursor() {
        if (!cursor_hidden_) return;
        cursor_hidden_ = false;
        QApplication::restoreOverrideCursor();
    }
    QTimer timer_;
    bool cursor_hidden_ = true;
};

}  // namespace

void show_startup_splash(MainWindow& w, int ms, std::function<void()> then) {
    (new StartupSplash(w, ms, std::move(then)))->open(w.xscreen(), w.yscreen());
}

void show_about(MainWindow& w) {
    auto* about = new PictureWindow(pictures::kAbout, QSize(470, 240), Qt::white, Dismissal::plain_key_or_click, &w);
    about->setAttribute(Qt::WA_DeleteOnClose);
    // The picture stays as it is; the version is there for whoever hovers or asks a screen reader.
    const QString version = QStringLiteral("Zoquel " ZOQUEL_VERSION);
    about->setToolTip(version);
    about->setAccessibleName(version);
    about->open(w.xscreen(), w.yscreen());
}

void show_closing_splash(MainWindow& w, std::function<void()> end_program) {
    auto* splash = new PictureWindow(pictures::kClosingSplash, QSize(480, 360), Qt::black, Dismissal::any_key_or_click, &w);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(splash, &PictureWindow::dismissed, &w, std::move(end_program));
    splash->open(w.xscreen(), w.yscreen());
}

void add_start_presentation(CommandTable& table, int splash_ms) {
    table.hooks.startup_splash = [splash_ms](MainWindow& w, std::function<void()> then) {
        show_startup_splash(w, splash_ms, std::move(then));
    };
    table.hooks.introduction = [](MainWindow& w) { w.start_animation(std::make_unique<Introduction>()); };
}

void register_presentation(CommandTable& table) {
    table.hooks.about = show_about;
    table.hooks.closing_splash = [](MainWindow& w) { show_closing_splash(w, [] { QCoreApplication::exit(0); }); };
    table.add_dialog(2000, [](MainWindow& w) {
        HelpDialog help(&w);
        return help.exec() == QDialog::Accepted;
    });
}

QIcon application_icon() {
    QIcon icon;
    for (int size : pictures::kIconSizes)
        icon.addFile(QString(":/icons/hicolor/%1x%1/apps/zoquel.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace zoquel::shell
