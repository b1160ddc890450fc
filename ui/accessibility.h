#pragma once
// What a screen reader needs beyond the controls' names: windows that
// report themselves as windows, text boxes whose text is read whole, and
// the outcome of each calculation spoken when it is produced.

#include <QString>

#include <functional>

class QWidget;

namespace ui {

// Makes the program's top-level windows report the window role (Qt gives a
// plain widget window the role of a filler) and gives text boxes one
// attribute run over their whole text (Qt 6.4 reports empty runs, and Orca
// then leaves out a line's last character). Call once the application
// exists, before the first window is created.
void installAccessibility();

// Has a screen reader take the widget, while it is a top-level window, for
// a window (a dialog frame) rather than a plain pane.
void markAsWindow(QWidget* window);

// Has a screen reader say `text` now, without the user moving: the outcome
// of what the user just did with `source`. Each call is spoken once, also
// when it repeats the previous text; an empty text says nothing.
// With Qt 6.8 and later this is an announcement event; before, a
// notification of the source's window is shown with the text as its name.
// On Windows, where it is a UI Automation notification sent from `source`
// (which NVDA and Narrator speak), Qt must be 6.8 or later.
void announce(QWidget* source, const QString& text);

// Whether a key that moves the focus to a box with the outcome in it says
// the outcome too. Orca reads the box's selected text where the focus
// lands; Windows' readers may name the box alone, so there it is said.
#ifdef Q_OS_WIN
inline constexpr bool kAnnounceIntoFocus = true;
#else
inline constexpr bool kAnnounceIntoFocus = false;
#endif

// Also gives every text announce() says to `listener` (tests record them
// through it: without a screen reader, Qt sends no accessibility events);
// an empty listener for none.
void setAnnouncementListener(std::function<void(const QString&)> listener);

}  // namespace ui
