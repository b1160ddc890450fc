#include "ui/look.h"

#include "ui/accessibility.h"
#include "ui/faces.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QLibraryInfo>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QResource>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTranslator>
#include <QWidget>

namespace ui {
namespace {

constexpr double kDesignPointSize = 9.0;

// Fusion with the design's narrow combo-box arrow, so an option's text has
// the room the design gave it, and dialog buttons without pictures.
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
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The style the application was given last; Qt deletes it when another
// style replaces it (a style sheet only wraps it).
QPointer<QStyle>& designStyle() {
    static QPointer<QStyle> style;
    return style;
}

void setDesignStyle() {
    QStyle* style = new CalculatorStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    designStyle() = style;
    QApplication::setStyle(style);
}

// The design's font with every property set, so that no property of the
// desktop's font (its weight, slant or spacing) reaches a control.
QFont designFont() {
    QFont f = songFont(kDesignPointSize);
    f.setWeight(QFont::Normal);
    f.setItalic(false);
    f.setResolveMask(QFont::AllPropertiesResolved);
    return f;
}

// A platform theme sets its font and style when the application starts
// (some after the program has set its own) and again whenever the user
// changes them. Every window hears of such a change: the design's are set
// back once Qt has finished handling it.
class LookKeeper : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::ApplicationFontChange || type == QEvent::StyleChange) && !pending_ && !designLookKept()) {
            pending_ = true;
            QMetaObject::invokeMethod(this, [this] { restore(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static bool designLookKept() { return hasDesignStyle() && QApplication::font() == designFont(); }
    void restore() {
        pending_ = false;
        if (!hasDesignStyle()) setDesignStyle();
        if (QApplication::font() != designFont()) QApplication::setFont(designFont());
    }

    bool pending_ = false;
};

QPointer<LookKeeper>& keeper() {
    static QPointer<LookKeeper> k;
    return k;
}

}  // namespace

QFont songFont(double pointSize) {
    QFont f(songFamily());
    f.setPointSizeF(pointSize);
    f.setStyleHint(QFont::Serif);
    // The face's own bitmaps draw it the same either way; without hinting
    // FreeType reads far less of the 20 MB font file.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont kaiFont(double pointSize) {
    QFont f(kaiFamily());
    f.setPointSizeF(pointSize);
    return f;
}

bool hasDesignStyle() { return !designStyle().isNull(); }

void keepDesignFont(QWidget* window) {
    window->setFont(designFont());
    if (keeper()) window->installEventFilter(keeper());
}

QPalette darkPalette() {
    struct Role {
        QPalette::ColorRole role;
        QRgb active, disabled;
    };
    static constexpr Role kRoles[] = {
        {QPalette::WindowText, 0xffffff, 0x808080}, {QPalette::Window, 0x302f2e, 0x302f2e},
        {QPalette::Button, 0x424245, 0x424245},     {QPalette::ButtonText, 0xffffff, 0x808080},
        {QPalette::Base, 0x3d3d3d, 0x3d3d3d},       {QPalette::AlternateBase, 0x5c5b5a, 0x5c5b5a},
        {QPalette::Text, 0xffffff, 0x808080},       {QPalette::BrightText, 0xffffff, 0xffffff},
        {QPalette::Light, 0x979797, 0x979797},      {QPalette::Midlight, 0x5e5c5b, 0x5e5c5b},
        {QPalette::Mid, 0x4a4947, 0x4a4947},        {QPalette::Dark, 0x222020, 0x222020},
        {QPalette::Shadow, 0x121212, 0x121212},     {QPalette::Highlight, 0x12608a, 0x12608a},
        {QPalette::HighlightedText, 0xf9f9f9, 0x808080}, {QPalette::Link, 0x4aa8f0, 0x4aa8f0},
        {QPalette::ToolTipBase, 0x3f3f36, 0x3f3f36}, {QPalette::ToolTipText, 0xffffff, 0xffffff},
        {QPalette::PlaceholderText, 0xa0a0a0, 0x808080},
    };
    QPalette p;
    for (const Role& r : kRoles) {
        p.setColor(QPalette::Active, r.role, QColor(r.active));
        p.setColor(QPalette::Inactive, r.role, QColor(r.active));
        p.setColor(QPalette::Disabled, r.role, QColor(r.disabled));
    }
    return p;
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
    setDesignStyle();
    QFont::insertSubstitution(QStringLiteral("宋体"), songFamily());
    QFont::insertSubstitution(QStringLiteral("华文行楷"), kaiFamily());
    QApplication::setFont(designFont());
    if (!keeper()) keeper() = new LookKeeper(qApp);
}

}  // namespace ui
