#pragma once
// Labels' captions: labels that size themselves to their caption, and
// result lines that keep to one line and show a cut caption whole in their
// tool tip.

#include <QString>

class QLabel;

namespace ui {

// Marks a label as one that sizes itself to each new caption.
void setAutoSize(QLabel* label, bool autoSize);

// Sets a label's caption; a label that sizes itself then fits its new text,
// and one whose caption wraps grows taller if its lines need it.
void setCaption(QLabel* label, const QString& caption);

// Makes the label a result line: its caption stays on one line, which grows
// (for a label that sizes itself) at most up to the next control to its
// right or its container's edge and is cut there, ending in "…"; a cut
// caption is shown whole in the label's tool tip, and the caption can be
// selected and copied whole.
void makeResultLine(QLabel* label);
// The caption broken into lines of at most `columns` columns (a Chinese
// character counting two), for a tool tip.
QString wrappedForTip(const QString& text, int columns = 80);

}  // namespace ui
