#include "ui/accessibility.h"

#include "ui/form_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace ui {

namespace {

QAccessibleInterface* windowFactory(const QString&, QObject* object) {
    auto* window = qobject_cast<FormWindow*>(object);
    if (!window || !window->isWindow()) return nullptr;
    return new QAccessibleWidget(window, QAccessible::Window);
}

void descriptionChanged(QWidget* widget) {
    QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(windowFactory);
        return true;
    }();
    (void)installed;
}

void announce(QWidget* widget, const QString& text) {
    if (widget->accessibleDescription() == text) {
        widget->setAccessibleDescription(QString());
        descriptionChanged(widget);
    }
    widget->setAccessibleDescription(text);
    descriptionChanged(widget);
}

void describeControls(QWidget* window, std::initializer_list<AccessibleDescription> descriptions) {
    for (const AccessibleDescription& d : descriptions)
        if (QWidget* w = window->findChild<QWidget*>(QString::fromLatin1(d.control)))
            w->setAccessibleDescription(QString::fromUtf8(d.description));
}

}  // namespace ui
