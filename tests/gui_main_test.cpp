// The main window, the windows it opens, and the evaluate command, driven
// through their real widgets.

#include "app/lifecycle.h"
#include "tests/recording_messages.h"
#include "runtime/error.h"
#include "gui_support.h"
#include "ui/controls.h"
#include "ui/look.h"
#include "ui/message_box.h"

#include <QDialogButtonBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QMessageBox>
#include <QSignalSpy>

#include <memory>

using namespace guitest;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    Harness harness;
    app::Lifecycle* lifecycle = nullptr;
    testing_support::RecordingMessages& messages = harness.messages;
    QWidget* form1() { return &lifecycle->main(); }

    void click(const char* name) { QTest::mouseClick(control<QPushButton>(form1(), name), Qt::LeftButton); }
    QString captionOf(const char* name) { return control<QLabel>(form1(), name)->text(); }

private slots:
    void initTestCase() { harness.setUp(); }
    void cleanupTestCase() { harness.tearDown(); }

    void init() {
        QVERIFY(harness.start());
        lifecycle = harness.lifecycle();
    }

    void cleanup() { QCOMPARE(harness.stop(), QString()); }

    void startsWithItsDesignState() {
        QWidget* w = form1();
        QCOMPARE(w->objectName(), QStringLiteral("Form1"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Qorvi数学计算器 V" QORVI_VERSION " "));
        QCOMPARE(w->size(), QSize(496, 414));
        QCOMPARE(w->geometry().topLeft(), QPoint(153, 118));
        QVERIFY(!w->windowIcon().isNull());
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(w, "Command1(1)"));
        for (const char* box : {"Text1", "ExprText", "Text2", "Text3", "Text4", "Text5", "Text6",
                                "Text7", "Text8", "Text9", "Text10"})
            QCOMPARE(control<QLineEdit>(w, box)->text(), QString());
        QCOMPARE(QFontInfo(w->font()).family(), QStringLiteral("AR PL UMing CN"));
        QCOMPARE(QFontInfo(control<QLineEdit>(w, "Text1")->font()).pointSizeF(), 14.25);
        QCOMPARE(QFontInfo(control<QPushButton>(w, "Command1(3)")->font()).pointSizeF(), 10.5);
    }

    void controlsHaveTheirKindCaptionAndPlace_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        struct Row { const char* name; const char* kind; const char* caption; int l, t, w, h; };
        const Row rows[] = {
            {"Frame1", "QGroupBox", "简易计算", 120, 120, 7215, 1095},
            {"Text1", "QLineEdit", "", 240, 360, 2535, 375},
            {"Command1(1)", "QPushButton", "+", 3000, 360, 375, 375},
            {"Command1(2)", "QPushButton", "-", 3360, 360, 375, 375},
            {"Command1(3)", "QPushButton", "×", 3840, 360, 375, 375},
            {"Command1(4)", "QPushButton", "÷", 4200, 360, 375, 375},
            {"Command8", "QPushButton", "=", 240, 840, 495, 255},
            {"Command5", "QPushButton", "Tan", 4680, 360, 735, 375},
            {"Command6", "QPushButton", "Cos", 5520, 360, 735, 375},
            {"Command7", "QPushButton", "Sin", 6360, 360, 735, 375},
            {"Frame2", "QGroupBox", "科学计算", 120, 1320, 7215, 4095},
            {"Label7", "QLabel", "计算数学表达式:(支持\\,^,%,三角函数),在三角函数中角度,请用弧度(在下面转换),请全选后复制粘贴", 3000, 1560, 4215, 375},
            {"ExprText", "QLineEdit", "", 3240, 2040, 3735, 270},
            {"CmdEvaluate", "QPushButton", "计算", 3240, 2640, 975, 375},
            {"Label2", "QLabel", "角度:", 4800, 2640, 495, 255},
            {"Text9", "QLineEdit", "", 5280, 2640, 375, 270},
            {"Text10", "QLineEdit", "", 6480, 2640, 735, 270},
            {"Command13", "QPushButton", "转换", 6120, 3000, 975, 375},
            {"Text2", "QLineEdit", "", 720, 2040, 1215, 270},
            {"Text4", "QLineEdit", "", 2040, 2040, 375, 270},
            {"Label15", "QLabel", "进制", 2520, 2040, 495, 255},
            {"Label4", "QLabel", "要转换为", 240, 2400, 735, 255},
            {"Text3", "QLineEdit", "", 1200, 2400, 615, 270},
            {"Label5", "QLabel", "进制", 1920, 2400, 495, 255},
            {"Command9", "QPushButton", "转换", 2520, 2280, 375, 855},
            {"Label9", "QLabel", "高精度加法:精确到500位", 240, 3240, 2415, 255},
            {"Command2", "QPushButton", "计算", 2520, 3120, 1215, 375},
            {"Text5", "QLineEdit", "", 240, 3600, 3015, 270},
            {"Label10", "QLabel", "+", 3360, 3600, 255, 255},
            {"Text6", "QLineEdit", "", 3720, 3600, 3135, 270},
            {"Label11", "QLabel", "结果是:", 240, 3960, 6855, 255},
            {"Label12", "QLabel", "高精度乘法:精确到500位", 240, 4320, 4455, 255},
            {"Command4", "QPushButton", "计算", 5760, 4440, 1215, 375},
            {"Text7", "QLineEdit", "", 240, 4560, 3495, 270},
            {"Label13", "QLabel", "×", 3840, 4560, 255, 255},
            {"Text8", "QLineEdit", "", 4200, 4560, 1215, 270},
            {"Label14", "QLabel", "结果是:", 240, 5040, 6855, 255},
            {"Command3", "QPushButton", "关于几何", 120, 5520, 1215, 495},
            {"Command10", "QPushButton", "关于常数", 1560, 5520, 1215, 495},
            {"Command11", "QPushButton", "关于阶乘和乘方", 3000, 5520, 1455, 495},
            {"Command12", "QPushButton", "关于", 6000, 5520, 1215, 495},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << QString::fromLatin1(r.name) << QString::fromLatin1(r.kind)
                                  << QString::fromUtf8(r.caption) << twips(r.l, r.t, r.w, r.h);
    }

    void controlsHaveTheirKindCaptionAndPlace() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        QWidget* w = form1()->findChild<QWidget*>(name);
        QVERIFY2(w, qPrintable(name));
        QVERIFY(w->inherits(kind.toLatin1().constData()));
        // A wrapped caption's box grows only where its face's lines need it.
        auto* label = qobject_cast<QLabel*>(w);
        if (label && label->wordWrap()) {
            const QFontMetrics fm(label->font());
            const int lines = fm.boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text()).height();
            place.setHeight(std::max(place.height(), lines));
        }
        QCOMPARE(placeInWindow(w, form1()), place);
        if (auto* l = qobject_cast<QLabel*>(w)) QCOMPARE(l->text(), caption);
        if (auto* b = qobject_cast<QPushButton*>(w)) QCOMPARE(b->text(), caption);
        if (auto* g = qobject_cast<QGroupBox*>(w)) QCOMPARE(g->title(), caption);
    }

    void labelsThatSizeThemselvesFitTheirCaption() {
        struct Row { const char* name; const char* caption; int l, t; };
        const Row rows[] = {{"ResultLabel", "结果为:", 3240, 2400}, {"Label8", "-->弧度:", 5760, 2640},
                            {"Label16", "进制转换(支持任意进制)", 240, 1680}, {"Label3", "原数:", 240, 2040},
                            {"Label6", "结果为:", 240, 2760}};
        for (const Row& r : rows) {
            auto* l = control<QLabel>(form1(), r.name);
            QCOMPARE(l->text(), QString::fromUtf8(r.caption));
            QCOMPARE(placeInWindow(l, form1()).topLeft(), QPoint(r.l / 15, r.t / 15));
            QCOMPARE(l->size(), l->sizeHint());
        }
        // 7 characters at 12 and 6 pixels: the design's 630 twips.
        QCOMPARE(control<QLabel>(form1(), "ResultLabel")->width(), 42);
        QVERIFY(control<QLabel>(form1(), "Label7")->wordWrap());
    }

    void frameChildrenBelongToTheirFrames() {
        QWidget* frame1 = control<QGroupBox>(form1(), "Frame1");
        QWidget* frame2 = control<QGroupBox>(form1(), "Frame2");
        QCOMPARE(control<QWidget>(form1(), "Command1(3)")->parentWidget(), frame1);
        QCOMPARE(control<QWidget>(form1(), "Command8")->parentWidget(), frame1);
        QCOMPARE(control<QWidget>(form1(), "Command1(1)")->parentWidget(), form1());
        for (const char* n : {"Label2", "Text9", "Label8", "Text10", "Text2", "Command9", "Label6"})
            QCOMPARE(control<QWidget>(form1(), n)->parentWidget(), frame2);
        QCOMPARE(control<QWidget>(form1(), "Command13")->parentWidget(), form1());
    }

    void tabVisitsTheDesignOrder() {
        const char* const order[] = {
            "Command1(1)", "Command1(2)", "Command1(3)", "Command1(4)", "Text1", "ExprText",
            "CmdEvaluate", "Command8", "Text5", "Text6", "Command2", "Text7", "Text8", "Command4",
            "Command3", "Text2", "Text3", "Command9", "Text4", "Command7", "Command5", "Command6",
            "Command10", "Command11", "Command12", "Text9", "Text10", "Command13", "Command1(1)"};
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(order[0]));
        for (size_t i = 1; i < std::size(order); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(order[i]));
        }
    }

    void text1SelectsItsWholeTextOnFocus() {
        auto* text1 = control<QLineEdit>(form1(), "Text1");
        text1->setText(QStringLiteral("12.5"));
        for (int i = 0; i < 4; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), text1);
        QCOMPARE(text1->selectedText(), QStringLiteral("12.5"));
        QTest::keyClick(text1, Qt::Key_7);
        QCOMPARE(text1->text(), QStringLiteral("7"));

        // Moved there by a program step, it selects all too.
        control<QWidget>(form1(), "ExprText")->setFocus();
        text1->setText(QStringLiteral("345"));
        text1->deselect();
        text1->setFocus();
        QCOMPARE(text1->selectedText(), QStringLiteral("345"));
    }

    void evaluateShowsTheSingleValue_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("caption");
        QTest::newRow("empty") << "" << "结果是:  0";
        QTest::newRow("2*(3+4)") << "2*(3+4)" << "结果是:  14";
        QTest::newRow("1/3") << "1/3" << "结果是:  0.3333333";
        QTest::newRow("2-2.01") << "2-2.01" << "结果是:  -9.99999E-03";
        QTest::newRow("2^3^2") << "2^3^2" << "结果是:  64";
        QTest::newRow("sqr(16)") << "  sqr(16) " << "结果是:  4";
        QTest::newRow("1e7") << "1e7" << "结果是:  1E+07";
    }

    void evaluateShowsTheSingleValue() {
        QFETCH(QString, expression);
        QFETCH(QString, caption);
        control<QLineEdit>(form1(), "ExprText")->setText(expression);
        click("CmdEvaluate");
        QCOMPARE(captionOf("ResultLabel"), caption);
        auto* label = control<QLabel>(form1(), "ResultLabel");
        QCOMPARE(label->size(), label->sizeHint());
        QVERIFY(messages.messages.empty());
        QCOMPARE(control<QLineEdit>(form1(), "ExprText")->text(), expression);
    }

    void evaluateReportsErrorsByTheirDescription_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("1/0") << "1/0" << "除数为零";
        QTest::newRow("((1)") << "((1)" << "Missing ) in '((1)'";
        QTest::newRow("(1))") << " (1))" << "Too many )s in '(1))'";
        QTest::newRow("sin(pi)") << "sin(pi)" << "Error evaluating 'pi' as a constant.";
        QTest::newRow("sqr(-1)") << "sqr(-1)" << "无效的过程调用或参数";
        QTest::newRow("3e38*10") << "3e38*10" << "溢出";
        QTest::newRow("too long") << QString(32767, QLatin1Char('1')) << "溢出";
    }

    void evaluateReportsErrorsByTheirDescription() {
        QFETCH(QString, expression);
        QFETCH(QString, prompt);
        control<QLineEdit>(form1(), "ExprText")->setText(QStringLiteral("1+1"));
        click("CmdEvaluate");
        QCOMPARE(captionOf("ResultLabel"), QStringLiteral("结果是:  2"));

        control<QLineEdit>(form1(), "ExprText")->setText(expression);
        click("CmdEvaluate");
        QCOMPARE(captionOf("ResultLabel"), QString());
        auto shown = take(messages);
        QCOMPARE(shown.size(), size_t(1));
        QCOMPARE(QString::fromStdString(shown[0].prompt), prompt);
        QCOMPARE(QString::fromStdString(shown[0].title), QStringLiteral("Qorvi计算器"));
        QCOMPARE(control<QLineEdit>(form1(), "ExprText")->text(), expression);
    }

    void enterInTheExpressionBoxDoesNotEvaluate() {
        auto* expr = control<QLineEdit>(form1(), "ExprText");
        expr->setText(QStringLiteral("1+2"));
        expr->setFocus();
        QTest::keyClick(expr, Qt::Key_Return);
        QTest::keyClick(expr, Qt::Key_Enter);
        QCOMPARE(captionOf("ResultLabel"), QStringLiteral("结果为:"));
    }

    void enterOnAFocusedButtonClicksIt() {
        control<QLineEdit>(form1(), "ExprText")->setText(QStringLiteral("1+2"));
        auto* evaluate = control<QPushButton>(form1(), "CmdEvaluate");
        evaluate->setFocus();
        QTest::keyClick(evaluate, Qt::Key_Return);
        QCOMPARE(captionOf("ResultLabel"), QStringLiteral("结果是:  3"));
        control<QLineEdit>(form1(), "ExprText")->setText(QStringLiteral("2*5"));
        QTest::keyClick(evaluate, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(captionOf("ResultLabel"), QStringLiteral("结果是:  10"));

        // The operator keys too: Enter on "+" completes like a click.
        auto* display = control<QLineEdit>(form1(), "Text1");
        display->setText(QStringLiteral("5"));
        lifecycle->main().command1(1)->setFocus();
        QTest::keyClick(lifecycle->main().command1(1), Qt::Key_Return);
        display->setText(QStringLiteral("3"));
        QTest::keyClick(lifecycle->main().command1(1), Qt::Key_Return);
        QCOMPARE(display->text(), QStringLiteral("8"));

        // With a modifier it is not a press of the button.
        evaluate->setFocus();
        control<QLineEdit>(form1(), "ExprText")->setText(QStringLiteral("7"));
        QTest::keyClick(evaluate, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(captionOf("ResultLabel"), QStringLiteral("结果是:  10"));
        QVERIFY(messages.messages.empty());
    }

    void eachWindowOpensOnceAndComesToTheFront() {
        const char* const buttons[] = {"Command3", "Command10", "Command11", "Command12"};
        const char* const forms[] = {"Form2", "Form3", "Form4", "Form5"};
        for (int i = 0; i < 4; ++i) {
            click(buttons[i]);
            click(buttons[i]);
            QCOMPARE(visibleTopLevels(QString::fromLatin1(forms[i])).size(), 1);
        }
        QCOMPARE(lifecycle->constants()->windowTitle(), QStringLiteral("关于常数"));
        QCOMPARE(lifecycle->constants()->size(), QSize(464, 295));
        QCOMPARE(lifecycle->constants()->geometry().topLeft(), QPoint(185, 212));
        QCOMPARE(lifecycle->geometry()->windowTitle(), QStringLiteral("几何计算"));
        QCOMPARE(lifecycle->geometry()->size(), QSize(485, 335));
        QCOMPARE(lifecycle->geometry()->geometry().topLeft(), QPoint(164, 191));
        QCOMPARE(lifecycle->factorial()->windowTitle(), QStringLiteral("关于阶乘和乘方"));
        QCOMPARE(lifecycle->factorial()->size(), QSize(312, 173));
        QCOMPARE(lifecycle->about()->windowTitle(), QStringLiteral("关于"));
        QCOMPARE(lifecycle->about()->size(), QSize(312, 224));
        // Modeless and without an owner: every window is its own top level.
        for (QWidget* w : {static_cast<QWidget*>(lifecycle->geometry()), static_cast<QWidget*>(lifecycle->about())}) {
            QVERIFY(w->isWindow());
            QCOMPARE(w->parentWidget(), nullptr);
            QCOMPARE(w->windowModality(), Qt::NonModal);
        }
    }

    void aClosedWindowIsBuiltAfresh() {
        click("Command10");
        QPointer<QWidget> first = lifecycle->constants();
        QVERIFY(first);
        first->close();
        QCOMPARE(lifecycle->constants(), nullptr);
        click("Command10");  // before the closed one's deferred deletion has run
        QVERIFY(lifecycle->constants() != first.data());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QCOMPARE(visibleTopLevels(QStringLiteral("Form3")).size(), 1);
    }

    void closingAnotherWindowNeverEndsTheProgram() {
        QSignalSpy finished(lifecycle, &app::Lifecycle::finished);
        click("Command12");
        lifecycle->about()->close();
        click("Command3");
        lifecycle->geometry()->close();
        QCOMPARE(finished.count(), 0);
        QVERIFY(form1()->isVisible());
    }

    void closingTheMainWindowClosesAllInOrderAndEnds() {
        QSignalSpy finished(lifecycle, &app::Lifecycle::finished);
        for (const char* b : {"Command12", "Command11", "Command10", "Command3"}) click(b);
        QStringList closedOrder;
        for (ui::FormWindow* w : std::initializer_list<ui::FormWindow*>{
                 lifecycle->geometry(), lifecycle->constants(), lifecycle->factorial(), lifecycle->about()})
            connect(w, &ui::FormWindow::closed, this, [w, &closedOrder] { closedOrder << w->objectName(); });
        form1()->close();
        QCOMPARE(closedOrder, (QStringList{"Form2", "Form3", "Form4", "Form5"}));
        QCOMPARE(finished.count(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const char* n : {"Form1", "Form2", "Form3", "Form4", "Form5"})
            QCOMPARE(visibleTopLevels(QString::fromLatin1(n)).size(), 0);
    }

    void closingTheMainWindowAloneEnds() {
        QSignalSpy finished(lifecycle, &app::Lifecycle::finished);
        form1()->close();
        QCOMPARE(finished.count(), 1);
    }

    void fourFunctionKeysDriveTheDisplay() {
        auto* text1 = control<QLineEdit>(form1(), "Text1");
        text1->setText(QStringLiteral("2"));
        click("Command1(1)");
        QCOMPARE(QApplication::focusWidget(), text1);
        QCOMPARE(text1->selectedText(), QStringLiteral("2"));
        QTest::keyClicks(text1, QStringLiteral("3"));  // replaces the selected display
        click("Command1(3)");
        QCOMPARE(text1->text(), QStringLiteral("5"));
        QCOMPARE(text1->selectedText(), QStringLiteral("5"));
        QTest::keyClicks(text1, QStringLiteral("4"));
        control<QWidget>(form1(), "ExprText")->setFocus();
        click("Command8");
        QCOMPARE(text1->text(), QStringLiteral("20"));
        QVERIFY(QApplication::focusWidget() != text1);  // "=" leaves the focus where it was
        QVERIFY(messages.messages.empty());
    }

    void divisionByZeroShowsItsBoxThenTheRunningValue() {
        auto* text1 = control<QLineEdit>(form1(), "Text1");
        text1->setText(QStringLiteral("6"));
        click("Command1(4)");
        text1->setText(QStringLiteral("0"));
        click("Command8");
        QCOMPARE(text1->text(), QStringLiteral("6"));
        auto shown = take(messages);
        QCOMPARE(shown.size(), size_t(1));
        QCOMPARE(shown[0], (testing_support::Message{"以零作除数", "Qorvi计算器"}));
    }

    void rejectedDisplayChangesNothing() {
        auto* text1 = control<QLineEdit>(form1(), "Text1");
        text1->setText(QStringLiteral("1e5"));
        click("Command1(1)");
        QCOMPARE(text1->text(), QStringLiteral("1e5"));
        QVERIFY(QApplication::focusWidget() != text1);
        QCOMPARE(take(messages), (std::vector<testing_support::Message>{{"数据非法", "Qorvi数学计算器"}}));
        QVERIFY(lifecycle->main().calculator().AwaitingFirst);
    }

    void trigKeysAndConverter() {
        auto* text1 = control<QLineEdit>(form1(), "Text1");
        text1->setText(QStringLiteral("60"));
        click("Command6");
        QCOMPARE(text1->text(), QStringLiteral("0.50"));
        click("Command5");  // the tangent of 0.50 degrees
        QVERIFY2(text1->text().startsWith(QStringLiteral("8.7268677")) && text1->text().endsWith(QStringLiteral("E-03")),
                 qPrintable(text1->text()));
        text1->setText(QString());
        click("Command7");
        QCOMPARE(text1->text(), QStringLiteral("0"));
        control<QLineEdit>(form1(), "Text9")->setText(QStringLiteral("180"));
        click("Command13");
        QCOMPARE(control<QLineEdit>(form1(), "Text10")->text(), QStringLiteral("3.14159265358979"));
        QCOMPARE(control<QLineEdit>(form1(), "Text9")->text(), QStringLiteral("180"));
        // A long value shows its start: the box reads from its first digit.
        control<QLineEdit>(form1(), "Text9")->setText(QStringLiteral("1"));
        click("Command13");
        QCOMPARE(control<QLineEdit>(form1(), "Text10")->text(), QStringLiteral("1.74532925199433E-02"));
        QCOMPARE(control<QLineEdit>(form1(), "Text10")->cursorPosition(), 0);
        QVERIFY(messages.messages.empty());
    }

    void baseConversionWritesItsLabel() {
        control<QLineEdit>(form1(), "Text2")->setText(QStringLiteral("255"));
        control<QLineEdit>(form1(), "Text4")->setText(QStringLiteral("10"));
        control<QLineEdit>(form1(), "Text3")->setText(QStringLiteral("16"));
        click("Command9");
        auto* label = control<QLabel>(form1(), "Label6");
        QCOMPARE(label->text(), QStringLiteral("结果为:FF"));
        QCOMPARE(label->size(), label->sizeHint());
        control<QLineEdit>(form1(), "Text3")->setText(QStringLiteral("1"));
        click("Command9");
        QCOMPARE(label->text(), QStringLiteral("结果为:FF"));
        QCOMPARE(take(messages), (std::vector<testing_support::Message>{{"目标进制必须不小于2", "Qorvi计算器"}}));
    }

    void longAdditionAndMultiplication() {
        control<QLineEdit>(form1(), "Text5")->setText(QStringLiteral("007"));
        control<QLineEdit>(form1(), "Text6")->setText(QStringLiteral("1"));
        click("Command2");
        QCOMPARE(captionOf("Label11"), QStringLiteral("结果是:  008"));
        control<QLineEdit>(form1(), "Text7")->setText(QStringLiteral("13"));
        control<QLineEdit>(form1(), "Text8")->setText(QStringLiteral("-5"));
        click("Command4");
        QCOMPARE(captionOf("Label14"), QStringLiteral("结果是:  -65"));
        QVERIFY(messages.messages.empty());

        // Refusals leave the captions as they were.
        control<QLineEdit>(form1(), "Text5")->setText(QString(499, QLatin1Char('9')));
        click("Command2");
        control<QLineEdit>(form1(), "Text7")->setText(QStringLiteral("x"));
        control<QLineEdit>(form1(), "Text8")->setText(QStringLiteral("y"));
        click("Command4");
        QCOMPARE(captionOf("Label11"), QStringLiteral("结果是:  008"));
        control<QLineEdit>(form1(), "Text7")->setText(QStringLiteral("13"));
        control<QLineEdit>(form1(), "Text8")->setText(QStringLiteral("0.5"));
        click("Command4");
        QCOMPARE(captionOf("Label11"), QStringLiteral("结果是:  008"));
        QCOMPARE(captionOf("Label14"), QStringLiteral("结果是:  -65"));
        QCOMPARE(take(messages), (std::vector<testing_support::Message>{{"超出500位的计算范围", "Qorvi计算器"},
                                                               {"数据非法", "Qorvi数学计算器"},
                                                               {"数据非法", "Qorvi数学计算器"},
                                                               {"请输入整数", "Qorvi计算器"}}));
    }

    void aboutWindowShowsItsDesign() {
        click("Command12");
        QWidget* about = lifecycle->about();
        auto* image = control<QLabel>(about, "Image1");
        QCOMPARE(placeInWindow(image, about), twips(120, 120, 1455, 1245));
        QVERIFY(image->hasScaledContents());
        QCOMPARE(image->pixmap().size(), QSize(161, 155));
        auto* title = control<QLabel>(about, "Label2");
        QCOMPARE(title->text(), QStringLiteral("Qorvi计算器"));
        QCOMPARE(QFontInfo(title->font()).family(), QStringLiteral("AR PL UKai CN"));
        QCOMPARE(title->size(), title->sizeHint());
        for (const char* n : {"Label1", "Label3", "Label4"}) QVERIFY(!control<QLabel>(about, n)->text().isEmpty());
        QCOMPARE(placeInWindow(control<QLabel>(about, "Label3"), about), twips(120, 1440, 4335, 1215));
        QCOMPARE(placeInWindow(control<QLabel>(about, "Label4"), about), twips(120, 2880, 4335, 255));
        QVERIFY(!about->windowIcon().isNull());
    }
};

// The real message box: its text, title, single OK button and no icon.
class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void showsAModalBoxWithOneOkButton() {
        QWidget parent;
        parent.show();
        ui::BoxMessages boxes(&parent);
        QString text, title;
        int buttons = -1;
        QMessageBox::Icon icon = QMessageBox::Warning;
        QWidget* boxParent = nullptr;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            buttons = static_cast<int>(box->buttons().size());
            boxParent = box->parentWidget();
            box->button(QMessageBox::Ok)->click();
        });
        boxes.showMessage("数据非法", "Qorvi数学计算器");
        QCOMPARE(text, QStringLiteral("数据非法"));
        QCOMPARE(title, QStringLiteral("Qorvi数学计算器"));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, 1);
        QCOMPARE(boxParent, &parent);
    }

    // A short prompt still makes a box wide enough for its whole title.
    void aBoxIsAsWideAsItsTitleNeeds() {
        QWidget parent;
        parent.show();
        ui::BoxMessages boxes(&parent);
        for (const char* prompt : {"溢出", "数据非法", "除数为零"}) {
            int width = 0;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                width = box->width();
                box->button(QMessageBox::Ok)->click();
            });
            boxes.showMessage(prompt, "Qorvi计算器");
            QVERIFY2(width >= ui::titleBarWidth(QStringLiteral("Qorvi计算器")), prompt);
        }
        // A longer title asks for more room.
        QVERIFY(ui::titleBarWidth(QStringLiteral("Qorvi数学计算器")) > ui::titleBarWidth(QStringLiteral("Qorvi计算器")));
    }

    void anEscapingErrorIsShownNotFatal() {
        testing_support::RecordingMessages sink;
        ui::runHandler(sink, [] { throw runtime::RuntimeError(6); });
        ui::runHandler(sink, [] { throw std::bad_alloc(); });
        ui::runHandler(sink, [] {});
        QCOMPARE(sink.messages.size(), size_t(2));
        QCOMPARE(QString::fromStdString(sink.messages[0].prompt), QStringLiteral("溢出"));
        QCOMPARE(QString::fromStdString(sink.messages[1].prompt), QStringLiteral("内存不足"));
    }
};

int main(int argc, char** argv) { return guitest::runTests<MainWindowTest, MessageBoxTest>(argc, argv); }

#include "gui_main_test.moc"
