#include "ui/placement.h"

#include "ui/look.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ui {
namespace {
// Frame sizes until the window system tells the real ones: a title bar and
// thin borders.
constexpr QMargins kEstimatedFrame(4, 28, 4, 4);
}  // namespace

void setupWindow(QWidget* window, const char* name, const QString& title, int widthTwips,
                 int heightTwips) {
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(title);
    keepDesignFont(window);
    window->setFixedSize(widthTwips / kTwipsPerPixel, heightTwips / kTwipsPerPixel);
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void placeWindow(QWidget* window, int leftTwips, int topTwips) {
    QSize size = window->size();
    window->setGeometry(leftTwips / kTwipsPerPixel, topTwips / kTwipsPerPixel, size.width(),
                        size.height());
    keepOnScreen(window);
}

QPoint onScreenPosition(const QRect& outer, const QRect& available) {
    auto clamp = [](int start, int length, int areaStart, int areaLength) {
        if (length >= areaLength) return areaStart;
        return std::clamp(start, areaStart, areaStart + areaLength - length);
    };
    return {clamp(outer.x(), outer.width(), available.x(), available.width()),
            clamp(outer.y(), outer.height(), available.y(), available.height())};
}

void keepOnScreen(QWidget* window) {
    const QRect client = window->geometry();
    const bool framed = window->isVisible() && window->frameGeometry() != client;
    // A window the program did not place is the window system's to place:
    // leave it until it has been placed and framed.
    if (!window->testAttribute(Qt::WA_Moved) && !framed) return;
    QScreen* screen = window->isVisible() ? window->screen() : QGuiApplication::screenAt(client.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QMargins frame = kEstimatedFrame;
    if (framed) {
        const QRect outer = window->frameGeometry();
        frame = QMargins(client.left() - outer.left(), client.top() - outer.top(),
                         outer.right() - client.right(), outer.bottom() - client.bottom());
    }
    const QRect outer = client.marginsAdded(frame);
    const QPoint place = onScreenPosition(outer, screen->availableGeometry());
    if (place != outer.topLeft()) window->move(window->pos() + (place - outer.topLeft()));
}

}  // namespace ui
