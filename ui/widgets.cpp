#include "ui/widgets.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace ui {
namespace {

// The palette's colour for the role in the control's present state.
QColor roleColor(const QWidget* control, QPalette::ColorRole role) {
    return control->palette().color(control->isEnabled() ? QPalette::Active : QPalette::Disabled, role);
}

}  // namespace

void CaptionFrame::paintEvent(QPaintEvent*) {
    // The border runs through the middle of the caption's line, and the
    // caption interrupts it near the left end.
    QPainter p(this);
    const QFontMetrics fm(font());
    const int mid = fm.height() / 2;
    const QRect border = rect().adjusted(0, mid, -1, -1);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(border);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(border.adjusted(1, 1, 1, 1));
    const QRect caption(6, 0, fm.horizontalAdvance(title()) + 2, fm.height());
    p.fillRect(caption, palette().color(QPalette::Window));
    p.setPen(roleColor(this, QPalette::WindowText));
    p.drawText(caption, Qt::AlignCenter, title());
}

QRect buttonCaptionRect(const QPushButton* button) { return button->rect().adjusted(2, 2, -2, -2); }

void CaptionButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CaptionButton::paintEvent(QPaintEvent* event) {
    QFontMetrics fm(font());
    if (fm.horizontalAdvance(text()) <= buttonCaptionRect(this).width()) {
        QPushButton::paintEvent(event);
        return;
    }
    // The bevel as the style draws it, then the caption wrapped.
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    p.setPen(roleColor(this, QPalette::ButtonText));
    p.drawText(buttonCaptionRect(this), Qt::AlignCenter | Qt::TextWrapAnywhere, text());
}

FocusLineEdit::FocusLineEdit(QWidget* parent) : QLineEdit(parent) {
    // For on-screen keyboards and the like: Latin keys, no word guesses.
    setInputMethodHints(Qt::ImhPreferLatin | Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
}

QVariant FocusLineEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled) return false;
    return QLineEdit::inputMethodQuery(query);
}

void showStart(QLineEdit* box) {
    const qsizetype length = box->text().size();
    if (length > 0 && box->selectionStart() == 0 && box->selectionLength() == length)
        box->setSelection(static_cast<int>(length), -static_cast<int>(length));
    else if (!box->hasFocus())
        box->setCursorPosition(0);
}

}  // namespace ui
