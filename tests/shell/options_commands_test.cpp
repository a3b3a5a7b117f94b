#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "support/dialog_script.h"
#include "dialogs/coloring_dialogs.h"
#include "dialogs/parameter_dialog.h"
#include "dialogs/type_dialog.h"
#include "render/driver.h"
#include "shell/command_groups.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "support/test_window.h"
#include "shell/messages.h"

using namespace zoquel;
using namespace zoquel::shell;

class OptionsCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingUserInterface> ui_;
    std::unique_ptr<MainWindow> w_;
    std::vector<int> ran_;

    MainWindow& w() { return *w_; }

    // Runs the key's command with the user's part scripted, then everything it posted.
    void press(Qt::Key key, std::deque<DialogScript::Step> steps) {
        QVERIFY2(play_scripted([&] { QTest::keyClick(&w(), key); }, std::move(steps)),
                 "a scripted dialog never opened, or another one did");
    }

    void render_to_end() { QVERIFY(render_until_done(w())); }

    // The image the headless renderer makes of the window's settings.
    bool image_is_render_of_settings() {
        LiveState reference;
        reference.host = &headless_host();
        reference.settings = w().settings();
        return render_image(reference) && reference.image == w().state().image;
    }

    int messages_with(const char* text) {
        int n = 0;
        for (auto& m : ui_->messages) n += m.text == text;
        return n;
    }

private slots:
    void init() {
        set_render_threads(1);
        ran_.clear();
        ui_ = std::make_unique<RecordingUserInterface>();
        MainWindowOptions o;
        o.ui = ui_.get();
        o.screen_width = 1024;
        o.screen_height = 768;
        o.register_commands = [this](CommandTable& t) {
            register_command_groups(t);
            // The per-type option dialogs are recorded, not shown.
            for (int id : {162, 164, 166, 168, 170, 172, 174})
                t.add(id, [this, id](MainWindow&) { ran_.push_back(id); });
            t.add_dialog(1750, [this](MainWindow&) {
                ran_.push_back(1750);
                return true;
            });
        };
        w_ = std::make_unique<MainWindow>(o);
        w_->show();
        QCoreApplication::processEvents();
    }
    void cleanup() { w_.reset(); }

    void typeDialogPicksEscherJulia() {
        w().settings().outside = 3;
        w().settings().inside = 2;
        press(Qt::Key_F7, {[](QDialog* d) {
                  auto* t = as<TypeDialog>(d);
                  t->type_button(2)->click();
                  QVERIFY(!t->method_button(0)->isEnabled());
                  QVERIFY(!t->method_button(1)->isEnabled());
                  t->ok_button()->click();
              }});
        const Settings& s = w().settings();
        QCOMPARE(s.ftype, 2);
        QCOMPARE(s.method, 1);
        QCOMPARE(s.outside, 1);
        QCOMPARE(s.inside, 0);
        QCOMPARE(w().render().j, 0);
        QVERIFY(!w().state().firsttime[2]);
        QVERIFY(!w().rendering());  // the dialog starts no render
    }

    void typeDialogCancelChangesNothing() {
        const Settings before = w().settings();
        press(Qt::Key_F7, {[](QDialog* d) {
                  auto* t = as<TypeDialog>(d);
                  t->type_button(33)->click();
                  t->cancel_button()->click();
              }});
        QVERIFY(w().settings() == before);
        QVERIFY(w().state().firsttime[33]);
    }

    void typeFollowUpsInOrder() {
        auto pick = [this](int type, int method) {
            press(Qt::Key_F7, {[this, type, method](QDialog* d) {
                      auto* t = as<TypeDialog>(d);
                      t->type_button(type)->click();
                      if (t->method_button(method)->isEnabled()) t->method_button(method)->click();
                      t->ok_button()->click();
                      ran_.push_back(200);  // the dialog has closed
                  }});
        };
        pick(1, 0);
        pick(27, 1);
        pick(6, 0);
        QCOMPARE(ran_, (std::vector<int>{200, 162, 200, 172, 200, 168}));

        ran_.clear();
        w().render().firstloop = false;
        pick(31, 0);  // the mode dialog opens from within the command, and its OK restarts
        QCOMPARE(ran_, (std::vector<int>{200, 1750}));
        QVERIFY(w().render().firstloop);

        w().shell().okorbit = true;
        pick(35, 0);
        QCOMPARE(w().settings().outside, 0);
        QVERIFY(!w().shell().okorbit);
    }

    void parameterRefusalKeepsDialogOpen() {
        const Settings before = w().settings();
        press(Qt::Key_F8, {[this, before](QDialog* d) {
                  auto* p = as<ParameterDialog>(d);
                  p->edit(405)->setText("-1");
                  p->edit(425)->setText("20");
                  p->ok_button()->click();
                  QVERIFY(p->isVisible());
                  QCOMPARE(p->edit(425)->text(), QString("20"));
                  QCOMPARE(ui_->messages.size(), std::size_t(1));
                  QCOMPARE(ui_->messages[0].text, std::string("xres range: 32 - 9600"));
                  QCOMPARE(ui_->messages[0].caption, std::string("Parameter Error"));
                  QVERIFY(ui_->messages[0].icon == MessageIcon::exclamation);
                  p->cancel_button()->click();
              }});
        QVERIFY(w().settings() == before);
    }

    void typedViewAndSizeRenderExactly() {
        press(Qt::Key_F8, {[](QDialog* d) {
                  auto* p = as<ParameterDialog>(d);
                  p->edit(405)->setText("-0.75");
                  p->edit(410)->setText("-0.7");
                  p->edit(415)->setText("0.1");
                  p->edit(420)->setText("0.15");
                  p->edit(425)->setText("64");
                  p->edit(430)->setText("48");
                  p->ok_button()->click();
              }});
        QCOMPARE(w().settings().view(), (View{-0.75, -0.7, 0.1, 0.15}));
        QCOMPARE(w().state().image.width(), 64);
        QCOMPARE(w().state().image.height(), 48);
        QVERIFY(!w().shell().newdimensions);
        QTest::keyClick(&w(), Qt::Key_F1);
        render_to_end();
        QVERIFY(image_is_render_of_settings());
    }

    void restoreDefaultsCheckboxes() {
        w().settings().view() = View{-1, 1, -1, 1};
        w().settings().pc[0].maxsize = 100;
        press(Qt::Key_F8, {[](QDialog* d) {
                  auto* p = as<ParameterDialog>(d);
                  p->restore_dimensions()->setChecked(true);
                  p->ok_button()->click();
              }});
        QCOMPARE(w().settings().view(), startup_view(0, 0));
        QCOMPARE(w().settings().pc[0].maxsize, 100.0);
        press(Qt::Key_F8, {[](QDialog* d) {
                  auto* p = as<ParameterDialog>(d);
                  p->edit(435)->setText("1000");
                  p->restore_parameters()->setChecked(true);
                  p->ok_button()->click();
              }});
        QCOMPARE(w().settings().pc[0], startup_params(0));
        QCOMPARE(w().settings().maxiter, 256);
        QVERIFY(!w().shell().prestore && !w().shell().drestore);
    }

    void gingerbreadMenHaveTheirOwnParameters() {
        w().settings().ftype = 6;
        press(Qt::Key_F8, {});
        QCOMPARE(ran_, std::vector<int>{170});
    }

    void solidOutsideOpensColoursNext() {
        press(Qt::Key_F11, {[](QDialog* d) {
                                auto* o = as<OutsideDialog>(d);
                                o->method_button(0)->click();
                                o->ok_button()->click();
                            },
                            [](QDialog* d) {
                                auto* c = as<ColoursDialog>(d);
                                c->edit(733)->setText("12");
                                c->ok_button()->click();
                            }});
        QCOMPARE(w().settings().outside, 0);
        QCOMPARE(w().settings().rout, 12);
    }

    void colourRefusalThroughTheWindow() {
        w().settings().ftype = 35;  // only solid colours: F12 goes straight to them
        press(Qt::Key_F12, {[this](QDialog* d) {
                  auto* c = as<ColoursDialog>(d);
                  c->edit(730)->setText("300");
                  c->ok_button()->click();
                  QVERIFY(c->isVisible());
                  QCOMPARE(ui_->messages.back().text, std::string("color range: 0 - 255"));
                  c->cancel_button()->click();
              }});
        QCOMPARE(w().settings().rin, 0);
    }

    void changedColoursRestartAPausedImage() {
        w().settings().ftype = 35;
        w().render().j = 5;
        press(Qt::Key_F11, {[](QDialog* d) { as<ColoursDialog>(d)->ok_button()->click(); }});
        QCOMPARE(w().render().j, 5);
        press(Qt::Key_F11, {[](QDialog* d) {
                  auto* c = as<ColoursDialog>(d);
                  c->edit(735)->setText("7");
                  c->ok_button()->click();
              }});
        QCOMPARE(w().settings().bout, 7);
        QCOMPARE(w().render().j, 0);
    }

    void juliaLevelSetsExplainedOnce() {
        w().settings().method = 1;
        auto choose_level_sets = [](QDialog* d) {
            auto* i = as<InsideDialog>(d);
            QVERIFY(i->method_button(4)->isEnabled());
            i->method_button(4)->click();
            i->ok_button()->click();
        };
        press(Qt::Key_F12, {choose_level_sets});
        QCOMPARE(w().settings().inside, 4);
        QCOMPARE(messages_with(text::kJuliaLevelSets), 1);
        press(Qt::Key_F12, {choose_level_sets});
        QCOMPARE(messages_with(text::kJuliaLevelSets), 1);
    }

    void coloringWithoutDialogs() {
        w().settings().ftype = 3;
        w().settings().outside = 0;
        w().render().j = 7;
        press(Qt::Key_F11, {});
        QCOMPARE(w().settings().outside, 1);
        QCOMPARE(w().render().j, 0);
        w().render().j = 7;
        press(Qt::Key_F12, {});
        QCOMPARE(w().render().j, 0);
    }

    void coloringChangeShowsInTheNextPlot() {
        press(Qt::Key_F8, {[](QDialog* d) {
                  auto* p = as<ParameterDialog>(d);
                  p->edit(425)->setText("48");
                  p->edit(430)->setText("48");
                  p->ok_button()->click();
              }});
        press(Qt::Key_F11, {[](QDialog* d) {
                  auto* o = as<OutsideDialog>(d);
                  o->method_button(2)->click();
                  o->ok_button()->click();
              }});
        press(Qt::Key_F12, {[](QDialog* d) {
                  auto* i = as<InsideDialog>(d);
                  i->method_button(1)->click();
                  i->ok_button()->click();
              }});
        QCOMPARE(w().settings().outside, 2);
        QCOMPARE(w().settings().inside, 1);
        QTest::keyClick(&w(), Qt::Key_F1);
        render_to_end();
        QVERIFY(image_is_render_of_settings());
    }
};

QTEST_MAIN(OptionsCommandsTest)
#include "options_commands_test.moc"
