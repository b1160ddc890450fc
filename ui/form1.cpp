#include "ui/form1.h"

#include "bignum/commands.h"
#include "calc/base_conversion.h"
#include "calc/trig.h"
#include "eval/command.h"
#include "ui/accessibility.h"
#include "ui/result_line.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

namespace ui {

namespace {
QString fromUtf8(const std::string& s) { return QString::fromStdString(s); }
std::string toUtf8(const QString& s) { return s.toStdString(); }

using C = Form1Control;
constexpr Font kDisplayFont{Face::Song, 14.25};
constexpr Font kKeyFont{Face::Song, 10.5};

using R = Control<C>;
constexpr R kDesign[] = {
    R{C::Window, Kind::Window, "Form1", "Qorvi数学计算器 V" QORVI_VERSION " ", {2295, 1770, 7440, 6210}}
        .picture(":/qorvi/calculator.rgba"),
    // The simple-calculation band; the "×" key belongs to the frame, the others lie over it.
    R{C::Frame1, Kind::Frame, "Frame1", "简易计算", {120, 120, 7215, 1095}},
    R{C::Text1, Kind::TextBox, "Text1", "", {240, 360, 2535, 375}}.font(kDisplayFont).tab(5).named("简易计算显示框"),
    R{C::Command1_1, Kind::Button, "Command1(1)", "+", {3000, 360, 375, 375}}.font(kKeyFont).tab(1).named("加"),
    R{C::Command1_2, Kind::Button, "Command1(2)", "-", {3360, 360, 375, 375}}.font(kKeyFont).tab(2).named("减"),
    R{C::Command1_3, Kind::Button, "Command1(3)", "×", {3840, 360, 375, 375}}.in(C::Frame1).font(kKeyFont).tab(3).named("乘"),
    R{C::Command1_4, Kind::Button, "Command1(4)", "÷", {4200, 360, 375, 375}}.font(kKeyFont).tab(4).named("除"),
    R{C::Command8, Kind::Button, "Command8", "=", {240, 840, 495, 255}}.in(C::Frame1).tab(8).named("等于"),
    R{C::Command5, Kind::Button, "Command5", "Tan", {4680, 360, 735, 375}}.tab(21).named("正切"),
    R{C::Command6, Kind::Button, "Command6", "Cos", {5520, 360, 735, 375}}.tab(22).named("余弦"),
    R{C::Command7, Kind::Button, "Command7", "Sin", {6360, 360, 735, 375}}.tab(20).named("正弦"),

    // The scientific-calculation area: places measured from the window.
    R{C::Frame2, Kind::Frame, "Frame2", "科学计算", {120, 1320, 7215, 4095}},
    {C::Label7, Kind::Label, "Label7",
     "计算数学表达式:(支持\\,^,%,三角函数),在三角函数中角度,请用弧度(在下面转换),请全选后复制粘贴",
     {3000, 1560, 4215, 375}},
    R{C::ExprText, Kind::TextBox, "ExprText", "", {3240, 2040, 3735, 270}}.tab(6).named("数学表达式").describedBy(C::Label7),
    R{C::ResultLabel, Kind::Label, "ResultLabel", "结果为:", {3240, 2400, 630, 180}}.with(kAutoSize | kResultLine).described("表达式结果"),
    R{C::CmdEvaluate, Kind::Button, "CmdEvaluate", "计算", {3240, 2640, 975, 375}}.tab(7).named("计算表达式"),
    R{C::Label2, Kind::Label, "Label2", "角度:", {4800, 2640, 495, 255}}.in(C::Frame2).names(C::Text9),
    R{C::Text9, Kind::TextBox, "Text9", "", {5280, 2640, 375, 270}}.in(C::Frame2).tab(26).named("角度"),
    R{C::Label8, Kind::Label, "Label8", "-->弧度:", {5760, 2640, 720, 180}}.in(C::Frame2).with(kAutoSize).names(C::Text10),
    R{C::Text10, Kind::TextBox, "Text10", "", {6480, 2640, 735, 270}}.in(C::Frame2).tab(27).named("弧度"),
    R{C::Command13, Kind::Button, "Command13", "转换", {6120, 3000, 975, 375}}.tab(28).named("角度转换为弧度"),

    R{C::Label16, Kind::Label, "Label16", "进制转换(支持任意进制)", {240, 1680, 1980, 180}}.in(C::Frame2).with(kAutoSize),
    R{C::Label3, Kind::Label, "Label3", "原数:", {240, 2040, 450, 180}}.in(C::Frame2).with(kAutoSize).names(C::Text2),
    R{C::Text2, Kind::TextBox, "Text2", "", {720, 2040, 1215, 270}}.in(C::Frame2).tab(16).named("原数"),
    R{C::Text4, Kind::TextBox, "Text4", "", {2040, 2040, 375, 270}}.in(C::Frame2).tab(19).named("原数的进制"),
    R{C::Label15, Kind::Label, "Label15", "进制", {2520, 2040, 495, 255}}.in(C::Frame2).described("原数的进制"),
    R{C::Label4, Kind::Label, "Label4", "要转换为", {240, 2400, 735, 255}}.in(C::Frame2).names(C::Text3),
    R{C::Text3, Kind::TextBox, "Text3", "", {1200, 2400, 615, 270}}.in(C::Frame2).tab(17).named("目标进制"),
    R{C::Label5, Kind::Label, "Label5", "进制", {1920, 2400, 495, 255}}.in(C::Frame2).described("目标进制"),
    R{C::Command9, Kind::Button, "Command9", "转换", {2520, 2280, 375, 855}}.in(C::Frame2).tab(18).named("进制转换"),
    R{C::Label6, Kind::Label, "Label6", "结果为:", {240, 2760, 630, 180}}.in(C::Frame2).with(kAutoSize | kResultLine).described("进制转换结果"),

    R{C::Label9, Kind::Label, "Label9", "高精度加法:精确到500位", {240, 3240, 2415, 255}},
    R{C::Command2, Kind::Button, "Command2", "计算", {2520, 3120, 1215, 375}}.tab(11).named("计算高精度加法"),
    R{C::Text5, Kind::TextBox, "Text5", "", {240, 3600, 3015, 270}}.tab(9).named("第一个加数"),
    R{C::Label10, Kind::Label, "Label10", "+", {3360, 3600, 255, 255}},
    R{C::Text6, Kind::TextBox, "Text6", "", {3720, 3600, 3135, 270}}.tab(10).named("第二个加数"),
    R{C::Label11, Kind::Label, "Label11", "结果是:", {240, 3960, 6855, 255}}.with(kResultLine).described("高精度加法结果"),
    R{C::Label12, Kind::Label, "Label12", "高精度乘法:精确到500位", {240, 4320, 4455, 255}},
    R{C::Command4, Kind::Button, "Command4", "计算", {5760, 4440, 1215, 375}}.tab(14).named("计算高精度乘法"),
    R{C::Text7, Kind::TextBox, "Text7", "", {240, 4560, 3495, 270}}.tab(12).named("被乘数"),
    R{C::Label13, Kind::Label, "Label13", "×", {3840, 4560, 255, 255}},
    R{C::Text8, Kind::TextBox, "Text8", "", {4200, 4560, 1215, 270}}.tab(13).named("乘数"),
    R{C::Label14, Kind::Label, "Label14", "结果是:", {240, 5040, 6855, 255}}.with(kResultLine).described("高精度乘法结果"),

    // The buttons along the bottom edge.
    R{C::Command3, Kind::Button, "Command3", "关于几何", {120, 5520, 1215, 495}}.tab(15),
    R{C::Command10, Kind::Button, "Command10", "关于常数", {1560, 5520, 1215, 495}}.tab(23),
    R{C::Command11, Kind::Button, "Command11", "关于阶乘和乘方", {3000, 5520, 1455, 495}}.tab(24),
    R{C::Command12, Kind::Button, "Command12", "关于", {6000, 5520, 1215, 495}}.tab(25),
};
static_assert(checkDesign(kDesign));

}  // namespace

template <Form1Control id>
auto* Form1::c() const {
    return control<kDesign, id>(controls_);
}

QPushButton* Form1::command1(int index) const {
    switch (index) {
    case 1: return c<C::Command1_1>();
    case 2: return c<C::Command1_2>();
    case 3: return c<C::Command1_3>();
    default: return c<C::Command1_4>();
    }
}

Form1::Form1(QWidget* parent) : FormWindow(parent), controls_(build(this, kDesign)) {
    c<C::Text1>()->onGotFocus = [this] { c<C::Text1>()->selectAll(); };  // Text1_GotFocus
    for (int i = 1; i <= 4; ++i) connect(command1(i), &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    connect(c<C::CmdEvaluate>(), &QPushButton::clicked, this, &Form1::CmdEvaluate_Click);
    connect(c<C::Command8>(), &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(c<C::Command5>(), &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(c<C::Command6>(), &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(c<C::Command7>(), &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(c<C::Command13>(), &QPushButton::clicked, this, &Form1::Command13_Click);
    connect(c<C::Command9>(), &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(c<C::Command2>(), &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(c<C::Command4>(), &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(c<C::Command3>(), &QPushButton::clicked, this, &Form1::geometryRequested);
    connect(c<C::Command10>(), &QPushButton::clicked, this, &Form1::constantsRequested);
    connect(c<C::Command11>(), &QPushButton::clicked, this, &Form1::factorialRequested);
    connect(c<C::Command12>(), &QPushButton::clicked, this, &Form1::aboutRequested);
    Form_Load();
}

void Form1::Form_Load() {
    calculator_.Form_Load();
    command1(1)->setFocus();
}

void Form1::showEvent(QShowEvent* event) {
    FormWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        command1(1)->setFocus();
    }
}

void Form1::CmdEvaluate_Click() {
    setCaption(c<C::ResultLabel>(), QString());
    handleFrom(c<C::CmdEvaluate>(), [this] { return c<C::ResultLabel>()->text(); }, [this] {
        setCaption(c<C::ResultLabel>(), fromUtf8(eval::evaluateCommand(toUtf8(c<C::ExprText>()->text()), messages())));
    });
}

}  // namespace ui

namespace ui {

void Form1::showKeyOutcome(const calc::KeyOutcome& outcome) {
    if (!outcome.accepted) return;
    c<C::Text1>()->setText(fromUtf8(outcome.display));
    if (outcome.focusDisplay) {
        c<C::Text1>()->setFocus();
        // The display stays wholly selected after the trim, so the next
        // number typed replaces it.
        c<C::Text1>()->selectAll();
    }
    showStart(c<C::Text1>());
}

void Form1::Command1_Click(int index) {
    // A key that moves the focus to the display has a screen reader read the
    // new display there: nothing more to say then (but on Windows).
    bool displayFocused = false;
    handleFrom(command1(index), [&] { return displayFocused && !kAnnounceIntoFocus ? QString() : c<C::Text1>()->text(); }, [&] {
        const calc::KeyOutcome outcome = calculator_.Command1_Click(index, toUtf8(c<C::Text1>()->text()), messages());
        displayFocused = outcome.accepted && outcome.focusDisplay;
        showKeyOutcome(outcome);
    });
}

void Form1::Command8_Click() {
    handleFrom(c<C::Command8>(), [this] { return c<C::Text1>()->text(); }, [&] {
        showKeyOutcome(calculator_.Command8_Click(toUtf8(c<C::Text1>()->text()), messages()));
    });
}

void Form1::trigKey(QPushButton* key, calc::TrigFunction function) {
    handleFrom(key, [this] { return c<C::Text1>()->text(); }, [&] {
        auto text = calc::trigKey(function, toUtf8(c<C::Text1>()->text()), messages());
        if (!text) return;
        c<C::Text1>()->setText(fromUtf8(*text));
        showStart(c<C::Text1>());
    });
}

void Form1::Command5_Click() { trigKey(c<C::Command5>(), calc::TrigFunction::Tan); }
void Form1::Command6_Click() { trigKey(c<C::Command6>(), calc::TrigFunction::Cos); }
void Form1::Command7_Click() { trigKey(c<C::Command7>(), calc::TrigFunction::Sin); }

void Form1::Command13_Click() {
    handleFrom(c<C::Command13>(), [this] { return c<C::Text10>()->text(); }, [&] {
        auto text = calc::Command13_Click(toUtf8(c<C::Text9>()->text()), messages());
        if (!text) return;
        c<C::Text10>()->setText(fromUtf8(*text));
        showStart(c<C::Text10>());
    });
}

void Form1::Command9_Click() {
    handleFrom(c<C::Command9>(), [this] { return c<C::Label6>()->text(); }, [&] {
        auto caption = calc::Command9_Click(toUtf8(c<C::Text2>()->text()), toUtf8(c<C::Text4>()->text()),
                                            toUtf8(c<C::Text3>()->text()), messages());
        if (caption) setCaption(c<C::Label6>(), fromUtf8(*caption));
    });
}

void Form1::Command2_Click() {
    handleFrom(c<C::Command2>(), [this] { return c<C::Label11>()->text(); }, [&] {
        auto caption = bignum::addCommand(toUtf8(c<C::Text5>()->text()), toUtf8(c<C::Text6>()->text()), messages());
        if (caption) setCaption(c<C::Label11>(), fromUtf8(*caption));
    });
}

void Form1::Command4_Click() {
    handleFrom(c<C::Command4>(), [this] { return c<C::Label14>()->text(); }, [&] {
        auto caption = bignum::multiplyCommand(toUtf8(c<C::Text7>()->text()), toUtf8(c<C::Text8>()->text()), messages());
        if (caption) setCaption(c<C::Label14>(), fromUtf8(*caption));
    });
}

}  // namespace ui
