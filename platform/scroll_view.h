#pragma once
// The window's client area inside a frameless scroll area. While the window is large enough
// for what the client holds, the client simply fills the view: no frame, no bars, every control
// where it stands. Where the window is smaller, by the screen's limits or by hand, a bar
// appears for each direction in which something is out of view, and reaches as far as the
// client was asked to be; the wheel, the page keys and a drag on the picture move over it.

#include <QPoint>
#include <QScrollArea>
#include <QSize>

namespace tavrel::platform {

class ScrollView : public QScrollArea {
    Q_OBJECT
public:
    explicit ScrollView(QWidget* client, QWidget* parent = nullptr);

    // `content` reaches as far right and down as the client holds anything to see; `asked` is
    // the size the client was asked to have, margins included.
    void setClientArea(QSize content, QSize asked);
    // A press and drag on `surface` (or a child of it) moves the view with the pointer.
    void dragToScroll(QWidget* surface);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitClient();

    QSize content_;
    QSize asked_;
    QPoint dragStart_;
    QPoint scrollAtDragStart_;
    bool dragging_ = false;
};

}  // namespace tavrel::platform
