#include "platform/scroll_view.h"

#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

namespace tavrel::platform {

ScrollView::ScrollView(QWidget* client, QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    // Keys reach it from the focused control; it is not a stop of its own on the Tab chain.
    setFocusPolicy(Qt::NoFocus);
    setWidget(client);
    fitClient();
}

void ScrollView::setClientArea(QSize content, QSize asked)
{
    content_ = content;
    asked_ = asked;
    fitClient();
}

void ScrollView::resizeEvent(QResizeEvent* event)
{
    fitClient();
    QScrollArea::resizeEvent(event);
}

// A bar only where the content does not fit beside the other bar, never for a margin alone.
void ScrollView::fitClient()
{
    const QSize view = size();
    const int barWidth = verticalScrollBar()->sizeHint().width();
    const int barHeight = horizontalScrollBar()->sizeHint().height();
    bool across = content_.width() > view.width();
    bool down = content_.height() > view.height() - (across ? barHeight : 0);
    across = across || content_.width() > view.width() - (down ? barWidth : 0);
    down = down || content_.height() > view.height() - (across ? barHeight : 0);
    setHorizontalScrollBarPolicy(across ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(down ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const QSize inside(view.width() - (down ? barWidth : 0),
                       view.height() - (across ? barHeight : 0));
    widget()->resize(across ? std::max(asked_.width(), content_.width()) : inside.width(),
                     down ? std::max(asked_.height(), content_.height()) : inside.height());
}

void ScrollView::dragToScroll(QWidget* surface)
{
    surface->installEventFilter(this);
    for (QWidget* child : surface->findChildren<QWidget*>()) child->installEventFilter(this);
}

bool ScrollView::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) break;
            dragging_ = true;
            dragStart_ = mouse->globalPosition().toPoint();
            scrollAtDragStart_ = {horizontalScrollBar()->value(), verticalScrollBar()->value()};
            return true;
        }
        case QEvent::MouseMove: {
            if (!dragging_) break;
            const QPoint moved =
                static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - dragStart_;
            horizontalScrollBar()->setValue(scrollAtDragStart_.x() - moved.x());
            verticalScrollBar()->setValue(scrollAtDragStart_.y() - moved.y());
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (!dragging_) break;
            dragging_ = false;
            return true;
        default:
            break;
    }
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace tavrel::platform
