#include "ui/controls.h"

#include "ui/result_line.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

namespace ui {
namespace {
// Text boxes hold 64K characters; texts the calculators cannot take are
// theirs to refuse, not the box's to cut silently.
constexpr int kTextBoxMaxLength = 65535;

}  // namespace

QRect toPixels(const Twips& t) {
    return {t.left / kTwipsPerPixel, t.top / kTwipsPerPixel, t.width / kTwipsPerPixel,
            t.height / kTwipsPerPixel};
}

void nameControls(QWidget* window, std::initializer_list<AccessibleName> names) {
    for (const AccessibleName& n : names)
        if (QWidget* w = window->findChild<QWidget*>(QString::fromLatin1(n.control)))
            w->setAccessibleName(QString::fromUtf8(n.name));
}

void setBuddies(QWidget* window, std::initializer_list<Buddy> buddies) {
    for (const Buddy& b : buddies) {
        auto* label = window->findChild<QLabel*>(QString::fromLatin1(b.label));
        auto* control = window->findChild<QWidget*>(QString::fromLatin1(b.control));
        if (label && control) label->setBuddy(control);
    }
}

void ControlBuilder::place(QWidget* control, QWidget* parent, const char* name, Twips t) {
    control->setObjectName(QString::fromLatin1(name));
    // The table measures from `origin`; the control sits in `parent`.
    QWidget* origin = origin_ ? origin_ : window_;
    QPoint originInWindow = origin == window_ ? QPoint() : origin->mapTo(window_, QPoint());
    QPoint parentInWindow = parent == window_ ? QPoint() : parent->mapTo(window_, QPoint());
    control->setGeometry(toPixels(t).translated(originInWindow - parentInWindow));
}

QGroupBox* ControlBuilder::frame(QWidget* parent, const char* name, const QString& caption,
                                 Twips t) {
    auto* box = new CaptionFrame(caption, parent);
    place(box, parent, name, t);
    return box;
}

QLabel* ControlBuilder::label(QWidget* parent, const char* name, const QString& caption, Twips t,
                              bool autoSize) {
    auto* l = new QLabel(parent);
    place(l, parent, name, t);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText);
    setAutoSize(l, autoSize);
    l->setWordWrap(!autoSize);
    setCaption(l, caption);
    return l;
}

QLineEdit* ControlBuilder::textBox(QWidget* parent, const char* name, Twips t) {
    return focusTextBox(parent, name, t);
}

FocusLineEdit* ControlBuilder::focusTextBox(QWidget* parent, const char* name, Twips t) {
    auto* e = new FocusLineEdit(parent);
    e->setMaxLength(kTextBoxMaxLength);
    place(e, parent, name, t);
    return e;
}

QPushButton* ControlBuilder::button(QWidget* parent, const char* name, const QString& caption,
                                    Twips t) {
    auto* b = new CaptionButton(caption, parent);
    b->setAutoDefault(false);
    b->setDefault(false);
    place(b, parent, name, t);
    return b;
}

QComboBox* ControlBuilder::comboBox(QWidget* parent, const char* name, Twips t) {
    auto* c = new QComboBox(parent);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    place(c, parent, name, t);
    return c;
}

QListWidget* ControlBuilder::listBox(QWidget* parent, const char* name, Twips t) {
    auto* l = new QListWidget(parent);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->setSortingEnabled(false);
    place(l, parent, name, t);
    return l;
}

}  // namespace ui
