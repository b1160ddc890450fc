#include "bignum/commands.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/look.h"
#include "ui/result_line.h"
#include "ui/forms.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

Form4::Form4(QWidget* parent) : FormWindow(parent) {
    setupWindow(this, "Form4", QStringLiteral("关于阶乘和乘方"), 4680, 2595);
    setWindowIcon(calculatorIcon());

    ControlBuilder b(this);
    b.label(this, "Label1", QStringLiteral("阶乘:"), {120, 360, 735, 255});
    Text1 = b.textBox(this, "Text1", {1080, 360, 975, 270});
    b.label(this, "Label2", QStringLiteral("!"), {2160, 360, 375, 255});
    Command1 = b.button(this, "Command1", QStringLiteral("计算"), {2760, 240, 1215, 375});
    Label3 = b.label(this, "Label3", QStringLiteral("结果为:"), {120, 840, 630, 180}, true);
    b.label(this, "Label4", QStringLiteral("乘方:"), {120, 1440, 855, 255});
    Text2 = b.textBox(this, "Text2", {480, 1800, 975, 270});
    b.label(this, "Label5", QStringLiteral("的"), {1560, 1800, 180, 180}, true);
    Text3 = b.textBox(this, "Text3", {1800, 1800, 975, 270});
    b.label(this, "Label6", QStringLiteral("次方"), {2880, 1800, 360, 180}, true);
    Command2 = b.button(this, "Command2", QStringLiteral("计算"), {3360, 1680, 1215, 375});
    Label7 = b.label(this, "Label7", QStringLiteral("结果为:"), {120, 2160, 630, 180}, true);
    for (QLabel* result : {Label3, Label7}) makeResultLine(result);

    QWidget::setTabOrder(Text1, Command1);
    QWidget::setTabOrder(Command1, Text2);
    QWidget::setTabOrder(Text2, Text3);
    QWidget::setTabOrder(Text3, Command2);
    nameControls(this, {{"Text1", "阶乘的数"}, {"Command1", "计算阶乘"}, {"Text2", "底数"},
                        {"Text3", "指数"}, {"Command2", "计算乘方"}});
    setBuddies(this, {{"Label1", "Text1"}, {"Label4", "Text2"}});
    describeControls(this, {{"Label3", "阶乘结果"}, {"Label7", "乘方结果"}});
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    Text1->setFocus();
}

void Form4::showEvent(QShowEvent* event) {
    FormWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        Text1->setFocus();
    }
}

void Form4::Command1_Click() {
    handleFrom(Command1, [this] { return Label3->text(); }, [this] {
        auto caption = bignum::factorialCommand(Text1->text().toStdString(), messages());
        if (caption) setCaption(Label3, QString::fromStdString(*caption));
    });
}

void Form4::Command2_Click() {
    handleFrom(Command2, [this] { return Label7->text(); }, [this] {
        auto caption = bignum::powerCommand(Text2->text().toStdString(), Text3->text().toStdString(), messages());
        if (caption) setCaption(Label7, QString::fromStdString(*caption));
    });
}

}  // namespace ui
