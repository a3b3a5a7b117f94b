#include "shell/image_view.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

namespace zoquel::shell {

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(1, 1);
}

void ImageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!screen_ || screen_->width() == 0 || screen_->height() == 0) {
        painter.fillRect(event->rect(), Qt::black);
        return;
    }
    if (image_) {
        const QRegion from_image = event->region().subtracted(presented_);
        for (const QRect& r : from_image)
            screen_->copy_from(*image_, Rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1}, r.left(), r.top());
    }
    presented_ = presented_.subtracted(event->region());
    // The surface's 0xFFRRGGBB words are exactly QImage's RGB32: no copy.
    const QImage image(reinterpret_cast<const uchar*>(screen_->pixels().data()), screen_->width(),
                       screen_->height(), screen_->width() * 4, QImage::Format_RGB32);
    for (const QRect& r : event->region()) {
        const QRect inside = r.intersected(image.rect());
        if (!inside.isEmpty()) painter.drawImage(inside.topLeft(), image, inside);
        // Beyond the screen surface (a resize not yet seen) the window is black.
        const QRegion outside = QRegion(r).subtracted(image.rect());
        for (const QRect& o : outside) painter.fillRect(o, Qt::black);
    }
}

void ImageView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (on_resize) on_resize(width(), height());
}

}  // namespace zoquel::shell
