#include "ui/controls.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QPushButton>
#include <QStyleFactory>

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
// The program's own cut of AR PL UMing CN (ui/fonts/make_song_font.py);
// whatever it lacks comes from the installed face.
constexpr char kSongFamily[] = "Qorvi Song";
constexpr char kInstalledSongFamily[] = "AR PL UMing CN";
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

// The face is used in place from the program's uncompressed resources.
static void registerSongFace() {
    static const bool registered = [] {
        QResource face(QStringLiteral(":/qorvi/song.ttf"));
        QByteArray data =
            face.compressionAlgorithm() == QResource::NoCompression
                ? QByteArray::fromRawData(reinterpret_cast<const char*>(face.data()), face.size())
                : face.uncompressedData();
        QFont::insertSubstitution(QString::fromLatin1(kSongFamily),
                                  QString::fromLatin1(kInstalledSongFamily));
        return QFontDatabase::addApplicationFontFromData(data) >= 0;
    }();
    (void)registered;
}

QIcon rawIcon(const QString& resource, int size) {
    QResource pixels(resource);
    const QByteArray data = pixels.uncompressedData();
    if (data.size() != qsizetype(size) * size * 4) return {};
    const QImage image(reinterpret_cast<const uchar*>(data.constData()), size, size,
                       QImage::Format_RGBA8888);
    return QIcon(QPixmap::fromImage(image));  // copies the pixels
}

void setupApplicationLook() {
    QApplication::setStyle(new CalculatorStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    registerSongFace();
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
