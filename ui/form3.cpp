#include "ui/forms.h"

#include "ui/accessibility.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

namespace ui {

namespace {
using C = Form3Control;

using R = Control<C>;
constexpr R kDesign[] = {
    R{C::Window, Kind::Window, "Form3", "关于常数", {2775, 3180, 6960, 4425}}.picture(":/qorvi/geometry.rgba"),
    R{C::Label1, Kind::Label, "Label1", "  ^表示乘方,选中项目后自动复制到剪贴板,只需粘贴即可", {120, 120, 6735, 255}},
    // The note above the list says what selecting does.
    R{C::List1, Kind::ListBox, "List1", "", {120, 480, 6735, 3840}}.named("常数列表").describedBy(C::Label1),
};
static_assert(checkDesign(kDesign));
}  // namespace

QListWidget* Form3::list() const { return control<kDesign, C::List1>(controls_); }

Form3::Form3(QWidget* parent) : FormWindow(parent), controls_(build(this, kDesign)) {
    QListWidget* List1 = list();
    // Selecting an entry copies it, and so does clicking the entry that is
    // already selected: the user may have copied something else meanwhile.
    connect(List1, &QListWidget::itemSelectionChanged, this, &Form3::selectionChanged);
    connect(List1, &QListWidget::itemClicked, this, &Form3::itemClicked);
    List1->installEventFilter(this);
    List1->viewport()->installEventFilter(this);
    Form_Load();
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list()->viewport() && event->type() == QEvent::MouseButtonPress) {
        copiedByThisPress_ = false;  // the press may select an entry, and copy it
    } else if (watched == list() && event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        List1_Click();
        return true;
    }
    return FormWindow::eventFilter(watched, event);
}

void Form3::selectionChanged() {
    copiedByThisPress_ = true;
    List1_Click();
}

void Form3::itemClicked() {
    if (!copiedByThisPress_) List1_Click();
    copiedByThisPress_ = false;
}

void Form3::Form_Load() {
    tables_ = constants::loadTables();
    for (int n = 1; n <= constants::kEntryCount; ++n) list()->addItem(QString::fromStdString(tables_.line(n)));
}

void Form3::List1_Click() {
    QList<QListWidgetItem*> selected = list()->selectedItems();
    int index = selected.isEmpty() ? -1 : list()->row(selected.first());
    if (auto value = tables_.valueForSelection(index)) {
        const QString text = QString::fromStdString(*value);
        QGuiApplication::clipboard()->setText(text);
        announce(list(), QStringLiteral("已复制 ") + text);
    }
}

}  // namespace ui
