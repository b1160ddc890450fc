#include "ui/forms.h"

#include "ui/result_line.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace ui {

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }
std::string s(const QString& text) { return text.toStdString(); }

// Enter in an option box's text does nothing: only picking an item from its
// list counts as a choice.
class IgnoreEnter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

using C = Form2Control;

using R = Control<C>;
constexpr R kDesign[] = {
    R{C::Window, Kind::Window, "Form2", "几何计算", {2460, 2865, 7275, 5025}}.picture(":/qorvi/geometry.rgba"),
    // Triangle from its sides. A combo box reads as its current item: its heading keeps it named.
    R{C::Label1, Kind::Label, "Label1", "三角形面积:", {120, 240, 1335, 255}}.names(C::Combo1),
    R{C::Combo1, Kind::ComboBox, "Combo1", "", {1560, 240, 1575, 300}}.tab(1).named("三角形面积的已知条件"),
    R{C::Label2, Kind::Label, "Label2", "边:", {120, 720, 375, 255}}.described("三角形的第一边").names(C::Text1),
    R{C::Label3, Kind::Label, "Label3", "边:", {120, 1080, 375, 255}}.described("三角形的第二边或夹角").names(C::Text2),
    R{C::Label4, Kind::Label, "Label4", "边:", {120, 1440, 375, 255}}.described("三角形的第三边或另一边").names(C::Text3),
    R{C::Text1, Kind::TextBox, "Text1", "", {840, 720, 735, 270}}.tab(2).named("三角形的第一边"),
    R{C::Text2, Kind::TextBox, "Text2", "", {840, 1080, 735, 270}}.tab(3).named("三角形的第二边或夹角"),
    R{C::Text3, Kind::TextBox, "Text3", "", {840, 1440, 735, 270}}.tab(4).named("三角形的第三边或另一边"),
    R{C::Command1, Kind::Button, "Command1", "计算", {1800, 720, 1215, 375}}.tab(5).named("计算三角形面积"),
    R{C::Label5, Kind::Label, "Label5", "面积为:", {1800, 1320, 630, 180}}.with(kAutoSize | kResultLine).described("三角形面积结果"),

    // Triangle from its vertices.
    R{C::Label6, Kind::Label, "Label6", "已知三角形顶点的坐标位置,求三角形面积", {3360, 240, 3495, 255}},
    R{C::Label7, Kind::Label, "Label7", "X1:", {3480, 720, 375, 255}}.names(C::Text4),
    R{C::Text4, Kind::TextBox, "Text4", "", {3840, 720, 1215, 270}}.tab(6).named("X1"),
    R{C::Label8, Kind::Label, "Label8", "X2:", {3480, 1080, 375, 255}}.names(C::Text5),
    R{C::Text5, Kind::TextBox, "Text5", "", {3840, 1080, 1215, 270}}.tab(7).named("X2"),
    R{C::Text6, Kind::TextBox, "Text6", "", {3840, 1440, 1215, 270}}.tab(8).named("X3"),
    R{C::Label9, Kind::Label, "Label9", "X3:", {3480, 1440, 375, 255}}.names(C::Text6),
    R{C::Label10, Kind::Label, "Label10", "Y1:", {5160, 720, 375, 255}}.names(C::Text7),
    R{C::Text7, Kind::TextBox, "Text7", "", {5520, 720, 1215, 270}}.tab(9).named("Y1"),
    R{C::Label11, Kind::Label, "Label11", "Y2:", {5160, 1080, 375, 255}}.names(C::Text8),
    R{C::Text8, Kind::TextBox, "Text8", "", {5520, 1080, 1215, 270}}.tab(10).named("Y2"),
    R{C::Label12, Kind::Label, "Label12", "Y3:", {5160, 1440, 375, 255}}.names(C::Text9),
    R{C::Text9, Kind::TextBox, "Text9", "", {5520, 1440, 1215, 270}}.tab(11).named("Y3"),
    R{C::Label13, Kind::Label, "Label13", "面积为:", {3480, 1800, 630, 180}}.with(kAutoSize | kResultLine).described("按顶点坐标的三角形面积结果"),
    R{C::Command2, Kind::Button, "Command2", "计算", {6840, 360, 375, 1335}}.tab(12).named("按顶点坐标计算三角形面积"),

    // Ellipse.
    R{C::Label14, Kind::Label, "Label14", "椭圆形面积(已知长短半轴)", {120, 2280, 3000, 255}},
    R{C::Label15, Kind::Label, "Label15", "长半轴:", {120, 2760, 825, 255}}.names(C::Text10),
    R{C::Label16, Kind::Label, "Label16", "短半轴:", {120, 3120, 825, 255}}.names(C::Text11),
    R{C::Text10, Kind::TextBox, "Text10", "", {960, 2760, 1215, 270}}.tab(13).named("长半轴"),
    R{C::Text11, Kind::TextBox, "Text11", "", {960, 3120, 1215, 270}}.tab(14).named("短半轴"),
    R{C::Label17, Kind::Label, "Label17", "长半轴等于短半轴时,计算标准圆面积", {120, 3600, 3090, 255}},
    R{C::Command3, Kind::Button, "Command3", "计算", {2280, 2760, 735, 735}}.tab(15).named("计算椭圆形面积"),
    R{C::Label18, Kind::Label, "Label18", "面积为:", {120, 3960, 630, 180}}.with(kAutoSize | kResultLine).described("椭圆形面积结果"),

    // Sphere.
    R{C::Label19, Kind::Label, "Label19", "关于球的计算(已知半径)", {3240, 2280, 2175, 255}}.names(C::Combo2),
    R{C::Combo2, Kind::ComboBox, "Combo2", "", {5400, 2280, 1695, 300}}.tab(16).named("球的计算选项"),
    R{C::Label20, Kind::Label, "Label20", "半径:", {3240, 2640, 855, 255}}.names(C::Text12),
    R{C::Text12, Kind::TextBox, "Text12", "", {4200, 2640, 1215, 270}}.tab(17).named("球的半径"),
    R{C::Command4, Kind::Button, "Command4", "计算", {5520, 2640, 1215, 375}}.tab(18).named("球的计算"),
    R{C::Label21, Kind::Label, "Label21", "表面积为:", {3240, 3000, 810, 180}}.with(kAutoSize | kResultLine).described("球的计算结果"),

    // Decimal places: the frame's controls are placed from the frame.
    R{C::Frame1, Kind::Frame, "Frame1", "小数选项", {120, 4200, 2895, 735}},
    R{C::Label22, Kind::Label, "Label22", "保留", {120, 360, 375, 255}}.in(C::Frame1).with(kInFrame).names(C::Text13),
    R{C::Text13, Kind::TextBox, "Text13", "4", {600, 360, 615, 270}}.in(C::Frame1).with(kInFrame).tab(19).named("保留小数位数"),
    R{C::Label23, Kind::Label, "Label23", "小数", {1320, 360, 495, 255}}.in(C::Frame1).with(kInFrame),
    R{C::Command5, Kind::Button, "Command5", "确定", {1920, 4440, 975, 375}}.tab(20).named("确定小数位数"),

    // Cone.
    R{C::Label24, Kind::Label, "Label24", "关于锥形体积的计算:", {3240, 3480, 1710, 180}}.with(kAutoSize).names(C::Combo3),
    R{C::Combo3, Kind::ComboBox, "Combo3", "", {5160, 3480, 1695, 300}}.tab(21).named("锥形体积的已知条件"),
    R{C::Label25, Kind::Label, "Label25", "高:", {3240, 3960, 270, 180}}.with(kAutoSize).names(C::Text14),
    R{C::Text14, Kind::TextBox, "Text14", "", {3600, 3960, 855, 270}}.tab(22).named("锥形的高"),
    R{C::Label26, Kind::Label, "Label26", "半径:", {4560, 3960, 690, 180}}.with(kAutoSize).names(C::Text15),
    R{C::Text15, Kind::TextBox, "Text15", "", {5280, 3960, 855, 270}}.tab(23).named("锥形的半径或底面积"),
    R{C::Command6, Kind::Button, "Command6", "计算", {6240, 3960, 975, 375}}.tab(24).named("计算锥形体积"),
    R{C::Label27, Kind::Label, "Label27", "结果为:", {3360, 4440, 630, 180}}.with(kAutoSize | kResultLine).described("锥形体积结果"),
};
static_assert(checkDesign(kDesign));

// An option box offers its two items, none chosen.
void offer(QComboBox* combo, const char* first, const char* second) {
    combo->addItem(q(first));
    combo->addItem(q(second));
    combo->setCompleter(nullptr);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
    combo->lineEdit()->installEventFilter(new IgnoreEnter(combo));
}

}  // namespace

template <Form2Control id>
auto* Form2::c() const {
    return control<kDesign, id>(controls_);
}

Form2::Form2(QWidget* parent) : FormWindow(parent), controls_(build(this, kDesign)) {
    offer(c<C::Combo1>(), geometry::kThreeSides, geometry::kTwoSidesAndAngle);
    offer(c<C::Combo2>(), geometry::kVolume, geometry::kSurface);
    offer(c<C::Combo3>(), geometry::kRadiusAndHeight, geometry::kBaseAndHeight);
    connect(c<C::Combo1>(), &QComboBox::activated, this, &Form2::Combo1_Click);
    connect(c<C::Combo2>(), &QComboBox::activated, this, &Form2::Combo2_Click);
    connect(c<C::Combo3>(), &QComboBox::activated, this, &Form2::Combo3_Click);
    connect(c<C::Command1>(), &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(c<C::Command2>(), &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(c<C::Command3>(), &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(c<C::Command4>(), &QPushButton::clicked, this, &Form2::Command4_Click);
    connect(c<C::Command5>(), &QPushButton::clicked, this, &Form2::Command5_Click);
    connect(c<C::Command6>(), &QPushButton::clicked, this, &Form2::Command6_Click);
    Form_Load();
}

void Form2::Form_Load() {
    calculators_.Form_Load();
    c<C::Combo1>()->setFocus();
}

void Form2::showEvent(QShowEvent* event) {
    FormWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        c<C::Combo1>()->setFocus();
    }
}

void Form2::showResult(QLabel* label, const std::optional<std::string>& caption) {
    if (!caption) return;
    setCaption(label, QString());
    setCaption(label, QString::fromStdString(*caption));
}

void Form2::Combo1_Click() {
    if (auto caption = geometry::GeometryCalculators::Combo1_Click(s(c<C::Combo1>()->currentText())))
        setCaption(c<C::Label3>(), q(caption->c_str()));
}

void Form2::Combo2_Click() {
    if (auto caption = geometry::GeometryCalculators::Combo2_Click(s(c<C::Combo2>()->currentText())))
        setCaption(c<C::Label21>(), q(caption->c_str()));
}

void Form2::Combo3_Click() {
    if (auto caption = geometry::GeometryCalculators::Combo3_Click(s(c<C::Combo3>()->currentText())))
        setCaption(c<C::Label26>(), q(caption->c_str()));
}

void Form2::Command1_Click() {
    handleFrom(c<C::Command1>(), [this] { return c<C::Label5>()->text(); }, [this] {
        showResult(c<C::Label5>(), calculators_.Command1_Click(s(c<C::Combo1>()->currentText()), s(c<C::Text1>()->text()),
                                                       s(c<C::Text2>()->text()), s(c<C::Text3>()->text()), messages()));
    });
}

void Form2::Command2_Click() {
    handleFrom(c<C::Command2>(), [this] { return c<C::Label13>()->text(); }, [this] {
        showResult(c<C::Label13>(), calculators_.Command2_Click(s(c<C::Text4>()->text()), s(c<C::Text5>()->text()), s(c<C::Text6>()->text()),
                                                        s(c<C::Text7>()->text()), s(c<C::Text8>()->text()), s(c<C::Text9>()->text()),
                                                        messages()));
    });
}

void Form2::Command3_Click() {
    handleFrom(c<C::Command3>(), [this] { return c<C::Label18>()->text(); }, [this] {
        showResult(c<C::Label18>(), calculators_.Command3_Click(s(c<C::Text10>()->text()), s(c<C::Text11>()->text()), messages()));
    });
}

void Form2::Command4_Click() {
    handleFrom(c<C::Command4>(), [this] { return c<C::Label21>()->text(); }, [this] {
        showResult(c<C::Label21>(), calculators_.Command4_Click(s(c<C::Combo2>()->currentText()), s(c<C::Text12>()->text()), messages()));
    });
}

void Form2::Command6_Click() {
    handleFrom(c<C::Command6>(), [this] { return c<C::Label27>()->text(); }, [this] {
        showResult(c<C::Label27>(), calculators_.Command6_Click(s(c<C::Combo3>()->currentText()), s(c<C::Text14>()->text()),
                                                        s(c<C::Text15>()->text()), messages()));
    });
}

void Form2::Command5_Click() {
    handleFrom(
        c<C::Command5>(),
        [this] {
            const auto places = calculators_.FormatPattern.size() - 2;  // "0." and one "#" a place
            return QStringLiteral("已设为保留%1位小数").arg(places);
        },
        [this] { calculators_.Command5_Click(s(c<C::Text13>()->text()), messages()); });
}

}  // namespace ui
