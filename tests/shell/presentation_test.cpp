#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "dialogs/help_dialog.h"
#include "dialogs/pictures.h"
#include "render/driver.h"
#include "render/introduction.h"
#include "shell/command_groups.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "shell/picture_window.h"
#include "shell/presentation.h"
#include "support/dialog_script.h"
#include "support/test_window.h"

using namespace zoquel;
using namespace zoquel::shell;

// The splashes, the introduction, the about window and the help dialog, on the real command
// table; the splash is kept short.
class PresentationTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingUserInterface> ui_;
    std::unique_ptr<MainWindow> w_;
    int ended_ = 0;  // closing splashes dismissed: the program would have ended

    MainWindow& w() { return *w_; }

    void open_window() {
        w_.reset();
        ui_ = std::make_unique<RecordingUserInterface>();
        w_ = open_test_window(*ui_, [this](CommandTable& t) {
            register_command_groups(t);
            add_start_presentation(t, 50);
            t.hooks.closing_splash = [this](MainWindow& mw) { show_closing_splash(mw, [this] { ++ended_; }); };
        });
    }

    // The one picture window open, or null.
    PictureWindow* picture_window() {
        const auto open = w().findChildren<PictureWindow*>();
        return open.size() == 1 && open.front()->isVisible() ? open.front() : nullptr;
    }

    static void delete_closed_windows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static void wait(int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

private slots:
    void init() {
        set_render_threads(1);
        ended_ = 0;
        open_window();
    }
    void cleanup() {
        w_.reset();
        delete_closed_windows();
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void picturesAreBuiltInAtTheirSizes() {
        const std::pair<const char*, QSize> pictures[] = {
            {pictures::kSplash, {360, 360}}, {pictures::kClosingSplash, {480, 360}}, {pictures::kAbout, {470, 240}},
            {pictures::kHelp, {450, 150}},   {pictures::kCardioid, {180, 150}},
        };
        for (const auto& [path, size] : pictures) {
            const QImage image(path);
            QVERIFY2(!image.isNull(), path);
            QCOMPARE(image.size(), size);
        }
        const QIcon icon = application_icon();
        for (int size : pictures::kIconSizes) {
            const QImage image(QString(":/icons/hicolor/%1x%1/apps/zoquel.png").arg(size));
            QCOMPARE(image.size(), QSize(size, size));
            QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        }
    }

    // The splash holds the window disabled with the cursor hidden, then gives it back; the
    // introduction follows on the event loop and ends on the set at its last limit, in the
    // default palette whatever the current one.
    void splashThenIntroductionWhileTheWindowStaysLive() {
        w().settings().palette = greyscale_palette();
        w().start();
        PictureWindow* splash = picture_window();
        QVERIFY(splash);
        QCOMPARE(splash->size(), QSize(360, 360));
        QCOMPARE(splash->pos(), QPoint(512 - 180, 384 - 180));
        QVERIFY(!w().isEnabled());
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BlankCursor);
        // Keys and the window manager's close do not end it early.
        QTest::keyClick(splash, Qt::Key_Space);
        QVERIFY(splash->isVisible());
        QTRY_VERIFY(w().isEnabled());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QTRY_VERIFY(w().animating());
        QVERIFY(picture_window() == nullptr);

        QTRY_VERIFY_WITH_TIMEOUT(!w().animating(), 8000);
        Surface expected;
        draw_introduction(expected, 600, 600);
        QVERIFY(w().state().image == expected);
        for (int y = 0; y < 600; y += 7)
            for (int x = 0; x < 600; x += 7) QCOMPARE(w().screen().get_pixel(x, y), expected.get_pixel(x, y));
    }

    void aboutClosesEveryWayAndGivesTheWindowBack() {
        const std::vector<std::function<void(PictureWindow*)>> ways = {
            [](PictureWindow* a) { QTest::keyClick(a, Qt::Key_Space); },
            [](PictureWindow* a) { QTest::mouseClick(a, Qt::LeftButton); },
            [](PictureWindow* a) { QTest::mouseClick(a, Qt::RightButton); },
            [](PictureWindow* a) { a->close(); },  // the window manager, Alt+F4
        };
        for (const auto& way : ways) {
            w().run_command(185);
            PictureWindow* about = picture_window();
            QVERIFY(about);
            QCOMPARE(about->size(), QSize(470, 240));
            QCOMPARE(about->pos(), QPoint(512 - 235, 384 - 120));
            QCOMPARE(about->toolTip(), QStringLiteral("Zoquel " ZOQUEL_VERSION));  // the build's one version
            QVERIFY(!w().isEnabled());
            QVERIFY(about->isEnabled());
            // An Alt key or the middle button is not one of its ways out.
            QTest::keyClick(about, Qt::Key_X, Qt::AltModifier);
            QTest::mouseClick(about, Qt::MiddleButton);
            QVERIFY(about->isVisible());
            way(about);
            QVERIFY(w().isEnabled());
            delete_closed_windows();
            QVERIFY(w().findChildren<PictureWindow*>().isEmpty());
        }
        QVERIFY(ui_->messages.empty());
    }

    void closingSplashEndsTheProgramOnAnyKeyOrClick() {
        const std::vector<std::function<void(PictureWindow*)>> ways = {
            [](PictureWindow* s) { QTest::keyClick(s, Qt::Key_X, Qt::AltModifier); },
            [](PictureWindow* s) { QTest::mouseClick(s, Qt::RightButton); },
            [](PictureWindow* s) { s->close(); },
        };
        for (std::size_t i = 0; i < ways.size(); ++i) {
            w().show();
            QTest::keyClick(&w(), Qt::Key_Escape);
            QVERIFY(!w().isVisible());
            PictureWindow* splash = picture_window();
            QVERIFY(splash);
            QCOMPARE(splash->size(), QSize(480, 360));
            QCOMPARE(ended_, int(i));
            ways[i](splash);
            QCOMPARE(ended_, int(i) + 1);
            delete_closed_windows();
            QVERIFY(w().findChildren<PictureWindow*>().isEmpty());
        }
    }

    void helpIgnoresEscapeAndClosesOnClose() {
        const bool played = play_scripted([this] { w().run_command(180); },
                                          {named("id2000", [](QDialog* d) {
                                              auto* banner = d->findChild<QLabel*>("id2010");
                                              QVERIFY(banner);
                                              QCOMPARE(banner->pixmap().size(), QSize(450, 150));
                                              auto* text = d->findChild<QLabel*>("help_text");
                                              QVERIFY(text);
                                              QCOMPARE(text->text(), QString::fromLatin1(HelpDialog::kText));
                                              QVERIFY(text->text().contains("Press Z to acccept."));
                                              QTest::keyClick(d, Qt::Key_Escape);
                                              d->close();
                                              QVERIFY(d->isVisible());
                                              d->findChild<QPushButton*>("id1")->click();
                                          })});
        QVERIFY(played);
        QVERIFY(w().isEnabled());
    }

    // Whatever is under way when the window goes, nothing of it runs on afterwards.
    void theWindowMayGoDuringTheSplashTheIntroductionOrARender() {
        w().start();
        QVERIFY(picture_window());
        w_.reset();
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        wait(120);

        open_window();
        w().run_command(196);
        QVERIFY(w().animating());
        wait(20);
        w_.reset();
        wait(600);

        open_window();
        set_render_threads(2);
        QTest::keyClick(&w(), Qt::Key_F1);
        for (int i = 0; i < 5; ++i) w().render_turn();
        QVERIFY(w().rendering());
        w_.reset();
        wait(50);
    }
};

QTEST_MAIN(PresentationTest)
#include "presentation_test.moc"
