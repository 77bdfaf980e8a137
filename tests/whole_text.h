#pragma once
// Whether a control shows its text whole and readable: a button's caption in the room its
// style leaves inside the frame or beside the check mark, a label's words wrapped inside its
// rectangle, none longer than its width.

#include <QAbstractButton>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <climits>

inline QRect captionRect(const QAbstractButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    const bool radio = qobject_cast<const QRadioButton*>(&button) != nullptr;
    return button.style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, &button);
}

inline void expectWhole(const QAbstractButton& button)
{
    const QString caption = QString(button.text()).remove('&');
    const QRect room = captionRect(button);
    EXPECT_LE(button.fontMetrics().horizontalAdvance(caption), room.width())
        << caption.toStdString();
    EXPECT_LE(button.fontMetrics().height(), room.height()) << caption.toStdString();
    EXPECT_GE(button.font().pointSizeF(), 8.0) << caption.toStdString();
}

inline void expectWhole(const QLabel& label)
{
    const QRect wrapped =
        label.fontMetrics().boundingRect(QRect(0, 0, label.width(), INT_MAX),
                                         int(label.alignment()) | Qt::TextWordWrap, label.text());
    EXPECT_LE(wrapped.width(), label.width()) << label.text().toStdString();
    EXPECT_LE(label.heightForWidth(label.width()), label.height()) << label.text().toStdString();
    EXPECT_GE(label.font().pointSizeF(), 8.0) << label.text().toStdString();
}
