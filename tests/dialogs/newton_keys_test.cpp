#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "dialogs/newton_dialogs.h"
#include "files/parameter_file.h"
#include "render/live_state.h"
#include "shell/command_groups.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "support/test_window.h"
#include "support/dialog_script.h"

using namespace zoquel;
using namespace zoquel::shell;

// The Newton dialogs opened from the explorer's keys, as a user would.
class NewtonKeysTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingUserInterface> ui_;
    std::unique_ptr<MainWindow> w_;

    // Presses the key with the user's part in the dialog it opens scripted.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers, std::function<void(QDialog*)> act) {
        QVERIFY(play_scripted([&] { QTest::keyClick(w_.get(), key, modifiers); }, {std::move(act)}));
    }

private slots:
    void init() {
        ui_ = std::make_unique<RecordingUserInterface>();
        w_ = open_test_window(*ui_, [](CommandTable& t) { register_command_groups(t); });
    }
    void cleanup() { w_.reset(); }

    void nOpensNewtonOptionsAndARefusalKeepsItOpen() {
        w_->settings().ftype = 1;
        w_->settings().outside = 0;
        const Settings before = w_->settings();
        bool refused_while_open = false;
        press(Qt::Key_N, Qt::NoModifier, [&](QDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Select Newton options"));
            auto* options = static_cast<NewtonOptionsDialog*>(d);
            options->exponent()->setText("9");
            options->ok_button()->click();
            refused_while_open = d->isVisible() && !ui_->messages.empty();
            options->cancel_button()->click();
        });
        QVERIFY(refused_while_open);
        QCOMPARE(ui_->messages.back().text, std::string("exponent range: 2.0 - 8.0"));
        QCOMPARE(ui_->messages.back().caption, std::string("Parameter Error"));
        QVERIFY(w_->settings() == before);

        press(Qt::Key_N, Qt::NoModifier, [](QDialog* d) {
            auto* options = static_cast<NewtonOptionsDialog*>(d);
            options->exponent()->setText("4");
            options->ok_button()->click();
        });
        QCOMPARE(w_->settings().pc[1].p0, 4.0);
        QCOMPARE(w_->settings().outside, 1);  // a solid outside colour would hide the basins
    }

    void altNAndAltSOpenTheFormulaDialog() {
        w_->settings().ftype = 27;
        w_->settings().outside = 0;
        w_->memory().nvfirst = false;
        for (Qt::Key key : {Qt::Key_N, Qt::Key_S}) {
            const int next = w_->settings().nvindex + 5;
            press(key, Qt::AltModifier, [next](QDialog* d) {
                QCOMPARE(d->windowTitle(), QString("Select the Formula"));
                auto* formula = static_cast<NvFormulaDialog*>(d);
                formula->formula_button(next)->click();
                formula->ok_button()->click();
            });
            QCOMPARE(w_->settings().nvindex, next);
            QVERIFY(w_->memory().nvfirst);
            w_->memory().nvfirst = false;
        }
        QCOMPARE(w_->settings().outside, 1);
    }

    void fAsksForTheNewFormulasRoots() {
        w_->settings().ftype = 27;
        w_->memory().nvfirst = false;
        QVERIFY(play_scripted([&] { QTest::keyClick(w_.get(), Qt::Key_F); }, {}));
        QCOMPARE(w_->settings().nvindex, 1);
        QVERIFY(w_->memory().nvfirst);
    }

    void loadingAParameterFileAsksForTheRootsAgain() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const std::string path = dir.filePath("variation.zq").toStdString();
        Settings saved = w_->settings();
        saved.ftype = 27;
        saved.nvindex = 3;
        QCOMPARE(writezq(saved, path), 0);
        w_->memory().nvfirst = false;
        ui_->file_answers.push_back(path);
        QVERIFY(play_scripted([&] { QTest::keyClick(w_.get(), Qt::Key_L); }, {}));
        QCOMPARE(w_->settings().nvindex, 3);
        QVERIFY(w_->memory().nvfirst);
    }
};

QTEST_MAIN(NewtonKeysTest)
#include "newton_keys_test.moc"
