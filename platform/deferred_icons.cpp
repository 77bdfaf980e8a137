#include "platform/deferred_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>

#include <optional>

namespace tavrel::platform {
namespace {

// The style's icon, fetched from the base style on first use. Its size is the requested one
// until then, as a standard icon's is.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap which)
        : style_(style), which_(which)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded_ ? loaded_->actualSize(size, mode, state) : size;
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(style_, which_); }

private:
    const QIcon& icon()
    {
        if (!loaded_) loaded_ = style_->standardIcon(which_);
        return *loaded_;
    }

    const QStyle* style_;
    QStyle::StandardPixmap which_;
    std::optional<QIcon> loaded_;
};

class DeferredIconStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override
    {
        if (which == SP_ToolBarHorizontalExtensionButton ||
            which == SP_ToolBarVerticalExtensionButton)
            return QIcon(new DeferredIconEngine(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

}  // namespace

void deferOverflowIcons(QApplication& application)
{
    application.setStyle(new DeferredIconStyle);
}

}  // namespace tavrel::platform
