#pragma once
// The windows that the main window opens.

#include "constants/constants.h"
#include "geometry/geometry.h"
#include "ui/controls.h"
#include "ui/form_window.h"

#include <optional>
#include <string>

namespace ui {

// Each window's controls, in the order they are made.
enum class Form2Control {
    Window, Label1, Combo1, Label2, Label3, Label4, Text1, Text2, Text3, Command1, Label5, Label6, Label7, Text4,
    Label8, Text5, Text6, Label9, Label10, Text7, Label11, Text8, Label12, Text9, Label13, Command2, Label14,
    Label15, Label16, Text10, Text11, Label17, Command3, Label18, Label19, Combo2, Label20, Text12, Command4,
    Label21, Frame1, Label22, Text13, Label23, Command5, Label24, Combo3, Label25, Text14, Label26, Text15,
    Command6, Label27, Count
};
enum class Form3Control { Window, Label1, List1, Count };
enum class Form4Control {
    Window, Label1, Text1, Label2, Command1, Label3, Label4, Text2, Label5, Text3, Label6, Command2, Label7, Count
};
enum class Form5Control { Window, Image1, Label2, Label1, Label3, Label4, Count };

// 几何计算: the geometry window.
class Form2 : public FormWindow {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);

    const geometry::GeometryCalculators& calculators() const { return calculators_; }

public slots:
    void Combo1_Click();
    void Command1_Click();  // triangle from its sides
    void Command2_Click();  // triangle from its vertices
    void Command3_Click();  // ellipse
    void Combo2_Click();
    void Command4_Click();  // sphere
    void Combo3_Click();
    void Command6_Click();  // cone
    void Command5_Click();  // decimal places

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    template <Form2Control id> auto* c() const;
    void showResult(QLabel* label, const std::optional<std::string>& caption);

    geometry::GeometryCalculators calculators_;
    Built<Form2Control> controls_;
    bool shownOnce_ = false;
};

// 关于常数: the constants reference.
class Form3 : public FormWindow {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);

public slots:
    // Copies the selected entry's value text (nothing when none is selected).
    void List1_Click();

protected:
    // Ctrl+C in the list copies the value text alone; a mouse press is
    // watched to tell a click on the entry already selected.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void selectionChanged();
    void itemClicked();

    QListWidget* list() const;

    constants::Tables tables_;
    Built<Form3Control> controls_;
    bool copiedByThisPress_ = false;
};

// 关于阶乘和乘方: factorial and power.
class Form4 : public FormWindow {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

public slots:
    void Command1_Click();  // factorial
    void Command2_Click();  // power

protected:
    void showEvent(QShowEvent* event) override;

private:
    template <Form4Control id> auto* c() const;

    Built<Form4Control> controls_;
    bool shownOnce_ = false;
};

// 关于: the About window.
class Form5 : public FormWindow {
    Q_OBJECT
public:
    explicit Form5(QWidget* parent = nullptr);
};

}  // namespace ui
