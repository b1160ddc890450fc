// The windows the main window opens, driven through their real widgets.

#include "app/lifecycle.h"
#include "gui_support.h"
#include "ui/controls.h"

#include <memory>

using namespace guitest;

class Form4Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<app::Lifecycle> lifecycle;
    runtime::RecordingMessages messages;
    ModalWatchdog* watchdog = nullptr;
    QWidget* form4() { return lifecycle->factorial(); }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(form4(), name), Qt::LeftButton); }
    void type(const char* box, const QString& text) { control<QLineEdit>(form4(), box)->setText(text); }
    QString captionOf(const char* name) { return control<QLabel>(form4(), name)->text(); }

private slots:
    void initTestCase() {
        ui::setupApplicationLook();
        watchdog = new ModalWatchdog;
    }
    void cleanupTestCase() { delete watchdog; }

    void init() {
        messages.messages.clear();
        lifecycle = std::make_unique<app::Lifecycle>();
        lifecycle->setMessageSink(&messages);
        lifecycle->start();
        lifecycle->Command11_Click();
        QVERIFY(QTest::qWaitForWindowActive(form4()));
    }

    void cleanup() {
        lifecycle.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(watchdog->takeSeen(), QString());
    }

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
        QCOMPARE(take(messages), (std::vector<runtime::Message>{{"超出500位的计算范围", "Qorvi计算器"},
                                                               {"数据非法", "Qorvi数学计算器"},
                                                               {"数据非法", "Qorvi数学计算器"},
                                                               {"数据非法", "Qorvi数学计算器"}}));
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

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int status = 0;
    {
        Form4Test t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

#include "gui_windows_test.moc"
