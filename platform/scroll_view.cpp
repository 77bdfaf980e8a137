#include "platform/scroll_view.h"

#include <QMouseEvent>
#include <QScrollBar>

namespace tavrel::platform {

ScrollView::ScrollView(QWidget* client, QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    // Keys reach it from the focused control; it is not a stop of its own on the Tab chain.
    setFocusPolicy(Qt::NoFocus);
    setWidget(client);
    setClientSize(std::nullopt);
}

void ScrollView::setClientSize(std::optional<QSize> size)
{
    const Qt::ScrollBarPolicy bars = size ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    setHorizontalScrollBarPolicy(bars);
    setVerticalScrollBarPolicy(bars);
    setWidgetResizable(!size);
    if (size) widget()->resize(*size);
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
