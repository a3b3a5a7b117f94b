#include "shell/image_view.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace zoquel::shell {

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(1, 1);
}

QPoint ImageView::to_device(QPointF logical) const {
    const double r = ratio();
    return QPoint(int(std::floor(logical.x() * r)), int(std::floor(logical.y() * r)));
}

QRect ImageView::to_logical(const QRect& device) const {
    const double r = ratio();
    const int left = int(std::floor(device.left() / r)), top = int(std::floor(device.top() / r));
    const int right = int(std::ceil((device.right() + 1) / r)), bottom = int(std::ceil((device.bottom() + 1) / r));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRect ImageView::to_device_rect(const QRect& logical) const {
    const double r = ratio();
    const int left = int(std::floor(logical.left() * r)), top = int(std::floor(logical.top() * r));
    const int right = int(std::ceil((logical.right() + 1) * r)), bottom = int(std::ceil((logical.bottom() + 1) * r));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QSize ImageView::device_size() const {
    const double r = ratio();
    return QSize(int(std::ceil(width() * r)), int(std::ceil(height() * r)));
}

void ImageView::set_image_size(int width, int height) {
    image_size_ = QSize(width, height);
    const double r = ratio();
    setMinimumSize(std::max(1, int(std::ceil(width / r))), std::max(1, int(std::ceil(height / r))));
}

void ImageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!screen_ || screen_->width() == 0 || screen_->height() == 0) {
        painter.fillRect(event->rect(), Qt::black);
        return;
    }
    QRegion device;
    for (const QRect& r : event->region()) device += to_device_rect(r);
    if (image_) {
        const QRegion from_image = device.subtracted(presented_);
        for (const QRect& r : from_image)
            screen_->copy_from(*image_, Rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1}, r.left(), r.top());
        if (!from_image.isEmpty() && on_restored) on_restored();
    }
    presented_ = presented_.subtracted(device);
    // The surface's 0xFFRRGGBB words are exactly QImage's RGB32: no copy. Its pixel ratio
    // makes one surface pixel one device pixel.
    QImage image(reinterpret_cast<const uchar*>(screen_->pixels().data()), screen_->width(), screen_->height(),
                 screen_->width() * 4, QImage::Format_RGB32);
    const double r = ratio();
    image.setDevicePixelRatio(r);
    for (const QRect& d : device) {
        const QRect inside = d.intersected(image.rect());
        if (!inside.isEmpty()) painter.drawImage(QPointF(inside.left() / r, inside.top() / r), image, QRectF(inside));
        // Beyond the screen surface (a resize not yet seen) the window is black.
        const QRegion outside = QRegion(d).subtracted(image.rect());
        for (const QRect& o : outside)
            painter.fillRect(QRectF(o.left() / r, o.top() / r, o.width() / r, o.height() / r), Qt::black);
    }
}

bool ImageView::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // On another screen the scale may differ: the same image takes another logical size.
    if (event->type() == QEvent::ScreenChangeInternal) {
        if (image_size_.isValid()) set_image_size(image_size_.width(), image_size_.height());
        if (on_resize) {
            const QSize d = device_size();
            on_resize(d.width(), d.height());
        }
        update();
    }
    return handled;
}

void ImageView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The scale may have changed with the screen: keep the minimum at the image's device size.
    if (image_size_.isValid()) set_image_size(image_size_.width(), image_size_.height());
    if (on_resize) {
        const QSize d = device_size();
        on_resize(d.width(), d.height());
    }
}

}  // namespace zoquel::shell
