// The windows the main window opens, driven through their real widgets.

#include "app/lifecycle.h"
#include "tests/recording_messages.h"
#include "gui_support.h"
#include "ui/controls.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QListWidget>

#include <memory>

using namespace guitest;

// A design table that refers wrongly does not compile: each broken row below
// is refused by checkDesign, as the windows' own tables are checked.
namespace design_check {
enum class Id { Window, Frame, Caption, Box, Count };
using R = ui::Control<Id>;
using ui::Kind;
constexpr R kWindow{Id::Window, Kind::Window, "W", "", {0, 0, 150, 150}};
constexpr R kFrame{Id::Frame, Kind::Frame, "F", "", {0, 0, 90, 90}};
constexpr R kCaption = R{Id::Caption, Kind::Label, "L", "", {0, 0, 15, 15}}.names(Id::Box);
constexpr R kBox = R{Id::Box, Kind::TextBox, "T", "", {0, 0, 15, 15}}.in(Id::Frame).tab(1);
constexpr R kGood[] = {kWindow, kFrame, kCaption, kBox};
static_assert(ui::checkDesign(kGood));
constexpr R kOutOfOrder[] = {kWindow, kCaption, kFrame, kBox};
static_assert(!ui::checkDesign(kOutOfOrder));
constexpr R kRowMissing[] = {kWindow, kFrame, kBox};
static_assert(!ui::checkDesign(kRowMissing));
constexpr R kParentNotAFrame[] = {kWindow, kFrame, kCaption, kBox.in(Id::Caption)};
static_assert(!ui::checkDesign(kParentNotAFrame));
constexpr R kBuddyIsALabel[] = {kWindow, kFrame, kCaption.names(Id::Caption), kBox};
static_assert(!ui::checkDesign(kBuddyIsALabel));
constexpr R kDescribedByABox[] = {kWindow, kFrame, kCaption, kBox.describedBy(Id::Box)};
static_assert(!ui::checkDesign(kDescribedByABox));
constexpr R kTabGap[] = {kWindow, kFrame, kCaption, kBox.tab(2)};
static_assert(!ui::checkDesign(kTabGap));
constexpr R kTabTwice[] = {kWindow, kFrame.tab(1), kCaption, kBox};
static_assert(!ui::checkDesign(kTabTwice));
}  // namespace design_check

class Form4Test : public QObject {
    Q_OBJECT

private:
    Harness harness;
    app::Lifecycle* lifecycle = nullptr;
    testing_support::RecordingMessages& messages = harness.messages;
    QWidget* form4() { return lifecycle->factorial(); }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(form4(), name), Qt::LeftButton); }
    void type(const char* box, const QString& text) { control<QLineEdit>(form4(), box)->setText(text); }
    QString captionOf(const char* name) { return control<QLabel>(form4(), name)->text(); }

private slots:
    void initTestCase() { harness.setUp(); }
    void cleanupTestCase() { harness.tearDown(); }

    void init() {
        QVERIFY(harness.start(&app::Lifecycle::Command11_Click, [](app::Lifecycle& l) -> QWidget* { return l.factorial(); }));
        lifecycle = harness.lifecycle();
    }

    void cleanup() { QCOMPARE(harness.stop(), QString()); }

    void opensWithItsDesign() {
        struct Row { const char* name; const char* kind; const char* caption; int l, t, w, h; };
        const Row rows[] = {
            {"Label1", "QLabel", "阶乘:", 120, 360, 735, 255},
            {"Text1", "QLineEdit", "", 1080, 360, 975, 270},
            {"Label2", "QLabel", "!", 2160, 360, 375, 255},
            {"Command1", "QPushButton", "计算", 2760, 240, 1215, 375},
            {"Label4", "QLabel", "乘方:", 120, 1440, 855, 255},
            {"Text2", "QLineEdit", "", 480, 1800, 975, 270},
            {"Text3", "QLineEdit", "", 1800, 1800, 975, 270},
            {"Command2", "QPushButton", "计算", 3360, 1680, 1215, 375},
        };
        for (const Row& r : rows) {
            QWidget* w = control<QWidget>(form4(), r.name);
            QVERIFY2(w && w->inherits(r.kind), r.name);
            QCOMPARE(placeInWindow(w, form4()), twips(r.l, r.t, r.w, r.h));
            if (auto* l = qobject_cast<QLabel*>(w)) QCOMPARE(l->text(), QString::fromUtf8(r.caption));
            if (auto* b = qobject_cast<QPushButton*>(w)) QCOMPARE(b->text(), QString::fromUtf8(r.caption));
            if (auto* e = qobject_cast<QLineEdit*>(w)) QCOMPARE(e->text(), QString());
        }
        struct Auto { const char* name; const char* caption; int l, t; };
        for (const Auto& a : {Auto{"Label3", "结果为:", 120, 840}, Auto{"Label5", "的", 1560, 1800},
                              Auto{"Label6", "次方", 2880, 1800}, Auto{"Label7", "结果为:", 120, 2160}}) {
            auto* l = control<QLabel>(form4(), a.name);
            QCOMPARE(l->text(), QString::fromUtf8(a.caption));
            QCOMPARE(placeInWindow(l, form4()).topLeft(), QPoint(a.l / 15, a.t / 15));
            QCOMPARE(l->size(), l->sizeHint());
        }
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(form4(), "Text1"));
        for (const char* next : {"Command1", "Text2", "Text3", "Command2", "Text1"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
    }

    void factorialAndPower() {
        type("Text1", QStringLiteral("10"));
        click("Command1");
        QCOMPARE(captionOf("Label3"), QStringLiteral("结果为:3628800"));
        type("Text2", QStringLiteral("2"));
        type("Text3", QStringLiteral("10"));
        click("Command2");
        QCOMPARE(captionOf("Label7"), QStringLiteral("结果为:1024"));
        auto* label = control<QLabel>(form4(), "Label7");
        QCOMPARE(label->size(), label->sizeHint());
        QVERIFY(messages.messages.empty());
    }

    void limitsShowTheirMessagesWithNothingChanged() {
        type("Text1", QStringLiteral("5"));
        click("Command1");
        type("Text1", QStringLiteral("254"));
        click("Command1");
        QCOMPARE(captionOf("Label3"), QStringLiteral("结果为:120"));
        type("Text2", QStringLiteral("a"));
        type("Text3", QStringLiteral("b"));
        click("Command2");
        type("Text2", QString());
        type("Text3", QStringLiteral("3"));
        click("Command2");
        QCOMPARE(captionOf("Label7"), QStringLiteral("结果为:"));
        QCOMPARE(take(messages), (std::vector<testing_support::Message>{{"超出500位的计算范围", "Qorvi计算器"},
                                                               {"数据非法", "Qorvi数学计算器"},
                                                               {"数据非法", "Qorvi数学计算器"},
                                                               {"请输入整数", "Qorvi计算器"}}));
    }

    void reopeningStartsFromTheDesign() {
        type("Text1", QStringLiteral("5"));
        click("Command1");
        form4()->close();
        lifecycle->Command11_Click();
        QVERIFY(QTest::qWaitForWindowExposed(form4()));
        QCOMPARE(control<QLineEdit>(form4(), "Text1")->text(), QString());
        QCOMPARE(captionOf("Label3"), QStringLiteral("结果为:"));
    }
};

class Form2Test : public QObject {
    Q_OBJECT

private:
    Harness harness;
    app::Lifecycle* lifecycle = nullptr;
    testing_support::RecordingMessages& messages = harness.messages;
    QWidget* form2() { return lifecycle->geometry(); }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(form2(), name), Qt::LeftButton); }
    void type(const char* box, const QString& text) { control<QLineEdit>(form2(), box)->setText(text); }
    QString captionOf(const char* name) { return control<QLabel>(form2(), name)->text(); }
    QComboBox* combo(const char* name) { return control<QComboBox>(form2(), name); }

    // Picks an item the way a user does: opens the list and clicks the row.
    void pick(const char* name, int row) {
        QComboBox* c = combo(name);
        c->showPopup();
        QAbstractItemView* view = c->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        QRect r = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
        QVERIFY(QTest::qWaitFor([view] { return !view->window()->isVisible(); }));
    }

private slots:
    void initTestCase() { harness.setUp(); }
    void cleanupTestCase() { harness.tearDown(); }

    void init() {
        QVERIFY(harness.start(&app::Lifecycle::Command3_Click, [](app::Lifecycle& l) -> QWidget* { return l.geometry(); }));
        lifecycle = harness.lifecycle();
    }

    void cleanup() { QCOMPARE(harness.stop(), QString()); }

    void opensWithItsDesign() {
        QCOMPARE(control<QLineEdit>(form2(), "Text13")->text(), QStringLiteral("4"));
        QCOMPARE(lifecycle->geometry()->calculators().FormatPattern, std::string("0.####"));
        const std::pair<const char*, QStringList> items[] = {
            {"Combo1", {"已知三边", "已知两边一夹角"}},
            {"Combo2", {"计算体积", "计算表面积"}},
            {"Combo3", {"已知半径和高", "已知底面积和高"}}};
        for (const auto& [name, list] : items) {
            QComboBox* c = combo(name);
            QVERIFY(c->isEditable());
            QCOMPARE(c->currentIndex(), -1);
            QCOMPARE(c->currentText(), QString());
            QStringList texts;
            for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
            QCOMPARE(texts, list);
        }
        struct Row { const char* name; int l, t, w, h; };
        const Row rows[] = {{"Combo1", 1560, 240, 1575, 300}, {"Text2", 840, 1080, 735, 270},
                            {"Command2", 6840, 360, 375, 1335}, {"Command3", 2280, 2760, 735, 735},
                            {"Frame1", 120, 4200, 2895, 735}, {"Label22", 240, 4560, 375, 255},
                            {"Text13", 720, 4560, 615, 270}, {"Command5", 1920, 4440, 975, 375},
                            {"Combo3", 5160, 3480, 1695, 300}, {"Command6", 6240, 3960, 975, 375},
                            {"Label17", 120, 3600, 3090, 255}};  // its note on one line
        for (const Row& r : rows) QCOMPARE(placeInWindow(control<QWidget>(form2(), r.name), form2()), twips(r.l, r.t, r.w, r.h));
        QCOMPARE(control<QWidget>(form2(), "Text13")->parentWidget(), control<QWidget>(form2(), "Frame1"));
        QCOMPARE(control<QWidget>(form2(), "Command5")->parentWidget(), form2());

        const char* const order[] = {"Combo1", "Text1", "Text2", "Text3", "Command1", "Text4", "Text5",
                                     "Text6", "Text7", "Text8", "Text9", "Command2", "Text10", "Text11",
                                     "Command3", "Combo2", "Text12", "Command4", "Text13", "Command5",
                                     "Combo3", "Text14", "Text15", "Command6", "Combo1"};
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Combo1"));
        for (size_t i = 1; i < std::size(order); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* f = QApplication::focusWidget();
            // An editable combo box's text field has the focus on its behalf.
            QString name = qobject_cast<QComboBox*>(f->parentWidget()) ? f->parentWidget()->objectName() : f->objectName();
            QCOMPARE(name, QString::fromLatin1(order[i]));
        }
    }

    void triangleWithPickedModes() {
        type("Text1", QStringLiteral("3"));
        type("Text2", QStringLiteral("4"));
        type("Text3", QStringLiteral("5"));
        click("Command1");
        QCOMPARE(take(messages), (std::vector<testing_support::Message>{{"请选择一个选项", "几何计算"}}));
        pick("Combo1", 0);
        QCOMPARE(combo("Combo1")->currentText(), QStringLiteral("已知三边"));
        click("Command1");
        QCOMPARE(captionOf("Label5"), QStringLiteral("面积为:6."));
        pick("Combo1", 1);
        QCOMPARE(captionOf("Label3"), QStringLiteral("角:"));
        type("Text1", QStringLiteral("10"));
        type("Text2", QStringLiteral("60"));
        type("Text3", QStringLiteral("10"));
        click("Command1");
        QCOMPARE(captionOf("Label5"), QStringLiteral("面积为:43.3013"));
        auto* label = control<QLabel>(form2(), "Label5");
        QCOMPARE(label->size(), label->sizeHint());
        pick("Combo1", 0);
        QCOMPARE(captionOf("Label3"), QStringLiteral("边:"));
        QVERIFY(messages.messages.empty());
    }

    void keyboardPicksCountAsPicks() {
        QComboBox* c = combo("Combo3");
        c->setFocus();
        QTest::keyClick(c, Qt::Key_Down);
        QCOMPARE(c->currentText(), QStringLiteral("已知半径和高"));
        QTest::keyClick(c, Qt::Key_Down);
        QCOMPARE(c->currentText(), QStringLiteral("已知底面积和高"));
        QCOMPARE(captionOf("Label26"), QStringLiteral("底面积:"));
    }

    void typedOptionsComputeButKeepCaptions() {
        QComboBox* c = combo("Combo2");
        c->setFocus();
        // Typed in (QTest types ASCII only; insert() edits as typing does).
        c->lineEdit()->insert(QStringLiteral("计算体积"));
        QTest::keyClick(c->lineEdit(), Qt::Key_Return);
        QCOMPARE(c->currentText(), QStringLiteral("计算体积"));
        QCOMPARE(captionOf("Label21"), QStringLiteral("表面积为:"));
        type("Text12", QStringLiteral("1"));
        click("Command4");
        QCOMPARE(captionOf("Label21"), QStringLiteral("体积为:    4.1888"));
        // Picking an item afterwards replaces the result by its heading.
        pick("Combo2", 1);
        QCOMPARE(captionOf("Label21"), QStringLiteral("表面积为:"));
        QVERIFY(messages.messages.empty());
    }

    void decimalPlacesApplyToLaterResults() {
        type("Text10", QStringLiteral("2"));
        type("Text11", QStringLiteral("1"));
        click("Command3");
        QCOMPARE(captionOf("Label18"), QStringLiteral("面积为:    6.2832"));
        type("Text13", QStringLiteral("2"));
        QCOMPARE(captionOf("Label18"), QStringLiteral("面积为:    6.2832"));
        click("Command5");
        QCOMPARE(captionOf("Label18"), QStringLiteral("面积为:    6.2832"));
        click("Command3");
        QCOMPARE(captionOf("Label18"), QStringLiteral("面积为:    6.28"));
        type("Text13", QStringLiteral("1e1"));
        click("Command5");
        QCOMPARE(take(messages), (std::vector<testing_support::Message>{{"数据非法", "Qorvi数学计算器"}}));
        QCOMPARE(lifecycle->geometry()->calculators().FormatPattern, std::string("0.##"));
    }

    void otherCalculatorsThroughTheirButtons() {
        const char* values[] = {"0", "4", "0", "0", "0", "3"};
        for (int i = 0; i < 6; ++i) type(("Text" + std::to_string(4 + i)).c_str(), QString::fromLatin1(values[i]));
        click("Command2");
        QCOMPARE(captionOf("Label13"), QStringLiteral("面积为:    6"));
        click("Command6");
        pick("Combo3", 0);
        type("Text14", QStringLiteral("3"));
        type("Text15", QStringLiteral("1"));
        click("Command6");
        QCOMPARE(captionOf("Label27"), QStringLiteral("结果为:   3.1416"));
        pick("Combo2", 0);
        click("Command4");
        QCOMPARE(take(messages), (std::vector<testing_support::Message>{{"请选择一个选项", "几何计算"},
                                                               {"请输入半径", "Qorvi数学计算器"}}));
    }

    void reopeningRestoresTheDesign() {
        type("Text13", QStringLiteral("2"));
        click("Command5");
        pick("Combo1", 1);
        form2()->close();
        lifecycle->Command3_Click();
        QVERIFY(QTest::qWaitForWindowExposed(form2()));
        QCOMPARE(control<QLineEdit>(form2(), "Text13")->text(), QStringLiteral("4"));
        QCOMPARE(lifecycle->geometry()->calculators().FormatPattern, std::string("0.####"));
        QCOMPARE(combo("Combo1")->currentText(), QString());
        QCOMPARE(captionOf("Label3"), QStringLiteral("边:"));
    }
};

class Form3Test : public QObject {
    Q_OBJECT

private:
    Harness harness;
    app::Lifecycle* lifecycle = nullptr;
    testing_support::RecordingMessages& messages = harness.messages;
    QListWidget* list() { return control<QListWidget>(lifecycle->constants(), "List1"); }
    QString clipboard() { return QGuiApplication::clipboard()->text(); }
    void clickRow(int row) {
        QRect r = list()->visualItemRect(list()->item(row));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, r.center());
    }

private slots:
    void initTestCase() { harness.setUp(); }
    void cleanupTestCase() { harness.tearDown(); }

    void init() {
        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
        QVERIFY(harness.start(&app::Lifecycle::Command10_Click, [](app::Lifecycle& l) -> QWidget* { return l.constants(); }));
        lifecycle = harness.lifecycle();
    }

    void cleanup() { QCOMPARE(harness.stop(), QString()); }

    void showsItsEntries() {
        QWidget* w = lifecycle->constants();
        QCOMPARE(placeInWindow(control<QLabel>(w, "Label1"), w), twips(120, 120, 6735, 255));
        QCOMPARE(control<QLabel>(w, "Label1")->text(), QStringLiteral("  ^表示乘方,选中项目后自动复制到剪贴板,只需粘贴即可"));
        QCOMPARE(placeInWindow(list(), w), twips(120, 480, 6735, 3840));
        QCOMPARE(list()->count(), 35);
        QCOMPARE(list()->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!list()->isSortingEnabled());
        QCOMPARE(list()->item(8)->text(), QStringLiteral("PI                        3.141592653589"));
        QCOMPARE(list()->selectedItems().size(), 0);
        QCOMPARE(clipboard(), QStringLiteral("untouched"));
    }

    void selectingCopiesTheValueOnly() {
        clickRow(1);
        QCOMPARE(clipboard(), QStringLiteral("299792458"));
        clickRow(8);
        QCOMPARE(clipboard(), QStringLiteral("3.141592653589"));
        clickRow(19);  // 牛奶密度
        QCOMPARE(clipboard(), QStringLiteral("1.03*10^3千克/米^3"));
        QGuiApplication::clipboard()->setText(QStringLiteral("x"));
        clickRow(18);  // 海水密度: the same text again
        QCOMPARE(clipboard(), QStringLiteral("1.03*10^3千克/米^3"));
    }

    void arrowKeysCopyEachNewSelection() {
        clickRow(0);
        QCOMPARE(clipboard(), QStringLiteral("8.8541878188^-12"));
        QTest::keyClick(list(), Qt::Key_Down);
        QCOMPARE(clipboard(), QStringLiteral("299792458"));
        QTest::keyClick(list(), Qt::Key_Down);
        QCOMPARE(clipboard(), QStringLiteral("6.62607015^-34"));
        QTest::keyClick(list(), Qt::Key_Up);
        QCOMPARE(clipboard(), QStringLiteral("299792458"));
    }

    void clickingTheSelectedEntryCopiesItAgain() {
        clickRow(8);
        QCOMPARE(clipboard(), QStringLiteral("3.141592653589"));
        QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
        clickRow(8);
        QCOMPARE(clipboard(), QStringLiteral("3.141592653589"));
        // Selected with the keys, then clicked: copied again as well.
        QTest::keyClick(list(), Qt::Key_Down);
        QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
        clickRow(9);
        QCOMPARE(clipboard(), QStringLiteral("6.02214076^23"));
    }

    void ctrlCCopiesTheValueTextAlone() {
        clickRow(1);
        QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
        QTest::keyClick(list(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard(), QStringLiteral("299792458"));
        list()->clearSelection();
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        QTest::keyClick(list(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard(), QStringLiteral("kept"));
    }

    void clearingTheSelectionCopiesNothing() {
        clickRow(2);
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        list()->clearSelection();
        QCOMPARE(clipboard(), QStringLiteral("kept"));
    }

    void reopeningShows35LinesAgain() {
        lifecycle->constants()->close();
        lifecycle->Command10_Click();
        QVERIFY(QTest::qWaitForWindowExposed(lifecycle->constants()));
        QCOMPARE(list()->count(), 35);
        QCOMPARE(visibleTopLevels(QStringLiteral("Form3")).size(), 1);
    }
};

int main(int argc, char** argv) { return guitest::runTests<Form4Test, Form2Test, Form3Test>(argc, argv); }

#include "gui_windows_test.moc"
