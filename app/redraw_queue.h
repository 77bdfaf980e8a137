#pragma once
// A drawing processes pending messages once, so other handlers run inside it. A redraw asked
// for then is not drawn inside the running one: that one finishes with its own measurement, and
// the newest is drawn right after. Commands that open a window, print or end the program wait
// for the drawing too.

#include <QObject>

#include <functional>
#include <vector>

namespace tavrel::app {

class RedrawQueue : public QObject {
public:
    // `draw` draws once; `stillWanted` says whether a redraw asked for during it is still to be
    // drawn (not once the text it was for is gone).
    RedrawQueue(std::function<void()> draw, std::function<bool()> stillWanted, QObject* parent);

    // Draws, and again for each redraw asked for meanwhile; during a drawing, only asks for one.
    void redraw();
    // Runs `command` now, or, during a drawing, once it has finished and whatever started it has
    // returned: a menu whose command started the drawing is still running that command.
    void afterDrawing(std::function<void()> command);
    bool drawing() const { return drawing_; }

private:
    std::function<void()> draw_;
    std::function<bool()> stillWanted_;
    bool drawing_ = false;
    bool redrawAsked_ = false;
    std::vector<std::function<void()>> waiting_;
};

}  // namespace tavrel::app
