#include "ui/forms.h"

#include <QLabel>

namespace ui {

namespace {
using C = Form5Control;

using R = Control<C>;
constexpr R kDesign[] = {
    R{C::Window, Kind::Window, "Form5", "关于", {-1, -1, 4680, 3360}}.picture(":/qorvi/calculator.rgba"),
    R{C::Image1, Kind::Image, "Image1", "", {120, 120, 1455, 1245}}.named("Qorvi计算器的标志").picture(":/qorvi/about.png"),
    R{C::Label2, Kind::Label, "Label2", "Qorvi计算器", {2040, 240, 2175, 450}}.with(kAutoSize).font({Face::Kai, 21.75}),
    R{C::Label1, Kind::Label, "Label1", "作者:Qorvi 工作室", {2400, 960, 1620, 180}}.with(kAutoSize),
    {C::Label3, Kind::Label, "Label3",
     "普通的计算机运算有微小的误差,例如 2-2.01 的结果是 -9.999999E-03 而不是 -0.01(3-3.01 等也一样)。"
     "本程序先乘以 10 的 8 次方,再除以 10 的 8 次方,避开了这种误差。高精度计算的乘数最多只支持 "
     "10 的 9 次方,请不要使用过大的测试数据。",
     {120, 1440, 4335, 1215}},
    R{C::Label4, Kind::Label, "Label4", "本软件为免费软件,欢迎复制和传播。", {120, 2880, 4335, 255}},
};
static_assert(checkDesign(kDesign));
}  // namespace

Form5::Form5(QWidget* parent) : FormWindow(parent) { build(this, kDesign); }

}  // namespace ui
