// Finding one's way in the explorer: history, wheel and keys, the status line, the menus'
// keyboard access, the question before an unsaved image is lost, the waiting box's outline.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>
#include <cfloat>
#include <algorithm>
#include <cmath>
#include <map>

#include "model/pixel_image.h"
#include "render/driver.h"
#include "shell/command_groups.h"
#include "shell/image_view.h"
#include "shell/main_window.h"
#include "shell/messages.h"
#include "shell/status_line.h"
#include "support/test_window.h"

using namespace zoquel;
using namespace zoquel::shell;

class ExplorerComfortTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingUserInterface> ui_;
    std::unique_ptr<MainWindow> w_;
    int closing_splashes_ = 0;

    MainWindow& w() { return *w_; }

    void render_to_end() { QVERIFY(render_until_done(w())); }
    void plot() {
        QTest::keyClick(&w(), Qt::Key_F1);
        render_to_end();
    }
    void wheel(QPoint at, int delta) {
        QWheelEvent e(QPointF(at), w().view()->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w().view(), &e);
    }
    void move_to(QPoint at) {
        QMouseEvent e(QEvent::MouseMove, QPointF(at), w().view()->mapToGlobal(QPointF(at)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w().view(), &e);
    }
    static void expect_near(const View& a, const View& b) {
        const double scale = std::max({std::fabs(a.xmin), std::fabs(a.xmax), std::fabs(a.ymin), std::fabs(a.ymax)});
        for (int i = 0; i < 4; ++i)
            QVERIFY2(std::fabs(a[i] - b[i]) <= 8 * DBL_EPSILON * scale, qPrintable(QString::number(i)));
    }

private slots:
    void init() {
        set_render_threads(2);
        closing_splashes_ = 0;
        ui_ = std::make_unique<RecordingUserInterface>();
        w_ = open_test_window(*ui_, [this](CommandTable& t) {
            register_command_groups(t);
            t.hooks.closing_splash = [this](MainWindow&) { ++closing_splashes_; };
            t.add(9300, [](MainWindow& mw) { mw.settings().ftype = 1; });
            t.add(9302, [](MainWindow& mw) {
                mw.settings().ftype = 0;
                mw.settings().method = 1;
                mw.settings().pc[0].jcx = -0.75;
                mw.settings().pc[0].jcy = 0.1;
            });
            t.add(9301, [](MainWindow& mw) {
                mw.settings().xres = 320;
                mw.settings().yres = 200;
                mw.recreate_image();
            });
        });
    }
    void cleanup() {
        w_.reset();
        set_render_threads(1);
    }

    void backAndForwardRestoreEachImageExactly() {
        std::vector<Settings> settings;
        std::vector<Surface> images;
        auto keep = [&] {
            render_to_end();
            settings.push_back(w().settings());
            images.push_back(w().state().image);
        };
        QTest::keyClick(&w(), Qt::Key_F1);
        keep();
        for (const QPoint corner : {QPoint(100, 150), QPoint(250, 200), QPoint(300, 120)}) {
            w().left_button_down(corner.x(), corner.y());
            w().mouse_move(corner.x() + 200, corner.y() + 200);
            w().left_button_up();
            QTest::keyClick(&w(), Qt::Key_Z);
            keep();
        }
        w().run_command(9300);  // another type
        QTest::keyClick(&w(), Qt::Key_F1);
        keep();
        w().run_command(9302);  // a Julia set, which leaves its constant in the settings
        QTest::keyClick(&w(), Qt::Key_F1);
        keep();
        w().run_command(9301);  // another size
        QTest::keyClick(&w(), Qt::Key_F1);
        keep();
        QCOMPARE(w().state().image.width(), 320);

        for (int i = int(settings.size()) - 2; i >= 0; --i) {
            QTest::keyClick(&w(), Qt::Key_Backspace);
            QVERIFY(w().rendering());
            render_to_end();
            QVERIFY2(w().settings() == settings[std::size_t(i)], qPrintable(QString::number(i)));
            QVERIFY2(w().state().image == images[std::size_t(i)], qPrintable(QString::number(i)));
        }
        QTest::keyClick(&w(), Qt::Key_Backspace);  // at the start: nothing
        QVERIFY(!w().rendering());
        for (std::size_t i = 1; i < settings.size(); ++i) {
            QTest::keyClick(&w(), Qt::Key_Right, Qt::AltModifier);
            render_to_end();
            QVERIFY(w().settings() == settings[i]);
            QVERIFY(w().state().image == images[i]);
        }
        QCOMPARE(w().view()->minimumSize(), QSize(320, 200));
        // A new image after going back drops what lay ahead.
        QTest::keyClick(&w(), Qt::Key_Left, Qt::AltModifier);
        render_to_end();
        QTest::keyClick(&w(), Qt::Key_Minus);
        render_to_end();
        QVERIFY(!w().history().can_go_forward());
    }

    void wheelAndKeysZoomAndPanAndComeBack() {
        plot();
        const View start = w().settings().view();
        const ImageGeometry before = w().render().geometry;
        wheel(QPoint(200, 300), 120);
        QVERIFY(w().rendering());
        render_to_end();
        const ImageGeometry in = w().render().geometry;
        QVERIFY(std::fabs(in.xside * 2 - before.xside) < 8 * DBL_EPSILON * 3);
        // The point under the pointer stays under it.
        QVERIFY(std::fabs(in.column_x(200) - before.column_x(200)) < 8 * DBL_EPSILON * 3);
        QVERIFY(std::fabs(in.row_y(300) - before.row_y(300)) < 8 * DBL_EPSILON * 3);
        wheel(QPoint(200, 300), -120);
        render_to_end();
        expect_near(w().settings().view(), start);

        QTest::keyClick(&w(), Qt::Key_Plus, Qt::ShiftModifier);
        render_to_end();
        QTest::keyClick(&w(), Qt::Key_Minus);
        render_to_end();
        expect_near(w().settings().view(), start);
        QTest::keyClick(&w(), Qt::Key_Right);
        render_to_end();
        QVERIFY(w().settings().view().xmin > start.xmin);
        QTest::keyClick(&w(), Qt::Key_Left);
        render_to_end();
        expect_near(w().settings().view(), start);

        // A drag with the middle button pans by the pixels moved.
        QTest::mousePress(w().view(), Qt::MiddleButton, {}, QPoint(300, 300));
        move_to(QPoint(200, 250));
        QCOMPARE(w().screen().get_pixel(550, 550), kBlack);  // the preview moved the image
        QTest::mouseRelease(w().view(), Qt::MiddleButton, {}, QPoint(200, 250));
        QVERIFY(w().rendering());
        const double step = (start.xmax - start.xmin) / 599;
        QVERIFY(std::fabs(w().settings().view().xmin - (start.xmin + 100 * step)) < 1e-12);
        render_to_end();

        // While rendering the wheel does nothing to the view.
        QTest::keyClick(&w(), Qt::Key_Backspace);
        QVERIFY(w().rendering());
        const View during = w().settings().view();
        wheel(QPoint(200, 300), 120);
        QVERIFY(w().settings().view() == during);
    }

    void statusLineFollowsThePointerAndTheRender() {
        QTest::keyClick(&w(), Qt::Key_F1);
        for (int i = 0; i < 30; ++i) w().render_turn();
        QTest::keyClick(&w(), Qt::Key_Pause);
        QVERIFY(w().status().progress_text().startsWith(QStringLiteral("paused at row 30 of 600 (5%)")));
        QTest::keyClick(&w(), Qt::Key_F1);
        render_to_end();
        QVERIFY(w().status().progress_text().startsWith(QStringLiteral("done in ")));
        QVERIFY(w().status().view_text().contains(QStringLiteral("magnification 1 ")));
        QVERIFY(w().status().view_text().contains(QStringLiteral("Mandelbrot/Julia Classic")));

        const ImageGeometry& g = w().render().geometry;
        for (const QPoint corner : {QPoint(0, 0), QPoint(599, 0), QPoint(0, 599), QPoint(599, 599)}) {
            move_to(corner);
            const std::optional<Cx> p = w().status().pointer();
            QVERIFY(p);
            QCOMPARE(p->re, g.column_x(corner.x()));
            QCOMPARE(p->im, g.row_y(corner.y()));
            QVERIFY(w().status().pointer_text().contains(QString::number(p->re, 'f', 4)));
        }
        // A new view under a still pointer: the status line follows the new image.
        move_to(QPoint(300, 300));
        QTest::keyClick(&w(), Qt::Key_Plus);
        render_to_end();
        QCOMPARE(w().status().pointer()->re, w().render().geometry.column_x(300));
        move_to(QPoint(650, 10));  // beside the image
        QVERIFY(!w().status().pointer());
        // The status bar is not the image: no pixel of it changed.
        LiveState reference;
        reference.host = &headless_host();
        reference.settings = w().settings();
        QVERIFY(render_image(reference));
        QVERIFY(reference.image == w().state().image);
    }

    void theImageCanFollowTheWindowSize() {
        plot();
        const View start = w().settings().view();
        const double pixel = (start.xmax - start.xmin) / 599;
        w().resize(500, 420);
        QTest::qWait(350);
        QCOMPARE(w().settings().xres, 600);  // off by default: the size is the user's
        QTest::keyClick(&w(), Qt::Key_F, Qt::ControlModifier);
        const QSize area = w().scroll_area()->viewport()->size();
        QCOMPARE(w().settings().xres, area.width());
        QCOMPARE(w().settings().yres, area.height());
        QVERIFY(w().rendering());
        render_to_end();
        const View fitted = w().settings().view();
        QVERIFY(std::fabs((fitted.xmin + fitted.xmax) / 2 - (start.xmin + start.xmax) / 2) < 1e-12);
        QVERIFY(std::fabs((fitted.xmax - fitted.xmin) / (area.width() - 1) - pixel) < 1e-12);
        w().resize(700, 600);
        QTRY_COMPARE(w().settings().xres, w().scroll_area()->viewport()->width());
        render_to_end();
        // Back goes to the earlier size.
        QTest::keyClick(&w(), Qt::Key_Backspace);
        render_to_end();
        QCOMPARE(w().settings().xres, area.width());
        QTest::keyClick(&w(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(!w().shell().follow_window);
    }

    void aLongSetUpReportsItsProgressInTheStatusBar() {
        w().settings().ftype = 23;
        w().settings().method = 0;
        std::vector<double> seen;
        auto show = w().host().on_progress;
        w().host().on_progress = [&](const char* what, double fraction) {
            seen.push_back(fraction);
            show(what, fraction);
            if (fraction >= 0) QVERIFY(w().status().progress_text().startsWith(QStringLiteral("calculating roots ")));
        };
        QTest::keyClick(&w(), Qt::Key_C);  // the type's root search
        QVERIFY(seen.size() >= 2);
        QVERIFY(std::is_sorted(seen.begin(), seen.end() - 1));
        QCOMPARE(seen.back(), -1.0);
        QVERIFY(w().status().progress_text().isEmpty());
    }

    void menusOpenFromTheKeyboardAndShowTheirKeys() {
        // Mnemonics only underline: every text reads as before without its '&'.
        const std::map<int, const char*> items = {
            {100, "Load Parameter File (L)"}, {103, "Save Image and Parameters (S)"}, {106, "Save Parameters Only (O)"},
            {110, "Exit (Esc)"}, {115, "Plot Fractal (F1)   "}, {120, "Fractal Type (F7)"}, {125, "Parameters (F8)"},
            {128, "Julia Samples (F9)"}, {130, "Cardioid Border (F10)"}, {135, "MAP File (M)"},
            {140, "Default Palette (D)"}, {145, "Greyscale Palette (G)"}, {150, "Biomorph BW Palette (Alt + B)"},
            {155, "Outside Coloring (F11)"}, {158, "Inside Coloring (F12)"}, {180, "Help Topics (F2)"},
            {185, "About (F3)"}, {190, "Fractal Formulae (F4)"}, {192, "Julia Level Sets (F5)"}, {194, "DLA Help (F6)"}};
        for (const auto& [id, text] : items)
            QCOMPARE(w().action(id)->text().remove(QLatin1Char('&')), QString(text));
        QStringList titles;
        for (QAction* a : w().menuBar()->actions()) titles << a->text().remove(QLatin1Char('&'));
        QCOMPARE(titles, (QStringList{"File   ", "Plot Fractal (F1)   ", "Options   "}));
        titles.clear();
        for (QAction* a : w().menuBar()->actions().back()->menu()->actions())
            if (a->menu()) titles << a->text().remove(QLatin1Char('&'));
        QCOMPARE(titles, (QStringList{"Julia Parameters", "Palette", "Coloring", "Help"}));

        QMenu* file = w().menuBar()->actions().front()->menu();
        QVERIFY(file);
        QCOMPARE(w().action(100)->shortcut(), QKeySequence(Qt::Key_L));
        QCOMPARE(w().action(150)->shortcut(), QKeySequence(Qt::ALT | Qt::Key_B));
        QCOMPARE(w().action(110)->shortcut(), QKeySequence(Qt::Key_Escape));
        w().activateWindow();
        QTest::keyClick(&w(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(file->isVisible());
        // Escape closes the menu; it does not end the program.
        QTest::keyClick(file, Qt::Key_Escape);
        QTRY_VERIFY(!file->isVisible());
        QVERIFY(w().isVisible());
        QCOMPARE(closing_splashes_, 0);
        // A key shown in a menu acts once.
        QTest::keyClick(&w(), Qt::Key_L);
        QCOMPARE(int(ui_->file_dialogs.size()), 1);
    }

    void escapeAsksBeforeAnUnsavedImageIsLost() {
        QTest::keyClick(&w(), Qt::Key_Escape);  // nothing drawn: no question
        QVERIFY(ui_->messages.empty());
        QCOMPARE(closing_splashes_, 1);
        w().show();
        plot();
        ui_->answers = {MessageAnswer::no};
        QTest::keyClick(&w(), Qt::Key_Escape);
        QCOMPARE(ui_->messages.back().text, std::string(text::kUnsavedExit));
        QCOMPARE(ui_->messages.back().buttons, MessageButtons::yes_no);
        QVERIFY(w().isVisible());
        QCOMPARE(closing_splashes_, 1);
        ui_->answers = {MessageAnswer::yes};
        QTest::keyClick(&w(), Qt::Key_Escape);
        QVERIFY(!w().isVisible());
        QCOMPARE(closing_splashes_, 2);

        // The close button asks too, and closes without the closing picture on yes.
        w().show();
        ui_->answers = {MessageAnswer::no, MessageAnswer::yes};
        QVERIFY(!w().close());
        QCoreApplication::processEvents();
        QVERIFY(w().isVisible());
        w().close();
        QTRY_VERIFY(!w().isVisible());
        QCOMPARE(closing_splashes_, 2);
        QCOMPARE(ui_->messages.back().text, std::string(text::kUnsavedExit));

        // Saved parameters reproduce the image: Exit goes at once.
        w().show();
        QTemporaryDir dir;
        ui_->file_answers = {dir.filePath(QStringLiteral("a.zq")).toStdString()};
        QTest::keyClick(&w(), Qt::Key_O);
        const std::size_t asked = ui_->messages.size();
        QTest::keyClick(&w(), Qt::Key_Escape);
        QCOMPARE(ui_->messages.size(), asked);
        QCOMPARE(closing_splashes_, 3);
    }

    void aRepaintKeepsTheWaitingBoxOutline() {
        plot();
        const Surface image = w().state().image;
        w().left_button_down(100, 100);
        w().mouse_move(300, 250);
        w().left_button_up();
        QCOMPARE(w().screen().get_pixel(100, 180), kWhite);
        w().redraw_now();  // as after a message box over the window
        QCOMPARE(w().screen().get_pixel(100, 180), kWhite);
        QCOMPARE(w().screen().get_pixel(300, 200), kWhite);
        QVERIFY(w().state().image == image);
        QCOMPARE(w().windowTitle(), QStringLiteral("     aspect ratio:  1.333333"));
        QTest::keyClick(&w(), Qt::Key_X);
        w().redraw_now();
        QCOMPARE(w().screen().get_pixel(100, 180), w().state().image.get_pixel(100, 180));
    }
};

QTEST_MAIN(ExplorerComfortTest)
#include "explorer_comfort_test.moc"
