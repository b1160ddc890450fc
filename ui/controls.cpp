#include "ui/controls.h"

#include "ui/accessibility.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QTranslator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QPushButton>
#include <QResource>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace ui {

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
    p.setPen(palette().color(isEnabled() ? QPalette::WindowText : QPalette::Mid));
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
    p.setPen(palette().color(isEnabled() ? QPalette::ButtonText : QPalette::Mid));
    p.drawText(buttonCaptionRect(this), Qt::AlignCenter | Qt::TextWrapAnywhere, text());
}

namespace {

// Fusion with the design's narrow combo-box arrow, so an option's text has
// the room the design gave it.
class CalculatorStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override {
        if (control == CC_ComboBox && (sub == SC_ComboBoxArrow || sub == SC_ComboBoxEditField)) {
            constexpr int kArrow = 14;
            const QRect r = option->rect;
            if (sub == SC_ComboBoxArrow) return QRect(r.right() - kArrow + 1, r.top(), kArrow, r.height());
            return QRect(r.left() + 1, r.top() + 2, r.width() - kArrow - 2, r.height() - 4);
        }
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }
};

}  // namespace

namespace {
constexpr char kAutoSizeProperty[] = "autoSize";
constexpr char kResultLineProperty[] = "resultLine";
// The design's margin between a control and its container's edge (120
// twips), and the smallest gap left before a neighbour.
constexpr int kEdgeMargin = 8;
constexpr int kNeighbourGap = 4;
// A neighbour counts when it shares at least this many pixel rows with the
// label: touching corners of the design do not stop a result.
constexpr int kRowOverlap = 3;
// Frame sizes until the window system tells the real ones: a title bar and
// thin borders.
constexpr QMargins kEstimatedFrame(4, 28, 4, 4);
// The installed faces (fonts-arphic-uming, fonts-arphic-ukai).
constexpr char kSongFamily[] = "AR PL UMing CN";
constexpr char kKaiFamily[] = "AR PL UKai CN";
// Text boxes hold 64K characters; texts the calculators cannot take are
// theirs to refuse, not the box's to cut silently.
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

QFont songFont(double pointSize) {
    QFont f(QString::fromLatin1(kSongFamily));
    f.setPointSizeF(pointSize);
    f.setStyleHint(QFont::Serif);
    // The face's own bitmaps draw it the same either way; without hinting
    // FreeType reads far less of the 20 MB font file.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont kaiFont(double pointSize) {
    QFont f(QString::fromLatin1(kKaiFamily));
    f.setPointSizeF(pointSize);
    return f;
}

QIcon rawIcon(const QString& resource, int size) {
    QResource pixels(resource);
    const QByteArray data = pixels.uncompressedData();
    if (data.size() != qsizetype(size) * size * 4) return {};
    const QImage image(reinterpret_cast<const uchar*>(data.constData()), size, size,
                       QImage::Format_RGBA8888);
    return QIcon(QPixmap::fromImage(image));  // copies the pixels
}

bool loadQtChinese() {
    // The interface is Chinese whatever the user's locale: so are the texts
    // Qt itself shows (the message boxes' 确定, the text boxes' menus).
    static QTranslator* translator = [] {
        auto* t = new QTranslator(QCoreApplication::instance());
        if (!t->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete t;
            return static_cast<QTranslator*>(nullptr);
        }
        QCoreApplication::installTranslator(t);
        return t;
    }();
    return translator != nullptr;
}

void setupApplicationLook() {
    installAccessibility();
    loadQtChinese();
    QApplication::setStyle(new CalculatorStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    QFont::insertSubstitution(QStringLiteral("宋体"), QString::fromLatin1(kSongFamily));
    QFont::insertSubstitution(QStringLiteral("华文行楷"), QString::fromLatin1(kKaiFamily));
    QApplication::setFont(songFont(9.0));
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

namespace {

// The widest the label may be: up to the nearest control to its right that
// shares its row, or to its container's edge.
int roomToTheRight(QLabel* label) {
    QWidget* window = label->window();
    QWidget* parent = label->parentWidget();
    const QRect me(label->mapTo(window, QPoint()), label->size());
    int right = parent->mapTo(window, QPoint(parent->width() - kEdgeMargin, 0)).x();
    for (QWidget* other : window->findChildren<QWidget*>()) {
        // The window's controls: children of the window or of one of its frames.
        QWidget* container = other->parentWidget();
        const bool control = container == window || qobject_cast<QGroupBox*>(container);
        if (!control || other == label || other->isHidden() || other->isAncestorOf(label)) continue;
        const QRect r(other->mapTo(window, QPoint()), other->size());
        const int shared = std::min(r.bottom(), me.bottom()) - std::max(r.top(), me.top()) + 1;
        if (shared >= kRowOverlap && r.left() > me.left()) right = std::min(right, r.left() - kNeighbourGap);
    }
    return std::max(0, right - me.left());
}

void fitResultLine(QLabel* label) {
    if (label->property(kAutoSizeProperty).toBool()) {
        const int room = roomToTheRight(label);
        if (label->width() > room) label->resize(room, label->height());
    }
    const bool cut = label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width();
    label->setToolTip(cut ? wrappedForTip(label->text()) : QString());
}

int columnsOf(QChar c) { return c.unicode() >= 0x1100 ? 2 : 1; }

}  // namespace

QString wrappedForTip(const QString& text, int columns) {
    QString out;
    out.reserve(text.size() + text.size() / std::max(1, columns / 2) + 1);
    int used = 0;
    for (QChar c : text) {
        const int w = columnsOf(c);
        if (used > 0 && used + w > columns) {
            out += QLatin1Char('\n');
            used = 0;
        }
        out += c;
        used += w;
    }
    return out;
}

void setCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    if (label->property(kAutoSizeProperty).toBool()) label->adjustSize();
    if (label->property(kResultLineProperty).toBool()) fitResultLine(label);
}

void makeResultLine(QLabel* label) {
    label->setProperty(kResultLineProperty, true);
    label->setWordWrap(false);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    setCaption(label, label->text());
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
    l->setProperty(kAutoSizeProperty, autoSize);
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
