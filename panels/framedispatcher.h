#pragma once
// The one receiver of the hub's dataIsComming for everything that reads device replies (panels, and pages that
// watch device addresses). Each frame is copied once into a zero-filled BusFrame. Receivers are registered under
// the source addresses they hear, so the lookup only narrows which receivers are asked; each of them then sees the
// filters in the same order before anything is parsed: listening (visible, or built to listen while hidden), the
// device link's acceptance test, then its own tests (which of its rows the source is, opcode, markers).

#include <QHash>
#include <QList>
#include <QObject>

class BusFrame;

// Implemented by whatever reads device replies; registered with FrameDispatcher under the addresses it hears.
class FrameReceiver
{
public:
    virtual ~FrameReceiver();
    // Whether frames reach the receiver now (a panel: visible, or built to listen while hidden).
    virtual bool isListening() const = 0;
    // A frame from one of the receiver's addresses that passed the acceptance test.
    virtual void frameReceived(const BusFrame &frame) = 0;
};

class FrameDispatcher : public QObject
{
    Q_OBJECT

public:
    // The process-wide dispatcher; connected to the hub on first use.
    static FrameDispatcher &instance();

    // receiver hears frames whose source is subnet/device; adding an address twice changes nothing.
    void add(FrameReceiver *receiver, int subnet, int device);
    // Forgets every address of receiver; safe during a dispatch (a receiver removed there hears nothing more).
    void remove(FrameReceiver *receiver);
    // Number of receivers registered under the address.
    int receiverCount(int subnet, int device) const;

public slots:
    void dataIsComming(quint8 *recvBuff, qlonglong recvLength);

private:
    FrameDispatcher();
    static quint16 key(int subnet, int device) { return quint16(((subnet & 0xFF) << 8) | (device & 0xFF)); }

    // Receivers per source address, in the order they registered.
    QHash<quint16, QList<FrameReceiver *>> receivers;
};
