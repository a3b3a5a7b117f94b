#pragma once
#include <QWidget>
#include <functional>

#include "platform/surface.h"

namespace zoquel::shell {

// The main window's client area: shows the screen surface as it is, no scaling. Painting
// copies from the image bitmap, as uncovering a window does, except where the program itself
// has just drawn on the screen (a row, the zoom box outline, a preview) and presented it.
class ImageView : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);
    void set_surfaces(Surface* screen, const Surface* image) {
        screen_ = screen;
        image_ = image;
    }
    // The screen's rectangle now holds what should be seen there: paint it as it is.
    void mark_presented(const QRect& r) { presented_ += r; }
    // Called with the new size after every resize.
    std::function<void(int width, int height)> on_resize;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Surface* screen_ = nullptr;
    const Surface* image_ = nullptr;
    QRegion presented_;
};

}  // namespace zoquel::shell
