#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "render/driver.h"
#include "shell/command_groups.h"
#include "shell/commands.h"
#include "shell/image_view.h"
#include "shell/main_window.h"
#include "support/test_window.h"
#include "support/dialog_script.h"

using namespace zoquel;
using namespace zoquel::shell;

// The whole-image types in the explorer: each draws through the event loop, the window
// handling paint and resize events meanwhile; the oscillators stop on Pause.
class WholeImageTypesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingUserInterface> ui_;
    std::unique_ptr<MainWindow> w_;
    MainWindow& w() { return *w_; }

    // Chooses the type as the type dialog's OK does, without the dialogs it opens.
    void use(int ftype, int method, int size = 160) {
        Settings& s = w().settings();
        choose_type(s, w().state().firsttime, ftype, method);
        s.xres = s.yres = size;
        w().recreate_image();
        w().render().firstloop = true;
    }
    // Plots, turning the event loop until the image is done; false if it took too long. The
    // window must paint and take a resize between the steps.
    bool plot_to_the_end(int limit_ms) {
        QTest::keyClick(&w(), Qt::Key_F1);
        QElapsedTimer clock;
        clock.start();
        bool resized = false;
        while (w().rendering() && clock.elapsed() < limit_ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (!resized && clock.elapsed() > 20) {
                w().resize(w().width() - 10, w().height());
                resized = true;
            }
        }
        return !w().rendering();
    }
    int drawn_pixels(Pixel background) {
        int n = 0;
        for (Pixel p : w().state().image.pixels()) n += p != background;
        return n;
    }

private slots:
    void init() {
        reset_live_state(headless_host());
        ui_ = std::make_unique<RecordingUserInterface>();
        w_ = open_test_window(*ui_, [](CommandTable& t) { register_command_groups(t); });
    }
    void cleanup() {
        w_.reset();
        reset_live_state(headless_host());
    }

    void theChaosGameAddsABatchAPlot() {
        use(31, 0);
        QVERIFY(plot_to_the_end(5000));
        const int first = drawn_pixels(pack(255, 255, 255));
        QVERIFY(first > 1000);
        QVERIFY(!w().shell().okzoom);
        QVERIFY(plot_to_the_end(5000));
        QVERIFY(drawn_pixels(pack(255, 255, 255)) >= first);
        // The window shows what the image holds.
        QCOMPARE(w().screen().get_pixel(80, 120), w().state().image.get_pixel(80, 120));
    }

    void theInverseIterationDrawsTheWholeSetEachPlot() {
        use(32, 1);
        QVERIFY(plot_to_the_end(5000));
        QVERIFY(drawn_pixels(pack(255, 255, 255)) > 500);
        QCOMPARE(w().settings().cxsave, w().settings().pc[32].jcx);
        QVERIFY(w().render().firstloop);
    }

    void theKamTorusGrowsOrbitByOrbit() {
        use(33, 1);
        QTest::keyClick(&w(), Qt::Key_F1);
        QTest::qWait(100);
        // Paced: after a tenth of a second only part of the 1001 orbits are there.
        QVERIFY(w().rendering());
        const int part = drawn_pixels(pack(255, 255, 255));
        QVERIFY(plot_to_the_end(15000));
        QVERIFY(drawn_pixels(pack(255, 255, 255)) > part);
        // Lorenz in one batch a plot.
        use(33, 0);
        QVERIFY(plot_to_the_end(5000));
        QVERIFY(drawn_pixels(pack(255, 255, 255)) > 100);
    }

    void theOscillatorsAnimateUntilPause() {
        for (int method : {0, 1}) {
            use(36, method);
            QTest::keyClick(&w(), Qt::Key_F1);
            QTest::qWait(200);
            QVERIFY(w().rendering());
            QVERIFY(w().isVisible());
            // Another key waits; Pause stops the animation and the picture stays.
            const Palette before = w().settings().palette;
            QTest::keyClick(&w(), Qt::Key_G);
            QVERIFY(w().settings().palette == before);
            QTest::keyClick(&w(), Qt::Key_Pause);
            for (int i = 0; i < 50 && w().rendering(); ++i) QTest::qWait(5);
            QVERIFY(!w().rendering());
            const Surface picture = w().state().image;
            QTest::qWait(30);
            QVERIFY(w().state().image == picture);
            QVERIFY(drawn_pixels(kBlack) > 0);
        }
        // The usage message came once, before the first animation.
        int usage = 0;
        for (const auto& m : ui_->messages) usage += m.text.rfind("'Plot Fractal' or F1:", 0) == 0;
        QCOMPARE(usage, 1);
    }

    void theModeDialogOpensAfterTheTypeDialogAndOnAltG() {
        // Alt+G with type 31 in method 0: OK starts the image over.
        use(31, 0);
        w().render().firstloop = false;
        QVERIFY(play_scripted([&] { QTest::keyClick(&w(), Qt::Key_G, Qt::AltModifier); },
                              {named("id1750", [](QDialog* d) {
                                   d->findChild<QRadioButton*>("id1772")->setChecked(true);
                                   d->findChild<QLineEdit*>("id1785")->setText("300");
                                   d->findChild<QPushButton*>("id1")->click();
                               })}));
        QCOMPARE(w().settings().smode, 2);
        QCOMPARE(w().settings().rin, 255);
        QVERIFY(w().render().firstloop);
        // Choosing the chaos game opens it; Cancel keeps the mode, the image starts afresh.
        w().render().firstloop = false;
        QVERIFY(play_scripted([&] { w().run_command(120); },
                              {named("id200", [](QDialog* d) {
                                   d->findChild<QRadioButton*>("id251")->setChecked(true);
                                   d->findChild<QRadioButton*>("id270")->setChecked(true);
                                   d->findChild<QPushButton*>("id1")->click();
                               }),
                               named("id1750", [](QDialog* d) { d->findChild<QPushButton*>("id2")->click(); })}));
        QCOMPARE(w().settings().ftype, 31);
        QCOMPARE(w().settings().smode, 2);
        QVERIFY(w().render().firstloop);
    }

    void theOrbitOfAClickedPointIsTracedAndErasedByTheNextClick() {
        use(39, 0);
        QVERIFY(plot_to_the_end(5000));
        QVERIFY(w().shell().okorbit);
        const Surface clean = w().state().image;
        // A point inside the set: the trace runs its 32 paced steps, then stays.
        QTest::mousePress(w().view(), Qt::LeftButton, {}, QPoint(60, 80));
        QVERIFY(w().animating());
        QTRY_VERIFY_WITH_TIMEOUT(!w().animating(), 5000);
        QVERIFY(w().shell().eraseorbit);
        QVERIFY(w().state().image != clean);
        QCOMPARE(w().screen().get_pixel(60, 80), pack(255, 255, 0));
        QTest::mousePress(w().view(), Qt::LeftButton, {}, QPoint(60, 80));
        QVERIFY(!w().animating());
        QVERIFY(w().state().image == clean);
        QCOMPARE(w().screen().get_pixel(60, 80), clean.get_pixel(60, 80));
        // A click during a trace ends it; the next one erases what was drawn.
        QTest::mousePress(w().view(), Qt::LeftButton, {}, QPoint(60, 80));
        QTest::mousePress(w().view(), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!w().animating());
        QVERIFY(w().shell().eraseorbit);
        QTest::mousePress(w().view(), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(w().state().image == clean);
    }

    void aDlaRunPausesGoesOnAndEndsOnAClick() {
        use(34, 0, 480);  // a cluster that takes seconds to grow
        QTest::keyClick(&w(), Qt::Key_F1);
        QTest::qWait(100);
        QVERIFY(w().rendering());
        QTest::keyClick(&w(), Qt::Key_Pause);
        QTRY_VERIFY_WITH_TIMEOUT(!w().rendering(), 2000);
        QVERIFY(!w().render().firstloop);
        const int paused = drawn_pixels(pack(255, 255, 255));
        QVERIFY(paused > 1);
        // The next plot goes on with the same cluster; a click ends the run.
        QTest::keyClick(&w(), Qt::Key_F1);
        QTest::qWait(100);
        QVERIFY(w().rendering());
        QTest::mousePress(w().view(), Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_VERIFY_WITH_TIMEOUT(!w().rendering(), 2000);
        QVERIFY(w().render().firstloop);
        QVERIFY(drawn_pixels(pack(255, 255, 255)) >= paused);
        int help = 0;
        for (const auto& m : ui_->messages) help += m.text.rfind("'Plot Fractal' or F1:", 0) == 0;
        QCOMPARE(help, 1);
    }

    void theGingerbreadMenDialogsFollowEachOtherAndANewSizeMakesANewImage() {
        use(6, 0);
        w().render().firstloop = false;
        QVERIFY(play_scripted([&] { QTest::keyClick(&w(), Qt::Key_P); },
                              {named("id1100", [](QDialog* d) {
                                   d->findChild<QRadioButton*>("id1122")->setChecked(true);
                                   d->findChild<QPushButton*>("id1")->click();
                               }),
                               named("id1200", [](QDialog* d) {
                                   d->findChild<QLineEdit*>("id1210")->setText("200");
                                   d->findChild<QPushButton*>("id1")->click();
                               })}));
        QCOMPARE(w().settings().pgmindex, 2);
        QCOMPARE(w().state().image.width(), 200);
        QVERIFY(w().render().firstloop);
        QVERIFY(plot_to_the_end(5000));
        QVERIFY(drawn_pixels(kBlack) > 100);
        // F8 opens the parameters for this type; restoring the defaults puts the scale back.
        w().settings().scale = 60;
        QVERIFY(play_scripted([&] { QTest::keyClick(&w(), Qt::Key_F8); },
                              {named("id1200", [](QDialog* d) {
                                   d->findChild<QCheckBox*>("id1265")->setChecked(true);
                                   d->findChild<QPushButton*>("id1")->click();
                               })}));
        QCOMPARE(w().settings().scale, 25);
        QCOMPARE(w().state().image.width(), 200);
    }
};

QTEST_MAIN(WholeImageTypesTest)
#include "whole_image_types_test.moc"
