// The explorer on a screen scaled by 2: the image is shown one image pixel to one device pixel,
// and the mouse lands on the image pixel under it.
#include <QApplication>
#include <QScreen>
#include <QtTest>

#include "render/driver.h"
#include "shell/command_groups.h"
#include "shell/image_view.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "support/test_window.h"

using namespace zoquel;
using namespace zoquel::shell;

class HighDpiTest : public QObject {
    Q_OBJECT
private slots:
    void theImageIsShownAtDeviceResolution() {
        QScreen* screen = QGuiApplication::primaryScreen();
        QCOMPARE(screen->devicePixelRatio(), 2.0);
        RecordingUserInterface ui;
        {
            // The default size is counted in device pixels.
            MainWindowOptions o;
            o.ui = &ui;
            MainWindow plain(o);
            QCOMPARE(plain.settings().xres, default_image_size(screen->geometry().height() * 2));
        }
        set_render_threads(2);
        auto w = open_test_window(ui, register_command_groups);
        w->settings().xres = 200;
        w->settings().yres = 160;
        w->recreate_image();
        QTest::keyClick(w.get(), Qt::Key_F1);
        for (int guard = 0; w->rendering() && guard < 100000; ++guard) QCoreApplication::processEvents();
        QVERIFY(!w->rendering());
        QCOMPARE(w->view()->minimumSize(), QSize(100, 80));

        const QPixmap shown = w->view()->grab(QRect(0, 0, 100, 80));
        QCOMPARE(shown.size(), QSize(200, 160));
        const QImage pixels = shown.toImage().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < 160; y += 3)
            for (int x = 0; x < 200; x += 3)
                QCOMPARE(pixels.pixel(x, y), QRgb(w->state().image.get_pixel(x, y)));

        // A click at logical (30, 20) is image pixel (60, 40).
        QTest::mousePress(w->view(), Qt::LeftButton, {}, QPoint(30, 20));
        QCOMPARE(w->shell().zoom.startxpos, 60);
        QCOMPARE(w->shell().zoom.startypos, 40);
        QTest::mouseRelease(w->view(), Qt::LeftButton, {}, QPoint(30, 20));
        QCoreApplication::processEvents();
        // In a window smaller than the image the far corner is still image area.
        w->resize(120, 120);
        QCoreApplication::processEvents();
        QVERIFY(w->view()->width() < 200 && w->view()->height() < 160);
        QTest::mousePress(w->view(), Qt::LeftButton, {}, QPoint(99, 79));
        QVERIFY(w->shell().zoom.drawbox);
        QCOMPARE(w->shell().zoom.startxpos, 198);
        set_render_threads(1);
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "high_dpi_test.moc"
