#pragma once
// A window's design as one table, and the one builder that makes the window
// from it. Each row is a control: its kind, object name, caption, place in
// twips (15 twips are one device-independent pixel), parent, font, place in
// the tab order, accessible name and description, and the box a caption
// label names. Rows refer to each other by the window's own enum, so the
// compiler checks every reference; checkDesign() checks the rest when the
// table is compiled.

#include "ui/widgets.h"

#include <QRect>

#include <array>
#include <cstddef>
#include <type_traits>

class QComboBox;
class QLabel;
class QListWidget;
class QWidget;

namespace ui {

struct Twips {
    int left, top, width, height;
};

QRect toPixels(const Twips& t);

// Row 0 of every table is the window itself: its caption is the title, its
// place is where it opens (left < 0: where the window system puts it) and
// its client size, its image its icon.
enum class Kind { Window, Frame, Label, TextBox, Button, ComboBox, ListBox, Image };

enum Trait : unsigned {
    kAutoSize = 1,    // a label that sizes itself to its caption
    kResultLine = 2,  // a label that shows a result (makeResultLine)
    kInFrame = 4,     // placed from its parent frame's corner, not the window's
};

enum class Face { Window, Song, Kai };  // 宋体 and 华文行楷 (look.h)
struct Font {
    Face face = Face::Window;
    double points = 0;
};

// A row: what every control has, then what only some have, added by name:
//   R{C::Text9, Kind::TextBox, "Text9", "", {5280, 2640, 375, 270}}.in(C::Frame2).tab(26).named("角度")
template <typename Id>
struct Control {
    constexpr Control(Id id_, Kind kind_, const char* name_, const char* caption_, Twips place_)
        : id(id_), kind(kind_), name(name_), caption(caption_), place(place_) {}

    // Its parent frame (the window when not given).
    constexpr Control in(Id frame) const { return set(&Control::parent, frame); }
    // Its traits (kAutoSize, kResultLine, kInFrame).
    constexpr Control with(unsigned t) const { return set(&Control::traits, traits | t); }
    constexpr Control font(Font f) const { return set(&Control::face, f); }
    // Its place in the tab order, from 1.
    constexpr Control tab(int position) const { return set(&Control::tabPosition, position); }
    constexpr Control named(const char* n) const { return set(&Control::accessibleName, n); }
    constexpr Control described(const char* d) const { return set(&Control::description, d); }
    // A label whose caption is its description.
    constexpr Control describedBy(Id label) const { return set(&Control::descriptionLabel, label); }
    // For a caption label: the control it names (its buddy).
    constexpr Control names(Id control) const { return set(&Control::buddy, control); }
    // An image's picture, or the window's icon, in the resources.
    constexpr Control picture(const char* resource) const { return set(&Control::image, resource); }

    Id id;
    Kind kind;
    const char* name;
    const char* caption;  // a text box's first text; the window's title
    Twips place;
    Id parent{};  // the window
    unsigned traits = 0;
    Font face{};
    int tabPosition = 0;  // 0: no place of its own in the tab order
    const char* accessibleName = nullptr;
    const char* description = nullptr;
    Id descriptionLabel{};
    Id buddy{};
    const char* image = nullptr;

private:
    template <typename T>
    constexpr Control set(T Control::*field, T value) const {
        Control c = *this;
        c.*field = value;
        return c;
    }
};

// What the compiler checks beyond the references' names: the rows are in
// the enum's order, one for each value; parents are frames made before
// their children; a buddy is not a label; a description is a label's; the
// tab order runs 1, 2, 3 … without a gap or a repeat.
template <typename Id, std::size_t N>
constexpr bool checkDesign(const Control<Id> (&rows)[N]) {
    if (N != static_cast<std::size_t>(Id::Count) || rows[0].kind != Kind::Window) return false;
    int tabs = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const Control<Id>& r = rows[i];
        if (static_cast<std::size_t>(r.id) != i || (i > 0 && r.kind == Kind::Window)) return false;
        const auto parent = static_cast<std::size_t>(r.parent);
        if (parent != 0 && (parent >= i || rows[parent].kind != Kind::Frame)) return false;
        const auto buddy = static_cast<std::size_t>(r.buddy);
        if (buddy != 0 && (r.kind != Kind::Label || rows[buddy].kind == Kind::Label)) return false;
        const auto describedBy = static_cast<std::size_t>(r.descriptionLabel);
        if (describedBy != 0 && rows[describedBy].kind != Kind::Label) return false;
        if (r.tabPosition > 0) ++tabs;
    }
    for (int position = 1; position <= tabs; ++position) {
        int found = 0;
        for (const Control<Id>& r : rows) found += r.tabPosition == position;
        if (found != 1) return false;
    }
    return true;
}

// The widget class of each kind.
template <Kind K> struct WidgetOf { using type = QWidget; };
template <> struct WidgetOf<Kind::Frame> { using type = QGroupBox; };
template <> struct WidgetOf<Kind::Label> { using type = QLabel; };
template <> struct WidgetOf<Kind::Image> { using type = QLabel; };
template <> struct WidgetOf<Kind::TextBox> { using type = FocusLineEdit; };
template <> struct WidgetOf<Kind::Button> { using type = QPushButton; };
template <> struct WidgetOf<Kind::ComboBox> { using type = QComboBox; };
template <> struct WidgetOf<Kind::ListBox> { using type = QListWidget; };

// The widgets built from a table, at their rows.
template <typename Id>
using Built = std::array<QWidget*, static_cast<std::size_t>(Id::Count)>;

// One row without its enum, for the builder.
struct Row {
    Kind kind;
    const char* name;
    const char* caption;
    Twips place;
    std::size_t parent;
    unsigned traits;
    Font font;
    int tab;
    const char* accessibleName;
    const char* description;
    std::size_t describedBy;
    std::size_t buddy;
    const char* image;
};

// Makes `window` (row 0) and its controls, in the rows' order, which is
// the order they lie over each other in.
void build(QWidget* window, const Row* rows, std::size_t count, QWidget** widgets);

template <typename Id, std::size_t N>
Built<Id> build(QWidget* window, const Control<Id> (&rows)[N]) {
    std::array<Row, N> plain;
    for (std::size_t i = 0; i < N; ++i) {
        const Control<Id>& r = rows[i];
        plain[i] = {r.kind, r.name, r.caption, r.place, static_cast<std::size_t>(r.parent), r.traits, r.face,
                    r.tabPosition, r.accessibleName, r.description, static_cast<std::size_t>(r.descriptionLabel),
                    static_cast<std::size_t>(r.buddy), r.image};
    }
    Built<Id> widgets{};
    build(window, plain.data(), N, widgets.data());
    return widgets;
}

// The control `id` of a window built from `Design`, as its kind's class.
template <const auto& Design, auto id, typename Id = decltype(id)>
auto* control(const Built<Id>& widgets) {
    using W = typename WidgetOf<Design[static_cast<std::size_t>(id)].kind>::type;
    return static_cast<W*>(widgets[static_cast<std::size_t>(id)]);
}

}  // namespace ui
