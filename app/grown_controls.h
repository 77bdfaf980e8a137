#pragma once
// The main window's controls stand at their stored places with at least their stored sizes.
// Where the user's font, language or screen needs more room, a control grows until its text
// shows whole, in the user's own font, and whatever stands right of it or below it moves on by
// as much. The window then grows by what the controls took.

#include <QStringList>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavrel::app {

struct MainControls {
    std::array<QRadioButton*, 3> units;  // top to bottom
    QLabel* prompt;                      // above the box
    QLineEdit* box;
    QPushButton* print;  // right of the prompt
};

// How far the grown controls reach past their stored edges, in pixels: the print button, the
// rightmost, past its right edge; the units and the print button, all that shows before a unit
// is chosen, past their bottom edge.
struct Growth {
    int right = 0;
    int down = 0;
};

// Grows the controls from where they stand; `prompts` are the texts the prompt takes in turn.
Growth growToFit(const MainControls& controls, const QStringList& prompts);

}  // namespace tavrel::app
