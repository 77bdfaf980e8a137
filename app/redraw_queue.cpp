#include "app/redraw_queue.h"

#include <utility>

namespace tavrel::app {

RedrawQueue::RedrawQueue(std::function<void()> draw, std::function<bool()> stillWanted,
                         QObject* parent)
    : QObject(parent), draw_(std::move(draw)), stillWanted_(std::move(stillWanted))
{
}

void RedrawQueue::redraw()
{
    if (drawing_) {
        redrawAsked_ = true;
        return;
    }
    drawing_ = true;
    do {
        redrawAsked_ = false;
        draw_();
    } while (redrawAsked_ && stillWanted_());
    drawing_ = false;
    // A command whose turn comes during a later drawing waits for that one as well.
    for (std::function<void()>& command : std::exchange(waiting_, {}))
        QMetaObject::invokeMethod(
            this, [this, command = std::move(command)] { afterDrawing(command); },
            Qt::QueuedConnection);
}

void RedrawQueue::afterDrawing(std::function<void()> command)
{
    if (drawing_)
        waiting_.push_back(std::move(command));
    else
        command();
}

}  // namespace tavrel::app
