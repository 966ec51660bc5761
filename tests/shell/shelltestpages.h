#pragma once
// Pages for the shell's own tests: every page id of the table gets a page that records what it receives.

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "shell/mydialog.h"
#include "shell/pagefactory.h"

#include <QStringList>

// What the hub and the pages saw, in order.
inline QStringList &eventLog()
{
    static QStringList log;
    return log;
}

// Connected by member pointer, so it needs no meta-object of its own.
class RecordingPage : public MyDialog
{
public:
    RecordingPage(const QString &id, const QString &name, QWidget *parent) : MyDialog(id, name, parent)
    {
        connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &RecordingPage::slotsPageEnter);
    }

    int enters = 0;
    QString lastPrm1;
    QString lastPrm2;

    void slotsPageEnter(QString prm1, QString prm2)
    {
        // Like every real page: only the visible page acts on the enter.
        if (isHidden())
            return;
        ++enters;
        lastPrm1 = prm1;
        lastPrm2 = prm2;
        eventLog() << QString("page entered:%1").arg(pageId());
    }
};

// Hands every table id to RecordingPage.
inline void useRecordingPages()
{
    for (const QString &id : PageFactory::pageIds()) {
        PageFactory::setCreator(id, [](const QString &pageId, const QString &name) -> MyDialog * {
            return new RecordingPage(pageId, name, nullptr);
        });
    }
}

// Logs the navigation signals of the hub into eventLog().
inline void logHubSignals(QObject *context)
{
    QObject::connect(&gBroadcastSocket, &BroadcastSocket::signalsPageCurrent, context,
                     [](QString id, QString name, QString prm1, QString prm2) {
                         eventLog() << QString("current:%1|%2|%3|%4").arg(id, name, prm1, prm2);
                     });
    QObject::connect(&gBroadcastSocket, &BroadcastSocket::signalsPageLeave, context,
                     [](QString id) { eventLog() << QString("leave:%1").arg(id); });
    QObject::connect(&gBroadcastSocket, &BroadcastSocket::signalsStopRefresh, context,
                     [](bool delay) { eventLog() << QString("stop:%1").arg(delay); });
    QObject::connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, context,
                     [](QString prm1, QString prm2) { eventLog() << QString("enter:%1|%2").arg(prm1, prm2); });
    QObject::connect(&gBroadcastSocket, &BroadcastSocket::signalsProjectStateChanged, context,
                     [](QString name) { eventLog() << QString("project:%1").arg(name); });
    QObject::connect(&gBroadcastSocket, &BroadcastSocket::signalsNetworkStateChanged, context,
                     [](bool up) { eventLog() << QString("network:%1").arg(up); });
    QObject::connect(&gBroadcastSocket, &BroadcastSocket::signalsNetworkOpen, context,
                     [] { eventLog() << QString("open"); });
}
