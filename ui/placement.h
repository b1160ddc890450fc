#pragma once
// Top-level windows: their title, client size and place on the screen, all
// from the design's twips.

#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

// Gives a top-level window its title, the design's font and a client area
// of the given size.
void setupWindow(QWidget* window, const char* name, const QString& title, int widthTwips,
                 int heightTwips);
// Puts the window at a place on the screen (in twips), kept on the screen.
void placeWindow(QWidget* window, int leftTwips, int topTwips);

// Moves the window, with its frame, wholly onto the available area of its
// screen; a window larger than that area goes to the area's top-left corner.
// The frame's size is the window system's once the window is shown, an
// estimate before.
void keepOnScreen(QWidget* window);
// Where keepOnScreen puts a window whose frame has the given outer rectangle.
QPoint onScreenPosition(const QRect& outer, const QRect& available);

}  // namespace ui
