#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <climits>

#include "deep/deep_view_math.h"
#include "dialogs/dialog_text.h"
#include "dialogs/parameter_dialog.h"
#include "model/julia_cycle.h"
#include "recording_messages.h"
#include "rules/type_selection.h"

using namespace zoquel;

namespace {

// The settings right after choosing the type in the type dialog.
Settings chosen(int ftype, int method, int inside = -1) {
    Settings s;
    FirstTimeFlags first = all_first_time();
    choose_type(s, first, ftype, method);
    if (inside >= 0) s.inside = inside;
    return s;
}

void type_into(ParameterDialog& d, int id, const QString& text) {
    QLineEdit* e = d.edit(id);
    QVERIFY2(e && e->isEnabled(), qPrintable(QString("edit %1 not editable").arg(id)));
    e->setText(text);
}

}  // namespace

class ParameterDialogTest : public QObject {
    Q_OBJECT
private slots:
    void textConversion();
    void identifiersAndFixedTexts();
    void labelsPerTypeAndMethod_data();
    void labelsPerTypeAndMethod();
    void shownEditsAndFormats();
    void okWithoutChangesKeepsEverything();
    void deepViewKeptUntilTheViewIsTyped();
    void refusals_data();
    void refusals();
    void silentClamps();
    void reversedRangesAreSwapped();
    void newSizeAndRestoreFlags();
    void juliaLevelSetPaletteInterval();
    void cancelAfterRefusalChangesNothing();
    void keyboardOnly();
};

void ParameterDialogTest::textConversion() {
    QCOMPARE(read_real("  +1.5e3xyz"), 1500.0);
    QCOMPARE(read_real("abc"), 0.0);
    QCOMPARE(read_real(""), 0.0);
    QCOMPARE(read_real("nan"), 0.0);
    QCOMPARE(read_real("-.25"), -0.25);
    QVERIFY(std::isinf(read_real("1e999")) && read_real("1e999") > 0);
    QVERIFY(std::isinf(read_real("-1e999")) && read_real("-1e999") < 0);
    QCOMPARE(read_real("1e-999"), 0.0);
    QCOMPARE(read_integer("12.7"), 12L);
    QCOMPARE(read_integer(" +600"), 600L);
    QCOMPARE(read_integer("x600"), 0L);
    QCOMPARE(read_integer("99999999999999999999999"), LONG_MAX);
    QCOMPARE(format_fixed(-2.25, 15), std::string("-2.250000000000000"));
    QCOMPARE(format_fixed(1.1, 4), std::string("1.1000"));
    QCOMPARE(format_fixed(10, 1), std::string("10.0"));
    // Large values must survive a round trip through their text.
    QCOMPARE(read_real(format_fixed(9.9e29, 15)), 9.9e29);
}

void ParameterDialogTest::identifiersAndFixedTexts() {
    ParameterDialog d(chosen(0, 0));
    QCOMPARE(d.windowTitle(), QString("Fractal Parameters"));
    for (int id : {405, 410, 415, 420, 425, 430, 435, 440, 445, 450, 455, 460, 465})
        QVERIFY(d.findChild<QLineEdit*>(QString("id%1").arg(id)));
    for (int id : {470, 475, 480, 485, 490, 492}) QVERIFY(d.findChild<QLabel*>(QString("id%1").arg(id)));
    QCOMPARE(d.findChild<QCheckBox*>("id496")->text(), QString("restore default dimensions on OK"));
    QCOMPARE(d.findChild<QCheckBox*>("id498")->text(), QString("restore default parameters on OK"));
    QVERIFY(!d.restore_dimensions()->isChecked());
    QVERIFY(!d.restore_parameters()->isChecked());
}

void ParameterDialogTest::labelsPerTypeAndMethod_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("inside");
    QTest::addColumn<QStringList>("labels");  // 470, 475, 480, 485, 490, 492
    QTest::newRow("Mandelbrot") << 0 << 0 << 0 << QStringList{"maxsize:", "", "", "exponent:", "", ""};
    QTest::newRow("Julia") << 0 << 1 << 0
                           << QStringList{"maxsize:", "cx:       ", "cy:       ", "exponent:", "minsize (radius):", ""};
    QTest::newRow("Newton") << 1 << 0 << -1
                            << QStringList{"minsize:", "", "", "exponent:", "mx:         ", "my:         "};
    QTest::newRow("Volterra") << 3 << 0 << -1 << QStringList{"maxsize:", "", "", "", "h:          ", "p:          "};
    QTest::newRow("Lambda sine J") << 7 << 1 << -1
                                   << QStringList{"maxsize:", "cx:       ", "cy:       ", "", "epsilon x: ", "epsilon y: "};
    QTest::newRow("Magnetism J") << 11 << 1 << -1 << QStringList{"maxsize:", "qx:       ", "qy:       ", "", "", ""};
    QTest::newRow("Devaney J") << 13 << 1 << -1
                               << QStringList{"maxsize:", "lambda x: ", "lambda y: ", "", "N:         ", "D:         "};
    QTest::newRow("Lambda J") << 15 << 1 << -1 << QStringList{"maxsize:", "lambda x: ", "lambda y: ", "", "", ""};
    QTest::newRow("Phoenix") << 16 << 0 << -1
                             << QStringList{"maxsize:", "", "", "pk (-1.0 - 1.0):", "degree (2.0 - 8.0):", ""};
    QTest::newRow("Collatz Newton") << 23 << 0 << -1
                                    << QStringList{"maxsize:", "", "", "", "a0 x:      ", "a0 y:      "};
    QTest::newRow("Johnston") << 23 << 1 << -1 << QStringList{"maxsize:", "cx:       ", "cy:       ", "", "", ""};
    QTest::newRow("Lyapunov 2") << 24 << 1 << -1 << QStringList{"maxsize:", "", "", "", "", ""};
    QTest::newRow("Lace") << 31 << 1 << -1
                          << QStringList{"maxsize:", "cx:       ", "cy:       ", "", "r ( 1.1 - 2.75 ):",
                                         "scale ( 1 - 10 ):"};
    QTest::newRow("Inverse Julia") << 32 << 1 << -1
                                   << QStringList{"maxsize:", "cx:       ", "cy:       ", "", "max hits: ", "max depth:"};
    QTest::newRow("KAMTorus") << 33 << 1 << -1
                              << QStringList{"maxsize:", "", "", "X axis rotation (0 - 360):",
                                             "Y axis rotation (0 - 360):", "Z axis rotation (0 - 360):"};
    QTest::newRow("Petal") << 37 << 1 << -1
                           << QStringList{"maxsize:", "cx:       ", "cy:       ", "exponent:", "coefficient:", ""};
    QTest::newRow("Distance M") << 38 << 0 << -1 << QStringList{"maxsize:", "", "", "", "threshold:", "overflow:  "};
    QTest::newRow("Distance J") << 38 << 1 << -1
                                << QStringList{"maxsize:", "cx:       ", "cy:       ", "minsize (radius):   ",
                                               "threshold:", "overflow:  "};
}

void ParameterDialogTest::labelsPerTypeAndMethod() {
    QFETCH(int, type);
    QFETCH(int, method);
    QFETCH(int, inside);
    QFETCH(QStringList, labels);
    ParameterDialog d(chosen(type, method, inside));
    const int ids[6] = {470, 475, 480, 485, 490, 492};
    for (int i = 0; i < 6; ++i) QCOMPARE(d.label(ids[i])->text(), labels[i]);
}

void ParameterDialogTest::shownEditsAndFormats() {
    {
        ParameterDialog d(chosen(0, 0));
        QCOMPARE(d.edit(405)->text(), QString("-2.250000000000000"));
        QCOMPARE(d.edit(425)->text(), QString("600"));
        QCOMPARE(d.edit(435)->text(), QString("256"));
        QCOMPARE(d.edit(440)->text(), QString("16.000000000000000"));
        QCOMPARE(d.edit(455)->text(), QString("2.000000000000000"));
        for (int id : {445, 450, 460, 465}) {
            QVERIFY(d.edit(id)->text().isEmpty());
            QVERIFY(!d.edit(id)->isEnabled());
        }
    }
    {
        // Lace: r with four decimals, scale with one; c shown but not read back.
        Settings s = chosen(31, 1);
        s.pc[31].p1 = 2.5;
        s.pc[31].p2 = 3;
        s.pc[31].jcx = 0.125;
        ParameterDialog d(s);
        QCOMPARE(d.edit(460)->text(), QString("2.5000"));
        QCOMPARE(d.edit(465)->text(), QString("3.0"));
        QCOMPARE(d.edit(445)->text(), QString("0.125000000000000"));
        QVERIFY(!d.edit(445)->isEnabled());
        QVERIFY(d.edit(455)->text().isEmpty());
    }
    {
        // No c fields for the types without a dynamic-plane constant.
        ParameterDialog d(chosen(33, 1));
        QVERIFY(d.edit(445)->text().isEmpty());
        QVERIFY(!d.edit(450)->isEnabled());
        QVERIFY(d.edit(455)->isEnabled());
        QVERIFY(d.edit(465)->isEnabled());
    }
    {
        ParameterDialog d(chosen(16, 0));
        QVERIFY(d.edit(460)->isEnabled());
        QVERIFY(!d.edit(465)->isEnabled());
    }
}

void ParameterDialogTest::okWithoutChangesKeepsEverything() {
    // Pressing OK on what is shown must store what was there, for every type and method
    // (Volterra-Lotka and the inverse Julia's counts are rewritten by their own rules).
    for (int t = 0; t < kTypeCount; ++t) {
        if (t == 3 || t == 6) continue;
        for (int m = 0; m < 2; ++m) {
            Settings s = chosen(t, m);
            s.pc[std::size_t(t)].maxsize = t == 1 ? 0.000125 : (t == 9 || t == 22) ? 50 : 9.9e29;
            RecordingMessages messages;
            ParameterDialog d(s, &messages);
            d.ok_button()->click();
            QVERIFY2(messages.texts.isEmpty(), qPrintable(QString("type %1/%2: %3").arg(t).arg(m).arg(messages.texts.value(0))));
            QCOMPARE(d.result(), int(QDialog::Accepted));
            Settings expected = s;
            if (t == 32) {
                expected.maxhits = int(s.pc[32].p1);
                expected.maxdepth = int(s.pc[32].p2);
            }
            QVERIFY2(d.settings() == expected, qPrintable(QString("type %1 method %2").arg(t).arg(m)));
            QVERIFY(!d.outcome().newdimensions && !d.outcome().firstloop && !d.outcome().newa0);
        }
    }
}

void ParameterDialogTest::deepViewKeptUntilTheViewIsTyped() {
    Settings s = chosen(0, 0);
    s.deep = deep::make_deep_view(0, 0, "-0.75", "0.1", "1e-300", s.xres, s.yres);
    s.view() = s.deep->corners;
    s.maxiter = 200000;
    {
        RecordingMessages messages;
        ParameterDialog d(s, &messages);
        d.ok_button()->click();
        QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.value(0)));
        QVERIFY(d.settings() == s);
    }
    RecordingMessages messages;
    ParameterDialog d(s, &messages);
    type_into(d, 435, "1000");
    // A new limit within the dialog's range keeps the view.
    d.ok_button()->click();
    QVERIFY(d.settings().deep == s.deep);
    QCOMPARE(d.settings().maxiter, 1000);
    const char* typed[] = {"-0.8", "-0.7", "0", "0.1"};
    for (int i = 0; i < 4; ++i) type_into(d, 405 + 5 * i, typed[i]);
    d.ok_button()->click();
    QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.value(0)));
    QVERIFY(!d.settings().deep);
    QCOMPARE(d.settings().view().xmin, -0.8);
}

void ParameterDialogTest::refusals_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString xrange = "xmax must be greater than xmin\nby at least 0.000000000000001";
    QTest::newRow("x range empty") << 0 << 0 << 410 << "-2.25" << xrange;
    QTest::newRow("y range") << 0 << 0 << 420 << "-1.5" << "ymax must be greater than ymin\nby at least 0.000000000000001";
    QTest::newRow("xres 20") << 0 << 0 << 425 << "20" << "xres range: 32 - 9600";
    QTest::newRow("xres 9601") << 0 << 0 << 425 << "9601" << "xres range: 32 - 9600";
    QTest::newRow("yres empty") << 0 << 0 << 430 << "" << "yres range: 32 - 9600";
    QTest::newRow("maxiter 0") << 0 << 0 << 435 << "0" << "iteration range: 1 - 16384";
    QTest::newRow("maxiter 16385") << 0 << 0 << 435 << "16385" << "iteration range: 1 - 16384";
    QTest::newRow("maxsize 1e30") << 0 << 0 << 440 << "1.0E30" << "maxsize range: 2.0 - 1.0E30";
    QTest::newRow("maxsize 1.9") << 7 << 0 << 440 << "1.9" << "maxsize range: 2.0 - 1.0E30";
    QTest::newRow("minsize") << 1 << 0 << 440 << "0.01" << "minsize range: 0.000001 - 0.001";
    QTest::newRow("exponent 17.5") << 0 << 0 << 455 << "17.5" << "exponent range: 1.0 - 17.0";
    QTest::newRow("Newton exponent") << 1 << 0 << 455 << "9" << "exponent range: 2.0 - 8.0";
    QTest::newRow("Petal exponent") << 37 << 1 << 455 << "3" << "exponent range: 4.0 - 50.0";
    QTest::newRow("Devaney N") << 13 << 0 << 460 << "17" << "exponent range: 1.0 - 16.0";
    QTest::newRow("Devaney D") << 13 << 0 << 465 << "0.5" << "exponent range: 1.0 - 16.0";
    QTest::newRow("rotation X") << 33 << 0 << 455 << "361" << "axis rotation: 0 - 360 degrees";
    QTest::newRow("rotation Z") << 33 << 1 << 465 << "-1" << "axis rotation: 0 - 360 degrees";
    QTest::newRow("threshold") << 38 << 0 << 460 << "1" << "threshold range: 0.0001 - 0.9999";
    QTest::newRow("overflow") << 38 << 1 << 465 << "1e32" << "overflow range: 100.0 - 1.0E32";
}

void ParameterDialogTest::refusals() {
    QFETCH(int, type);
    QFETCH(int, method);
    QFETCH(int, edit);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const Settings before = chosen(type, method);
    RecordingMessages messages;
    ParameterDialog d(before, &messages);
    d.show();
    type_into(d, edit, text);
    d.ok_button()->click();
    QCOMPARE(messages.texts, QStringList{message});
    QCOMPARE(messages.captions, QStringList{"Parameter Error"});
    QVERIFY(d.isVisible());
    QCOMPARE(d.edit(edit)->text(), text);
    QVERIFY(d.settings() == before);
    // The refused entry has the focus (a range refusal points at its lower end).
    QLineEdit* focused = d.edit(edit == 410 ? 405 : edit == 420 ? 415 : edit);
    QCOMPARE(d.focusWidget(), static_cast<QWidget*>(focused));
}

void ParameterDialogTest::silentClamps() {
    auto ok_with = [](Settings s, std::initializer_list<std::pair<int, const char*>> typed) {
        RecordingMessages messages;
        ParameterDialog d(s, &messages);
        for (auto [id, text] : typed) type_into(d, id, text);
        d.ok_button()->click();
        if (!messages.texts.isEmpty()) qWarning() << messages.texts;
        return d.settings();
    };
    Settings s = ok_with(chosen(0, 0), {{405, "-100"}, {410, "100"}, {440, "9.9E29"}});
    QCOMPARE(s.view().xmin, -32.0);
    QCOMPARE(s.view().xmax, 32.0);
    QCOMPARE(s.pc[0].maxsize, 9.9e29);

    QCOMPARE(ok_with(chosen(9, 0), {{440, "1000"}}).pc[9].maxsize, 500.0);
    QCOMPARE(ok_with(chosen(22, 0), {{440, "100"}}).pc[22].maxsize, 72.0);

    s = ok_with(chosen(3, 0), {{440, "1000"}, {435, "50"}, {460, "2"}, {465, "-1"}});
    QCOMPARE(s.pc[3].maxsize, 256.0);
    QCOMPARE(s.maxiter, 256);
    QCOMPARE(s.pc[3].p1, 1.0);
    QCOMPARE(s.pc[3].p2, 0.0);
    QCOMPARE(s.half, 0.5);

    s = ok_with(chosen(37, 1), {{460, "0.5"}, {445, "3"}});
    QCOMPARE(s.pc[37].p1, 0.95);
    QCOMPARE(s.pc[37].jcx, 0.5);
    QCOMPARE(ok_with(chosen(37, 1), {{460, "-0.5"}}).pc[37].p1, -0.99);
    QCOMPARE(ok_with(chosen(37, 1), {{460, "-7"}}).pc[37].p1, -1.5);
    QCOMPARE(ok_with(chosen(37, 1), {{460, "9"}}).pc[37].p1, 1.25);

    s = ok_with(chosen(32, 1), {{460, "12.7"}, {465, "9000"}});
    QCOMPARE(s.pc[32].p1, 12.0);
    QCOMPARE(s.maxhits, 12);
    QCOMPARE(s.pc[32].p2, 8192.0);
    QCOMPARE(s.maxdepth, 8192);

    s = ok_with(chosen(7, 1), {{445, "-25"}, {450, "nonsense"}, {460, "5"}, {465, "-5"}});
    QCOMPARE(s.pc[7].jcx, -20.0);
    QCOMPARE(s.pc[7].jcy, 0.0);
    QCOMPARE(s.pc[7].p1, 4.0);
    QCOMPARE(s.pc[7].p2, -4.0);

    s = ok_with(chosen(1, 0), {{460, "0"}, {465, "1"}});
    QCOMPARE(s.pc[1].p1, 0.02);
    QCOMPARE(s.pc[1].p2, 0.99);

    QCOMPARE(ok_with(chosen(16, 0), {{455, "-3"}}).pc[16].p0, -1.0);
    QCOMPARE(ok_with(chosen(38, 1), {{455, "0"}}).pc[38].p0, 1e-12);
    QCOMPARE(ok_with(chosen(0, 1), {{460, "5"}}).pc[0].p1, 1.0);

    s = ok_with(chosen(31, 1), {{460, "3"}, {465, "0"}});
    QCOMPARE(s.pc[31].p1, 2.75);
    QCOMPARE(s.pc[31].p2, 1.0);
}

void ParameterDialogTest::reversedRangesAreSwapped() {
    RecordingMessages messages;
    ParameterDialog d(chosen(0, 0), &messages);
    type_into(d, 405, "2");
    type_into(d, 410, "-2");
    type_into(d, 415, "1");
    type_into(d, 420, "-0.5");
    d.ok_button()->click();
    QVERIFY(messages.texts.isEmpty());
    QCOMPARE(d.settings().view(), (View{-2, 2, -0.5, 1}));
}

void ParameterDialogTest::newSizeAndRestoreFlags() {
    {
        ParameterDialog d(chosen(0, 0));
        type_into(d, 430, "480");
        d.restore_parameters()->setChecked(true);
        d.ok_button()->click();
        QCOMPARE(d.settings().yres, 480);
        QVERIFY(d.outcome().newdimensions);
        QVERIFY(d.outcome().prestore);
        QVERIFY(!d.outcome().drestore);
    }
    {
        ParameterDialog d(chosen(0, 0));
        d.restore_dimensions()->setChecked(true);
        d.ok_button()->click();
        QVERIFY(!d.outcome().newdimensions);
        QVERIFY(d.outcome().drestore);
        QVERIFY(!d.outcome().prestore);
    }
    {
        // A changed critical point asks for the roots to be recomputed; a degree change restarts.
        ParameterDialog a0(chosen(23, 0));
        type_into(a0, 460, "40");
        a0.ok_button()->click();
        QCOMPARE(a0.settings().pc[23].p1, 30.0);
        QVERIFY(a0.outcome().newa0);
        ParameterDialog degree(chosen(16, 0));
        type_into(degree, 460, "5");
        degree.ok_button()->click();
        QVERIFY(degree.outcome().firstloop);
    }
}

void ParameterDialogTest::juliaLevelSetPaletteInterval() {
    Settings s = chosen(0, 1, 4);
    Attractor cycle;
    const int period = juliaperiod(s.pc[0].jcx, s.pc[0].jcy, cycle);
    QVERIFY(period > 1);
    s.palint = period + 5;
    ParameterDialog d(s);
    QCOMPARE(d.label(492)->text(), QString("palette interval (1-%1):").arg(period));
    // Lowered to the period already when shown, as an integer.
    QCOMPARE(d.edit(465)->text(), QString::number(period));
    type_into(d, 465, "999");
    d.ok_button()->click();
    QCOMPARE(d.settings().palint, period);
    QCOMPARE(d.settings().jperiod, period);

    ParameterDialog low(s);
    type_into(low, 465, "-3");
    low.ok_button()->click();
    QCOMPARE(low.settings().palint, 1);
}

void ParameterDialogTest::cancelAfterRefusalChangesNothing() {
    const Settings before = chosen(0, 0);
    RecordingMessages messages;
    ParameterDialog d(before, &messages);
    d.show();
    type_into(d, 405, "-1");
    type_into(d, 410, "1");
    type_into(d, 435, "500");
    type_into(d, 425, "9601");
    d.ok_button()->click();
    QCOMPARE(messages.texts, QStringList{"xres range: 32 - 9600"});
    QVERIFY(d.isVisible());
    d.cancel_button()->click();
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QVERIFY(d.settings() == before);

    // Corrected, the same edit goes through whole.
    ParameterDialog again(before, &messages);
    type_into(again, 405, "-1");
    type_into(again, 410, "1");
    type_into(again, 435, "500");
    again.ok_button()->click();
    QCOMPARE(again.settings().view().xmin, -1.0);
    QCOMPARE(again.settings().maxiter, 500);
}

void ParameterDialogTest::keyboardOnly() {
    RecordingMessages messages;
    ParameterDialog d(chosen(0, 0), &messages);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d.edit(405)));
    // Tab walks the edits in order.
    for (int id : {410, 415, 420, 425}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d.edit(id)));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "20");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(messages.texts, QStringList{"xres range: 32 - 9600"});
    QVERIFY(d.isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(d.result(), int(QDialog::Rejected));
}

QTEST_MAIN(ParameterDialogTest)
#include "parameter_dialog_test.moc"
