#include "ui/controls.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyleFactory>

namespace ui {

namespace {
constexpr char kAutoSizeProperty[] = "autoSize";
constexpr char kSongFamily[] = "AR PL UMing CN";
constexpr char kKaiFamily[] = "AR PL UKai CN";
// Text boxes hold as much as the original ones did; longer texts are the
// calculators' to refuse, not the box's to cut silently.
constexpr int kTextBoxMaxLength = 65535;
}  // namespace

QRect toPixels(const Twips& t) {
    return {t.left / kTwipsPerPixel, t.top / kTwipsPerPixel, t.width / kTwipsPerPixel,
            t.height / kTwipsPerPixel};
}

void setupWindow(QWidget* window, const char* name, const QString& title, int widthTwips,
                 int heightTwips) {
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(title);
    window->setFixedSize(widthTwips / kTwipsPerPixel, heightTwips / kTwipsPerPixel);
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void placeWindow(QWidget* window, int leftTwips, int topTwips) {
    QSize size = window->size();
    window->setGeometry(leftTwips / kTwipsPerPixel, topTwips / kTwipsPerPixel, size.width(),
                        size.height());
}

QFont songFont(double pointSize) {
    QFont f(QString::fromLatin1(kSongFamily));
    f.setPointSizeF(pointSize);
    f.setStyleHint(QFont::Serif);
    return f;
}

QFont kaiFont(double pointSize) {
    QFont f(QString::fromLatin1(kKaiFamily));
    f.setPointSizeF(pointSize);
    return f;
}

void setupApplicationLook() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont::insertSubstitution(QStringLiteral("宋体"), QString::fromLatin1(kSongFamily));
    QFont::insertSubstitution(QStringLiteral("华文行楷"), QString::fromLatin1(kKaiFamily));
    QApplication::setFont(songFont(9.0));
}

void setCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    if (label->property(kAutoSizeProperty).toBool()) label->adjustSize();
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
    auto* box = new QGroupBox(caption, parent);
    // The caption sits on the top border line, as the design draws frames.
    box->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 6px; padding: 0 1px; }"));
    place(box, parent, name, t);
    return box;
}

QLabel* ControlBuilder::label(QWidget* parent, const char* name, const QString& caption, Twips t,
                              bool autoSize) {
    auto* l = new QLabel(parent);
    place(l, parent, name, t);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText);
    l->setProperty(kAutoSizeProperty, autoSize);
    l->setWordWrap(!autoSize);
    setCaption(l, caption);
    return l;
}

QLineEdit* ControlBuilder::textBox(QWidget* parent, const char* name, Twips t) {
    auto* e = new QLineEdit(parent);
    e->setMaxLength(kTextBoxMaxLength);
    place(e, parent, name, t);
    return e;
}

FocusLineEdit* ControlBuilder::focusTextBox(QWidget* parent, const char* name, Twips t) {
    auto* e = new FocusLineEdit(parent);
    e->setMaxLength(kTextBoxMaxLength);
    place(e, parent, name, t);
    return e;
}

QPushButton* ControlBuilder::button(QWidget* parent, const char* name, const QString& caption,
                                    Twips t) {
    auto* b = new QPushButton(caption, parent);
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
