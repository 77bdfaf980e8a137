#pragma once
// A drawing surface with a persistent picture, as the pattern needs it: cleared with Cls,
// drawn on with Line and through its device context, painted only where it is visible, and
// read back as an image for printing and export. It only paints; its owner drives it.

#include "persistent_image.h"

#include <QWidget>

namespace tavrel::platform {

class PictureBox;

// The device context of a picture box: GDI-style Arc and Ellipse in the surface's pixels.
// Drawing through it lands in the same persistent picture as Line.
class DeviceContext {
public:
    explicit DeviceContext(PictureBox& surface) : surface_(surface) {}
    bool Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    // The whole outline, filled with the context's brush (hollow unless set).
    bool Ellipse(int left, int top, int right, int bottom);
    void setSolidBrush(bool solid) { solidBrush_ = solid; }

private:
    PictureBox& surface_;
    bool solidBrush_ = false;
};

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Position and size in the parent's pixels; fractional values go to whole pixels.
    void Move(float left, float top, float width, float height);
    int ScaleWidth() const { return width(); }
    int ScaleHeight() const { return height(); }

    void Cls();
    void Line(float x1, float y1, float x2, float y2);
    DeviceContext& hDC() { return deviceContext_; }

    // The persistent picture at the surface's current size.
    PersistentImage Image() const;

    void addShape(const Shape& shape);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PersistentImage image_;
    DeviceContext deviceContext_{*this};
};

}  // namespace tavrel::platform
