#pragma once
// Building a window from its control table: places in twips (15 twips are
// one device-independent pixel), captions, object names, accessible names
// and buddies.

#include "ui/placement.h"
#include "ui/widgets.h"

#include <QRect>
#include <QString>

#include <initializer_list>

class QComboBox;
class QLabel;
class QListWidget;
class QWidget;

namespace ui {

struct Twips {
    int left, top, width, height;
};

QRect toPixels(const Twips& t);

// Gives named controls of the window their accessible names (for input
// boxes without a caption of their own beside them, and for buttons whose
// caption alone would not say what they do).
struct AccessibleName {
    const char* control;
    const char* name;
};
void nameControls(QWidget* window, std::initializer_list<AccessibleName> names);

// Makes each caption label the buddy of the box beside it.
struct Buddy {
    const char* label;
    const char* control;
};
void setBuddies(QWidget* window, std::initializer_list<Buddy> buddies);

// Creates controls as children of `parent` at `place`, given relative to
// `origin` (the window, or the frame the table measures from).
class ControlBuilder {
public:
    explicit ControlBuilder(QWidget* window) : window_(window) {}

    QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, Twips place);
    QLabel* label(QWidget* parent, const char* name, const QString& caption, Twips place,
                  bool autoSize = false);
    QLineEdit* textBox(QWidget* parent, const char* name, Twips place);
    FocusLineEdit* focusTextBox(QWidget* parent, const char* name, Twips place);
    QPushButton* button(QWidget* parent, const char* name, const QString& caption, Twips place);
    QComboBox* comboBox(QWidget* parent, const char* name, Twips place);
    QListWidget* listBox(QWidget* parent, const char* name, Twips place);

    // Places are measured from this widget's top-left corner (the window by
    // default); the control's own Qt parent may be a frame inside it.
    void measureFrom(QWidget* origin) { origin_ = origin; }

private:
    void place(QWidget* control, QWidget* parent, const char* name, Twips place);

    QWidget* window_;
    QWidget* origin_ = nullptr;
};

}  // namespace ui
