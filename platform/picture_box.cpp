#include "platform/picture_box.h"

#include "measure/rounding.h"

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

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    // Opaque: paintEvent fills every pixel it is asked for, so Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::Move(float left, float top, float width, float height)
{
    roomBelow_ = 0;
    setGeometry(wholePixels(left), wholePixels(top), std::max(0, wholePixels(width)),
                std::max(0, wholePixels(height)));
}

void PictureBox::setRoomBelow(int pixels)
{
    const int drawingHeight = height() - roomBelow_;
    roomBelow_ = std::max(0, pixels);
    resize(width(), drawingHeight + roomBelow_);
}

void PictureBox::Cls()
{
    image_.shapes.clear();
    update();
}

void PictureBox::Line(float x1, float y1, float x2, float y2)
{
    image_.shapes.push_back(picture::LineShape{x1, y1, x2, y2});
    update();
}

picture::PersistentImage PictureBox::Image() const
{
    picture::PersistentImage image = image_;
    image.size = size() - QSize(0, roomBelow_);
    return image;
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    picture::replay(image_, painter, event->rect(), picture::LineWidth::OneDevicePixel);
}

}  // namespace tavrel::platform
