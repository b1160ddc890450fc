// What a desktop user relies on in every window: each caption and button
// text fits its designed box (run at 100 % and at 200 % scale, and under a
// desktop theme of other fonts, colours and style), every text can be read
// in light and dark colours, and every control that takes input has an
// accessible name.

#include "app/lifecycle.h"
#include "gui_support.h"
#include "ui/placement.h"
#include "ui/look.h"
#include "ui/message_box.h"
#include "ui/result_line.h"

#include <QAccessible>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QStyleFactory>
#include <QToolTip>

#include <memory>

using namespace guitest;

namespace {
// Counts the font and style changes the application goes through.
class EventCounter : public QObject {
public:
    explicit EventCounter(int* count) : count_(count) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::ApplicationFontChange || e->type() == QEvent::StyleChange) ++*count_;
        return false;
    }

private:
    int* count_;
};
}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

    std::unique_ptr<app::Lifecycle> lifecycle;

    QList<QWidget*> windows() {
        return {&lifecycle->main(), lifecycle->geometry(), lifecycle->constants(), lifecycle->factorial(),
                lifecycle->about()};
    }

    static QString where(QWidget* w) { return w->window()->objectName() + QLatin1Char('/') + w->objectName(); }

    // A text can be read when its strokes stand out from the picture's
    // commonest colour (its background): some pixels by a little (a thin
    // glyph's edges), the darkest or lightest by much more than a text in
    // a colour near the background's (black on the dark grey: 47).
    static bool legible(const QImage& picture) {
        const QImage image = picture.convertToFormat(QImage::Format_RGB32);
        QHash<QRgb, int> counts;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
        QRgb background = 0;
        int most = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            if (it.value() > most) most = it.value(), background = it.key();
        int strokes = 0, strongest = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            const int contrast = std::abs(qGray(it.key()) - qGray(background));
            if (contrast > 40) strokes += it.value();
            strongest = std::max(strongest, contrast);
        }
        return strokes >= 3 && strongest > 64;  // the thinnest glyphs ("×" at 9 points) reach 77
    }

    void everyTextIsReadable() {
        for (QWidget* window : windows()) {
            const QImage picture = window->grab().toImage();
            const qreal ratio = picture.devicePixelRatio();
            auto check = [&](QWidget* c, QRect r) {
                if (!c->isVisible()) return;
                const QRect area(c->mapTo(window, r.topLeft()) * ratio, r.size() * ratio);
                QVERIFY2(legible(picture.copy(area)), qPrintable(where(c)));
            };
            for (QLabel* l : window->findChildren<QLabel*>())
                if (!l->text().isEmpty()) check(l, l->contentsRect());
            for (QPushButton* b : window->findChildren<QPushButton*>()) check(b, ui::buttonCaptionRect(b));
            for (QGroupBox* f : window->findChildren<QGroupBox*>())  // the caption where it breaks the border
                check(f, QRect(8, 0, f->fontMetrics().horizontalAdvance(f->title()) - 2, f->fontMetrics().height()));
            for (QLineEdit* e : window->findChildren<QLineEdit*>())
                if (!e->text().isEmpty()) check(e, e->rect());
            for (QListWidget* l : window->findChildren<QListWidget*>()) check(l, l->viewport()->geometry());
        }
        for (QComboBox* combo : lifecycle->geometry()->findChildren<QComboBox*>()) {
            combo->showPopup();
            QVERIFY2(legible(combo->view()->grab().toImage()), qPrintable(where(combo)));
            combo->hidePopup();
        }
        // A result line's selection, its tool tip, and a message box.
        QLabel* result = control<QLabel>(&lifecycle->main(), "Label11");
        ui::setCaption(result, QStringLiteral("结果是:  ") + QString(600, QLatin1Char('9')));
        result->setSelection(0, 20);
        QVERIFY(legible(result->grab().toImage()));
        QToolTip::showText(result->mapToGlobal(QPoint(4, 4)), result->toolTip(), result);
        QWidget* tip = nullptr;
        QVERIFY(QTest::qWaitFor([&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->inherits("QTipLabel") && w->isVisible()) tip = w;
            return tip != nullptr;
        }));
        QVERIFY(legible(tip->grab().toImage()));
        QToolTip::hideText();
        ui::setCaption(result, QStringLiteral("结果是:"));
        QMessageBox box;
        ui::prepareBox(box, QStringLiteral("除数为零"), QStringLiteral("Qorvi计算器"));
        QVERIFY(legible(box.grab().toImage()));
    }

    // Every control's font, with the family it resolves to (some controls
    // are made anew by a new style: they are left out once gone).
    static QString fontOf(QWidget* c) { return c->font().toString() + QLatin1Char(' ') + QFontInfo(c->font()).family(); }
    using Fonts = QList<QPair<QPointer<QWidget>, QString>>;
    Fonts controlFonts() {
        Fonts fonts;
        for (QWidget* window : windows()) {
            fonts.append({window, fontOf(window)});
            for (QWidget* c : window->findChildren<QWidget*>())
                if (c->window() == window) fonts.append({c, fontOf(c)});  // not a tool tip or a popup list
        }
        return fonts;
    }

private slots:
    void initTestCase() {
        ui::setupApplicationLook();
        lifecycle = std::make_unique<app::Lifecycle>();
        lifecycle->start();
        lifecycle->Command3_Click();
        lifecycle->Command10_Click();
        lifecycle->Command11_Click();
        lifecycle->Command12_Click();
        for (QWidget* w : windows()) QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    void cleanupTestCase() { lifecycle.reset(); }

    // Run under a desktop theme (qt6ct) too: its colours are in use.
    void theDesktopsColoursAreFollowed() {
        const QString expected = qEnvironmentVariable("QORVI_THEME_WINDOW_COLOUR");
        if (expected.isEmpty()) QSKIP("no desktop theme given");
        QCOMPARE(QApplication::palette().color(QPalette::Window).name(), expected);
    }

    void captionsFitTheirBoxes() {
        for (QWidget* window : windows()) {
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (label->text().isEmpty()) continue;
                QFontMetrics fm(label->font());
                if (label->wordWrap()) {
                    QRect needed = fm.boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
                    QVERIFY2(needed.height() <= label->height(), qPrintable(where(label)));
                } else {
                    QVERIFY2(fm.horizontalAdvance(label->text()) <= label->width(), qPrintable(where(label)));
                    QVERIFY2(fm.height() <= label->height(), qPrintable(where(label)));
                }
            }
            for (QPushButton* button : window->findChildren<QPushButton*>()) {
                // A caption wider than its button wraps (the tall narrow buttons).
                QFontMetrics fm(button->font());
                QRect area = ui::buttonCaptionRect(button);
                QRect needed = fm.boundingRect(area, Qt::AlignCenter | Qt::TextWrapAnywhere, button->text());
                QVERIFY2(area.contains(needed), qPrintable(where(button)));
            }
            for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
                QFontMetrics fm(frame->font());
                QVERIFY2(fm.horizontalAdvance(frame->title()) + 8 <= frame->width(), qPrintable(where(frame)));
            }
            for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
                QFontMetrics fm(box->font());
                QVERIFY2(fm.height() <= box->height() - 2, qPrintable(where(box)));
            }
        }
    }

    void everyTextIsReadableInTheDesignsColours() { everyTextIsReadable(); }

    // As a platform theme does, at start or when the user changes a setting:
    // another application font, palette and style once the windows exist.
    // The design's font and style come back; the theme's colours stay.
    void theDesignsLookOutlastsTheDesktopsChanges() {
        // A theme's font set at start is set back once the events are handled.
        QVERIFY(QTest::qWaitFor([] { return QFontInfo(QApplication::font()).family() == QStringLiteral("AR PL UMing CN"); }));
        const Fonts before = controlFonts();
        QApplication::setPalette(ui::darkPalette());
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold));
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
        // The windows have had the new font before it is set back: no
        // control takes it, not even for a moment.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationFontChange);
        for (const auto& [control, font] : before)
            if (control) QVERIFY2(fontOf(control) == font, qPrintable(where(control)));
        QVERIFY(QTest::qWaitFor([] { return ui::hasDesignStyle() && QApplication::font().pointSizeF() == 9.0; }));
        QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("AR PL UMing CN"));
        QCOMPARE(QApplication::palette().color(QPalette::Window), ui::darkPalette().color(QPalette::Window));
        for (const auto& [control, font] : before)
            if (control) QVERIFY2(fontOf(control) == font, qPrintable(where(control) + QStringLiteral(": ") + fontOf(control)));
        // Set back once: once the windows have had the change, nothing goes
        // on changing.
        QTest::qWait(20);
        int changes = 0;
        EventCounter counter(&changes);
        qApp->installEventFilter(&counter);
        QTest::qWait(50);
        qApp->removeEventFilter(&counter);
        QCOMPARE(changes, 0);
        captionsFitTheirBoxes();
        comboItemsFitTheirBoxes();
        everyTextIsReadable();
    }

    // The design's 确定 is a plain button in the design's font, whatever the
    // style or the desktop would give a dialog's buttons.
    void messageBoxesAreTheDesigns() {
        QMessageBox box;
        ui::prepareBox(box, QStringLiteral("除数为零"), QStringLiteral("Qorvi计算器"));
        QVERIFY(box.button(QMessageBox::Ok)->icon().isNull());
        QCOMPARE(box.style()->styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons), 0);
        for (QWidget* w : box.findChildren<QWidget*>())
            QCOMPARE(QFontInfo(w->font()).family(), QStringLiteral("AR PL UMing CN"));
    }

    // A long prompt (an expression of many digits quoted in its error) is
    // shown whole: its label wraps it within the screen, every digit there.
    void aLongMessageIsShownWhole() {
        const QString digits = QString(600, QLatin1Char('7'));
        const QString prompt = QStringLiteral("Error evaluating '") + digits + QStringLiteral("' as a constant.");
        QMessageBox box;
        ui::prepareBox(box, prompt, QStringLiteral("Qorvi计算器"));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        QCOMPARE(label->text().remove(QChar(0x200B)), prompt);
        const QRect screen = box.screen()->availableGeometry();
        QVERIFY2(box.frameGeometry().width() <= screen.width(), qPrintable(QString::number(box.width())));
        // The label's lines hold the whole text: it is as tall as they are.
        const QRect lines = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 100000), Qt::TextWordWrap, label->text());
        QVERIFY2(lines.width() <= label->width() && lines.height() <= label->height(),
                 qPrintable(QStringLiteral("%1x%2 in %3x%4").arg(lines.width()).arg(lines.height()).arg(label->width()).arg(label->height())));
        box.close();
    }

    void comboItemsFitTheirBoxes() {
        QWidget* geometry = lifecycle->geometry();
        for (QComboBox* combo : geometry->findChildren<QComboBox*>()) {
            QFontMetrics fm(combo->font());
            for (int i = 0; i < combo->count(); ++i)
                // The text field keeps a margin of 2 pixels on either side.
                QVERIFY2(fm.horizontalAdvance(combo->itemText(i)) <= combo->lineEdit()->width() - 4, qPrintable(where(combo)));
        }
    }

    void inputsAndButtonsHaveAccessibleNames() {
        for (QWidget* window : windows()) {
            QList<QWidget*> controls;
            for (QLineEdit* e : window->findChildren<QLineEdit*>())
                if (!qobject_cast<QComboBox*>(e->parentWidget())) controls << e;
            for (QComboBox* c : window->findChildren<QComboBox*>()) controls << c;
            for (QListWidget* l : window->findChildren<QListWidget*>()) controls << l;
            for (QPushButton* b : window->findChildren<QPushButton*>()) controls << b;
            for (QWidget* c : controls) {
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
                QVERIFY2(a, qPrintable(where(c)));
                QVERIFY2(!a->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(where(c)));
            }
        }
        // A box with its caption beside it is that caption's buddy.
        QCOMPARE(control<QLabel>(&lifecycle->main(), "Label3")->buddy(), control<QWidget>(&lifecycle->main(), "Text2"));
        QCOMPARE(control<QLabel>(lifecycle->geometry(), "Label26")->buddy(), control<QWidget>(lifecycle->geometry(), "Text15"));
    }

    // Run at 100 % and at 200 %, where the design's places would put the
    // main and geometry windows partly beyond the screen.
    void everyWindowIsWhollyOnItsScreen() {
        // A window larger than the screen starts at its corner; the offscreen
        // platform reports a one-pixel frame that it does not move with the
        // window, so its corner may be a pixel or two inside.
        constexpr int kFrameSlack = 2;
        for (QWidget* window : windows()) {
            const QRect area = window->screen()->availableGeometry();
            const QRect r = window->frameGeometry();
            if (r.width() <= area.width()) {
                QVERIFY2(r.left() >= area.left() && r.right() <= area.right(), qPrintable(window->objectName()));
            } else {
                QVERIFY2(r.left() >= area.left() && r.left() <= area.left() + kFrameSlack, qPrintable(window->objectName()));
            }
            if (r.height() <= area.height()) {
                QVERIFY2(r.top() >= area.top() && r.bottom() <= area.bottom(), qPrintable(window->objectName()));
            } else {
                QVERIFY2(r.top() >= area.top() && r.top() <= area.top() + kFrameSlack, qPrintable(window->objectName()));
            }
        }
    }

    void onScreenPositions() {
        const QRect screen(0, 0, 640, 512);
        struct Case {
            QRect outer;
            QPoint expected;
        } cases[] = {
            {{153, 118, 504, 446}, {136, 66}},  // the main window at 200 % on 1280 x 1024: pulled in
            {{10, 10, 100, 100}, {10, 10}},     // already on the screen: kept
            {{-20, -5, 100, 100}, {0, 0}},      // beyond the top-left: pulled in
            {{300, 40, 700, 100}, {0, 40}},     // wider than the screen: its left edge
            {{30, 300, 100, 600}, {30, 0}},     // taller than the screen: its top edge
            {{600, 500, 640, 512}, {0, 0}},     // exactly the screen's size
        };
        for (const Case& c : cases) QCOMPARE(ui::onScreenPosition(c.outer, screen), c.expected);
        QCOMPARE(ui::onScreenPosition({700, 600, 100, 100}, QRect(640, 0, 1280, 1024)), QPoint(700, 600));
    }

    void everyInputIsReachableByTab() {
        for (QWidget* window : windows()) {
            QSet<QWidget*> reached;
            QWidget* start = window->nextInFocusChain();
            QWidget* w = start;
            for (int guard = 0; guard < 500; ++guard) {
                if (w->isWindow() || w->window() == window) reached.insert(w);
                w = w->nextInFocusChain();
                if (w == start) break;
            }
            for (QWidget* c : window->findChildren<QWidget*>()) {
                bool input = (qobject_cast<QLineEdit*>(c) && !qobject_cast<QComboBox*>(c->parentWidget())) ||
                             qobject_cast<QComboBox*>(c) || qobject_cast<QListWidget*>(c) || qobject_cast<QPushButton*>(c);
                if (!input) continue;
                QVERIFY2(c->focusPolicy() & Qt::TabFocus, qPrintable(where(c)));
                QVERIFY2(reached.contains(c), qPrintable(where(c)));
            }
        }
    }
};

QTEST_MAIN(DesktopTest)
#include "gui_desktop_test.moc"
