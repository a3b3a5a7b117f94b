#pragma once
#include <QPixmap>
#include <QWidget>

namespace zoquel::shell {

// A picture in a pop-up window without caption or border, owned by the main window: the
// splashes and the about window. While it is open its owner is disabled.
class PictureWindow : public QWidget {
    Q_OBJECT
public:
    enum class Dismissal {
        by_program,          // only close() ends it: the start-up splash
        plain_key_or_click,  // a key without Alt, a left or right click: the about window
        any_key_or_click,    // Alt keys too: the closing splash
    };

    PictureWindow(const char* picture, QSize size, QColor background, Dismissal dismissal, QWidget* owner);

    // Shows it centred on a screen of this size, in front and with the keyboard, and disables the owner.
    void open(int xscreen, int yscreen);

signals:
    // It closed, by a key, a click or any other way (the window manager, Alt+F4); the owner
    // is enabled again. Emitted once.
    void dismissed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPixmap picture_;
    QColor background_;
    Dismissal dismissal_;
    bool dismissed_ = false;
};

}  // namespace zoquel::shell
