#include "ui/controls.h"
#include "ui/forms.h"

#include <QIcon>

namespace ui {

Form2::Form2(QWidget* parent) : FormWindow(parent) {
    setupWindow(this, "Form2", QStringLiteral("几何计算"), 7275, 5025);
    setWindowIcon(QIcon(QStringLiteral(":/qorvi/geometry.png")));
    placeWindow(this, 2460, 2865);
}

}  // namespace ui
