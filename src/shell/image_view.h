#pragma once
#include <QWidget>
#include <functional>

#include "platform/surface.h"

namespace zoquel::shell {

// The main window's client area: shows the screen surface one surface pixel to one device
// pixel, whatever the screen's scale. Painting copies from the image bitmap, as uncovering a
// window does, except where the program itself has just drawn on the screen (a row, the zoom
// box outline, a preview) and presented it. Rectangles and points the rest of the shell sees
// are in surface (device) pixels; only this widget deals in Qt's logical ones.
class ImageView : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);
    void set_surfaces(Surface* screen, const Surface* image) {
        screen_ = screen;
        image_ = image;
    }
    // The screen's rectangle (device pixels) now holds what should be seen there.
    void mark_presented(const QRect& r) { presented_ += r; }
    // Paints a rectangle of device pixels now, or soon.
    void repaint_device(const QRect& r) { repaint(to_logical(r)); }
    void update_device(const QRect& r) { update(to_logical(r)); }

    double ratio() const { return devicePixelRatioF(); }
    // The surface pixel under a point of the widget.
    QPoint to_device(QPointF logical) const;
    // The smallest logical rectangle covering a rectangle of device pixels.
    QRect to_logical(const QRect& device) const;
    // The widget's size in device pixels.
    QSize device_size() const;
    // The view is never smaller than the image: the scroll area around it pans.
    void set_image_size(int width, int height);

    // Called with the new device size after every resize.
    std::function<void(int width, int height)> on_resize;
    // Called after a paint has put image pixels back on the screen, before they are shown:
    // the place to redraw what lies over the image only on the screen.
    std::function<void()> on_restored;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRect to_device_rect(const QRect& logical) const;

    Surface* screen_ = nullptr;
    const Surface* image_ = nullptr;
    QRegion presented_;
    QSize image_size_;
};

}  // namespace zoquel::shell
