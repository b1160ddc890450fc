#include "ui/form1.h"

#include "bignum/commands.h"
#include "calc/base_conversion.h"
#include "calc/trig.h"
#include "eval/command.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/look.h"
#include "ui/result_line.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

namespace {
QString fromUtf8(const std::string& s) { return QString::fromStdString(s); }
std::string toUtf8(const QString& s) { return s.toStdString(); }
}  // namespace

Form1::Form1(QWidget* parent) : FormWindow(parent) {
    setupWindow(this, "Form1", QStringLiteral("Qorvi数学计算器 V2.54 "), 7440, 6210);
    setWindowIcon(calculatorIcon());
    placeWindow(this, 2295, 1770);
    buildControls();
    setTabOrder();
    nameControls(this, {
        {"Text1", "简易计算显示框"},   {"Command1(1)", "加"},          {"Command1(2)", "减"},
        {"Command1(3)", "乘"},         {"Command1(4)", "除"},          {"Command8", "等于"},
        {"Command5", "正切"},          {"Command6", "余弦"},           {"Command7", "正弦"},
        {"ExprText", "数学表达式"},    {"CmdEvaluate", "计算表达式"},  {"Text9", "角度"},
        {"Text10", "弧度"},            {"Command13", "角度转换为弧度"}, {"Text2", "原数"},
        {"Text4", "原数的进制"},       {"Text3", "目标进制"},          {"Command9", "进制转换"},
        {"Text5", "第一个加数"},       {"Text6", "第二个加数"},        {"Command2", "计算高精度加法"},
        {"Text7", "被乘数"},           {"Text8", "乘数"},              {"Command4", "计算高精度乘法"},
    });
    setBuddies(this, {{"Label3", "Text2"}, {"Label4", "Text3"}, {"Label2", "Text9"}, {"Label8", "Text10"}});
    describeControls(this, {
        {"Label15", "原数的进制"},        {"Label5", "目标进制"},           {"ResultLabel", "表达式结果"},
        {"Label6", "进制转换结果"},       {"Label11", "高精度加法结果"},     {"Label14", "高精度乘法结果"},
    });
    // The instructions above the expression box are the box's description.
    ExprText->setAccessibleDescription(findChild<QLabel*>(QStringLiteral("Label7"))->text());
    Form_Load();
}

void Form1::buildControls() {
    ControlBuilder b(this);
    QWidget* w = this;

    // The simple-calculation band.
    Frame1 = b.frame(w, "Frame1", QStringLiteral("简易计算"), {120, 120, 7215, 1095});
    auto* text1 = b.focusTextBox(w, "Text1", {240, 360, 2535, 375});
    text1->setFont(songFont(14.25));
    text1->onGotFocus = [this] { Text1->selectAll(); };  // Text1_GotFocus
    Text1 = text1;
    const char* const operatorNames[] = {"Command1(1)", "Command1(2)", "Command1(3)", "Command1(4)"};
    const QString operatorCaptions[] = {QStringLiteral("+"), QStringLiteral("-"),
                                        QStringLiteral("×"), QStringLiteral("÷")};
    const int operatorLefts[] = {3000, 3360, 3840, 4200};
    for (int i = 0; i < 4; ++i) {
        // The "×" key belongs to the frame; the others lie over it.
        QWidget* parent = i == 2 ? static_cast<QWidget*>(Frame1) : w;
        QPushButton* key = b.button(parent, operatorNames[i], operatorCaptions[i],
                                    {operatorLefts[i], 360, 375, 375});
        key->setFont(songFont(10.5));
        command1_[static_cast<size_t>(i)] = key;
        connect(key, &QPushButton::clicked, this, [this, i] { Command1_Click(i + 1); });
    }
    Command8 = b.button(Frame1, "Command8", QStringLiteral("="), {240, 840, 495, 255});
    Command5 = b.button(w, "Command5", QStringLiteral("Tan"), {4680, 360, 735, 375});
    Command6 = b.button(w, "Command6", QStringLiteral("Cos"), {5520, 360, 735, 375});
    Command7 = b.button(w, "Command7", QStringLiteral("Sin"), {6360, 360, 735, 375});

    // The scientific-calculation area.
    Frame2 = b.frame(w, "Frame2", QStringLiteral("科学计算"), {120, 1320, 7215, 4095});
    QWidget* f2 = Frame2;
    b.label(w, "Label7",
            QStringLiteral("计算数学表达式:(支持\\,^,%,三角函数),在三角函数中角度,"
                           "请用弧度(在下面转换),请全选后复制粘贴"),
            {3000, 1560, 4215, 375});
    ExprText = b.textBox(w, "ExprText", {3240, 2040, 3735, 270});
    ResultLabel = b.label(w, "ResultLabel", QStringLiteral("结果为:"), {3240, 2400, 630, 180}, true);
    CmdEvaluate = b.button(w, "CmdEvaluate", QStringLiteral("计算"), {3240, 2640, 975, 375});
    b.label(f2, "Label2", QStringLiteral("角度:"), {4800, 2640, 495, 255});
    Text9 = b.textBox(f2, "Text9", {5280, 2640, 375, 270});
    b.label(f2, "Label8", QStringLiteral("-->弧度:"), {5760, 2640, 720, 180}, true);
    Text10 = b.textBox(f2, "Text10", {6480, 2640, 735, 270});
    Command13 = b.button(w, "Command13", QStringLiteral("转换"), {6120, 3000, 975, 375});

    b.label(f2, "Label16", QStringLiteral("进制转换(支持任意进制)"), {240, 1680, 1980, 180}, true);
    b.label(f2, "Label3", QStringLiteral("原数:"), {240, 2040, 450, 180}, true);
    Text2 = b.textBox(f2, "Text2", {720, 2040, 1215, 270});
    Text4 = b.textBox(f2, "Text4", {2040, 2040, 375, 270});
    b.label(f2, "Label15", QStringLiteral("进制"), {2520, 2040, 495, 255});
    b.label(f2, "Label4", QStringLiteral("要转换为"), {240, 2400, 735, 255});
    Text3 = b.textBox(f2, "Text3", {1200, 2400, 615, 270});
    b.label(f2, "Label5", QStringLiteral("进制"), {1920, 2400, 495, 255});
    Command9 = b.button(f2, "Command9", QStringLiteral("转换"), {2520, 2280, 375, 855});
    Label6 = b.label(f2, "Label6", QStringLiteral("结果为:"), {240, 2760, 630, 180}, true);

    b.label(w, "Label9", QStringLiteral("高精度加法:精确到500位"), {240, 3240, 2415, 255});
    Command2 = b.button(w, "Command2", QStringLiteral("计算"), {2520, 3120, 1215, 375});
    Text5 = b.textBox(w, "Text5", {240, 3600, 3015, 270});
    b.label(w, "Label10", QStringLiteral("+"), {3360, 3600, 255, 255});
    Text6 = b.textBox(w, "Text6", {3720, 3600, 3135, 270});
    Label11 = b.label(w, "Label11", QStringLiteral("结果是:"), {240, 3960, 6855, 255});
    b.label(w, "Label12", QStringLiteral("高精度乘法:精确到500位"), {240, 4320, 4455, 255});
    Command4 = b.button(w, "Command4", QStringLiteral("计算"), {5760, 4440, 1215, 375});
    Text7 = b.textBox(w, "Text7", {240, 4560, 3495, 270});
    b.label(w, "Label13", QStringLiteral("×"), {3840, 4560, 255, 255});
    Text8 = b.textBox(w, "Text8", {4200, 4560, 1215, 270});
    Label14 = b.label(w, "Label14", QStringLiteral("结果是:"), {240, 5040, 6855, 255});

    // The buttons along the bottom edge.
    Command3 = b.button(w, "Command3", QStringLiteral("关于几何"), {120, 5520, 1215, 495});
    Command10 = b.button(w, "Command10", QStringLiteral("关于常数"), {1560, 5520, 1215, 495});
    Command11 = b.button(w, "Command11", QStringLiteral("关于阶乘和乘方"), {3000, 5520, 1455, 495});
    Command12 = b.button(w, "Command12", QStringLiteral("关于"), {6000, 5520, 1215, 495});

    connect(CmdEvaluate, &QPushButton::clicked, this, &Form1::CmdEvaluate_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command13, &QPushButton::clicked, this, &Form1::Command13_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    for (QLabel* result : {ResultLabel, Label6, Label11, Label14}) makeResultLine(result);
    connect(Command3, &QPushButton::clicked, this, &Form1::geometryRequested);
    connect(Command10, &QPushButton::clicked, this, &Form1::constantsRequested);
    connect(Command11, &QPushButton::clicked, this, &Form1::factorialRequested);
    connect(Command12, &QPushButton::clicked, this, &Form1::aboutRequested);
}

void Form1::setTabOrder() {
    QWidget* const order[] = {
        command1(1), command1(2), command1(3), command1(4), Text1,     ExprText,  CmdEvaluate,
        Command8,    Text5,       Text6,       Command2,    Text7,     Text8,     Command4,
        Command3,    Text2,       Text3,       Command9,    Text4,     Command7,  Command5,
        Command6,    Command10,   Command11,   Command12,   Text9,     Text10,    Command13,
    };
    for (size_t i = 0; i + 1 < std::size(order); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
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
    setCaption(ResultLabel, QString());
    handleFrom(CmdEvaluate, [this] { return ResultLabel->text(); }, [this] {
        setCaption(ResultLabel, fromUtf8(eval::evaluateCommand(toUtf8(ExprText->text()), messages())));
    });
}

}  // namespace ui

namespace ui {

void Form1::showKeyOutcome(const calc::KeyOutcome& outcome) {
    if (!outcome.accepted) return;
    Text1->setText(fromUtf8(outcome.display));
    if (outcome.focusDisplay) {
        Text1->setFocus();
        // The display stays wholly selected after the trim, so the next
        // number typed replaces it.
        Text1->selectAll();
    }
    showStart(Text1);
}

void Form1::Command1_Click(int index) {
    // A key that moves the focus to the display has a screen reader read the
    // new display there: nothing more to say then (but on Windows).
    bool displayFocused = false;
    handleFrom(command1(index), [&] { return displayFocused && !kAnnounceIntoFocus ? QString() : Text1->text(); }, [&] {
        const calc::KeyOutcome outcome = calculator_.Command1_Click(index, toUtf8(Text1->text()), messages());
        displayFocused = outcome.accepted && outcome.focusDisplay;
        showKeyOutcome(outcome);
    });
}

void Form1::Command8_Click() {
    handleFrom(Command8, [this] { return Text1->text(); }, [&] {
        showKeyOutcome(calculator_.Command8_Click(toUtf8(Text1->text()), messages()));
    });
}

void Form1::trigKey(QPushButton* key, calc::TrigFunction function) {
    handleFrom(key, [this] { return Text1->text(); }, [&] {
        auto text = calc::trigKey(function, toUtf8(Text1->text()), messages());
        if (!text) return;
        Text1->setText(fromUtf8(*text));
        showStart(Text1);
    });
}

void Form1::Command5_Click() { trigKey(Command5, calc::TrigFunction::Tan); }
void Form1::Command6_Click() { trigKey(Command6, calc::TrigFunction::Cos); }
void Form1::Command7_Click() { trigKey(Command7, calc::TrigFunction::Sin); }

void Form1::Command13_Click() {
    handleFrom(Command13, [this] { return Text10->text(); }, [&] {
        auto text = calc::Command13_Click(toUtf8(Text9->text()), messages());
        if (!text) return;
        Text10->setText(fromUtf8(*text));
        showStart(Text10);
    });
}

void Form1::Command9_Click() {
    handleFrom(Command9, [this] { return Label6->text(); }, [&] {
        auto caption = calc::Command9_Click(toUtf8(Text2->text()), toUtf8(Text4->text()),
                                            toUtf8(Text3->text()), messages());
        if (caption) setCaption(Label6, fromUtf8(*caption));
    });
}

void Form1::Command2_Click() {
    handleFrom(Command2, [this] { return Label11->text(); }, [&] {
        auto caption = bignum::addCommand(toUtf8(Text5->text()), toUtf8(Text6->text()), messages());
        if (caption) setCaption(Label11, fromUtf8(*caption));
    });
}

void Form1::Command4_Click() {
    handleFrom(Command4, [this] { return Label14->text(); }, [&] {
        auto caption = bignum::multiplyCommand(toUtf8(Text7->text()), toUtf8(Text8->text()), messages());
        if (caption) setCaption(Label14, fromUtf8(*caption));
    });
}

}  // namespace ui
