#include "ui/form_window.h"

#include "ui/accessibility.h"
#include "ui/placement.h"

#include <QCloseEvent>
#include <QTimer>

namespace ui {

void ShownMessages::showMessage(std::string_view prompt, std::string_view title) {
    ++shown;
    target->showMessage(prompt, title);
}

FormWindow::FormWindow(QWidget* parent) : QWidget(parent) { markAsWindow(this); }

void FormWindow::handleFrom(QWidget* button, const std::function<QString()>& outcome,
                            const std::function<void()>& handler) {
    const int before = shown_.shown;
    handle(handler);
    if (shown_.shown == before) announce(button, outcome());
}

void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    keepOnScreen(this);
    // The window system places a new window and adds its frame after the
    // show: look again when it moves the window into its frame, and once
    // more a moment later.
    placing_ = true;
    QTimer::singleShot(kPlacingTime, this, [this] {
        keepOnScreen(this);
        placing_ = false;
    });
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (placing_) keepOnScreen(this);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) emit closed();
}

}  // namespace ui
