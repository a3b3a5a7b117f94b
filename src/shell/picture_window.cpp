#include "shell/picture_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zoquel::shell {

PictureWindow::PictureWindow(const char* picture, QSize size, QColor background, Dismissal dismissal, QWidget* owner)
    : QWidget(owner, (dismissal == Dismissal::by_program ? Qt::SplashScreen : Qt::Window) | Qt::FramelessWindowHint),
      picture_(QString::fromLatin1(picture)),
      background_(background),
      dismissal_(dismissal) {
    setWindowTitle(QString());
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureWindow::open(int xscreen, int yscreen) {
    move(xscreen / 2 - width() / 2, yscreen / 2 - height() / 2);
    if (QWidget* owner = parentWidget()) owner->setEnabled(false);
    // Disabling the owner disables its windows too; this one must still take keys and clicks.
    setEnabled(true);
    show();
    raise();
    activateWindow();
    setFocus();
}

void PictureWindow::paintEvent(QPaintEvent*) {
    // The painter clips to the window: a picture larger than it loses its edge, nothing more.
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    painter.drawPixmap(0, 0, picture_);
}

void PictureWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (dismissal_ == Dismissal::any_key_or_click ||
        (dismissal_ == Dismissal::plain_key_or_click && !(event->modifiers() & Qt::AltModifier)))
        close();
}

void PictureWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (dismissal_ != Dismissal::by_program && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton))
        close();
}

void PictureWindow::closeEvent(QCloseEvent* event) {
    // The start-up splash goes when its time is up, not when the window manager asks.
    if (dismissal_ == Dismissal::by_program && event->spontaneous()) {
        event->ignore();
        return;
    }
    event->accept();
    if (dismissed_) return;
    dismissed_ = true;
    if (QWidget* owner = parentWidget()) owner->setEnabled(true);
    emit dismissed();
}

}  // namespace zoquel::shell
