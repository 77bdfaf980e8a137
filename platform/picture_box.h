#pragma once
// A drawing surface with a persistent picture, as the pattern needs it: cleared with Cls,
// drawn on with Line and through its device context, painted only where it is visible, and
// read back as an image for printing and export. It only paints; its owner drives it.

#include "picture/device_context.h"
#include "picture/persistent_image.h"

#include <QWidget>

namespace tavrel::platform {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Position and size in the parent's pixels; fractional values go to whole pixels.
    void Move(float left, float top, float width, float height);
    int ScaleWidth() const { return width(); }
    // Room below the drawing, on the same white, for a caption longer than the band it was
    // given; it is not part of the image. Move takes it away again.
    void setRoomBelow(int pixels);

    void Cls();
    void Line(float x1, float y1, float x2, float y2);
    picture::DeviceContext& hDC() { return deviceContext_; }

    // The persistent picture at the size it was moved to.
    picture::PersistentImage Image() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    picture::PersistentImage image_;
    int roomBelow_ = 0;
    picture::DeviceContext deviceContext_{image_, [this] { update(); }};
};

}  // namespace tavrel::platform
