#pragma once
#include <QString>
#include <optional>

#include "model/complex_math.h"

class QLabel;
class QStatusBar;

namespace zoquel::shell {

// The status bar under the image: the plane point under the pointer, how deep the view is and
// what is shown, and how far a render has come. It never draws on the image.
class StatusLine {
public:
    explicit StatusLine(QStatusBar* bar);

    // The point under the pointer with `decimals` places, or nothing off the image.
    void show_pointer(std::optional<Cx> point, int decimals);
    // The same as texts, for a point no double holds: the pointer stays `approximately` for
    // whoever reads it as a number.
    void show_pointer(const QString& re, const QString& im, Cx approximately);
    // The view's magnification, the type and the method.
    void show_view(double magnification, int ftype, int method);
    // The same with the magnification as text, where no double holds it (deep views).
    void show_view(const QString& depth, int ftype, int method);
    // A per-pixel render under way or paused: rows done of `total`, time spent so far.
    void show_rows(int rows, int total, long long ms, bool paused);
    // A whole-image render under way or stopped.
    void show_drawing(long long ms, bool running);
    void show_done(long long ms);
    void show_note(const char* text);
    // A long set-up inside one call: painted at once, as the event loop does not run.
    void show_setup(const char* what, double fraction);
    void clear_progress();

    std::optional<Cx> pointer() const { return pointer_; }
    QString pointer_text() const;
    QString view_text() const;
    QString progress_text() const;

private:
    QLabel* pointer_label_;
    QLabel* view_label_;
    QLabel* progress_label_;
    std::optional<Cx> pointer_;
};

// "2.5 s", "1 min 05 s": a duration as the status line shows it.
QString duration_text(long long ms);

}  // namespace zoquel::shell
