#pragma once
// The black bar across the top of the main window: project and network state, navigation entries, the page
// history for Back, the settings lock, and the minimise and exit buttons.

#include <QList>
#include <QString>
#include <QTimer>
#include <QWidget>

class QtMaterialIconButton;
class QtMaterialLabel;

// One page identity as it travels with navigation requests and page reports.
struct pageRecord
{
    QString id;
    QString name;
    QString prm1;
    QString prm2;
};

class MenuBar : public QWidget
{
    Q_OBJECT

public:
    explicit MenuBar(QWidget *parent);

    // Home mode shows the project, the logo, Message and Log; page mode shows Back, the page title, Home and
    // Rooms instead.
    void setHomeMode(bool isHome);
    bool isHomeMode() const { return homeMode; }

    bool isUnlocked() const { return unlocked; }
    pageRecord currentPage() const { return current; }
    const QList<pageRecord> &pageHistory() const { return history; }

    // Seam: how long the settings stay unlocked after the password was accepted (180 000 ms).
    void setRelockInterval(int milliseconds) { relockInterval = milliseconds; }
    int relockIntervalMs() const { return relockInterval; }
    bool isRelockTimerActive() const { return relockTimer.isActive(); }

signals:
    // The project name was pressed; carries the name the bar shows.
    void signalsProjectSetting(QString projectName);
    // The network icon was pressed.
    void signalsNetworkSetting();
    // The minimise button was clicked.
    void signalsMinimize();
    // The exit button was clicked.
    void signalsClosed();

public slots:
    void slotsPageCurrent(QString id, QString name, QString prm1, QString prm2);
    void slotsProjectStateChanged(QString projectName);
    void slotsNetworkStateChanged(bool loginSuccess);
    void slotsUnlock();

    void labelProject_pressed();
    void labelMessage_pressed();
    void labelLog_pressed();
    void labelHome_pressed();
    void labelRooms_pressed();
    void labelNetwork_pressed();
    void labelSetting_pressed();
    void labelBack_pressed();
    void pushButtonMinimize_clicked();
    void pushButtonExit_clicked();

private:
    QtMaterialLabel *iconLabel(const QString &picture, const QString &tooltip, const char *objectName);
    void requestPage(const QString &id, const QString &name, const QString &prm1, const QString &prm2);

    bool unlocked = false;
    QTimer relockTimer;
    pageRecord current;
    QList<pageRecord> history;
    bool homeMode = true;
    int relockInterval = 180000;

    QtMaterialLabel *labelProjectIcon = nullptr;
    QtMaterialLabel *labelProject = nullptr;
    QtMaterialLabel *labelLogo = nullptr;
    QtMaterialLabel *labelMessage = nullptr;
    QtMaterialLabel *labelLog = nullptr;
    QtMaterialLabel *labelBack = nullptr;
    QtMaterialLabel *labelTitle = nullptr;
    QtMaterialLabel *labelHome = nullptr;
    QtMaterialLabel *labelRooms = nullptr;
    QtMaterialLabel *labelNetwork = nullptr;
    QtMaterialLabel *labelSetting = nullptr;
    QtMaterialIconButton *pushButtonMinimize = nullptr;
    QtMaterialIconButton *pushButtonExit = nullptr;
};
