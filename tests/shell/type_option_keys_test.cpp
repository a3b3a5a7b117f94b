#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "formulas/collatz.h"
#include "support/dialog_script.h"
#include "shell/command_groups.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "support/test_window.h"

using namespace zoquel;
using namespace zoquel::shell;

// The keys that open the Volterra-Lotka, biomorph and Lyapunov dialogs, and the root search of
// type 23, through the explorer's real command table.
class TypeOptionKeysTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingUserInterface> ui_;
    std::unique_ptr<MainWindow> w_;
    MainWindow& w() { return *w_; }

    // Presses the key with the user's part in the dialog it opens scripted.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers, const char* dialog, std::function<void(QDialog*)> act) {
        QVERIFY(play_scripted([&] { QTest::keyClick(&w(), key, modifiers); }, {named(dialog, std::move(act))}));
    }
    template <class T>
    static T* child(QDialog* d, const char* id) {
        T* c = d->findChild<T*>(id);
        if (!c) qFatal("no control %s", id);
        return c;
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

    void f9AndF10ChooseTheJuliaConstantInTheDynamicPlaneOnly() {
        Settings& s = w().settings();
        s.ftype = 32;
        s.method = 1;
        press(Qt::Key_F9, Qt::NoModifier, "id1500", [](QDialog* d) {
            child<QRadioButton>(d, "id1524")->setChecked(true);
            child<QPushButton>(d, "id1")->click();
        });
        QCOMPARE(s.jindex, 4);
        QCOMPARE(s.pc[32].jcx, -0.122);
        QCOMPARE(s.pc[32].jcy, 0.745);
        press(Qt::Key_F10, Qt::NoModifier, "id1600", [](QDialog* d) {
            child<QLineEdit>(d, "id1630")->setText("1");
            child<QLineEdit>(d, "id1640")->setText("2");
            child<QPushButton>(d, "id1")->click();
        });
        QCOMPARE(s.pc[32].jcx, -0.75);
        QCOMPARE(s.aden, 2);
        // In the parameter plane, or for a type without these constants, a notice instead.
        for (auto [ftype, method] : {std::pair{32, 0}, std::pair{1, 1}}) {
            s.ftype = ftype;
            s.method = method;
            const std::size_t shown = ui_->messages.size();
            QTest::keyClick(&w(), Qt::Key_F9);
            QCOMPARE(ui_->messages.size(), shown + 1);
            QVERIFY(ui_->messages.back().text.rfind("Sample Julia parameters are available", 0) == 0);
            QCOMPARE(s.jindex, 4);
        }
    }

    void vOpensVolterraLotkaAndOkSetsLevelSets() {
        w().settings().ftype = 3;
        w().settings().outside = 0;
        w().render().j = 5;
        press(Qt::Key_V, Qt::NoModifier, "id900", [](QDialog* d) {
            child<QLineEdit>(d, "id910")->setText("0.6");
            child<QPushButton>(d, "id1")->click();
        });
        QCOMPARE(w().settings().half, 0.3);
        QCOMPARE(w().settings().outside, 1);
        QCOMPARE(w().render().j, 0);
    }

    void bOpensTheVariationsAndCancelKeepsAll() {
        w().settings().ftype = 5;
        w().settings().method = 1;
        press(Qt::Key_B, Qt::NoModifier, "id1000", [](QDialog* d) {
            child<QRadioButton>(d, "id1013")->setChecked(true);
            child<QPushButton>(d, "id1")->click();
        });
        QCOMPARE(w().settings().bindex, 3);
        press(Qt::Key_B, Qt::NoModifier, "id1000", [](QDialog* d) {
            child<QRadioButton>(d, "id1018")->setChecked(true);
            child<QPushButton>(d, "id2")->click();
        });
        QCOMPARE(w().settings().bindex, 3);
    }

    void altLOpensLyapunovAndARefusalIsShown() {
        w().settings().ftype = 24;
        press(Qt::Key_L, Qt::AltModifier, "id1400", [this](QDialog* d) {
            child<QLineEdit>(d, "id1415")->setText("abc");
            child<QPushButton>(d, "id1")->click();
            QVERIFY(d->isVisible());
            QCOMPARE(ui_->messages.back().text, std::string("sequence must contain only A, B, a or b"));
            QCOMPARE(ui_->messages.back().caption, std::string("Parameter Error"));
            child<QLineEdit>(d, "id1415")->setText("aabb");
            child<QPushButton>(d, "id1")->click();
        });
        QCOMPARE(w().settings().ustring, std::string("aabb"));
        QCOMPARE(w().settings().length, 4);
    }

    void cSearchesTheRootsOfTheCurrentA0() {
        Settings& s = w().settings();
        s.ftype = 23;
        s.method = 0;
        s.pc[23].p1 = 1;
        w().render().j = 9;
        QTest::keyClick(&w(), Qt::Key_C);
        QCOMPARE(collatz_roots(w().memory()).a0, std::complex<double>(1, 0));
        QCOMPARE(s.cnrootcount, collatz_roots(w().memory()).count);
        QCOMPARE(w().render().j, 0);
        // Method 1 has no roots: C does nothing there.
        s.method = 1;
        s.pc[23].p1 = 2;
        QTest::keyClick(&w(), Qt::Key_C);
        QCOMPARE(collatz_roots(w().memory()).a0, std::complex<double>(1, 0));
    }
};

QTEST_MAIN(TypeOptionKeysTest)
#include "type_option_keys_test.moc"
