#pragma once
// The page "Network Setting": the current project's network record (the gateway's bus address, MAC and
// password, the server the gateway reports to, the router's domain name), the search, read and write of the
// gateway's server settings over the bus, and a project switch. Its fields stay locked until the lock
// password is given.

#include "shell/mydialog.h"

#include <QList>
#include <QString>
#include <QTimer>

class QButtonGroup;
class QComboBox;
class QProgressIndicator;
class QtMaterialComboBox;
class QtMaterialFlatButton;
class QtMaterialLabel;
class QtMaterialLineEdit;
class QtMaterialRadioButton;

class PageSettingNetwork : public MyDialog
{
    Q_OBJECT

public:
    // The gateway's server setting, also the ids of the three radio buttons.
    enum ServerType { Disable = 0, ServerIp = 1, Domain = 2 };

    PageSettingNetwork(const QString &id, const QString &name, QWidget *parent);
    ~PageSettingNetwork() override;

    // Shows the current project's record and MAC history, then locks the form.
    void loadNetworkFromDatabase();
    // Stores the form as the project's network record (and the MAC in the history), then reloads the
    // process-wide network values; false, with nothing stored, when the database refused.
    [[nodiscard]] bool saveNetworkToDatabase();
    // Eight non-empty groups between dashes.
    static bool isMacAddressComplete(const QString &text);
    void refreshHostAddresses();
    // Ends any wait for the gateway: indicator and both timers stopped, counters and flags cleared.
    void stopWaiting();

    // Test seam: the period of the Get and Set retries (2000 ms).
    void setRetryInterval(int milliseconds);

    // Read-only views for the tests.
    bool isUnlocked() const { return unlocked; }
    bool isSearchArmed() const { return searchArmed; }
    quint16 gatewayPort() const { return port; }
    const QTimer &getTimer() const { return getNetworkTimer; }
    const QTimer &setTimer() const { return setNetworkTimer; }
    QProgressIndicator *progressIndicator() const { return progress; }
    // The nine fields the lock disables, in form order.
    QList<QWidget *> lockableFields() const;

public slots:
    void slotsPageEnter();
    void comboBoxChange(int index);
    void radioButtonServerStyle_clicked();
    void pushButtonSave_clicked();
    void labelSearch_pressed();
    void dataIsComming(quint8 *recvBuff, qlonglong recvLength);
    void slotsGetNetwork();
    void slotsSetNetwork();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void handleSearchFrame(const quint8 *frame);
    void handleGatewayReply(const quint8 *frame);
    void completeSet();
    void switchProject(const QString &name);
    void setLocked(bool locked);
    ServerType checkedServerType() const;
    // The server combo's text, an alias replaced by its address.
    QString serverAddress() const;
    int subnetId() const;
    int deviceId() const;

    QtMaterialComboBox *projectCombo = nullptr;
    QtMaterialLineEdit *subnetEdit = nullptr;
    QtMaterialLineEdit *deviceEdit = nullptr;
    QtMaterialComboBox *macCombo = nullptr;
    QtMaterialLineEdit *passwordEdit = nullptr;
    QtMaterialRadioButton *disableRadio = nullptr;
    QtMaterialRadioButton *serverIpRadio = nullptr;
    QtMaterialRadioButton *domainRadio = nullptr;
    QButtonGroup *serverTypeGroup = nullptr;
    QtMaterialComboBox *serverCombo = nullptr;
    QtMaterialComboBox *domainCombo = nullptr;
    QtMaterialLineEdit *routerDomainEdit = nullptr;
    QtMaterialComboBox *hostCombo = nullptr;
    QtMaterialLabel *searchLabel = nullptr;
    QtMaterialFlatButton *saveButton = nullptr;
    QProgressIndicator *progress = nullptr;

    bool unlocked = false;

    // The exchange with the gateway.
    quint16 port = 6000;
    bool searchArmed = false;
    bool stepOneDone = false;
    bool finished = false;
    quint8 retries = 0;
    QTimer getNetworkTimer;
    QTimer setNetworkTimer;
};
