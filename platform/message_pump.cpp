#include "platform/message_pump.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include <utility>
#include <vector>

namespace tavrel::platform {
namespace {

// Holds back the deletions asked for while pending messages are handled. Qt would carry out a
// deletion that was asked for deeper in the stack than the pump runs, taking that part of the
// stack to be finished; but the code that asked may still be running in the object further up
// (a menu that closes before it runs its command, and the command draws).
class DeletionHold : public QObject {
public:
    DeletionHold() { QCoreApplication::instance()->installEventFilter(this); }
    ~DeletionHold() override { QCoreApplication::instance()->removeEventFilter(this); }

    // Asks again for each deletion held back, now from the pump's caller: it happens once
    // control is back in the event loop.
    void release()
    {
        for (const QPointer<QObject>& object : std::exchange(held_, {}))
            if (object) QCoreApplication::postEvent(object, new QDeferredDeleteEvent);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::DeferredDelete) return false;
        held_.emplace_back(watched);
        return true;
    }

private:
    std::vector<QPointer<QObject>> held_;
};

}  // namespace

void processPendingMessages()
{
    DeletionHold hold;
    QCoreApplication::processEvents();
    hold.release();
}

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
