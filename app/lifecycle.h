#pragma once
// Start-up and the windows' lifecycle: the main window opens the other
// windows, each at most once; closing it closes them all and ends the
// program.

#include "ui/form1.h"
#include "ui/forms.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace app {

class Lifecycle : public QObject {
    Q_OBJECT
public:
    Lifecycle();
    ~Lifecycle() override;

    // Shows the main window.
    void start();

    ui::Form1& main() { return *form1_; }
    // The open windows, or nullptr.
    ui::Form2* geometry() const { return form2_; }
    ui::Form3* constants() const { return form3_; }
    ui::Form4* factorial() const { return form4_; }
    ui::Form5* about() const { return form5_; }

    // Messages of every window go to `sink` (nullptr: real boxes).
    void setMessageSink(runtime::MessageSink* sink);

public slots:
    void Command3_Click();   // 关于几何
    void Command10_Click();  // 关于常数
    void Command11_Click();  // 关于阶乘和乘方
    void Command12_Click();  // 关于

signals:
    // The main window has closed, and every other window with it.
    void finished();

private:
    template <typename Form>
    void open(QPointer<Form>& slot);
    void Form_Unload();

    std::unique_ptr<ui::Form1> form1_;
    QPointer<ui::Form2> form2_;
    QPointer<ui::Form3> form3_;
    QPointer<ui::Form4> form4_;
    QPointer<ui::Form5> form5_;
    runtime::MessageSink* sink_ = nullptr;
};

}  // namespace app
