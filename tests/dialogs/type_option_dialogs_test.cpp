#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialogs/biomorph_dialog.h"
#include "dialogs/chaos_mode_dialog.h"
#include "dialogs/lyapunov_dialog.h"
#include "dialogs/pgm_dialogs.h"
#include "dialogs/volterra_lotka_dialog.h"
#include "recording_messages.h"

using namespace zoquel;

namespace {
Settings with(int ftype, int method) {
    Settings s;
    s.ftype = ftype;
    s.method = method;
    return s;
}
}  // namespace

class TypeOptionDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void volterraLotkaShowsAndClamps();
    void volterraLotkaCancelChangesNothing();
    void biomorphVariations();
    void lyapunovControlsByMethod();
    void lyapunovAcceptsAndClamps();
    void lyapunovRefusalKeepsTheDialogAsTyped();
    void lyapunovCancelChangesNothing();
    void chaosModeShowsClampsAndStores();
    void chaosModeCancelChangesNothing();
    void pgmFormulaStartsANewImageOnlyWhenChanged();
    void pgmParametersShowAndStore();
    void pgmParametersNewImageOnlyWhenAsked();
    void pgmParametersRefusalKeepsTheDialogAsTyped();
    void pgmParametersCancelChangesNothing();
};

void TypeOptionDialogsTest::volterraLotkaShowsAndClamps() {
    Settings s = with(3, 0);
    VolterraLotkaDialog d(s);
    QCOMPARE(d.windowTitle(), QString("Volterra-Lotka Parameters"));
    QCOMPARE(d.edit(910)->text(), QString("0.739000000000000"));
    QCOMPARE(d.edit(912)->text(), QString("256"));
    QCOMPARE(d.edit(914)->text(), QString("0.100000000000000"));
    QVERIFY(d.findChild<QRadioButton*>("id1320")->isChecked());
    QCOMPARE(d.findChild<QRadioButton*>("id1321")->text(), QString("minimum point distance ( BOF33 )"));
    QCOMPARE(d.findChild<QGroupBox*>("id920")->title(), QString("   coloring scheme   "));

    d.edit(910)->setText("0.6");
    d.edit(911)->setText("-30");
    d.edit(912)->setText("5000");
    d.edit(913)->setText("nonsense");
    d.edit(914)->setText("1e300");
    d.scheme_button(2)->setChecked(true);
    d.ok_button()->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    const Settings& r = d.settings();
    QCOMPARE(r.pc[3].p1, 0.6);
    QCOMPARE(r.half, 0.3);
    QCOMPARE(r.pc[3].p2, -20.0);
    QCOMPARE(r.maxiter, 1024);
    QCOMPARE(r.pc[3].maxsize, 16.0);  // text that is no number reads as 0
    QCOMPARE(r.vlradius, 0.5);
    QCOMPARE(r.vlcoloring, 2);
}

void TypeOptionDialogsTest::volterraLotkaCancelChangesNothing() {
    const Settings s = with(3, 0);
    VolterraLotkaDialog d(s);
    d.edit(910)->setText("0.2");
    d.scheme_button(1)->setChecked(true);
    d.cancel_button()->click();
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QVERIFY(d.settings() == s);
}

void TypeOptionDialogsTest::biomorphVariations() {
    Settings s = with(5, 1);
    s.bindex = 7;
    BiomorphDialog d(s);
    QCOMPARE(d.windowTitle(), QString("Select the Biomorph Variation Type"));
    QVERIFY(d.variation_button(7)->isChecked());
    QCOMPARE(d.findChild<QRadioButton*>("id1010")->text(), QString("z^2 + c"));
    QCOMPARE(d.findChild<QRadioButton*>("id1015")->text(), QString("z^1.5 + c  -  'Glynn function'"));
    QCOMPARE(d.findChild<QRadioButton*>("id1020")->text(), QString("z^7 + z^5 - z^3 + z + c"));
    d.variation_button(10)->setChecked(true);
    d.ok_button()->click();
    QCOMPARE(d.settings().bindex, 10);

    BiomorphDialog cancelled(s);
    cancelled.variation_button(2)->setChecked(true);
    cancelled.cancel_button()->click();
    QCOMPARE(cancelled.settings().bindex, 7);

    // An index from elsewhere that no button has shows the first variation.
    s.bindex = 99;
    BiomorphDialog odd(s);
    QVERIFY(odd.variation_button(0)->isChecked());
}

void TypeOptionDialogsTest::lyapunovControlsByMethod() {
    LyapunovDialog markus(with(24, 0));
    QCOMPARE(markus.windowTitle(), QString("Lyapunov Options"));
    QCOMPARE(markus.edit(1415)->text(), QString("ab"));
    QCOMPARE(markus.edit(1420)->text(), QString("0.850000000000000"));
    QCOMPARE(markus.label(1465)->text(), QString("0.0 <  x(0)  < 1.0:"));
    QCOMPARE(markus.label(1470)->text(), QString("0.0 <  y(0)  < 1.0:"));
    QCOMPARE(markus.algorithm_button(1)->text(), QString("Fractint algorihtm"));
    QVERIFY(markus.algorithm_button(0)->isChecked());
    QVERIFY(markus.edit(1415)->isEnabled());
    QVERIFY(markus.algorithm_button(1)->isEnabled());
    for (int id : {1445, 1450, 1455, 1460}) QVERIFY(!markus.edit(id)->isEnabled());

    LyapunovDialog pickover(with(24, 1));
    for (int id : {1415, 1420, 1425}) QVERIFY(!pickover.edit(id)->isEnabled());
    QVERIFY(!pickover.algorithm_button(0)->isEnabled());
    for (int id : {1445, 1450, 1455, 1460}) QVERIFY(pickover.edit(id)->isEnabled());
    QCOMPARE(pickover.edit(1455)->text(), QString("0.750000000000000"));
}

void TypeOptionDialogsTest::lyapunovAcceptsAndClamps() {
    LyapunovDialog d(with(24, 0));
    d.edit(1415)->setText("AabBaaaaBBBBbbbbaaaa");  // 20 letters, upper and lower case
    d.edit(1420)->setText("1.5");
    d.edit(1425)->setText("9");
    d.algorithm_button(1)->setChecked(true);
    // Disabled edits are read back too.
    d.edit(1445)->setText("0");
    d.edit(1455)->setText("0.1");
    d.ok_button()->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    const Settings& r = d.settings();
    QCOMPARE(QString::fromStdString(r.ustring), QString("AabBaaaaBBBBbbbb"));
    QCOMPARE(r.length, 16);
    QCOMPARE(r.x01user, 0.999999);
    QCOMPARE(r.k, 5.0);
    QCOMPARE(r.algorithm, 1);
    QCOMPARE(r.x02user, 0.000001);
    QCOMPARE(r.CC, 0.5);
}

void TypeOptionDialogsTest::lyapunovRefusalKeepsTheDialogAsTyped() {
    for (const char* bad : {"abc", ""}) {
        RecordingMessages messages;
        const Settings s = with(24, 0);
        LyapunovDialog d(s, &messages);
        d.show();
        d.edit(1415)->setText(bad);
        d.edit(1425)->setText("2.5");
        d.ok_button()->click();
        QCOMPARE(messages.texts, QStringList{"sequence must contain only A, B, a or b"});
        QCOMPARE(messages.captions, QStringList{"Parameter Error"});
        QVERIFY(d.isVisible());
        QCOMPARE(d.edit(1415)->text(), QString(bad));
        QCOMPARE(d.edit(1425)->text(), QString("2.5"));
        QVERIFY(d.settings() == s);
        // Mended, OK goes through.
        d.edit(1415)->setText("bba");
        d.ok_button()->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(QString::fromStdString(d.settings().ustring), QString("bba"));
        QCOMPARE(d.settings().k, 2.5);
    }
}

void TypeOptionDialogsTest::lyapunovCancelChangesNothing() {
    const Settings s = with(24, 0);
    LyapunovDialog d(s);
    d.edit(1415)->setText("bbbb");
    d.algorithm_button(1)->setChecked(true);
    d.cancel_button()->click();
    QVERIFY(d.settings() == s);
}

void TypeOptionDialogsTest::chaosModeShowsClampsAndStores() {
    Settings s = with(31, 0);
    s.smode = 3;
    s.rin = 12;
    ChaosModeDialog d(s);
    QCOMPARE(d.windowTitle(), QString("Select the Mode"));
    QCOMPARE(d.objectName(), QString("id1750"));
    QVERIFY(d.polygon_button(3)->isChecked());
    QCOMPARE(d.polygon_button(4)->text(), QString("pentagon - overlapped"));
    QCOMPARE(d.findChild<QGroupBox*>("id1780")->title(), QString("   Monochrome Image Color   ( 0  -  255 )   "));
    QCOMPARE(d.findChild<QGroupBox*>("id1790")->title(), QString("   Coloring Method   "));
    QCOMPARE(d.colour_edit(0)->text(), QString("12"));
    QVERIFY(d.colouring_button(0)->isChecked());
    QCOMPARE(d.colouring_button(1)->text(), QString("hit count ( palette )"));
    d.polygon_button(5)->setChecked(true);
    d.colour_edit(0)->setText("300");
    d.colour_edit(1)->setText("-4");
    d.colour_edit(2)->setText("x");
    d.colouring_button(1)->setChecked(true);
    d.ok_button()->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.settings().smode, 5);
    QCOMPARE(d.settings().rin, 255);
    QCOMPARE(d.settings().gin, 0);
    QCOMPARE(d.settings().bin, 0);
    QCOMPARE(d.settings().scmode, 1);
}

void TypeOptionDialogsTest::chaosModeCancelChangesNothing() {
    const Settings s = with(31, 0);
    ChaosModeDialog d(s);
    d.polygon_button(2)->setChecked(true);
    d.colour_edit(2)->setText("77");
    QTest::keyClick(&d, Qt::Key_Escape);
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QVERIFY(d.settings() == s);
}

void TypeOptionDialogsTest::pgmFormulaStartsANewImageOnlyWhenChanged() {
    Settings s = with(6, 0);
    s.pgmindex = 3;
    for (int pick : {3, 0}) {
        PgmFormulaDialog d(s);
        QCOMPARE(d.windowTitle(), QString("Select the PGM Formula"));
        QVERIFY(d.formula_button(3)->isChecked());
        QCOMPARE(d.formula_button(2)->text(), QString("F = 1 E -4 * cos( y * |x| )"));
        d.formula_button(pick)->setChecked(true);
        d.ok_button()->click();
        QCOMPARE(d.settings().pgmindex, pick);
        QCOMPARE(d.firstloop(), pick != 3);
    }
}

void TypeOptionDialogsTest::pgmParametersShowAndStore() {
    Settings s = with(6, 0);
    s.pgmindex = 4;
    PgmParametersDialog d(s);
    QCOMPARE(d.windowTitle(), QString("PGM Parameters"));
    QCOMPARE(d.edit(1220)->text(), QString("25"));
    QCOMPARE(d.edit(1225)->text(), QString("-0.123400000000000"));
    QCOMPARE(d.edit(1230)->text(), QString("0.123400000000000"));
    QVERIFY(d.start_new_image()->isChecked());
    QVERIFY(!d.restore_defaults()->isChecked());
    d.edit(1210)->setText("800");
    d.edit(1225)->setText("-10");
    d.edit(1250)->setText("200");
    d.restore_defaults()->setChecked(true);
    d.ok_button()->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    const Settings& r = d.settings();
    QCOMPARE(r.xres, 800);
    QCOMPARE(r.pgmx0[4], -10.0);
    QCOMPARE(r.pgmx0[0], s.pgmx0[0]);  // only the current formula's start point
    QCOMPARE(r.bback, 200);
    QVERIFY(d.outcome().firstloop);
    QVERIFY(d.outcome().prestore);
    QVERIFY(d.outcome().newdimensions);
}

void TypeOptionDialogsTest::pgmParametersNewImageOnlyWhenAsked() {
    const Settings s = with(6, 0);
    {
        PgmParametersDialog d(s);
        d.start_new_image()->setChecked(false);
        d.ok_button()->click();
        QVERIFY(!d.outcome().firstloop);
        QVERIFY(!d.outcome().newdimensions);
    }
    {
        PgmParametersDialog d(s);
        d.start_new_image()->setChecked(false);
        d.edit(1220)->setText("30");
        d.ok_button()->click();
        QVERIFY(d.outcome().firstloop);
        QVERIFY(!d.outcome().newdimensions);
    }
}

void TypeOptionDialogsTest::pgmParametersRefusalKeepsTheDialogAsTyped() {
    struct Case {
        int id;
        const char* text;
        const char* message;
    };
    for (const Case& c : {Case{1210, "31", "xres range: 32 - 9600"}, Case{1220, "101", "scale range: 1 - 100"},
                          Case{1230, "10.5", "parameter range: -10.0 - 10.0"}, Case{1225, "1e999", "parameter range: -10.0 - 10.0"},
                          Case{1245, "-1", "color range: 0 - 255"}}) {
        RecordingMessages messages;
        const Settings s = with(6, 0);
        PgmParametersDialog d(s, &messages);
        d.show();
        d.edit(1215)->setText("100");  // valid, before the refused one or after it
        d.edit(c.id)->setText(c.text);
        d.ok_button()->click();
        QCOMPARE(messages.texts, QStringList{c.message});
        QCOMPARE(messages.captions, QStringList{"Parameter Error"});
        QVERIFY(d.isVisible());
        QCOMPARE(d.edit(c.id)->text(), QString(c.text));
        QVERIFY(d.settings() == s);
    }
}

void TypeOptionDialogsTest::pgmParametersCancelChangesNothing() {
    const Settings s = with(6, 0);
    PgmParametersDialog d(s);
    d.edit(1220)->setText("99");
    QTest::keyClick(&d, Qt::Key_Escape);
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QVERIFY(d.settings() == s);
}

QTEST_MAIN(TypeOptionDialogsTest)
#include "type_option_dialogs_test.moc"
