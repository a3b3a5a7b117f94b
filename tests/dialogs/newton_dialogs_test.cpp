#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialogs/newton_dialogs.h"
#include "recording_messages.h"

using namespace zoquel;

class NewtonDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void newtonCaptionsAndValues();
    void newtonClampsAndStores();
    void newtonRefusalsKeepTheDialogOpenAndStoreNothing();
    void newtonCancelChangesNothing();
    void formulaCaptionsAndBasinOffer();
    void formulaChoiceAndRootSearch();
    void formulaKeyboardOnly();
};

void NewtonDialogsTest::newtonCaptionsAndValues() {
    Settings s;
    s.basin = 1;
    NewtonOptionsDialog d(s);
    QCOMPARE(d.windowTitle(), QString("Select Newton options"));
    QVERIFY(d.basin_button(1)->isChecked());
    QCOMPARE(d.findChild<QRadioButton*>("id820")->text(), QString("Off"));
    QCOMPARE(d.findChild<QRadioButton*>("id821")->text(), QString("On"));
    for (const char* id : {"id840", "id860", "id880", "id885"}) QVERIFY(d.findChild<QLineEdit*>(id));
    QCOMPARE(d.cellsize()->text(), QString("0.010000000000000"));
    QCOMPARE(d.exponent()->text(), QString("3.000000000000000"));
    QCOMPARE(d.mx()->text(), QString("1.000000000000000"));
    QCOMPARE(d.my()->text(), QString("0.000000000000000"));
    bool key_line = false;
    for (QLabel* l : d.findChildren<QLabel*>()) key_line |= l->text() == "Press 'N' to re-display this dialog box.";
    QVERIFY(key_line);
}

void NewtonDialogsTest::newtonClampsAndStores() {
    RecordingMessages messages;
    NewtonOptionsDialog d(Settings{}, &messages);
    d.basin_button(1)->setChecked(true);
    d.cellsize()->setText("1");
    d.exponent()->setText("8");
    d.mx()->setText("0.02");
    d.my()->setText("-0.99");
    d.ok_button()->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(messages.texts.isEmpty());
    QCOMPARE(d.settings().basin, 1);
    QCOMPARE(d.settings().cellsize, 0.1);
    QCOMPARE(d.settings().pc[1].p0, 8.0);
    QCOMPARE(d.settings().pc[1].p1, 0.02);
    QCOMPARE(d.settings().pc[1].p2, -0.99);

    NewtonOptionsDialog tiny(Settings{}, &messages);
    tiny.cellsize()->setText("1e-20");
    tiny.ok_button()->click();
    QCOMPARE(tiny.settings().cellsize, 1e-12);
}

void NewtonDialogsTest::newtonRefusalsKeepTheDialogOpenAndStoreNothing() {
    struct Case {
        const char* exponent;
        const char* mx;
        const char* my;
        const char* message;
    };
    const Case cases[] = {{"9", "1", "0", "exponent range: 2.0 - 8.0"},
                          {"1.5", "1", "0", "exponent range: 2.0 - 8.0"},
                          {"3", "2", "0", "mx range: 0.02 - 1.99"},
                          {"3", "1", "-1", "my range: -0.99 - 0.99"},
                          {"1e999", "1", "0", "exponent range: 2.0 - 8.0"}};
    for (const Case& c : cases) {
        RecordingMessages messages;
        const Settings before;
        NewtonOptionsDialog d(before, &messages);
        d.show();
        d.basin_button(1)->setChecked(true);
        d.cellsize()->setText("1");
        d.exponent()->setText(c.exponent);
        d.mx()->setText(c.mx);
        d.my()->setText(c.my);
        d.ok_button()->click();
        QCOMPARE(messages.texts, QStringList{c.message});
        QCOMPARE(messages.captions, QStringList{"Parameter Error"});
        QVERIFY(d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        // Nothing stored, not even the values read before the refused one.
        QVERIFY(d.settings() == before);
        QCOMPARE(d.exponent()->text(), QString(c.exponent));
        QCOMPARE(d.cellsize()->text(), QString("1"));
    }
}

void NewtonDialogsTest::newtonCancelChangesNothing() {
    const Settings before;
    NewtonOptionsDialog d(before);
    d.basin_button(1)->setChecked(true);
    d.exponent()->setText("5");
    d.cancel_button()->click();
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QVERIFY(d.settings() == before);
}

void NewtonDialogsTest::formulaCaptionsAndBasinOffer() {
    Settings s;
    s.nvindex = 19;
    s.basin = 1;
    NvFormulaDialog d(s);
    QCOMPARE(d.windowTitle(), QString("Select the Formula"));
    QCOMPARE(d.findChild<QRadioButton*>("id1310")->text(), QString("z^3 - 1  |  classic 3rd power"));
    QCOMPARE(d.findChild<QRadioButton*>("id1333")->text(), QString("z^3 - z^2 - ( lambda^2 )z + lambda^2"));
    QCOMPARE(d.findChild<QRadioButton*>("id1331")->text(), QString("cosh ( z^2 ) + sinh ( z )"));
    QCOMPARE(d.basin()->text(), QString("differential basin coloring"));
    QVERIFY(d.formula_button(19)->isChecked());
    // Opened on a formula without roots: greyed, still showing the setting.
    QVERIFY(!d.basin()->isEnabled());
    QVERIFY(d.basin()->isChecked());
    d.formula_button(22)->click();
    QVERIFY(d.basin()->isEnabled());
    d.formula_button(20)->click();
    QVERIFY(!d.basin()->isEnabled());
    d.formula_button(0)->click();
    QVERIFY(d.basin()->isEnabled());
}

void NewtonDialogsTest::formulaChoiceAndRootSearch() {
    Settings s;
    s.nvindex = 3;
    {
        NvFormulaDialog d(s);
        d.formula_button(15)->click();
        d.basin()->setChecked(true);
        d.ok_button()->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.settings().nvindex, 15);
        QCOMPARE(d.settings().basin, 1);
        QVERIFY(d.formula_changed());
    }
    {
        NvFormulaDialog d(s);
        d.ok_button()->click();
        QVERIFY(!d.formula_changed());
        QCOMPARE(d.settings().nvindex, 3);
    }
    {
        NvFormulaDialog d(s);
        d.formula_button(7)->click();
        d.cancel_button()->click();
        QVERIFY(d.settings() == s);
        QVERIFY(!d.formula_changed());
    }
}

void NewtonDialogsTest::formulaKeyboardOnly() {
    Settings s;
    s.nvindex = 4;
    NvFormulaDialog d(s);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d.formula_button(4)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.settings().nvindex, 5);
}

QTEST_MAIN(NewtonDialogsTest)
#include "newton_dialogs_test.moc"
