#include "ui/message_box.h"

#include "runtime/error.h"
#include "ui/look.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QAbstractButton>
#include <QCoreApplication>
#include <QSpacerItem>
#include <QString>

#include <algorithm>

#include <exception>
#include <new>

namespace ui {

namespace {
QString fromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
}  // namespace

int titleBarWidth(const QString& title) {
    // Title bars draw in their own, often bold and larger, font: measure in
    // a bold face of at least 11 points, and leave room for the window
    // icon and three buttons with their margins.
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    if (font.pointSizeF() < 11) font.setPointSizeF(11);
    constexpr int kIconAndButtons = 4 * 28 + 2 * 16;
    return QFontMetrics(font).horizontalAdvance(title) + kIconAndButtons;
}

namespace {

// The prompt with a break opportunity (a zero-width space) every so many
// characters of a long run without one, so that a long number quoted in a
// message wraps onto further lines rather than running past the box's edge.
QString breakable(const QString& prompt) {
    constexpr int kRun = 40;
    QString out;
    out.reserve(prompt.size() + prompt.size() / kRun + 1);
    int run = 0;
    for (QChar c : prompt) {
        const bool breaks = c.isSpace() || c.unicode() >= 0x2E80;  // blanks, and CJK text breaks anywhere
        run = breaks ? 0 : run + 1;
        if (run > kRun) {
            out += QChar(0x200B);
            run = 1;
        }
        out += c;
    }
    return out;
}

}  // namespace

void prepareBox(QMessageBox& box, const QString& prompt, const QString& title) {
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(title);
    box.setText(breakable(prompt));
    box.setTextFormat(Qt::PlainText);
    // The box's name carries its text: Orca 48 leaves out a label of fewer
    // than three words (a Chinese prompt has no blanks), and a description
    // beside the label would make Orca 43 say the text twice.
    box.setAccessibleName(title + QLatin1Char(' ') + prompt);
    box.setStandardButtons(QMessageBox::Ok);
    keepDesignFont(&box);
    // The design's 确定 is a plain button: no stock picture and no
    // mnemonic ("确定(O)" under GTK), whatever the style or the desktop would
    // add.
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) {
        ok->setIcon(QIcon());
        ok->setText(QCoreApplication::translate("QPlatformTheme", "OK"));
    }
    // QMessageBox sizes itself to its text when shown; a spacer across its
    // grid is the width it keeps to whatever the text.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const QMargins m = grid->contentsMargins();
        const int width = std::max(0, titleBarWidth(title) - m.left() - m.right());
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

void BoxMessages::showMessage(std::string_view prompt, std::string_view title) {
    QMessageBox box(parent_);
    prepareBox(box, fromUtf8(prompt), fromUtf8(title));
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
