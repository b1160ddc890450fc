#include "ui/messages.h"

#include "runtime/error.h"

#include <QMessageBox>
#include <QString>

#include <exception>
#include <new>

namespace ui {

namespace {
QString fromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
}  // namespace

void BoxMessages::showMessage(std::string_view prompt, std::string_view title) {
    QMessageBox box(QMessageBox::NoIcon, fromUtf8(title), fromUtf8(prompt), QMessageBox::Ok,
                    parent_);
    box.exec();
}

void runHandler(runtime::MessageSink& messages, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const runtime::RuntimeError& e) {
        messages.showMessage(e.description(), runtime::kCalculatorTitle);
    } catch (const std::bad_alloc&) {
        messages.showMessage(runtime::errorDescription(7), runtime::kCalculatorTitle);
    } catch (const std::exception& e) {
        messages.showMessage(e.what(), runtime::kCalculatorTitle);
    }
}

}  // namespace ui
