#include "dialogs/help_dialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/pictures.h"

namespace zoquel {

const char* const HelpDialog::kText =
    "                  Zoquel Help\n\nSelect 'Fractal Formulae' (F4) from menu for information on current fractal "
    "and occasional hints.\n\nZooming: Drag with left mouse button to draw zoom box.\n   Press Z to acccept.\n"
    "   Press X to cancel.\n   Aspect ratio is shown in window title bar.\n\nDynamic Plane thumbnails: Right click "
    "on Parameter Plane images.\n   Press A to accept.\n   Right click again to cancel thumbnail.\n\n\n"
    "                  Keyboard Commands:\n\nPause: pause rendering; resume with 'Plot Fractal' (F1)\n\n"
    "B: display biomorph parameter dialog box\n\nC: ( re - ) calculate Collatz-Newton roots\n\n"
    "F: cycle through Newton's / secant method formulae\n\nJ: render random Siegel disk (occasional parabolic "
    "case) in various Julia set modes\n\nN: display Newton's method parameter dialog box\n\n"
    "P: display PGM formula selection dialog box\n\nV: display Volterra-Lotka parameter dialog box\n\n"
    "Alt + C: toggle Collatz-Newton palette interval between 1 and 2\n\nAlt + D: toggle Collatz parameter plane "
    "critical point\n\nAlt + G: display Chaos Game (Sierpinski polygons) dialog box\n\nAlt + L: display Lyapunov "
    "parameter dialog box\n\nAlt + M: toggle MAP file palette preview\n\nAlt + N: display Newton's / secant method "
    "formula selection dialog box\n\nAlt + P: display PGM parameter dialog box\n\nAlt + S: display Newton's / "
    "secant method formula selection dialog box";

HelpDialog::HelpDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("id2000");
    setWindowTitle(QString());

    auto* banner = new QLabel(this);
    banner->setObjectName("id2010");
    banner->setPixmap(QPixmap(pictures::kHelp));
    banner->setAlignment(Qt::AlignCenter);

    auto* text = new QLabel(QString::fromLatin1(kText));
    text->setObjectName("help_text");
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setMargin(8);
    // On a short screen the text scrolls rather than pushing "Close" off the screen.
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(text);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* close = new QPushButton("Close", this);
    close->setObjectName("id1");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addWidget(scroll, 1);
    layout->addWidget(close, 0, Qt::AlignHCenter);

    // As wide as the banner, and tall enough for the whole text where the screen allows.
    const int width = banner->sizeHint().width();
    int room = 1 << 20;
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        room = screen->availableGeometry().height() * 9 / 10 - banner->sizeHint().height() -
               close->sizeHint().height() - 4 * layout->spacing();
    scroll->setMinimumSize(width, std::max(100, std::min(text->heightForWidth(width), room)));
}

}  // namespace zoquel
