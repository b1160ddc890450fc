#pragma once
// The design's own kinds of control: frames with their caption on the
// border, buttons whose caption wraps, text boxes that report the focus.

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>

#include <functional>

namespace ui {

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

// The program's text box, for numbers, expressions and bases. Keys arrive
// as they are pressed: an input method (a pinyin one in its Chinese mode,
// which would turn "(" into "（" and "." into "。", or start a word at a
// letter) steps aside while the box has the focus, and is back, in the mode
// the user left it in, when the focus moves on. Input methods go by the
// box's answer to Qt::ImEnabled; the widget attribute alone does not reach
// them. It also reports when it gets the focus, after its own handling.
class FocusLineEdit : public QLineEdit {
public:
    explicit FocusLineEdit(QWidget* parent = nullptr);
    std::function<void()> onGotFocus;

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        if (onGotFocus) onGotFocus();
    }
};

// Scrolls a box the program has written to the start of its text, as a
// long number is read from its first digit: a wholly selected text stays
// selected with the cursor at its start; a box the user is typing into keeps
// its cursor.
void showStart(QLineEdit* box);

}  // namespace ui
