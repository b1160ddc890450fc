#include "ui/controls.h"
#include "ui/forms.h"

#include <QIcon>

namespace ui {

Form3::Form3(QWidget* parent) : FormWindow(parent) {
    setupWindow(this, "Form3", QStringLiteral("关于常数"), 6960, 4425);
    setWindowIcon(QIcon(QStringLiteral(":/qorvi/geometry.png")));
    placeWindow(this, 2775, 3180);
}

}  // namespace ui
