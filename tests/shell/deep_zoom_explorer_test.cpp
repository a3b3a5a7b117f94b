#include <QtTest>
#include <filesystem>
#include <memory>

#include "deep/deep_view_math.h"
#include "render/driver.h"
#include "shell/command_groups.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "shell/user_interface.h"
#include "support/test_window.h"

using namespace zoquel;
using namespace zoquel::shell;
namespace fs = std::filesystem;

class DeepZoomExplorerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingUserInterface> ui_;
    std::unique_ptr<MainWindow> w_;
    fs::path dir_;

    MainWindow& w() { return *w_; }
    std::string at(const std::string& name) const { return (dir_ / name).string(); }

    void open_window() {
        w_.reset();
        ui_ = std::make_unique<RecordingUserInterface>();
        const std::string start = dir_.string();
        w_ = open_test_window(*ui_, [start](CommandTable& t) {
            register_command_groups(t);
            register_file_commands(t, start);
        });
    }
    void render_to_end() { QVERIFY(render_until_done(w())); }
    void command(int id) {
        w().run_command(id);
        for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    }

private slots:
    void init() {
        dir_ = fs::temp_directory_path() / "zoquel-deep-zoom-explorer";
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        set_render_threads(2);
        open_window();
    }
    void cleanup() {
        w_.reset();
        set_render_threads(1);
        fs::remove_all(dir_);
    }

    // Two hundred boxes of two pixels, each about 30x, on a small image: the box carries on
    // past double precision and past 1e-300, the title shows how far, the wheel and panning go
    // on from there, and the view goes through a text parameter file and back exactly; the
    // binary file says what it keeps.
    void zoomsPast1e300SavesAndLoads() {
        w().settings().xres = w().settings().yres = 64;
        w().settings().maxiter = 600;
        w().start_render();
        render_to_end();
        for (int k = 0; k < 210; ++k) {
            // A box near the middle, moved a little each time so the path is not a symmetry axis.
            const int x = 30 + k % 3, y = 29 + k % 2;
            w().left_button_down(x, y);
            w().mouse_move(x + 1, y + 1);
            w().mouse_move(x + 2, y + 2);
            w().left_button_up();
            QTest::keyClick(&w(), Qt::Key_Z);
            render_to_end();
        }
        const Settings s = w().settings();
        QVERIFY(active_deep_view(s));
        QVERIFY(deep::uses_deep_path(s));
        QVERIFY2(deep::pixel_step(*s.deep, 64) < deep::FloatExp(1e-302), s.deep->width.c_str());
        QVERIFY2(w().windowTitle().startsWith("Zoquel - magnification"), qPrintable(w().windowTitle()));

        // The wheel and the arrow keys go on from the deep view exactly: a notch in halves the
        // width, a pan keeps it.
        w().wheel_zoom(32, 32, 1);
        render_to_end();
        QVERIFY(active_deep_view(w().settings()));
        QVERIFY(deep::pixel_step(*w().settings().deep, 64) < deep::pixel_step(*s.deep, 64));
        w().pan_view(16, 0);
        render_to_end();
        QVERIFY(active_deep_view(w().settings()));
        QVERIFY(w().settings().deep->re != s.deep->re);
        const Settings panned = w().settings();
        const Surface image = w().state().image;

        ui_->file_answers.push_back(at("deep.zqt"));
        command(106);
        ui_->file_answers.push_back(at("deep.zq"));
        command(106);
        QVERIFY(ui_->messages.back().text.find("nearest doubles") != std::string::npos);

        open_window();
        w().start(at("deep.zqt"));
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        render_to_end();
        QVERIFY(w().settings().deep == panned.deep);
        QVERIFY(w().state().image == image);
    }
};

QTEST_MAIN(DeepZoomExplorerTest)
#include "deep_zoom_explorer_test.moc"
