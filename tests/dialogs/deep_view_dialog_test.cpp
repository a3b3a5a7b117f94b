#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "deep/deep_view_math.h"
#include "dialogs/deep_view_dialog.h"
#include "recording_messages.h"
#include "rules/type_selection.h"

using namespace zoquel;

class DeepViewDialogTest : public QObject {
    Q_OBJECT
private slots:
    // A double view opens as its centre and width; OK stores a deep view with a long limit,
    // and the dialog opens again on exactly what was stored.
    void storesAndShowsTheDeepViewExactly() {
        Settings s;
        FirstTimeFlags first = all_first_time();
        choose_type(s, first, 0, 0);
        {
            DeepViewDialog d(s);
            QCOMPARE(d.edit(0)->text(), QString("-0.75"));
            QCOMPARE(d.edit(2)->text(), QString("3"));
        }
        const QString re = "-1.7490930624946465297271823135097483112976462498643";
        RecordingMessages messages;
        DeepViewDialog d(s, &messages);
        d.edit(0)->setText(re);
        d.edit(1)->setText("0.0000000000000000000000000000000000000000000000001");
        d.edit(2)->setText("2.5e-1000");
        d.edit(3)->setText("2000000");
        d.ok_button()->click();
        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const Settings& out = d.settings();
        QVERIFY(deep::uses_deep_path(out));
        QCOMPARE(QString::fromStdString(out.deep->re), re);
        QCOMPARE(out.maxiter, 2000000);
        DeepViewDialog again(out);
        QCOMPARE(again.edit(0)->text(), re);
        QCOMPARE(again.edit(2)->text(), QString("2.5e-1000"));
    }

    void refusalsKeepTheDialogOpen() {
        Settings s;
        const char* bad[][4] = {{"x", "0", "1e-20", "100"},
                                {"0", "0", "0", "100"},
                                {"0", "0", "1e-20", "10000001"},
                                {"0", "0", "1e-20", "many"}};
        for (const auto& b : bad) {
            RecordingMessages messages;
            DeepViewDialog d(s, &messages);
            for (int i = 0; i < 4; ++i) d.edit(i)->setText(b[i]);
            d.ok_button()->click();
            QCOMPARE(messages.texts.size(), 1);
            QVERIFY(d.result() != int(QDialog::Accepted));
            QVERIFY(d.settings() == s);
        }
    }
};

QTEST_MAIN(DeepViewDialogTest)
#include "deep_view_dialog_test.moc"
