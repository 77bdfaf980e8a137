#include "picture_box.h"

#include "text_readings.h"

#include <QPaintEvent>
#include <QPainter>

namespace tavrel::platform {
namespace {

int wholePixels(float value)
{
    const auto rounded = measure::roundToInt32(value);
    return rounded ? *rounded : 0;
}

}  // namespace

bool DeviceContext::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                        int yEnd)
{
    surface_.addShape(ArcShape{left, top, right, bottom, xStart, yStart, xEnd, yEnd});
    return true;
}

bool DeviceContext::Ellipse(int left, int top, int right, int bottom)
{
    surface_.addShape(EllipseShape{left, top, right, bottom, solidBrush_});
    return true;
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    // Opaque: paintEvent fills every pixel it is asked for, so Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::Move(float left, float top, float width, float height)
{
    setGeometry(wholePixels(left), wholePixels(top), std::max(0, wholePixels(width)),
                std::max(0, wholePixels(height)));
}

void PictureBox::Cls()
{
    image_.shapes.clear();
    update();
}

void PictureBox::Line(float x1, float y1, float x2, float y2) { addShape(LineShape{x1, y1, x2, y2}); }

void PictureBox::addShape(const Shape& shape)
{
    image_.shapes.push_back(shape);
    update();
}

PersistentImage PictureBox::Image() const
{
    PersistentImage image = image_;
    image.size = size();
    return image;
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    replay(image_, painter, event->rect(), LineWidth::OneDevicePixel);
}

}  // namespace tavrel::platform
