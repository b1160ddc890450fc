#pragma once
// Building a window from its control table: places in twips (15 twips are
// one device-independent pixel), captions, fonts, object names.

#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

class QComboBox;
class QLabel;
class QListWidget;
class QWidget;

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <initializer_list>

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

// A frame drawn as the design draws frames: the caption on the top border.
class CaptionFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A button whose caption wraps onto further lines when it is wider than the
// button, as the design's tall narrow buttons expect ("转" over "换").
// Enter and Return click the focused button, as Space does.
class CaptionButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The text area a button leaves for its caption.
QRect buttonCaptionRect(const QPushButton* button);

// A text box that reports when it gets the focus, after its own handling.
class FocusLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void()> onGotFocus;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        if (onGotFocus) onGotFocus();
    }
};

struct Twips {
    int left, top, width, height;
};

QRect toPixels(const Twips& t);

// Gives a top-level window its title and a client area of the given size,
// optionally at a place on the screen (in twips).
void setupWindow(QWidget* window, const char* name, const QString& title, int widthTwips,
                 int heightTwips);
void placeWindow(QWidget* window, int leftTwips, int topTwips);

// Moves the window, with its frame, wholly onto the available area of its
// screen; a window larger than that area goes to the area's top-left corner.
// The frame's size is the window system's once the window is shown, an
// estimate before.
void keepOnScreen(QWidget* window);
// Where keepOnScreen puts a window whose frame has the given outer rectangle.
QPoint onScreenPosition(const QRect& outer, const QRect& available);

// Fonts of the design, mapped to the free faces installed with the program.
QFont songFont(double pointSize = 9.0);  // 宋体
QFont kaiFont(double pointSize);         // 华文行楷

// The look and language every window starts with: the Fusion style, the
// default font, Qt's own texts in Simplified Chinese, and the accessible
// window role. Call once the application exists.
void setupApplicationLook();
// Loads Qt's Simplified Chinese translations (qt6-translations-l10n);
// false when they are not installed.
bool loadQtChinese();
// A window icon stored as size x size raw RGBA pixels in the resources.
QIcon rawIcon(const QString& resource, int size);
inline QIcon calculatorIcon() { return rawIcon(QStringLiteral(":/qorvi/calculator.rgba"), 32); }
inline QIcon geometryIcon() { return rawIcon(QStringLiteral(":/qorvi/geometry.rgba"), 32); }

// Sets a label's caption; a label that sizes itself then fits its new text.
void setCaption(QLabel* label, const QString& caption);

// Makes the label a result line: its caption stays on one line, which grows
// (for a label that sizes itself) at most up to the next control to its
// right or its container's edge and is cut there; a cut caption is shown
// whole in the label's tool tip, and the caption can be selected and copied.
void makeResultLine(QLabel* label);
// The caption broken into lines of at most `columns` columns (a Chinese
// character counting two), for a tool tip.
QString wrappedForTip(const QString& text, int columns = 80);

// Gives named controls of the window their accessible names (for input
// boxes without a caption of their own beside them, and for buttons whose
// caption alone would not say what they do).
struct AccessibleName {
    const char* control;
    const char* name;
};
void nameControls(QWidget* window, std::initializer_list<AccessibleName> names);

// Makes each caption label the buddy of the box beside it.
struct Buddy {
    const char* label;
    const char* control;
};
void setBuddies(QWidget* window, std::initializer_list<Buddy> buddies);

// Creates controls as children of `parent` at `place`, given relative to
// `origin` (the window, or the frame the table measures from).
class ControlBuilder {
public:
    explicit ControlBuilder(QWidget* window) : window_(window) {}

    QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, Twips place);
    QLabel* label(QWidget* parent, const char* name, const QString& caption, Twips place,
                  bool autoSize = false);
    QLineEdit* textBox(QWidget* parent, const char* name, Twips place);
    FocusLineEdit* focusTextBox(QWidget* parent, const char* name, Twips place);
    QPushButton* button(QWidget* parent, const char* name, const QString& caption, Twips place);
    QComboBox* comboBox(QWidget* parent, const char* name, Twips place);
    QListWidget* listBox(QWidget* parent, const char* name, Twips place);

    // Places are measured from this widget's top-left corner (the window by
    // default); the control's own Qt parent may be a frame inside it.
    void measureFrom(QWidget* origin) { origin_ = origin; }

private:
    void place(QWidget* control, QWidget* parent, const char* name, Twips place);

    QWidget* window_;
    QWidget* origin_ = nullptr;
};

}  // namespace ui
