#pragma once
// The window's client area inside a frameless scroll area. While the window is as large as
// it was asked to be, the client simply fills the view: no frame, no bars, every control where
// it stands. When the screen keeps the window smaller (a picture larger than the screen), the
// client keeps its full size and scroll bars appear; the wheel, the page keys and a drag on the
// picture move over it.

#include <QPoint>
#include <QScrollArea>

#include <optional>

namespace tavrel::platform {

class ScrollView : public QScrollArea {
    Q_OBJECT
public:
    explicit ScrollView(QWidget* client, QWidget* parent = nullptr);

    // nullopt: the client fills the view. A size: the client keeps it, and the view scrolls.
    void setClientSize(std::optional<QSize> size);
    // A press and drag on `surface` (or a child of it) moves the view with the pointer.
    void dragToScroll(QWidget* surface);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint dragStart_;
    QPoint scrollAtDragStart_;
    bool dragging_ = false;
};

}  // namespace tavrel::platform
