#include "ui/form_window.h"

#include <QCloseEvent>

namespace ui {

FormWindow::FormWindow(QWidget* parent) : QWidget(parent) {}

void FormWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) emit closed();
}

}  // namespace ui
