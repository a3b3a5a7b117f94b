#pragma once
#include <QWidget>
#include <functional>

#include "platform/surface.h"

namespace zoquel::shell {

// The main window's client area: shows the screen surface as it is, no scaling.
class ImageView : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);
    void set_screen(const Surface* screen) { screen_ = screen; }
    // Called with the new size after every resize.
    std::function<void(int width, int height)> on_resize;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const Surface* screen_ = nullptr;
};

}  // namespace zoquel::shell
