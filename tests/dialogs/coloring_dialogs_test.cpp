#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialogs/coloring_dialogs.h"
#include "recording_messages.h"

using namespace zoquel;

namespace {
Settings with(int ftype, int method, int outside = 1, int inside = 0) {
    Settings s;
    s.ftype = ftype;
    s.method = method;
    s.outside = outside;
    s.inside = inside;
    return s;
}
}  // namespace

class ColoringDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void captionsAndIdentifiers();
    void binaryDecompositionOnlyForMandelbrotAndNewton();
    void insideMethodsByTypeAndPlane();
    void methodChoiceAndCancel();
    void colourValuesStoredOrRefused();
    void colourRefusalStoresNothing();
    void colourChangeRestartsWholeImageTypes();
    void insideColoursGreyedWhereUnused();
    void keyboardOnly();
};

void ColoringDialogsTest::captionsAndIdentifiers() {
    OutsideDialog out(with(0, 0));
    QCOMPARE(out.windowTitle(), QString("Select the Outside Coloring Method"));
    const char* outside[5] = {"Solid Color", "Level Sets", "Smoothing", "Binary Decomposition",
                              "Binary Decomposition: B / W"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(out.findChild<QRadioButton*>(QString("id%1").arg(520 + i))->text(), QString(outside[i]));
    InsideDialog in(with(0, 0));
    QCOMPARE(in.windowTitle(), QString("Select the Inside Coloring Method"));
    const char* inside[5] = {"Solid Color", "ZMag", "Angular Decomposition", "Siegel Disks / BOF 33",
                             "Julia Level Sets"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(in.findChild<QRadioButton*>(QString("id%1").arg(620 + i))->text(), QString(inside[i]));
    ColoursDialog colours(with(0, 0));
    QCOMPARE(colours.windowTitle(), QString("Choose Colors ( 0 - 255 )"));
    for (int id = 730; id <= 735; ++id) QVERIFY(colours.findChild<QLineEdit*>(QString("id%1").arg(id)));
}

void ColoringDialogsTest::binaryDecompositionOnlyForMandelbrotAndNewton() {
    OutsideDialog seven(with(7, 0, 4));
    QVERIFY(seven.method_button(1)->isChecked());
    QVERIFY(!seven.method_button(3)->isEnabled());
    QVERIFY(!seven.method_button(4)->isEnabled());
    // Cancel leaves the stored method alone even though the dialog showed "Level Sets".
    seven.cancel_button()->click();
    QCOMPARE(seven.settings().outside, 4);

    OutsideDialog sevenOk(with(7, 0, 3));
    sevenOk.ok_button()->click();
    QCOMPARE(sevenOk.settings().outside, 1);

    for (int t : {0, 1}) {
        OutsideDialog d(with(t, 0, 4));
        QVERIFY(d.method_button(4)->isChecked());
        QVERIFY(d.method_button(3)->isEnabled());
        QVERIFY(d.method_button(4)->isEnabled());
    }
}

void ColoringDialogsTest::insideMethodsByTypeAndPlane() {
    struct Case {
        int type, method;
        bool siegel, levels;
    };
    for (Case c : {Case{0, 0, true, false}, Case{0, 1, true, true}, Case{37, 1, true, false},
                   Case{38, 0, true, false}, Case{38, 1, true, true}, Case{7, 1, false, false},
                   Case{2, 1, false, false}}) {
        InsideDialog d(with(c.type, c.method));
        QCOMPARE(d.method_button(3)->isEnabled(), c.siegel);
        QCOMPARE(d.method_button(4)->isEnabled(), c.levels);
        QVERIFY(d.method_button(0)->isEnabled() && d.method_button(2)->isEnabled());
    }
    // The stored method is shown as it is, even where it is not offered.
    InsideDialog kept(with(0, 0, 1, 4));
    QVERIFY(kept.method_button(4)->isChecked());
}

void ColoringDialogsTest::methodChoiceAndCancel() {
    OutsideDialog out(with(0, 0, 1));
    out.method_button(2)->click();
    out.ok_button()->click();
    QCOMPARE(out.result(), int(QDialog::Accepted));
    QCOMPARE(out.settings().outside, 2);

    InsideDialog in(with(0, 1, 1, 0));
    in.method_button(4)->click();
    in.ok_button()->click();
    QCOMPARE(in.settings().inside, 4);
    QCOMPARE(in.settings().outside, 1);

    InsideDialog cancelled(with(0, 1, 1, 0));
    cancelled.method_button(1)->click();
    cancelled.cancel_button()->click();
    QCOMPARE(cancelled.settings().inside, 0);
}

void ColoringDialogsTest::colourValuesStoredOrRefused() {
    Settings s = with(0, 0);
    RecordingMessages messages;
    ColoursDialog d(s, &messages);
    QCOMPARE(d.edit(733)->text(), QString("255"));
    QCOMPARE(d.edit(730)->text(), QString("0"));
    const char* typed[6] = {"10", "20", "30", "40", "50", "60"};
    for (int i = 0; i < 6; ++i) d.edit(730 + i)->setText(typed[i]);
    d.ok_button()->click();
    QVERIFY(messages.texts.isEmpty());
    const Settings& r = d.settings();
    QCOMPARE((std::array<int, 6>{r.rin, r.gin, r.bin, r.rout, r.gout, r.bout}),
             (std::array<int, 6>{10, 20, 30, 40, 50, 60}));

    for (const char* bad : {"256", "-1", "99999999999999999999"}) {
        RecordingMessages m;
        ColoursDialog refused(s, &m);
        refused.show();
        refused.edit(734)->setText(bad);
        refused.ok_button()->click();
        QCOMPARE(m.texts, QStringList{"color range: 0 - 255"});
        QCOMPARE(m.captions, QStringList{"Parameter Error"});
        QVERIFY(refused.isVisible());
        QCOMPARE(refused.edit(734)->text(), QString(bad));
    }
}

void ColoringDialogsTest::colourRefusalStoresNothing() {
    // The inside colours and outside red typed with a refused outside green are not kept.
    const Settings before = with(0, 0);
    RecordingMessages messages;
    ColoursDialog d(before, &messages);
    d.show();
    d.edit(730)->setText("1");
    d.edit(731)->setText("2");
    d.edit(733)->setText("3");
    d.edit(734)->setText("256");
    d.ok_button()->click();
    QCOMPARE(messages.texts.size(), 1);
    d.cancel_button()->click();
    QVERIFY(d.settings() == before);
}

void ColoringDialogsTest::colourChangeRestartsWholeImageTypes() {
    ColoursDialog attractor(with(33, 0));
    attractor.edit(733)->setText("12");
    attractor.ok_button()->click();
    QVERIFY(attractor.outcome().firstloop);

    ColoursDialog unchanged(with(33, 0));
    unchanged.ok_button()->click();
    QVERIFY(!unchanged.outcome().firstloop);

    ColoursDialog lambda(with(7, 0));
    lambda.edit(733)->setText("12");
    lambda.ok_button()->click();
    QVERIFY(!lambda.outcome().firstloop);
    QCOMPARE(lambda.settings().rout, 12);
}

void ColoringDialogsTest::insideColoursGreyedWhereUnused() {
    for (auto [t, m, editable] : {std::tuple{31, 1, false}, {33, 0, false}, {33, 1, false}, {31, 0, true}, {0, 0, true}}) {
        ColoursDialog d(with(t, m));
        for (int id = 730; id <= 732; ++id) QCOMPARE(d.edit(id)->isEnabled(), editable);
        QVERIFY(d.edit(733)->isEnabled());
    }
}

void ColoringDialogsTest::keyboardOnly() {
    {
        InsideDialog d(with(0, 1));
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d.method_button(0)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.settings().inside, 2);
    }
    {
        ColoursDialog d(with(0, 0));
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d.edit(733)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), "128");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.settings().rout, 128);
    }
}

QTEST_MAIN(ColoringDialogsTest)
#include "coloring_dialogs_test.moc"
