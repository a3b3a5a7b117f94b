#pragma once
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <deque>
#include <functional>

// Plays the part of the user in the modal dialogs a command opens, one step per dialog, in
// the order they appear: create it with the steps, then run the command. Each step must close
// its dialog; a dialog left open, or one with no step left, is rejected and counted.
class DialogScript : public QObject {
public:
    using Step = std::function<void(QDialog*)>;
    explicit DialogScript(std::deque<Step> steps) : steps_(std::move(steps)) {
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start(0);
    }
    bool done() const { return steps_.empty(); }
    int unexpected = 0;

private:
    void poll() {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible()) return;
        if (steps_.empty()) {
            ++unexpected;
            d->reject();
            return;
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        step(d);
        if (d->isVisible()) {
            ++unexpected;
            d->reject();
        }
    }
    std::deque<Step> steps_;
    QTimer timer_;
};

// Does `action` (a key, a command) with the user's part in its dialogs scripted, and lets what
// it posts run; true when every scripted dialog opened and no other did.
inline bool play_scripted(const std::function<void()>& action, std::deque<DialogScript::Step> steps, int turns = 50) {
    DialogScript script(std::move(steps));
    action();
    for (int i = 0; i < turns; ++i) QCoreApplication::processEvents();
    return script.done() && script.unexpected == 0;
}

// The dialog a step expects; any other one ends the test run with its class name.
template <class D>
D* as(QDialog* d) {
    auto* typed = qobject_cast<D*>(d);
    if (!typed) qFatal("unexpected dialog %s", d->metaObject()->className());
    return typed;
}

// A step for the dialog with this object name; any other one ends the test run.
inline DialogScript::Step named(const char* name, std::function<void(QDialog*)> act) {
    return [name, act](QDialog* d) {
        if (d->objectName() != QString(name)) qFatal("expected dialog %s, got %s", name, qPrintable(d->objectName()));
        act(d);
    };
}
