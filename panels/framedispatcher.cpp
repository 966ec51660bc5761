#include "panels/framedispatcher.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "panels/busframe.h"

#include <memory>

FrameReceiver::~FrameReceiver()
{
    FrameDispatcher::instance().remove(this);
}

FrameDispatcher &FrameDispatcher::instance()
{
    static FrameDispatcher dispatcher;
    return dispatcher;
}

FrameDispatcher::FrameDispatcher()
{
    connect(&gBroadcastSocket, &BroadcastSocket::dataIsComming, this, &FrameDispatcher::dataIsComming);
}

void FrameDispatcher::add(FrameReceiver *receiver, int subnet, int device)
{
    QList<FrameReceiver *> &list = receivers[key(subnet, device)];
    if (!list.contains(receiver))
        list.append(receiver);
}

void FrameDispatcher::remove(FrameReceiver *receiver)
{
    for (auto it = receivers.begin(); it != receivers.end();) {
        it->removeAll(receiver);
        it = it->isEmpty() ? receivers.erase(it) : std::next(it);
    }
}

int FrameDispatcher::receiverCount(int subnet, int device) const
{
    return receivers.value(key(subnet, device)).size();
}

void FrameDispatcher::dataIsComming(quint8 *recvBuff, qlonglong recvLength)
{
    // On the heap: a handler may run a nested event loop that dispatches further frames.
    const auto frame = std::make_unique<BusFrame>(recvBuff, recvLength);
    const quint16 source = key(frame->sourceSubnet(), frame->sourceDevice());
    const QList<FrameReceiver *> targets = receivers.value(source);
    for (FrameReceiver *receiver : targets) {
        // A handler can delete or unregister another receiver (or itself) of the same address.
        if (!receivers.value(source).contains(receiver))
            continue;
        if (!receiver->isListening())
            continue;
        if (!frame->isAccepted())
            return;
        receiver->frameReceived(*frame);
    }
}
