#include "app/lifecycle.h"

namespace app {

Lifecycle::Lifecycle() : form1_(std::make_unique<ui::Form1>()) {
    connect(form1_.get(), &ui::Form1::geometryRequested, this, &Lifecycle::Command3_Click);
    connect(form1_.get(), &ui::Form1::constantsRequested, this, &Lifecycle::Command10_Click);
    connect(form1_.get(), &ui::Form1::factorialRequested, this, &Lifecycle::Command11_Click);
    connect(form1_.get(), &ui::Form1::aboutRequested, this, &Lifecycle::Command12_Click);
    connect(form1_.get(), &ui::FormWindow::closed, this, &Lifecycle::Form_Unload);
}

Lifecycle::~Lifecycle() {
    delete form2_;
    delete form3_;
    delete form4_;
    delete form5_;
}

void Lifecycle::start() { form1_->show(); }

void Lifecycle::setMessageSink(runtime::MessageSink* sink) {
    sink_ = sink;
    form1_->setMessageSink(sink);
    for (ui::FormWindow* w : std::initializer_list<ui::FormWindow*>{form2_, form3_, form4_, form5_})
        if (w) w->setMessageSink(sink);
}

// Shows the window, creating it from its design state when it is not open;
// an open one is brought to the front. Modeless, without an owner.
template <typename Form>
void Lifecycle::open(QPointer<Form>& slot) {
    if (!slot) {
        auto* form = new Form();
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->setMessageSink(sink_);
        // Closed windows are gone at once for the next click, even before
        // their deferred deletion has run.
        connect(form, &ui::FormWindow::closed, this, [&slot] { slot = nullptr; });
        slot = form;
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
}

void Lifecycle::Command3_Click() { open(form2_); }
void Lifecycle::Command10_Click() { open(form3_); }
void Lifecycle::Command11_Click() { open(form4_); }
void Lifecycle::Command12_Click() { open(form5_); }

void Lifecycle::Form_Unload() {
    for (ui::FormWindow* w : std::initializer_list<ui::FormWindow*>{form2_, form3_, form4_, form5_})
        if (w) w->close();
    emit finished();
}

}  // namespace app
