#include <QAction>
#include <QScrollArea>
#include <QScrollBar>
#include <QApplication>
#include <QtTest>
#include <cmath>
#include <complex>
#include <memory>

#include "render/driver.h"
#include "support/stand_in_animation.h"
#include "shell/command_groups.h"
#include "shell/commands.h"
#include "shell/image_view.h"
#include "shell/keys.h"
#include "shell/main_window.h"
#include "support/test_window.h"
#include "shell/startup.h"

using namespace zoquel;
using namespace zoquel::shell;

class ExplorerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingUserInterface> ui_;
    std::unique_ptr<MainWindow> w_;
    std::vector<int> ran_;  // commands of the test's own chain, in the order they ran
    int closing_splashes_ = 0;

    MainWindow& w() { return *w_; }

    // A 1024 x 768 screen: a 600 x 600 image in a window wider and taller than it.
    void open_window(std::function<void(CommandTable&)> extra = {}) {
        w_.reset();
        ui_ = std::make_unique<RecordingUserInterface>();
        MainWindowOptions o;
        o.ui = ui_.get();
        o.screen_width = 1024;
        o.screen_height = 768;
        o.register_commands = [this, extra](CommandTable& t) {
            register_command_groups(t);
            t.hooks.closing_splash = [this](MainWindow&) { ++closing_splashes_; };
            if (extra) extra(t);
        };
        w_ = std::make_unique<MainWindow>(o);
        w_->show();
        QCoreApplication::processEvents();
    }

    // Runs the render loop as the event loop does until the image is done.
    void render_to_end() { QVERIFY(render_until_done(w())); }

    void turns(int n) {
        for (int i = 0; i < n; ++i) w().render_turn();
    }

    void drag(QPoint from, QPoint to) {
        w().left_button_down(from.x(), from.y());
        w().mouse_move((from.x() + to.x()) / 2, (from.y() + to.y()) / 2);
        w().mouse_move(to.x(), to.y());
        w().left_button_up();
    }

    bool screen_matches_image(const Rect& r) {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (w().screen().get_pixel(x, y) != w().state().image.get_pixel(x, y)) {
                    qDebug("screen differs from the image at (%d, %d)", x, y);
                    return false;
                }
        return true;
    }

private slots:
    void init() {
        set_render_threads(1);
        ran_.clear();
        closing_splashes_ = 0;
        open_window([this](CommandTable& t) {
            t.add(9001, [this](MainWindow& mw) {
                ran_.push_back(9001);
                mw.post_command(9002);
                mw.post_command(9003);
            });
            t.add(9002, [this](MainWindow& mw) {
                ran_.push_back(9002);
                mw.post_command(9004);
            });
            t.add(9003, [this](MainWindow&) { ran_.push_back(9003); });
            t.add(9004, [this](MainWindow&) { ran_.push_back(9004); });
        });
    }
    void cleanup() {
        w_.reset();
        set_render_threads(1);
    }

    void startupSizesAndArguments() {
        QCOMPARE(default_image_size(768), 600);
        QCOMPARE(default_image_size(600), 472);
        QCOMPARE(default_image_size(100), 32);
        QCOMPARE(w().settings().xres, 600);
        QCOMPARE(w().settings().yres, 600);
        QCOMPARE(w().windowTitle(), QStringLiteral("Zoquel"));
        QCOMPARE(parameter_file_argument({}), std::nullopt);
        QCOMPARE(parameter_file_argument({"\"/tmp/a b.zq\""}), std::optional<std::string>("/tmp/a b.zq"));
        QCOMPARE(parameter_file_argument({"/tmp/a.zq"}), std::optional<std::string>("/tmp/a.zq"));
        QCOMPARE(parameter_file_argument({"\"\""}), std::nullopt);

        MainWindowOptions o;
        o.ui = ui_.get();
        o.screen_depth = 16;
        MainWindow shallow(o);
        QCOMPARE(shallow.startup_error(), 3);
    }

    // A menu text as the user reads it: a mnemonic's '&' only underlines.
    static QString shown(const QAction* a) { return a->text().remove(QLatin1Char('&')); }

    void menusCarryTheirCommands() {
        QCOMPARE(shown(w().action(115)), QStringLiteral("Plot Fractal (F1)   "));
        QCOMPARE(shown(w().action(150)), QStringLiteral("Biomorph BW Palette (Alt + B)"));
        QCOMPARE(shown(w().action(100)), QStringLiteral("Load Parameter File (L)"));
        QCOMPARE(shown(w().action(194)), QStringLiteral("DLA Help (F6)"));
        QCOMPARE(shown(w().action(110)), QStringLiteral("Exit (Esc)"));
        QCOMPARE(accelerator_command(Qt::Key_B, Qt::AltModifier), std::optional<int>(150));
        QCOMPARE(accelerator_command(Qt::Key_B, Qt::NoModifier), std::nullopt);
        QCOMPARE(accelerator_command(Qt::Key_M, Qt::AltModifier), std::nullopt);
        QCOMPARE(accelerator_command(Qt::Key_Escape, Qt::NoModifier), std::optional<int>(110));
        QCOMPARE(accelerator_command(Qt::Key_D, Qt::ControlModifier), std::optional<int>(126));
        QCOMPARE(int(accelerator_table().size()), 21);
    }

    void startScreenThenRowsOverGreyOnBlack() {
        w().start();
        QCoreApplication::processEvents();
        QCOMPARE(w().state().image.get_pixel(10, 10), kBlack);
        QTest::keyClick(&w(), Qt::Key_F1);
        QVERIFY(w().rendering());
        QVERIFY(w().render_loop_active());
        turns(3);
        QCOMPARE(w().render().j, 3);
        QVERIFY(screen_matches_image(Rect{0, 0, 600, 3}));
        QCOMPARE(w().screen().get_pixel(300, 300), kStockGrey);
        QCOMPARE(w().state().image.get_pixel(300, 300), kStockGrey);
        QCOMPARE(w().screen().get_pixel(700, 10), kBlack);
    }

    void keysRefusedWhileRendering() {
        QTest::keyClick(&w(), Qt::Key_F1);
        turns(2);
        const Palette before = w().settings().palette;
        QTest::keyClick(&w(), Qt::Key_G);                    // greyscale palette (accelerator)
        QTest::keyClick(&w(), Qt::Key_M, Qt::AltModifier);   // preview toggle (key handler)
        QTest::keyClick(&w(), Qt::Key_F4);                   // formulae
        w().post_command(9001);
        QCoreApplication::processEvents();
        QVERIFY(w().settings().palette == before);
        QVERIFY(w().shell().palpreview);
        QVERIFY(ui_->messages.empty());
        QVERIFY(ran_.empty());
        QVERIFY(w().rendering());
    }

    void escapeWhileRenderingDoesNothingButEndsAfterPause() {
        QTest::keyClick(&w(), Qt::Key_F1);
        turns(1);
        QTest::keyClick(&w(), Qt::Key_Escape);
        QVERIFY(w().isVisible());
        QCOMPARE(closing_splashes_, 0);
        QVERIFY(w().rendering());
        QTest::keyClick(&w(), Qt::Key_Pause);
        QTest::keyClick(&w(), Qt::Key_Escape);
        QVERIFY(!w().isVisible());
        QCOMPARE(closing_splashes_, 1);
    }

    void pauseThenPlotResumesAtTheSameRow() {
        set_render_threads(3);
        QTest::keyClick(&w(), Qt::Key_F1);
        turns(100);
        QTest::keyClick(&w(), Qt::Key_Pause);
        QVERIFY(!w().rendering());
        QCOMPARE(w().render().j, 100);
        QVERIFY(!w().render_loop_active());
        for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
        QCOMPARE(w().render().j, 100);
        const Surface top = w().screen();

        QTest::keyClick(&w(), Qt::Key_F1);
        turns(1);
        QCOMPARE(w().render().j, 101);
        // The rows already there stay: no new image was started.
        for (int x = 0; x < 600; x += 7) QCOMPARE(w().screen().get_pixel(x, 50), top.get_pixel(x, 50));
        render_to_end();

        LiveState reference;
        reference.host = &headless_host();
        reference.settings = w().settings();
        QVERIFY(render_image(reference));
        QVERIFY(reference.image == w().state().image);
    }

    void explorerImageEqualsRenderImage() {
        set_render_threads(2);
        QTest::keyClick(&w(), Qt::Key_F1);
        render_to_end();
        QVERIFY(w().shell().okzoom);
        QCOMPARE(w().shell().okthumbnail, 1);

        LiveState reference;
        reference.host = &headless_host();
        reference.settings = Settings{};
        reference.settings.xres = reference.settings.yres = 600;
        QVERIFY(render_image(reference));
        QVERIFY(reference.image == w().state().image);
        QVERIFY(screen_matches_image(Rect{0, 0, 600, 600}));
    }

    void dragAndZoomLandOnTheExactView() {
        QTest::keyClick(&w(), Qt::Key_F1);
        render_to_end();
        const View v = w().settings().view();
        const double xside = w().render().geometry.xside, yside = w().render().geometry.yside;

        w().left_button_down(150, 150);
        w().mouse_move(449, 300);
        QCOMPARE(w().windowTitle(), QStringLiteral("     aspect ratio:  1.993333"));
        // The outline is on the window only, one pixel wide around the box.
        QCOMPARE(w().screen().get_pixel(150, 200), kWhite);
        QCOMPARE(w().screen().get_pixel(449, 200), kWhite);
        QCOMPARE(w().screen().get_pixel(300, 300), kWhite);
        QVERIFY(screen_matches_image(Rect{450, 150, 452, 302}));
        QVERIFY(screen_matches_image(Rect{151, 151, 449, 300}));
        w().mouse_move(449, 449);
        QCOMPARE(w().windowTitle(), QStringLiteral("     aspect ratio:  1.000000"));
        // The earlier outline is gone.
        QVERIFY(screen_matches_image(Rect{151, 301, 449, 302}));
        w().left_button_up();
        QVERIFY(w().shell().zoom.zooming);
        QVERIFY(!w().shell().okzoom);

        // A waiting box: a new press starts nothing.
        w().left_button_down(10, 10);
        QVERIFY(!w().shell().zoom.drawbox);

        QTest::keyClick(&w(), Qt::Key_Z);
        const View z = w().settings().view();
        QCOMPARE(z.xmin, v.xmin + 150 * xside / 599);
        QCOMPARE(z.xmax, v.xmin + 449 * xside / 599);
        QCOMPARE(z.ymin, v.ymax - 449 * yside / 599);
        QCOMPARE(z.ymax, v.ymax - 150 * yside / 599);
        // The middle half in both directions, to within a pixel.
        QVERIFY(std::fabs(z.xmin - (v.xmin + xside / 4)) < xside / 599);
        QVERIFY(std::fabs(z.xmax - (v.xmax - xside / 4)) < xside / 599);
        QVERIFY(std::fabs(z.ymin - (v.ymin + yside / 4)) < yside / 599);
        QVERIFY(std::fabs(z.ymax - (v.ymax - yside / 4)) < yside / 599);
        QCOMPARE(w().windowTitle(), QStringLiteral("Zoquel"));
        QVERIFY(w().rendering());
        QCOMPARE(w().render().j, 0);
        render_to_end();
        QCOMPARE(w().render().geometry.xside, z.xmax - z.xmin);
    }

    void mouseEventsReachTheZoomBox() {
        QTest::keyClick(&w(), Qt::Key_F1);
        render_to_end();
        QTest::mousePress(w().view(), Qt::LeftButton, {}, QPoint(100, 100));
        QVERIFY(w().shell().zoom.drawbox);
        QMouseEvent move(QEvent::MouseMove, QPointF(300, 200), QPointF(300, 200), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w().view(), &move);
        QCOMPARE(w().windowTitle(), QStringLiteral("     aspect ratio:  2.000000"));
        QTest::mouseRelease(w().view(), Qt::LeftButton, {}, QPoint(300, 200));
        QVERIFY(w().shell().zoom.zooming);
        QTest::keyClick(&w(), Qt::Key_X);
        QVERIFY(!w().shell().zoom.zooming);
        QVERIFY(w().shell().okzoom);
        QCOMPARE(w().windowTitle(), QStringLiteral("Zoquel"));
        QVERIFY(screen_matches_image(Rect{0, 0, 600, 600}));
    }

    void tooSmallBoxCancelsItself() {
        QTest::keyClick(&w(), Qt::Key_F1);
        render_to_end();
        const View v = w().settings().view();
        drag(QPoint(200, 200), QPoint(201, 260));
        QCoreApplication::processEvents();  // the posted X
        QVERIFY(!w().shell().zoom.zooming);
        QVERIFY(!w().shell().zoom.drawbox);
        QVERIFY(w().shell().okzoom);
        QCOMPARE(w().windowTitle(), QStringLiteral("Zoquel"));
        QVERIFY(screen_matches_image(Rect{0, 0, 600, 600}));
        QTest::keyClick(&w(), Qt::Key_Z);
        QVERIFY(w().settings().view() == v);
        QVERIFY(!w().rendering());
    }

    void clickWithoutMoveReusesTheEarlierBox() {
        QTest::keyClick(&w(), Qt::Key_F1);
        render_to_end();
        drag(QPoint(100, 100), QPoint(400, 400));
        QTest::keyClick(&w(), Qt::Key_X);
        w().left_button_down(50, 50);
        w().left_button_up();
        QVERIFY(w().shell().zoom.zooming);
        QCOMPARE(w().shell().zoom.zoombox, (BoxRect{100, 100, 400, 400}));
    }

    void aNewViewWithoutAPlotTakesNoBox() {
        open_window([](CommandTable& t) {
            t.add(9200, [](MainWindow& mw) { mw.settings().view().xmin -= 1; });
            t.add(9201, [](MainWindow& mw) { mw.settings().palette = greyscale_palette(); });
        });
        QTest::keyClick(&w(), Qt::Key_F1);
        render_to_end();
        w().run_command(9201);  // a palette keeps the mapping
        QVERIFY(w().shell().okzoom);
        drag(QPoint(100, 100), QPoint(300, 300));
        w().run_command(9200);
        QVERIFY(!w().shell().zoom.zooming);
        QCOMPARE(w().windowTitle(), QStringLiteral("Zoquel"));
        QVERIFY(!w().shell().okzoom);
        QCOMPARE(w().shell().okthumbnail, 0);
        QVERIFY(screen_matches_image(Rect{0, 0, 600, 600}));
        w().left_button_down(100, 100);
        QVERIFY(!w().shell().zoom.drawbox);
    }

    void clicksOutsideTheImageAreIgnored() {
        QTest::keyClick(&w(), Qt::Key_F1);
        render_to_end();
        QVERIFY(w().view()->width() > 620);
        w().left_button_down(610, 10);
        QVERIFY(!w().shell().zoom.drawbox);
        w().left_button_up();
        QVERIFY(!w().shell().zoom.zooming);
        w().left_button_down(10, 10);
        w().mouse_move(700, 100);  // outside: no box
        QCOMPARE(w().windowTitle(), QStringLiteral("Zoquel"));
    }

    void commandChainsRunInOrder() {
        w().post_command(9001);
        w().post_command(9003);
        QVERIFY(ran_.empty());
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        QCOMPARE(ran_, (std::vector<int>{9001, 9003, 9002, 9003, 9004}));
    }

    void paletteCommandsRecolourTheNextRowsAndSay() {
        QTest::keyClick(&w(), Qt::Key_F1);
        turns(10);
        QTest::keyClick(&w(), Qt::Key_Pause);
        QTest::keyClick(&w(), Qt::Key_G);
        QVERIFY(w().settings().palette == greyscale_palette());
        QCOMPARE(w().render().j, 10);
        QCOMPARE(ui_->messages.back().text, std::string("Greyscale palette loaded"));
        QCOMPARE(ui_->messages.back().caption, std::string("Palette"));
        QTest::keyClick(&w(), Qt::Key_B, Qt::AltModifier);
        QVERIFY(w().settings().palette == kpbw4_palette());
        QCOMPARE(ui_->messages.back().text, std::string("Biomorph B/W palette loaded"));
        QTest::keyClick(&w(), Qt::Key_D);
        QVERIFY(w().settings().palette == default_palette());
        QCOMPARE(ui_->messages.back().text, std::string("Default palette restored"));
        QTest::keyClick(&w(), Qt::Key_G);
        QTest::keyClick(&w(), Qt::Key_F1);
        turns(1);
        // Row 10 was computed with the greyscale palette: every pixel grey.
        const Rgb c = unpack(w().state().image.get_pixel(0, 10));
        QVERIFY(c.r == c.g && c.g == c.b);
    }

    void palettePreviewAsksAndLeavesNoTrace() {
        QTest::keyClick(&w(), Qt::Key_F1);
        render_to_end();
        const Surface before = w().screen();
        const Surface image = w().state().image;
        ui_->answers = {MessageAnswer::no, MessageAnswer::yes};
        QVERIFY(!w().ask_palette(greyscale_palette()));
        QCOMPARE(ui_->messages.back().text, std::string("Accept palette?\n\n( Toggle this option with ALT + M )"));
        QCOMPARE(ui_->messages.back().caption, std::string("Preview"));
        QCOMPARE(ui_->messages.back().buttons, MessageButtons::yes_no);
        QVERIFY(w().screen() == before);
        QVERIFY(w().state().image == image);
        QVERIFY(w().ask_palette(greyscale_palette()));
    }

    void messagesAndToggles() {
        QTest::keyClick(&w(), Qt::Key_M, Qt::AltModifier);
        QVERIFY(!w().shell().palpreview);
        QCOMPARE(ui_->messages.back().text, std::string("Palette preview disabled."));
        QCOMPARE(ui_->messages.back().caption, std::string("Preview"));
        QTest::keyClick(&w(), Qt::Key_M, Qt::AltModifier);
        QCOMPARE(ui_->messages.back().text, std::string("Palette preview enabled."));

        QTest::keyClick(&w(), Qt::Key_F4);
        QCOMPARE(ui_->messages.back().caption, std::string("Formulae"));
        QVERIFY(ui_->messages.back().text.rfind("Mandelbrot (Parameter Plane)", 0) == 0);

        QTest::keyClick(&w(), Qt::Key_F9);
        QVERIFY(ui_->messages.back().text.rfind("Sample Julia parameters are available", 0) == 0);
        QTest::keyClick(&w(), Qt::Key_F10);
        QVERIFY(ui_->messages.back().text.rfind("Alpha angle selection is available", 0) == 0);
        QCOMPARE(ui_->messages.back().caption, std::string("Zoquel"));
        QTest::keyClick(&w(), Qt::Key_F5);
        QVERIFY(ui_->messages.back().text.rfind("   Julia level set coloring parameters :", 0) == 0);
        QTest::keyClick(&w(), Qt::Key_F6);
        QVERIFY(ui_->messages.back().text.rfind("'Plot Fractal' or F1:", 0) == 0);
        QCOMPARE(ui_->messages.back().icon, MessageIcon::information);

        const std::size_t shown = ui_->messages.size();
        // L opens the parameter file dialog; cancelling it shows nothing.
        QTest::keyClick(&w(), Qt::Key_L);
        QCOMPARE(ui_->messages.size(), shown);
        QCOMPARE(int(ui_->file_dialogs.size()), 1);
    }

    void typeKeysChangeTheirSettings() {
        Settings& s = w().settings();
        s.ftype = 27;
        for (int i = 0; i < 22; ++i) QTest::keyClick(&w(), Qt::Key_F);
        QCOMPARE(s.nvindex, 0);
        QCOMPARE(ui_->messages.back().text, std::string("Newton / secant variation: 0"));
        QCOMPARE(ui_->messages.back().caption, std::string("Variation Index"));

        s.ftype = 23;
        const int cindex = s.cindex;
        QTest::keyClick(&w(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(ui_->messages.back().text, "Palette interval set to " + std::to_string(3 - cindex) + ".");
        QTest::keyClick(&w(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(s.cindex, cindex);

        s.ftype = 22;
        QTest::keyClick(&w(), Qt::Key_D, Qt::AltModifier);
        QCOMPARE(s.collatzcrit, 1);
        QCOMPARE(ui_->messages.back().text, std::string("Z0 set to (-1.27107 + 0.0i)"));
        QCOMPARE(ui_->messages.back().caption, std::string("Critical Point"));
        QTest::keyClick(&w(), Qt::Key_D, Qt::AltModifier);
        QCOMPARE(ui_->messages.back().text, std::string("Z0 set to (0.0 + 0.0i)"));
    }

    void juliaKeyPicksACardioidPointAndPlots() {
        Settings& s = w().settings();
        const Param before = s.params();
        QTest::keyClick(&w(), Qt::Key_J);  // method 0: nothing
        QVERIFY(s.params() == before);
        s.method = 1;
        QTest::keyClick(&w(), Qt::Key_J);
        QVERIFY(!w().rendering());  // the plot is posted
        QCoreApplication::processEvents();
        QVERIFY(w().rendering());
        // On the main cardioid's boundary: c = m/2 - m^2/4 with |m| = 1.
        const std::complex<double> c(s.params().jcx, s.params().jcy);
        QVERIFY(std::fabs(std::abs(1.0 - std::sqrt(1.0 - 4.0 * c)) - 1.0) < 1e-9);
    }

    void rightClicksShowAndRemoveTheThumbnail() {
        QTest::keyClick(&w(), Qt::Key_F1);
        render_to_end();
        const Surface before = w().screen();
        const Surface image_before = w().state().image;
        w().right_button_down(300, 299);
        QCOMPARE(w().shell().okthumbnail, 2);
        const View& v = w().settings().view();
        QCOMPARE(w().shell().tjcx, v.xmin + 300 * w().render().geometry.xside / 599);
        QCOMPARE(w().shell().tjcy, v.ymin + (600 - 299 - 1) * w().render().geometry.yside / 599);
        // Drawn into the image, shown on the screen: the frame's top-right corner is white.
        QCOMPARE(w().state().image.get_pixel(149, 0), kWhite);
        QCOMPARE(w().screen().get_pixel(149, 0), kWhite);
        QCOMPARE(w().state().image.get_pixel(200, 200), image_before.get_pixel(200, 200));
        // A second right click anywhere puts the corner back, in the window and the image.
        w().right_button_down(590, 590);
        QCOMPARE(w().shell().okthumbnail, 1);
        QVERIFY(w().screen() == before);
        QVERIFY(w().state().image == image_before);

        // After a thumbnail the same pixel maps to the same constant, and Z zooms where it
        // would have without it.
        w().right_button_down(300, 299);
        const double jcx = w().shell().tjcx, jcy = w().shell().tjcy;
        w().right_button_down(300, 299);
        w().right_button_down(300, 299);
        QCOMPARE(w().shell().tjcx, jcx);
        QCOMPARE(w().shell().tjcy, jcy);

        // A shown thumbnail's constant is accepted with A: the Julia set renders at once.
        QTest::keyClick(&w(), Qt::Key_A);
        QCOMPARE(w().settings().method, 1);
        QCOMPARE(w().settings().params().jcx, jcx);
        QCOMPARE(w().settings().params().jcy, jcy);
        QVERIFY(w().rendering());
        render_to_end();
        const Surface julia = w().screen();
        w().right_button_down(300, 299);  // method 1: nothing
        QCOMPARE(w().shell().okthumbnail, 1);
        QVERIFY(w().screen() == julia);
    }

    void rightClicksWaitForTheImageAndAreIgnoredByOtherTypes() {
        w().settings().ftype = 1;  // Newton: no Julia form
        QTest::keyClick(&w(), Qt::Key_F1);
        render_to_end();
        const Surface newton = w().screen();
        w().right_button_down(300, 299);
        QCOMPARE(w().shell().okthumbnail, 0);
        QVERIFY(w().screen() == newton);
    }

    void parameterFileOnTheCommandLineLoadsAndPlots() {
        std::vector<std::string> loaded;
        open_window([&loaded](CommandTable& t) {
            t.hooks.load_parameter_file = [&loaded](MainWindow& mw, const std::string& path) {
                loaded.push_back(path);
                mw.settings().maxiter = 100;
            };
        });
        w().start(std::string("/tmp/x.zq"));
        QCOMPARE(loaded, (std::vector<std::string>{"/tmp/x.zq"}));
        QVERIFY(!w().rendering());
        QCoreApplication::processEvents();
        QVERIFY(w().rendering());
        QCOMPARE(w().settings().maxiter, 100);

        open_window();
        w().start();
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
        QVERIFY(!w().rendering());
    }

    // A whole-image type that animates in paced steps (the stand-in as type 36, which Pause
    // and clicks stop): the window handles events between the steps, other keys and commands
    // wait, and Pause reaches the generator, which ends the run.
    void aPacedAnimationStepsOnTheEventLoopAndStopsOnPause() {
        StandInAnimation::reset();
        const TypeRegistry types = with_stand_in(36);
        w().state().types = &types;
        w().settings().ftype = 36;
        const Palette before = w().settings().palette;
        QTest::keyClick(&w(), Qt::Key_F1);
        QVERIFY(w().rendering());
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 120) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        const long steps = StandInAnimation::record().steps;
        // Paced: about one step per 5 ms, never a busy loop; and the window kept painting.
        QVERIFY2(steps >= 3 && steps <= 40, qPrintable(QString::number(steps)));
        QVERIFY(w().rendering());
        QCOMPARE(w().screen().get_pixel(1, 1), kWhite);
        QCOMPARE(w().state().image.get_pixel(1, 1), kWhite);
        // Another key is refused while the animation runs.
        QTest::keyClick(&w(), Qt::Key_G);
        QVERIFY(w().settings().palette == before);
        QTest::keyClick(&w(), Qt::Key_Pause);
        QCOMPARE(StandInAnimation::record().stops, 1);
        QCOMPARE(StandInAnimation::record().last_stop, StopRequest::pause);
        for (int i = 0; i < 20 && w().rendering(); ++i) QTest::qWait(10);
        QVERIFY(!w().rendering());
        QVERIFY(!w().render_loop_active());
        const long stopped_at = StandInAnimation::record().steps;
        QTest::qWait(30);
        QCOMPARE(StandInAnimation::record().steps, stopped_at);
        // A click stops the next run the same way.
        QTest::keyClick(&w(), Qt::Key_F1);
        QTest::qWait(20);
        w().left_button_down(5, 5);
        QCOMPARE(StandInAnimation::record().last_stop, StopRequest::click);
        for (int i = 0; i < 20 && w().rendering(); ++i) QTest::qWait(10);
        QVERIFY(!w().rendering());
        QVERIFY(!w().shell().okzoom);
        w().state().types = &standard_types();
    }

    void aSmallWindowScrollsToEveryCornerOfTheImage() {
        w().resize(300, 250);
        QCoreApplication::processEvents();
        QWidget* viewport = w().scroll_area()->viewport();
        QVERIFY(viewport->width() < 600 && viewport->height() < 600);
        QCOMPARE(w().view()->size(), QSize(600, 600));
        QCOMPARE(w().screen().width(), 600);
        QTest::keyClick(&w(), Qt::Key_F1);
        render_to_end();
        QVERIFY(screen_matches_image(Rect{0, 0, 600, 600}));
        QScrollBar* h = w().scroll_area()->horizontalScrollBar();
        QScrollBar* v = w().scroll_area()->verticalScrollBar();
        for (const QPoint corner : {QPoint(0, 0), QPoint(599, 0), QPoint(0, 599), QPoint(599, 599)}) {
            h->setValue(corner.x() ? h->maximum() : h->minimum());
            v->setValue(corner.y() ? v->maximum() : v->minimum());
            QCoreApplication::processEvents();
            const QPoint at = w().view()->mapTo(viewport, corner);
            QVERIFY2(viewport->rect().contains(at), qPrintable(QStringLiteral("%1,%2").arg(at.x()).arg(at.y())));
        }
        // Clicks still land on image pixels, wherever the image is scrolled to.
        QTest::mousePress(w().view(), Qt::LeftButton, {}, QPoint(590, 590));
        QCOMPARE(w().shell().zoom.startxpos, 590);
        QTest::mouseRelease(w().view(), Qt::LeftButton, {}, QPoint(590, 590));
        QCoreApplication::processEvents();
        w().resize(1000, 800);
        QCoreApplication::processEvents();
        QVERIFY(w().view()->width() > 600 && w().view()->height() > 600);
        QVERIFY(screen_matches_image(Rect{0, 0, 600, 600}));
        QCOMPARE(w().screen().get_pixel(650, 10), kBlack);
    }
};

QTEST_MAIN(ExplorerTest)
#include "main_window_test.moc"
