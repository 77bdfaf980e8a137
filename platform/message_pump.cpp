#include "platform/message_pump.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tavrel::platform {

void processPendingMessages() { QCoreApplication::processEvents(); }

void queueKeyPress(int qtKey, QWidget* fallback)
{
    QWidget* target = QApplication::activeWindow() ? QApplication::activeWindow() : fallback;
    if (!target) return;
    if (QWidget* focus = target->focusWidget()) target = focus;
    const auto key = static_cast<Qt::Key>(qtKey);
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}

}  // namespace tavrel::platform
