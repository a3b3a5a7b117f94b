#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>

#include "dialogs/julia_dialogs.h"
#include "recording_messages.h"

using namespace zoquel;

namespace {
Settings julia(int ftype) {
    Settings s;
    s.ftype = ftype;
    s.method = 1;
    return s;
}
}  // namespace

class JuliaDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void samplesShowTheMostRecentValueAndTheClassics();
    void aChosenSampleIsStoredAndShownAgain();
    void theMostRecentValueIsTheLastImagesConstant();
    void aStoredChoiceOutOfRangeOpensOnTheFirstEntry();
    void cardioidPointsOfRationalAngles();
    void cardioidRefusalsKeepTheDialogAsTyped();
    void cancelChangesNothing();
};

void JuliaDialogsTest::samplesShowTheMostRecentValueAndTheClassics() {
    Settings s = julia(0);
    s.cxsave = -0.123;
    s.cysave = -0.5;
    JuliaSamplesDialog d(s);
    QCOMPARE(d.windowTitle(), QString("Sample Julia 'c' Parameters"));
    QCOMPARE(d.sample_button(0)->text(), QString("Most Recent Value: -0.123000000000000 - 0.500000000000000 i"));
    QCOMPARE(d.sample_button(4)->text(), QString("-0.122 + 0.745 i      BOF Fig. 4 - Douady Rabbit - period 3"));
    QCOMPARE(d.sample_button(19)->text(), QString("19"));
    QVERIFY(!d.sample_button(19)->isEnabled());
    QVERIFY(d.sample_button(0)->isChecked());
    QCOMPARE(d.sample_button(7)->objectName(), QString("id1527"));
    // A zero imaginary part, negative or not, is written with a plus.
    s.cysave = -0.0;
    JuliaSamplesDialog zero(s);
    QVERIFY(zero.sample_button(0)->text().endsWith("+ 0.000000000000000 i"));
}

void JuliaDialogsTest::aChosenSampleIsStoredAndShownAgain() {
    Settings s = julia(35);
    JuliaSamplesDialog d(s);
    d.sample_button(18)->setChecked(true);
    d.ok_button()->click();
    QCOMPARE(d.settings().jindex, 18);
    QCOMPARE(d.settings().pc[35].jcx, -0.2);
    QCOMPARE(d.settings().pc[35].jcy, 0.0);
    QCOMPARE(d.settings().pc[0].jcx, s.pc[0].jcx);  // only the current type's record
    JuliaSamplesDialog again(d.settings());
    QVERIFY(again.sample_button(18)->isChecked());
}

void JuliaDialogsTest::theMostRecentValueIsTheLastImagesConstant() {
    Settings s = julia(2);
    s.jindex = 5;
    s.cxsave = 0.25;
    s.cysave = 0.125;
    JuliaSamplesDialog d(s);
    d.sample_button(0)->setChecked(true);
    d.ok_button()->click();
    QCOMPARE(d.settings().jindex, 0);
    QCOMPARE(d.settings().pc[2].jcx, 0.25);
    QCOMPARE(d.settings().pc[2].jcy, 0.125);
}

void JuliaDialogsTest::aStoredChoiceOutOfRangeOpensOnTheFirstEntry() {
    for (int bad : {-1, 19, 400}) {
        Settings s = julia(0);
        s.jindex = bad;
        JuliaSamplesDialog d(s);
        QVERIFY(d.sample_button(0)->isChecked());
    }
}

void JuliaDialogsTest::cardioidPointsOfRationalAngles() {
    struct Case {
        const char *n, *d;
        double x, y;
    };
    for (const Case& c : {Case{"1", "2", -0.75, 0.0}, Case{"1", "3", -0.125, 0.6495190528}}) {
        CardioidDialog d(julia(38));
        QCOMPARE(d.windowTitle(), QString("Cardioid Border Parameters"));
        QCOMPARE(d.numerator()->text(), QString("1"));
        QCOMPARE(d.denominator()->text(), QString("3"));
        QCOMPARE(d.picture()->pixmap().size(), QSize(180, 150));
        d.numerator()->setText(c.n);
        d.denominator()->setText(c.d);
        d.ok_button()->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const Param& p = d.settings().pc[38];
        QVERIFY2(std::fabs(p.jcx - c.x) < 1e-10 && std::fabs(p.jcy - c.y) < 1e-10,
                 qPrintable(QString("%1, %2").arg(p.jcx, 0, 'g', 17).arg(p.jcy, 0, 'g', 17)));
        QCOMPARE(d.settings().anum, QString(c.n).toInt());
        QCOMPARE(d.settings().aden, QString(c.d).toInt());
    }
}

void JuliaDialogsTest::cardioidRefusalsKeepTheDialogAsTyped() {
    struct Case {
        const char *n, *d, *message;
    };
    for (const Case& c : {Case{"3", "3", "denominator range: ( numerator + 1 ) - 100"},
                          Case{"0", "5", "numerator range: 1 - 99"}, Case{"100", "5", "numerator range: 1 - 99"},
                          Case{"5", "101", "denominator range: ( numerator + 1 ) - 100"},
                          Case{"x", "5", "numerator range: 1 - 99"}}) {
        RecordingMessages messages;
        const Settings s = julia(0);
        CardioidDialog d(s, &messages);
        d.show();
        d.numerator()->setText(c.n);
        d.denominator()->setText(c.d);
        d.ok_button()->click();
        QCOMPARE(messages.texts, QStringList{c.message});
        QCOMPARE(messages.captions, QStringList{"Parameter Error"});
        QVERIFY(d.isVisible());
        QCOMPARE(d.numerator()->text(), QString(c.n));
        QVERIFY(d.settings() == s);
    }
}

void JuliaDialogsTest::cancelChangesNothing() {
    const Settings s = julia(0);
    CardioidDialog c(s);
    c.numerator()->setText("2");
    QTest::keyClick(&c, Qt::Key_Escape);
    QVERIFY(c.settings() == s);
    JuliaSamplesDialog j(s);
    j.sample_button(3)->setChecked(true);
    QTest::keyClick(&j, Qt::Key_Escape);
    QCOMPARE(j.result(), int(QDialog::Rejected));
    QVERIFY(j.settings() == s);
}

QTEST_MAIN(JuliaDialogsTest)
#include "julia_dialogs_test.moc"
