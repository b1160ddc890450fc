#include "ui/controls.h"
#include "ui/forms.h"

#include <QIcon>

namespace ui {

Form4::Form4(QWidget* parent) : FormWindow(parent) {
    setupWindow(this, "Form4", QStringLiteral("关于阶乘和乘方"), 4680, 2595);
    setWindowIcon(QIcon(QStringLiteral(":/qorvi/calculator.png")));
}

}  // namespace ui
