#include "ui/controls.h"
#include "ui/look.h"
#include "ui/result_line.h"
#include "ui/forms.h"

#include <QLabel>
#include <QPixmap>

namespace ui {

Form5::Form5(QWidget* parent) : FormWindow(parent) {
    setupWindow(this, "Form5", QStringLiteral("关于"), 4680, 3360);
    setWindowIcon(calculatorIcon());

    ControlBuilder b(this);
    QLabel* image = b.label(this, "Image1", QString(), {120, 120, 1455, 1245});
    image->setPixmap(QPixmap(QStringLiteral(":/qorvi/about.png")));
    image->setScaledContents(true);
    image->setAccessibleName(QStringLiteral("Qorvi计算器的标志"));

    QLabel* title = b.label(this, "Label2", QString(), {2040, 240, 2175, 450}, true);
    title->setFont(kaiFont(21.75));
    setCaption(title, QStringLiteral("Qorvi计算器"));
    b.label(this, "Label1", QStringLiteral("作者:Qorvi 工作室"), {2400, 960, 1620, 180}, true);
    b.label(this, "Label3",
            QStringLiteral("普通的计算机运算有微小的误差,例如 2-2.01 的结果是 -9.999999E-03 "
                           "而不是 -0.01(3-3.01 等也一样)。本程序先乘以 10 的 8 次方,"
                           "再除以 10 的 8 次方,避开了这种误差。高精度计算的乘数最多只支持 "
                           "10 的 9 次方,请不要使用过大的测试数据。"),
            {120, 1440, 4335, 1215});
    b.label(this, "Label4", QStringLiteral("本软件为免费软件,欢迎复制和传播。"), {120, 2880, 4335, 255});
}

}  // namespace ui
