#pragma once
// The station's own window with the pages of the program's page table, in the private network, and the answers a
// test gives in place of the message box and the save dialog. What the pages tell the hub (toasts, removals,
// navigation) is recorded.

#include "app/pagetable.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmateriallabel.h"
#include "pages/messages/messagebar.h"
#include "pages/messages/messagetone.h"
#include "shell/mainwindow.h"
#include "shell/mydialog.h"
#include "shell/orvmessagebox.h"
#include "shell/savefilename.h"
#include "tests/pages/messages/messagefixture.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/stationfixture.h"

#include <QtTest>

class StationPages : public QObject
{
public:
    // Once per test program.
    void prepare()
    {
        messagefixture::prepareTestProgram(home);
        registerStationPages();
        // The strip sounds nothing in tests.
        MessageTone::setHook([](const QString &) {});
        connect(&gBroadcastSocket, &BroadcastSocket::signalsInformation, this,
                [this](QString text) { toasts << text; });
        connect(&gBroadcastSocket, &BroadcastSocket::signalsRemoveMessage, this,
                [this](int value, int type) { removals << qMakePair(value, type); });
        connect(
            &gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged, this,
            [this](QString id, QString, QString prm1, QString prm2) { navigations << id + "/" + prm1 + "/" + prm2; });
    }

    // Before each test: a fresh project "Home" with the rooms, panels and messages of messagefixture, and a window.
    bool open()
    {
        if (!privatenetwork::inside())
            return false;
        stationfixture::prepareProject(home.path(), LocalNetwork);
        messagefixture::fill();
        gScreenWidth = 1920;
        toasts.clear();
        removals.clear();
        navigations.clear();
        boxTexts.clear();
        boxAnswer = QDialog::Accepted;
        saveAsked.clear();
        savePaths.clear();
        ORVMessageBox::setExecHook([this](ORVMessageBox &box) {
            boxTexts << box.text();
            return boxAnswer;
        });
        SaveFileName::setHook(
            [this](QWidget *, const QString &caption, const QString &proposed, const QString &filter) {
                saveAsked << caption + "|" + proposed + "|" + filter;
                return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
            });
        window.reset(new MainWindow);
        window->resize(1920, 1080);
        window->show();
        return true;
    }

    void close()
    {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ORVMessageBox::setExecHook({});
        SaveFileName::setHook({});
        gBroadcastSocket.shutDown();
    }

    void go(const QString &id, const QString &prm1 = QString())
    {
        emit gBroadcastSocket.signalsPageIdChanged(id, id, prm1, QString());
    }
    MyDialog *page(const QString &id) const { return window->page(id); }
    MessageBar *strip() const { return qobject_cast<MessageBar *>(window->messageStrip()); }

    static void pressLabel(MyDialog *page, const QString &name)
    {
        auto *label = page->findChild<QtMaterialLabel *>(name);
        QVERIFY2(label, qPrintable(name));
        emit label->signalsPressed();
    }

    QTemporaryDir home;
    QScopedPointer<MainWindow> window;
    QStringList toasts;
    QList<QPair<int, int>> removals;
    QStringList navigations;
    QStringList boxTexts;
    int boxAnswer = QDialog::Accepted;
    // "caption|proposed|filter" of every save dialog asked for, and the answers to give, in order.
    QStringList saveAsked;
    QStringList savePaths;
};

#define OPEN_STATION_PAGES(pages)                                                                                      \
    do {                                                                                                               \
        REQUIRE_PRIVATE_NETWORK();                                                                                     \
        QVERIFY((pages).open());                                                                                       \
    } while (0)
