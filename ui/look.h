#pragma once
// The look the windows were laid out with: the design's two faces, the
// Fusion style with the design's narrow combo-box arrow, plain dialog
// buttons, and Qt's own texts in Simplified Chinese. The colours are the
// desktop's: every colour the program draws comes from the palette.

#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QString>

class QMessageBox;
class QWidget;

namespace ui {

// Fonts of the design, mapped to the free faces installed with the program.
QFont songFont(double pointSize = 9.0);  // 宋体
QFont kaiFont(double pointSize);         // 华文行楷

// The look every window starts with and keeps: the style, the design's
// font, Qt's own texts in Simplified Chinese, and the accessible window
// role. Call once the application exists. A desktop theme may set another
// application font or style later (at start, or while the program runs,
// when the user changes the setting): the design's are set again at once.
void setupApplicationLook();
// Gives a top-level window (a form or a message box) the design's font
// whole, so that nothing of the desktop's font reaches its controls.
void keepDesignFont(QWidget* window);
// True while the application has the design's style.
bool hasDesignStyle();
// A dark palette as dark desktop themes give it (light text on dark grey),
// to draw the windows as a user of such a theme sees them.
QPalette darkPalette();
// Loads Qt's Simplified Chinese translations (qt6-translations-l10n);
// false when they are not installed.
bool loadQtChinese();

// A window icon stored as size x size raw RGBA pixels in the resources.
QIcon rawIcon(const QString& resource, int size);
inline QIcon calculatorIcon() { return rawIcon(QStringLiteral(":/qorvi/calculator.rgba"), 32); }
inline QIcon geometryIcon() { return rawIcon(QStringLiteral(":/qorvi/geometry.rgba"), 32); }

}  // namespace ui
