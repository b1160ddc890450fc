#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/look.h"
#include "ui/result_line.h"
#include "ui/forms.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
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

QComboBox* optionBox(ControlBuilder& b, QWidget* parent, const char* name, Twips place, const char* first,
                     const char* second) {
    QComboBox* combo = b.comboBox(parent, name, place);
    combo->addItem(q(first));
    combo->addItem(q(second));
    combo->setCompleter(nullptr);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
    combo->lineEdit()->installEventFilter(new IgnoreEnter(combo));
    return combo;
}

}  // namespace

Form2::Form2(QWidget* parent) : FormWindow(parent) {
    setupWindow(this, "Form2", QStringLiteral("几何计算"), 7275, 5025);
    setWindowIcon(geometryIcon());
    placeWindow(this, 2460, 2865);

    ControlBuilder b(this);
    QWidget* w = this;
    auto text = [&](int n, Twips place, QWidget* frame = nullptr) {
        std::string name = "Text" + std::to_string(n);
        text_[static_cast<size_t>(n)] = b.textBox(frame ? frame : w, name.c_str(), place);
        return text_[static_cast<size_t>(n)];
    };

    // Triangle from its sides.
    b.label(w, "Label1", q("三角形面积:"), {120, 240, 1335, 255});
    Combo1 = optionBox(b, w, "Combo1", {1560, 240, 1575, 300}, geometry::kThreeSides, geometry::kTwoSidesAndAngle);
    b.label(w, "Label2", q("边:"), {120, 720, 375, 255});
    Label3 = b.label(w, "Label3", q("边:"), {120, 1080, 375, 255});
    b.label(w, "Label4", q("边:"), {120, 1440, 375, 255});
    text(1, {840, 720, 735, 270});
    text(2, {840, 1080, 735, 270});
    text(3, {840, 1440, 735, 270});
    QPushButton* command1 = b.button(w, "Command1", q("计算"), {1800, 720, 1215, 375});
    Label5 = b.label(w, "Label5", q("面积为:"), {1800, 1320, 630, 180}, true);

    // Triangle from its vertices.
    b.label(w, "Label6", q("已知三角形顶点的坐标位置,求三角形面积"), {3360, 240, 3495, 255});
    b.label(w, "Label7", q("X1:"), {3480, 720, 375, 255});
    text(4, {3840, 720, 1215, 270});
    b.label(w, "Label8", q("X2:"), {3480, 1080, 375, 255});
    text(5, {3840, 1080, 1215, 270});
    text(6, {3840, 1440, 1215, 270});
    b.label(w, "Label9", q("X3:"), {3480, 1440, 375, 255});
    b.label(w, "Label10", q("Y1:"), {5160, 720, 375, 255});
    text(7, {5520, 720, 1215, 270});
    b.label(w, "Label11", q("Y2:"), {5160, 1080, 375, 255});
    text(8, {5520, 1080, 1215, 270});
    b.label(w, "Label12", q("Y3:"), {5160, 1440, 375, 255});
    text(9, {5520, 1440, 1215, 270});
    Label13 = b.label(w, "Label13", q("面积为:"), {3480, 1800, 630, 180}, true);
    QPushButton* command2 = b.button(w, "Command2", q("计算"), {6840, 360, 375, 1335});

    // Ellipse.
    b.label(w, "Label14", q("椭圆形面积(已知长短半轴)"), {120, 2280, 3000, 255});
    b.label(w, "Label15", q("长半轴:"), {120, 2760, 825, 255});
    b.label(w, "Label16", q("短半轴:"), {120, 3120, 825, 255});
    text(10, {960, 2760, 1215, 270});
    text(11, {960, 3120, 1215, 270});
    b.label(w, "Label17", q("当长半轴等于短半轴时,计算标准圆面积"), {120, 3600, 3090, 255});
    QPushButton* command3 = b.button(w, "Command3", q("计算"), {2280, 2760, 735, 735});
    Label18 = b.label(w, "Label18", q("面积为:"), {120, 3960, 630, 180}, true);

    // Sphere.
    b.label(w, "Label19", q("关于球的计算(已知半径)"), {3240, 2280, 2175, 255});
    Combo2 = optionBox(b, w, "Combo2", {5400, 2280, 1695, 300}, geometry::kVolume, geometry::kSurface);
    b.label(w, "Label20", q("半径:"), {3240, 2640, 855, 255});
    text(12, {4200, 2640, 1215, 270});
    QPushButton* command4 = b.button(w, "Command4", q("计算"), {5520, 2640, 1215, 375});
    Label21 = b.label(w, "Label21", q("表面积为:"), {3240, 3000, 810, 180}, true);

    // Decimal places: the frame's children are placed from the frame.
    QGroupBox* frame1 = b.frame(w, "Frame1", q("小数选项"), {120, 4200, 2895, 735});
    b.measureFrom(frame1);
    b.label(frame1, "Label22", q("保留"), {120, 360, 375, 255});
    text(13, {600, 360, 615, 270}, frame1)->setText(QStringLiteral("4"));
    b.label(frame1, "Label23", q("小数"), {1320, 360, 495, 255});
    b.measureFrom(w);
    QPushButton* command5 = b.button(w, "Command5", q("确定"), {1920, 4440, 975, 375});

    // Cone.
    b.label(w, "Label24", q("关于锥形体积的计算:"), {3240, 3480, 1710, 180}, true);
    Combo3 = optionBox(b, w, "Combo3", {5160, 3480, 1695, 300}, geometry::kRadiusAndHeight, geometry::kBaseAndHeight);
    b.label(w, "Label25", q("高:"), {3240, 3960, 270, 180}, true);
    text(14, {3600, 3960, 855, 270});
    Label26 = b.label(w, "Label26", q("半径:"), {4560, 3960, 690, 180}, true);
    text(15, {5280, 3960, 855, 270});
    QPushButton* command6 = b.button(w, "Command6", q("计算"), {6240, 3960, 975, 375});
    Label27 = b.label(w, "Label27", q("结果为:"), {3360, 4440, 630, 180}, true);

    for (QLabel* result : {Label5, Label13, Label18, Label21, Label27}) makeResultLine(result);

    QWidget* const order[] = {Combo1,  box(1),  box(2),   box(3),   command1, box(4), box(5),
                              box(6),  box(7),  box(8),   box(9),   command2, box(10), box(11),
                              command3, Combo2, box(12),  command4, box(13),  command5, Combo3,
                              box(14), box(15), command6};
    for (size_t i = 0; i + 1 < std::size(order); ++i) QWidget::setTabOrder(order[i], order[i + 1]);

    nameControls(this, {
        {"Combo1", "三角形面积的已知条件"}, {"Text1", "三角形的第一边"}, {"Text2", "三角形的第二边或夹角"},
        {"Text3", "三角形的第三边或另一边"},
        {"Command1", "计算三角形面积"}, {"Text4", "X1"}, {"Text5", "X2"}, {"Text6", "X3"},
        {"Text7", "Y1"}, {"Text8", "Y2"}, {"Text9", "Y3"}, {"Command2", "按顶点坐标计算三角形面积"},
        {"Text10", "长半轴"}, {"Text11", "短半轴"}, {"Command3", "计算椭圆形面积"},
        {"Combo2", "球的计算选项"}, {"Text12", "球的半径"}, {"Command4", "球的计算"},
        {"Text13", "保留小数位数"}, {"Command5", "确定小数位数"}, {"Combo3", "锥形体积的已知条件"},
        {"Text14", "锥形的高"}, {"Text15", "锥形的半径或底面积"}, {"Command6", "计算锥形体积"},
    });
    setBuddies(this, {{"Label2", "Text1"}, {"Label3", "Text2"}, {"Label4", "Text3"}, {"Label7", "Text4"},
                      {"Label8", "Text5"}, {"Label9", "Text6"}, {"Label10", "Text7"}, {"Label11", "Text8"},
                      {"Label12", "Text9"}, {"Label15", "Text10"}, {"Label16", "Text11"}, {"Label20", "Text12"},
                      {"Label22", "Text13"}, {"Label25", "Text14"}, {"Label26", "Text15"},
                      // A combo box reads as its current item: its heading keeps it named.
                      {"Label1", "Combo1"}, {"Label19", "Combo2"}, {"Label24", "Combo3"}});
    describeControls(this, {
        {"Label2", "三角形的第一边"},   {"Label3", "三角形的第二边或夹角"}, {"Label4", "三角形的第三边或另一边"},
        {"Label5", "三角形面积结果"},   {"Label13", "按顶点坐标的三角形面积结果"},
        {"Label18", "椭圆形面积结果"},  {"Label21", "球的计算结果"},        {"Label27", "锥形体积结果"},
    });

    connect(Combo1, &QComboBox::activated, this, &Form2::Combo1_Click);
    connect(Combo2, &QComboBox::activated, this, &Form2::Combo2_Click);
    connect(Combo3, &QComboBox::activated, this, &Form2::Combo3_Click);
    command_ = {nullptr, command1, command2, command3, command4, command5, command6};
    connect(command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    connect(command5, &QPushButton::clicked, this, &Form2::Command5_Click);
    connect(command6, &QPushButton::clicked, this, &Form2::Command6_Click);
    Form_Load();
}

void Form2::Form_Load() {
    calculators_.Form_Load();
    Combo1->setFocus();
}

void Form2::showEvent(QShowEvent* event) {
    FormWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        Combo1->setFocus();
    }
}

void Form2::showResult(QLabel* label, const std::optional<std::string>& caption) {
    if (!caption) return;
    setCaption(label, QString());
    setCaption(label, QString::fromStdString(*caption));
}

void Form2::Combo1_Click() {
    if (auto c = geometry::GeometryCalculators::Combo1_Click(s(Combo1->currentText()))) setCaption(Label3, q(c->c_str()));
}

void Form2::Combo2_Click() {
    if (auto c = geometry::GeometryCalculators::Combo2_Click(s(Combo2->currentText()))) setCaption(Label21, q(c->c_str()));
}

void Form2::Combo3_Click() {
    if (auto c = geometry::GeometryCalculators::Combo3_Click(s(Combo3->currentText()))) setCaption(Label26, q(c->c_str()));
}

void Form2::Command1_Click() {
    handleFrom(command(1), [this] { return Label5->text(); }, [this] {
        showResult(Label5, calculators_.Command1_Click(s(Combo1->currentText()), s(box(1)->text()),
                                                       s(box(2)->text()), s(box(3)->text()), messages()));
    });
}

void Form2::Command2_Click() {
    handleFrom(command(2), [this] { return Label13->text(); }, [this] {
        showResult(Label13, calculators_.Command2_Click(s(box(4)->text()), s(box(5)->text()), s(box(6)->text()),
                                                        s(box(7)->text()), s(box(8)->text()), s(box(9)->text()),
                                                        messages()));
    });
}

void Form2::Command3_Click() {
    handleFrom(command(3), [this] { return Label18->text(); }, [this] {
        showResult(Label18, calculators_.Command3_Click(s(box(10)->text()), s(box(11)->text()), messages()));
    });
}

void Form2::Command4_Click() {
    handleFrom(command(4), [this] { return Label21->text(); }, [this] {
        showResult(Label21, calculators_.Command4_Click(s(Combo2->currentText()), s(box(12)->text()), messages()));
    });
}

void Form2::Command6_Click() {
    handleFrom(command(6), [this] { return Label27->text(); }, [this] {
        showResult(Label27, calculators_.Command6_Click(s(Combo3->currentText()), s(box(14)->text()),
                                                        s(box(15)->text()), messages()));
    });
}

void Form2::Command5_Click() {
    handleFrom(
        command(5),
        [this] {
            const auto places = calculators_.FormatPattern.size() - 2;  // "0." and one "#" a place
            return QStringLiteral("已设为保留%1位小数").arg(places);
        },
        [this] { calculators_.Command5_Click(s(box(13)->text()), messages()); });
}

}  // namespace ui
