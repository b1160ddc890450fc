#include "ui/result_line.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace ui {
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

}  // namespace

void setAutoSize(QLabel* label, bool autoSize) { label->setProperty(kAutoSizeProperty, autoSize); }

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

// A caption that wraps keeps its designed box while its lines fit there; a
// face whose lines stand taller than the design's (a desktop's stand-in for
// the design's face) makes the box taller, never cutting the last line.
void fitWrappedCaption(QLabel* label) {
    const QRect lines =
        label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
    if (lines.height() > label->height()) label->resize(label->width(), lines.height());
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
    else if (label->wordWrap()) fitWrappedCaption(label);
}

namespace {

// Draws a result line cut at its edge with "…" where it is cut, so that the
// digits left in view never read as a whole number. The label's text, its
// tool tip and what a selection copies stay whole; while part of it is
// selected the label draws itself, selection and all.
class ElideCutCaption : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* label = qobject_cast<QLabel*>(watched);
        if (!label || event->type() != QEvent::Paint || label->hasSelectedText()) return false;
        const QRect room = label->contentsRect();
        const QFontMetrics metrics = label->fontMetrics();
        if (metrics.horizontalAdvance(label->text()) <= room.width()) return false;
        QPainter painter(label);
        label->style()->drawItemText(&painter, room, static_cast<int>(label->alignment()), label->palette(),
                                     label->isEnabled(), metrics.elidedText(label->text(), Qt::ElideRight, room.width()),
                                     label->foregroundRole());
        return true;
    }
};

}  // namespace

void makeResultLine(QLabel* label) {
    label->installEventFilter(new ElideCutCaption(label));
    label->setProperty(kResultLineProperty, true);
    label->setWordWrap(false);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    setCaption(label, label->text());
}

}  // namespace ui
