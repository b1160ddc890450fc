#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QWidget>

namespace ui {

namespace {

// A text box as a screen reader sees it: Qt's own view of a line edit, but
// with the whole text as one run of (default) attributes. Editing goes
// through the box's own editing, so undo, length limits and the box's
// signals behave as they do for typing.
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? shown() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value)
            box()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (box()->isReadOnly())
            s.readOnly = true;
        else
            s.editable = true;
        if (box()->echoMode() != QLineEdit::Normal) s.passwordEdit = true;
        s.selectableText = true;
        return s;
    }

    // Selection and cursor.
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !box()->hasSelectedText()) return;
        *start = box()->selectionStart();
        *end = *start + box()->selectionLength();
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) box()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

    // Text.
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return QString();
    }

    // Geometry, on the screen: measured from the cursor, whose place takes
    // the box's scrolling and alignment into account.
    QRect characterRect(int offset) const override {
        const QString t = shown();
        if (offset < 0 || offset >= t.size()) return QRect();
        const QFontMetrics fm(box()->font());
        const QRect cursor = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = cursor.center().x() + fm.horizontalAdvance(t.left(offset)) -
                      fm.horizontalAdvance(t.left(box()->cursorPosition()));
        const QRect r(x, cursor.center().y() - fm.height() / 2, fm.horizontalAdvance(t.mid(offset, 1)), fm.height());
        return QRect(box()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override {
        box()->setCursorPosition(end);
        box()->setCursorPosition(start);
    }

    // Editing.
    void deleteText(int start, int end) override {
        box()->setSelection(start, end - start);
        box()->del();
    }
    void insertText(int offset, const QString& text) override {
        box()->setCursorPosition(offset);
        box()->insert(text);
    }
    void replaceText(int start, int end, const QString& text) override {
        box()->setSelection(start, end - start);
        box()->insert(text);
    }

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
    QString shown() const { return box()->displayText(); }
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Qt 6.4 sends a changed name or description to the screen reader without
// its text, and has no announcement event. What Orca 43 speaks by itself is
// an object of the notification role being shown: each window has one,
// hidden until the first announcement, shown anew with each text.
constexpr const char* kAnnouncementName = "qorvi_announcement";

class Announcement : public QWidget {
public:
    explicit Announcement(QWidget* window) : QWidget(window) {
        setObjectName(QString::fromLatin1(kAnnouncementName));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 1, 1);
        hide();
    }
    QString text;
};

class AnnouncementAccessible : public QAccessibleWidget {
public:
    explicit AnnouncementAccessible(Announcement* a) : QAccessibleWidget(a, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<Announcement*>(widget())->text : QString();
    }
};
#endif

// Marks the program's own windows (markAsWindow).
constexpr char kProgramWindow[] = "qorviProgramWindow";

// Consulted before Qt's own factory (it is installed after it).
QAccessibleInterface* factory(const QString&, QObject* object) {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (auto* a = dynamic_cast<Announcement*>(object)) return new AnnouncementAccessible(a);
#endif
    if (auto* box = qobject_cast<QLineEdit*>(object)) return new TextBoxAccessible(box);
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->isWindow() && widget->property(kProgramWindow).toBool())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

std::function<void(const QString&)>& announcementListener() {
    static std::function<void(const QString&)> listener;
    return listener;
}

}  // namespace

void markAsWindow(QWidget* window) { window->setProperty(kProgramWindow, true); }

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

void announce(QWidget* source, const QString& text) {
    if (text.isEmpty()) return;
    if (announcementListener()) announcementListener()(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(source, text);
    QAccessible::updateAccessibility(&event);
#else
    QWidget* window = source->window();
    auto* a = dynamic_cast<Announcement*>(
        window->findChild<QWidget*>(QString::fromLatin1(kAnnouncementName), Qt::FindDirectChildrenOnly));
    if (!a) a = new Announcement(window);
    a->hide();
    a->text = text;
    a->show();
#endif
}

void setAnnouncementListener(std::function<void(const QString&)> listener) {
    announcementListener() = std::move(listener);
}

}  // namespace ui
