#include "shell/status_line.h"

#include <QLabel>
#include <QStatusBar>

#include "model/type_table.h"

namespace zoquel::shell {

StatusLine::StatusLine(QStatusBar* bar)
    : pointer_label_(new QLabel(bar)), view_label_(new QLabel(bar)), progress_label_(new QLabel(bar)) {
    pointer_label_->setObjectName(QStringLiteral("statusPointer"));
    view_label_->setObjectName(QStringLiteral("statusView"));
    progress_label_->setObjectName(QStringLiteral("statusProgress"));
    pointer_label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bar->addWidget(pointer_label_, 3);
    bar->addWidget(view_label_, 3);
    bar->addPermanentWidget(progress_label_, 1);
    bar->setSizeGripEnabled(true);
}

void StatusLine::show_pointer(std::optional<Cx> point, int decimals) {
    pointer_ = point;
    if (!point) {
        pointer_label_->clear();
        return;
    }
    pointer_label_->setText(QStringLiteral("x %1   y %2")
                                .arg(point->re, 0, 'f', decimals)
                                .arg(point->im, 0, 'f', decimals));
}

void StatusLine::show_pointer(const QString& re, const QString& im, Cx approximately) {
    pointer_ = approximately;
    pointer_label_->setText(QStringLiteral("x %1   y %2").arg(re, im));
}

void StatusLine::show_view(double magnification, int ftype, int method) {
    show_view(magnification >= 1e5 || (magnification > 0 && magnification < 1e-2) ? QString::number(magnification, 'e', 3)
                                                                                  : QString::number(magnification, 'g', 6),
              ftype, method);
}

void StatusLine::show_view(const QString& depth, int ftype, int method) {
    if (!valid_type(ftype)) return;
    const TypeInfo& t = type_info(ftype);
    view_label_->setText(QStringLiteral("magnification %1   %2, %3")
                             .arg(depth, QString::fromLatin1(t.name),
                                  QString::fromLatin1(t.method_captions[std::size_t(method & 1)])));
}

void StatusLine::show_rows(int rows, int total, long long ms, bool paused) {
    const int percent = total > 0 ? int(100LL * rows / total) : 0;
    progress_label_->setText(QStringLiteral("%1 row %2 of %3 (%4%)   %5")
                                 .arg(paused ? QStringLiteral("paused at") : QStringLiteral("rendering"))
                                 .arg(rows)
                                 .arg(total)
                                 .arg(percent)
                                 .arg(duration_text(ms)));
}

void StatusLine::show_drawing(long long ms, bool running) {
    progress_label_->setText(running ? QStringLiteral("drawing   %1   (Pause stops)").arg(duration_text(ms))
                                     : QStringLiteral("stopped after %1").arg(duration_text(ms)));
}

void StatusLine::show_done(long long ms) {
    progress_label_->setText(QStringLiteral("done in %1").arg(duration_text(ms)));
}

void StatusLine::show_setup(const char* what, double fraction) {
    if (fraction < 0) {
        progress_label_->clear();
    } else {
        progress_label_->setText(QStringLiteral("%1 %2%").arg(QString::fromLatin1(what)).arg(int(fraction * 100)));
    }
    progress_label_->repaint();
}

void StatusLine::show_note(const char* text) { progress_label_->setText(QString::fromLatin1(text)); }

void StatusLine::clear_progress() { progress_label_->clear(); }

QString StatusLine::pointer_text() const { return pointer_label_->text(); }
QString StatusLine::view_text() const { return view_label_->text(); }
QString StatusLine::progress_text() const { return progress_label_->text(); }

QString duration_text(long long ms) {
    if (ms < 60000) return QStringLiteral("%1 s").arg(double(ms) / 1000, 0, 'f', ms < 10000 ? 2 : 1);
    const long long s = ms / 1000;
    return QStringLiteral("%1 min %2 s").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace zoquel::shell
