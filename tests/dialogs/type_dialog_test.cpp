#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialogs/type_dialog.h"
#include "model/type_table.h"

using zoquel::TypeChoice;
using zoquel::TypeDialog;

class TypeDialogTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsCarryNamesAndIdentifiers();
    void openingShowsCurrentChoice();
    void clickingTypesUpdatesMethodsButKeepsChecks();
    void methodCaptionsPerType_data();
    void methodCaptionsPerType();
    void forcedMethodWinsOnOk_data();
    void forcedMethodWinsOnOk();
    void freeMethodIsTaken();
    void cancelKeepsOldChoice();
    void keyboardEnterAndEscape();
};

void TypeDialogTest::buttonsCarryNamesAndIdentifiers() {
    TypeDialog d({0, 0});
    QCOMPARE(d.windowTitle(), QString("Select the Fractal Type"));
    for (int i = 0; i < zoquel::kTypeCount; ++i) {
        auto* b = d.findChild<QRadioButton*>(QString("id%1").arg(220 + i));
        QVERIFY2(b, qPrintable(QString("button %1").arg(220 + i)));
        QCOMPARE(b->text(), QString(zoquel::type_info(i).name));
    }
    QVERIFY(d.findChild<QRadioButton*>("id270"));
    QVERIFY(d.findChild<QRadioButton*>("id271"));
    QCOMPARE(d.findChild<QPushButton*>("id1")->text(), QString("OK"));
    QCOMPARE(d.findChild<QPushButton*>("id2")->text(), QString("Cancel"));
}

void TypeDialogTest::openingShowsCurrentChoice() {
    // Biomorphs: fixed method, greyed, with the stored method still checked.
    TypeDialog d({5, 0});
    QVERIFY(d.type_button(5)->isChecked());
    QCOMPARE(d.method_button(0)->text(), QString("Method: 0"));
    QCOMPARE(d.method_button(1)->text(), QString("Method: 1"));
    QVERIFY(!d.method_button(0)->isEnabled());
    QVERIFY(!d.method_button(1)->isEnabled());
    QVERIFY(d.method_button(0)->isChecked());

    TypeDialog j({0, 1});
    QVERIFY(j.method_button(1)->isChecked());
    QVERIFY(j.method_button(0)->isEnabled());
}

void TypeDialogTest::clickingTypesUpdatesMethodsButKeepsChecks() {
    TypeDialog d({0, 0});
    d.type_button(2)->click();  // Escher-Julia
    QVERIFY(!d.method_button(0)->isEnabled());
    QVERIFY(!d.method_button(1)->isEnabled());
    QCOMPARE(d.method_button(0)->text(), QString("Method: 0"));
    QVERIFY(d.method_button(0)->isChecked());

    d.type_button(0)->click();
    QVERIFY(d.method_button(0)->isEnabled());
    QVERIFY(d.method_button(1)->isEnabled());
    QCOMPARE(d.method_button(0)->text(), QString("Parameter Plane (Mandelbrot)"));
    QCOMPARE(d.method_button(1)->text(), QString("Dynamic Plane (Julia)"));

    // Type 10 keeps the plane captions but is fixed like the others.
    d.type_button(10)->click();
    QCOMPARE(d.method_button(1)->text(), QString("Dynamic Plane (Julia)"));
    QVERIFY(!d.method_button(1)->isEnabled());
}

void TypeDialogTest::methodCaptionsPerType_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("23") << 23 << "Collatz Newton" << "Johnston Modification";
    QTest::newRow("31") << 31 << "Sierpinski Polygons" << "Lace";
    QTest::newRow("39") << 39 << "M-Set Orbits" << "J-Set Orbits";
    QTest::newRow("38") << 38 << "Parameter Plane (Mandelbrot)" << "Dynamic Plane (Julia)";
}

void TypeDialogTest::methodCaptionsPerType() {
    QFETCH(int, type);
    QFETCH(QString, first);
    QFETCH(QString, second);
    TypeDialog opened({type, 0});
    QCOMPARE(opened.method_button(0)->text(), first);
    QCOMPARE(opened.method_button(1)->text(), second);
    TypeDialog clicked({0, 0});
    clicked.type_button(type)->click();
    QCOMPARE(clicked.method_button(0)->text(), first);
    QCOMPARE(clicked.method_button(1)->text(), second);
}

void TypeDialogTest::forcedMethodWinsOnOk_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("checked");
    QTest::addColumn<int>("expected");
    for (int t : {1, 3, 4, 6}) QTest::addRow("%d", t) << t << 1 << 0;
    for (int t : {2, 5, 10, 32, 37}) QTest::addRow("%d", t) << t << 0 << 1;
}

void TypeDialogTest::forcedMethodWinsOnOk() {
    QFETCH(int, type);
    QFETCH(int, checked);
    QFETCH(int, expected);
    TypeDialog d({0, checked});
    d.type_button(type)->click();
    d.ok_button()->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.choice().ftype, type);
    QCOMPARE(d.choice().method, expected);
}

void TypeDialogTest::freeMethodIsTaken() {
    TypeDialog d({0, 0});
    d.type_button(23)->click();
    d.method_button(1)->click();
    d.ok_button()->click();
    QCOMPARE(d.choice().ftype, 23);
    QCOMPARE(d.choice().method, 1);
}

void TypeDialogTest::cancelKeepsOldChoice() {
    TypeDialog d({7, 1});
    d.type_button(2)->click();
    d.type_button(33)->click();
    d.method_button(0)->click();
    d.cancel_button()->click();
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(d.choice().ftype, 7);
    QCOMPARE(d.choice().method, 1);
}

void TypeDialogTest::keyboardEnterAndEscape() {
    {
        TypeDialog d({0, 0});
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        // Arrow keys move within the type group; Enter is OK.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(d.type_button(1)->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.choice().ftype, 1);
    }
    {
        // Tab leaves the type list for the method buttons, then OK and Cancel.
        TypeDialog m({12, 1});
        m.show();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(m.method_button(1)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QVERIFY(m.method_button(0)->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(m.ok_button()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(m.choice().method, 0);
    }
    {
        TypeDialog d({4, 0});
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(d.choice().ftype, 4);
    }
}

QTEST_MAIN(TypeDialogTest)
#include "type_dialog_test.moc"
