#pragma once
// What a screen reader needs beyond the controls' names: windows that
// report themselves as windows, and results announced after each click.

#include <QString>

#include <initializer_list>

class QWidget;

namespace ui {

// Makes the program's top-level windows report the window role (Qt gives a
// plain widget window the role of a filler), so that a screen reader finds
// their titles. Call once, before the first window is created.
void installAccessibility();

// Sets the widget's accessible description and tells assistive technology
// that it changed, also when the text is the same as before (a second equal
// result is spoken again).
void announce(QWidget* widget, const QString& text);

// Gives named controls of the window accessible descriptions: what tells
// apart controls whose captions read alike, and the instructions that
// belong to a box.
struct AccessibleDescription {
    const char* control;
    const char* description;
};
void describeControls(QWidget* window, std::initializer_list<AccessibleDescription> descriptions);

}  // namespace ui
