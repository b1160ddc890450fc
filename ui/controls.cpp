#include "ui/controls.h"

#include "ui/look.h"
#include "ui/placement.h"
#include "ui/result_line.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>

#include <algorithm>
#include <vector>

namespace ui {
namespace {
// Text boxes hold 64K characters; texts the calculators cannot take are
// theirs to refuse, not the box's to cut silently.
constexpr int kTextBoxMaxLength = 65535;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QWidget* make(const Row& r, QWidget* parent) {
    switch (r.kind) {
    case Kind::Frame:
        return new CaptionFrame(text(r.caption), parent);
    case Kind::Label:
    case Kind::Image: {
        auto* l = new QLabel(parent);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setTextFormat(Qt::PlainText);
        return l;
    }
    case Kind::TextBox: {
        auto* e = new FocusLineEdit(parent);
        e->setMaxLength(kTextBoxMaxLength);
        e->setText(text(r.caption));
        return e;
    }
    case Kind::Button: {
        auto* b = new CaptionButton(text(r.caption), parent);
        b->setAutoDefault(false);
        b->setDefault(false);
        return b;
    }
    case Kind::ComboBox: {
        auto* c = new QComboBox(parent);
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        return c;
    }
    case Kind::ListBox: {
        auto* l = new QListWidget(parent);
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        l->setSortingEnabled(false);
        return l;
    }
    case Kind::Window:
        break;
    }
    return nullptr;
}

QFont fontOf(const Font& f) { return f.family == Face::Kai ? kaiFont(f.points) : songFont(f.points); }

}  // namespace

QRect toPixels(const Twips& t) {
    return {t.left / kTwipsPerPixel, t.top / kTwipsPerPixel, t.width / kTwipsPerPixel,
            t.height / kTwipsPerPixel};
}

void build(QWidget* window, const Row* const* rows, std::size_t count, QWidget** widgets) {
    const Row& w = *rows[0];
    setupWindow(window, w.name, text(w.caption), w.place.width, w.place.height);
    if (w.image) window->setWindowIcon(rawIcon(QString::fromLatin1(w.image), 32));
    if (w.place.left >= 0) placeWindow(window, w.place.left, w.place.top);
    widgets[0] = window;

    for (std::size_t i = 1; i < count; ++i) {
        const Row& r = *rows[i];
        QWidget* parent = widgets[r.parent];
        QWidget* c = make(r, parent);
        c->setObjectName(QString::fromLatin1(r.name));
        // The place is measured from the window, or from the frame for a
        // control placed in it; the control sits in its parent.
        const QPoint origin = (r.traits & kInFrame) || parent == window ? QPoint() : parent->mapTo(window, QPoint());
        c->setGeometry(toPixels(r.place).translated(-origin));
        if (r.face.family != Face::Window) c->setFont(fontOf(r.face));
        if (auto* label = qobject_cast<QLabel*>(c)) {
            if (r.kind == Kind::Image) {
                label->setPixmap(QPixmap(QString::fromLatin1(r.image)));
                label->setScaledContents(true);
            } else {
                const bool autoSize = r.traits & kAutoSize;
                setAutoSize(label, autoSize);
                label->setWordWrap(!autoSize);
                setCaption(label, text(r.caption));
                if (r.traits & kResultLine) makeResultLine(label);
            }
        }
        if (r.accessibleName) c->setAccessibleName(text(r.accessibleName));
        if (r.description) c->setAccessibleDescription(text(r.description));
        widgets[i] = c;
    }

    std::vector<QWidget*> order;
    for (std::size_t i = 1; i < count; ++i) {
        const Row& r = *rows[i];
        if (r.buddy) static_cast<QLabel*>(widgets[i])->setBuddy(widgets[r.buddy]);
        if (r.descriptionLabel) widgets[i]->setAccessibleDescription(text(rows[r.descriptionLabel]->caption).trimmed());
        if (r.tabPosition > 0) {
            order.resize(std::max(order.size(), static_cast<std::size_t>(r.tabPosition)));
            order[static_cast<std::size_t>(r.tabPosition) - 1] = widgets[i];
        }
    }
    for (std::size_t i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
}

}  // namespace ui
