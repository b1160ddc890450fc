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
    Face family = Face::Window;
    double points = 0;
};

// A row, as the builder reads it: references to other rows by their
// index (0, the window, for none).
struct Row {
    std::size_t id;
    Kind kind;
    const char* name;
    const char* caption;  // a text box's first text; the window's title
    Twips place;
    std::size_t parent = 0;  // the window
    unsigned traits = 0;
    Font face{};
    int tabPosition = 0;  // 0: no place of its own in the tab order
    const char* accessibleName = nullptr;
    const char* description = nullptr;
    std::size_t descriptionLabel = 0;
    std::size_t buddy = 0;
    const char* image = nullptr;
};

// A row as a window's table writes it, its references by the window's enum:
// what every control has, then what only some have, added by name:
//   R{C::Text9, Kind::TextBox, "Text9", "", {5280, 2640, 375, 270}}.in(C::Frame2).tab(26).named("角度")
template <typename Id>
struct Control : Row {
    static constexpr std::size_t at(Id id) { return static_cast<std::size_t>(id); }

    constexpr Control(Id id_, Kind kind_, const char* name_, const char* caption_, Twips place_)
        : Row{at(id_), kind_, name_, caption_, place_} {}

    // Its parent frame (the window when not given).
    constexpr Control in(Id frame) const { return set(&Row::parent, at(frame)); }
    // Its traits (kAutoSize, kResultLine, kInFrame).
    constexpr Control with(unsigned t) const { return set(&Row::traits, traits | t); }
    constexpr Control font(Font f) const { return set(&Row::face, f); }
    // Its place in the tab order, from 1.
    constexpr Control tab(int position) const { return set(&Row::tabPosition, position); }
    constexpr Control named(const char* n) const { return set(&Row::accessibleName, n); }
    constexpr Control described(const char* d) const { return set(&Row::description, d); }
    // A label whose caption is its description.
    constexpr Control describedBy(Id label) const { return set(&Row::descriptionLabel, at(label)); }
    // For a caption label: the control it names (its buddy).
    constexpr Control names(Id control) const { return set(&Row::buddy, at(control)); }
    // An image's picture, or the window's icon, in the resources.
    constexpr Control picture(const char* resource) const { return set(&Row::image, resource); }

private:
    template <typename T>
    constexpr Control set(T Row::*field, T value) const {
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
        const Row& r = rows[i];
        if (r.id != i || (i > 0 && r.kind == Kind::Window)) return false;
        if (r.parent != 0 && (r.parent >= i || rows[r.parent].kind != Kind::Frame)) return false;
        if (r.buddy != 0 && (r.kind != Kind::Label || rows[r.buddy].kind == Kind::Label)) return false;
        if (r.descriptionLabel != 0 && rows[r.descriptionLabel].kind != Kind::Label) return false;
        if (r.tabPosition > 0) ++tabs;
    }
    for (int position = 1; position <= tabs; ++position) {
        int found = 0;
        for (const Row& r : rows) found += r.tabPosition == position;
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

// Makes `window` (row 0) and its controls, in the rows' order, which is
// the order they lie over each other in.
void build(QWidget* window, const Row* const* rows, std::size_t count, QWidget** widgets);

template <typename Id, std::size_t N>
Built<Id> build(QWidget* window, const Control<Id> (&rows)[N]) {
    std::array<const Row*, N> plain;
    for (std::size_t i = 0; i < N; ++i) plain[i] = &rows[i];
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
