// The pump a drawing runs half way: it handles everything pending, but an object whose deletion
// was asked for stays until control is back in the event loop, because code further up the
// stack may still be running in it.
#include "platform/message_pump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Asks for the deletion of its target while it handles an event: one level deeper than the
// code that goes on using the target, as a menu asks to be deleted when it closes, inside the
// handling of the click whose action then runs.
class DeletionRequester : public QObject {
public:
    explicit DeletionRequester(QObject* target) : target_(target) {}
    bool event(QEvent*) override
    {
        target_->deleteLater();
        return true;
    }

private:
    QObject* target_;
};

TEST(MessagePump, HandlesWhatIsPendingButDeletesOnlyOnceTheLoopHasControlAgain)
{
    QPointer<QObject> object = new QObject;
    bool queuedCallRan = false;
    bool aliveAfterPump = false;
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        DeletionRequester requester(object);
        QEvent nudge(QEvent::User);
        QCoreApplication::sendEvent(&requester, &nudge);
        QMetaObject::invokeMethod(&loop, [&] { queuedCallRan = true; }, Qt::QueuedConnection);
        tavrel::platform::processPendingMessages();
        aliveAfterPump = !object.isNull();
        loop.quit();
    });
    loop.exec();
    EXPECT_TRUE(queuedCallRan);
    EXPECT_TRUE(aliveAfterPump);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(object.isNull());
}

}  // namespace
