#include "bignum/commands.h"
#include "ui/forms.h"

#include "ui/result_line.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

namespace {
using C = Form4Control;

using R = Control<C>;
constexpr R kDesign[] = {
    R{C::Window, Kind::Window, "Form4", "关于阶乘和乘方", {-1, -1, 4680, 2595}}.picture(":/qorvi/calculator.rgba"),
    R{C::Label1, Kind::Label, "Label1", "阶乘:", {120, 360, 735, 255}}.names(C::Text1),
    R{C::Text1, Kind::TextBox, "Text1", "", {1080, 360, 975, 270}}.tab(1).named("阶乘的数"),
    R{C::Label2, Kind::Label, "Label2", "!", {2160, 360, 375, 255}},
    R{C::Command1, Kind::Button, "Command1", "计算", {2760, 240, 1215, 375}}.tab(2).named("计算阶乘"),
    R{C::Label3, Kind::Label, "Label3", "结果为:", {120, 840, 630, 180}}.with(kAutoSize | kResultLine).described("阶乘结果"),
    R{C::Label4, Kind::Label, "Label4", "乘方:", {120, 1440, 855, 255}}.names(C::Text2),
    R{C::Text2, Kind::TextBox, "Text2", "", {480, 1800, 975, 270}}.tab(3).named("底数"),
    R{C::Label5, Kind::Label, "Label5", "的", {1560, 1800, 180, 180}}.with(kAutoSize),
    R{C::Text3, Kind::TextBox, "Text3", "", {1800, 1800, 975, 270}}.tab(4).named("指数"),
    R{C::Label6, Kind::Label, "Label6", "次方", {2880, 1800, 360, 180}}.with(kAutoSize),
    R{C::Command2, Kind::Button, "Command2", "计算", {3360, 1680, 1215, 375}}.tab(5).named("计算乘方"),
    R{C::Label7, Kind::Label, "Label7", "结果为:", {120, 2160, 630, 180}}.with(kAutoSize | kResultLine).described("乘方结果"),
};
static_assert(checkDesign(kDesign));
}  // namespace

template <Form4Control id>
auto* Form4::c() const {
    return control<kDesign, id>(controls_);
}

Form4::Form4(QWidget* parent) : FormWindow(parent), controls_(build(this, kDesign)) {
    connect(c<C::Command1>(), &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(c<C::Command2>(), &QPushButton::clicked, this, &Form4::Command2_Click);
    c<C::Text1>()->setFocus();
}

void Form4::showEvent(QShowEvent* event) {
    FormWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        c<C::Text1>()->setFocus();
    }
}

void Form4::Command1_Click() {
    handleFrom(c<C::Command1>(), [this] { return c<C::Label3>()->text(); }, [this] {
        auto caption = bignum::factorialCommand(c<C::Text1>()->text().toStdString(), messages());
        if (caption) setCaption(c<C::Label3>(), QString::fromStdString(*caption));
    });
}

void Form4::Command2_Click() {
    handleFrom(c<C::Command2>(), [this] { return c<C::Label7>()->text(); }, [this] {
        auto caption = bignum::powerCommand(c<C::Text2>()->text().toStdString(), c<C::Text3>()->text().toStdString(), messages());
        if (caption) setCaption(c<C::Label7>(), QString::fromStdString(*caption));
    });
}

}  // namespace ui
