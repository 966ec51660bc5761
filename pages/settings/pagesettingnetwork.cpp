#include "pages/settings/pagesettingnetwork.h"

#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/globals.h"
#include "core/hostaddress.h"
#include "core/networkstore.h"
#include "core/projectlist.h"
#include "core/queryhelpers.h"
#include "devicelink/broadcastsocket.h"
#include "devicelink/buscommands.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qprogressindicator.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialradiobutton.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "shell/orvmessagebox.h"
#include "shell/pageids.h"
#include "shell/projectswitch.h"
#include "shell/unlockdlg.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QMouseEvent>
#include <QNetworkInterface>
#include <QRegularExpressionValidator>

#include <cstring>

namespace {

constexpr int retryIntervalMs = 2000;
constexpr int getRetries = 3;
constexpr int setRetries = 10;

// Frame offsets: the length byte, the source address, the opcode and the first payload byte.
constexpr int lengthOffset = 16;
constexpr int sourceSubnetOffset = 17;
constexpr int sourceDeviceOffset = 18;
constexpr int opcodeOffset = 21;
constexpr int payloadOffset = 25;
// The length byte counts the 11 bytes around the payload.
constexpr int frameOverhead = 11;

constexpr quint16 searchOpcode = 0x000F;
constexpr quint16 gatewayReplyOpcode = 0x2025;
constexpr quint8 statusDone = 0xF8;
// A server-information reply: sub-command, status, address (4), port (2), password (4), server type.
constexpr int serverInfoReplyLength = 13;
constexpr int domainLength = 48;

const char *const searchHint = QT_TRANSLATE_NOOP(
    "PageSettingNetwork", "Enable device join,you need to press the PRG button on the module for 7 seconds to allow "
                          "the new network setting to be saved by the software!");

// Selects the item of exactly that text, appending it first when the list lacks it.
void selectOrAppend(QComboBox *combo, const QString &text)
{
    int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        combo->addItem(text);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

// Fills a combo box with the list and leaves no item selected (an empty list would otherwise select its
// first new item).
void fillUnselected(QComboBox *combo, const QStringList &items)
{
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
}

// Restores the filling flag it found when it goes out of scope.
class FillingScope
{
public:
    explicit FillingScope(bool &filling) : flag(filling), before(filling) { flag = true; }
    ~FillingScope() { flag = before; }

private:
    bool &flag;
    bool before;
};

} // namespace

PageSettingNetwork::PageSettingNetwork(const QString &id, const QString &name, QWidget *parent)
    : MyDialog(id, name, parent)
{
    auto *title = new QtMaterialLabel(tr("Project Network Options"), nullptr);

    searchLabel = new QtMaterialLabel(nullptr);
    searchLabel->setObjectName("labelSearch");
    searchLabel->setFixedSize(32, 32);
    searchLabel->setPixmap(picturePixmap(":/myImages/png/icon-search.png"));
    searchLabel->setScaledContents(true);
    searchLabel->setToolTip(tr(searchHint));

    saveButton = new QtMaterialFlatButton(QtMaterialTheme::icon("content", "save"), tr("Save"), 7, nullptr);
    saveButton->setObjectName("pushButtonSave");

    auto *header = new QHBoxLayout;
    header->addWidget(title, 1);
    header->addWidget(searchLabel, 0, Qt::AlignRight);
    header->addWidget(saveButton, 0, Qt::AlignRight);

    projectCombo = new QtMaterialComboBox(nullptr);
    projectCombo->setObjectName("comboBoxProject");
    projectCombo->setEditable(false);

    subnetEdit = new QtMaterialLineEdit(nullptr);
    subnetEdit->setObjectName("lineEditSubnetId");
    subnetEdit->setValidator(new QIntValidator(subnetEdit));
    deviceEdit = new QtMaterialLineEdit(nullptr);
    deviceEdit->setObjectName("lineEditDeviceId");
    deviceEdit->setValidator(new QIntValidator(deviceEdit));
    auto *address = new QGridLayout;
    address->addWidget(new QtMaterialLabel(tr("Subnet ID"), nullptr), 0, 0);
    address->addWidget(new QtMaterialLabel(tr("Device ID"), nullptr), 0, 1);
    address->addWidget(subnetEdit, 1, 0);
    address->addWidget(deviceEdit, 1, 1);

    macCombo = new QtMaterialComboBox(nullptr);
    macCombo->setObjectName("comboBoxMac");
    macCombo->setEditable(true);
    macCombo->lineEdit()->setInputMask("hh-hh-hh-hh-hh-hh-hh-hh");

    passwordEdit = new QtMaterialLineEdit(nullptr);
    passwordEdit->setObjectName("lineEditPassword");
    passwordEdit->setEchoMode(QLineEdit::Password);
    passwordEdit->setMaxLength(4);

    disableRadio = new QtMaterialRadioButton(tr("Disable"), nullptr);
    disableRadio->setObjectName("radioButtonDisable");
    serverIpRadio = new QtMaterialRadioButton(tr("Server IP"), nullptr);
    serverIpRadio->setObjectName("radioButtonServerIp");
    domainRadio = new QtMaterialRadioButton(tr("Domain"), nullptr);
    domainRadio->setObjectName("radioButtonDomain");
    serverTypeGroup = new QButtonGroup(this);
    serverTypeGroup->addButton(disableRadio, Disable);
    serverTypeGroup->addButton(serverIpRadio, ServerIp);
    serverTypeGroup->addButton(domainRadio, Domain);
    disableRadio->setChecked(true);
    auto *radios = new QHBoxLayout;
    radios->addWidget(disableRadio);
    radios->addWidget(serverIpRadio);
    radios->addWidget(domainRadio);

    serverCombo = new QtMaterialComboBox(nullptr);
    serverCombo->setObjectName("comboBoxServer");
    serverCombo->setEditable(true);
    serverCombo->setValidator(new QRegularExpressionValidator(
        QRegularExpression("\\b(?:(?:25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\.){3}(?:25[0-5]|2[0-4][0-9]|[01]?[0-9]["
                           "0-9]?)\\b"),
        serverCombo));
    serverCombo->setEnabled(false);
    domainCombo = new QtMaterialComboBox(nullptr);
    domainCombo->setObjectName("comboBoxDomain");
    domainCombo->setEditable(true);
    domainCombo->lineEdit()->setMaxLength(domainLength);
    domainCombo->setEnabled(false);
    domainCombo->setVisible(false);
    auto *server = new QGridLayout;
    server->setContentsMargins(0, 0, 0, 0);
    server->addWidget(serverCombo, 0, 0);
    server->addWidget(domainCombo, 0, 0);

    routerDomainEdit = new QtMaterialLineEdit(nullptr);
    routerDomainEdit->setObjectName("lineEditRouterDomain");

    hostCombo = new QtMaterialComboBox(nullptr);
    hostCombo->setObjectName("comboBoxHost");
    hostCombo->setEditable(false);

    auto *grid = new QGridLayout;
    grid->setSpacing(20);
    grid->addLayout(header, 0, 0);
    grid->addWidget(new QtMaterialLabel(tr("Project Name"), nullptr), 1, 0);
    grid->addWidget(projectCombo, 2, 0);
    grid->addLayout(address, 3, 0);
    grid->addWidget(new QtMaterialLabel(tr("MAC Address"), nullptr), 4, 0);
    grid->addWidget(macCombo, 5, 0);
    grid->addWidget(new QtMaterialLabel(tr("Password"), nullptr), 6, 0);
    grid->addWidget(passwordEdit, 7, 0);
    grid->addLayout(radios, 8, 0);
    grid->addLayout(server, 9, 0);
    grid->addWidget(new QtMaterialLabel(tr("Domain Name(By Router)"), nullptr), 10, 0);
    grid->addWidget(routerDomainEdit, 11, 0);
    grid->addWidget(new QtMaterialLabel(tr("Host Address"), nullptr), 12, 0);
    grid->addWidget(hostCombo, 13, 0);
    grid->setRowStretch(14, 1);
    setLayout(grid);

    progress = new QProgressIndicator(this);
    progress->setObjectName("progressIndicator");
    progress->setColor(Qt::green);

    getNetworkTimer.setInterval(retryIntervalMs);
    setNetworkTimer.setInterval(retryIntervalMs);

    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &PageSettingNetwork::slotsPageEnter);
    connect(&gBroadcastSocket, &BroadcastSocket::dataIsComming, this, &PageSettingNetwork::dataIsComming);
    connect(&getNetworkTimer, &QTimer::timeout, this, &PageSettingNetwork::slotsGetNetwork);
    connect(&setNetworkTimer, &QTimer::timeout, this, &PageSettingNetwork::slotsSetNetwork);
    connect(projectCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &PageSettingNetwork::comboBoxChange);
    connect(macCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &PageSettingNetwork::comboBoxChange);
    for (QAbstractButton *radio : serverTypeGroup->buttons())
        connect(radio, &QAbstractButton::clicked, this, &PageSettingNetwork::radioButtonServerStyle_clicked);
    connect(searchLabel, &QtMaterialLabel::signalsPressed, this, &PageSettingNetwork::labelSearch_pressed);
    connect(saveButton, &QPushButton::clicked, this, &PageSettingNetwork::pushButtonSave_clicked);

    for (QWidget *field : lockableFields())
        field->installEventFilter(this);
}

PageSettingNetwork::~PageSettingNetwork() = default;

QList<QWidget *> PageSettingNetwork::lockableFields() const
{
    return {projectCombo, subnetEdit,  deviceEdit,       macCombo, passwordEdit,
            serverCombo,  domainCombo, routerDomainEdit, hostCombo};
}

void PageSettingNetwork::setRetryInterval(int milliseconds)
{
    getNetworkTimer.setInterval(milliseconds);
    setNetworkTimer.setInterval(milliseconds);
}

void PageSettingNetwork::slotsPageEnter()
{
    if (!isVisible())
        return;
    port = 6000;
    loading = true;
    searchArmed = false;
    stopWaiting();

    projectCombo->clear();
    QStringList names;
    getProjectNames(names);
    projectCombo->addItems(names);
    QString current;
    if (getCurrentProjectName(current)) {
        const int index = projectCombo->findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0) {
            projectCombo->setCurrentIndex(index);
            loadNetworkFromDatabase();
        }
    }
    refreshHostAddresses();
    loading = false;
}

void PageSettingNetwork::loadNetworkFromDatabase()
{
    // The lists are refilled here; their change handler must not take a stored password meanwhile.
    FillingScope filling(loading);

    subnetEdit->clear();
    deviceEdit->clear();
    passwordEdit->clear();
    routerDomainEdit->clear();
    disableRadio->setChecked(true);

    fillUnselected(macCombo, gatewayMacs());
    fillUnselected(serverCombo, serverAliases());
    fillUnselected(domainCombo, serverDomains());

    NetworkRecord record;
    if (readNetworkRecord(record)) {
        if (record.subnetId > 0)
            subnetEdit->setText(QString::number(record.subnetId));
        if (record.deviceId > 0)
            deviceEdit->setText(QString::number(record.deviceId));
        if (!record.ipPortMac.isEmpty())
            selectOrAppend(macCombo, record.ipPortMac);
        passwordEdit->setText(record.password);
        if (record.serverType == ServerIp)
            serverIpRadio->setChecked(true);
        else if (record.serverType == Domain)
            domainRadio->setChecked(true);
        else
            disableRadio->setChecked(true);
        routerDomainEdit->setText(record.domainName);
        if (!record.staticServerIp.isEmpty()) {
            const QString alias = serverAliasOfAddress(record.staticServerIp);
            selectOrAppend(serverCombo, alias.isEmpty() ? record.staticServerIp : alias);
        }
        if (!record.staticDomain.isEmpty())
            selectOrAppend(domainCombo, record.staticDomain);
    }

    radioButtonServerStyle_clicked();
    setLocked(true);
}

void PageSettingNetwork::setLocked(bool locked)
{
    unlocked = !locked;
    for (QWidget *field : lockableFields())
        field->setEnabled(!locked);
}

PageSettingNetwork::ServerType PageSettingNetwork::checkedServerType() const
{
    if (serverIpRadio->isChecked())
        return ServerIp;
    if (domainRadio->isChecked())
        return Domain;
    return Disable;
}

QString PageSettingNetwork::serverAddress() const
{
    QString server = serverCombo->currentText();
    serverAddressOfAlias(server, server);
    return server;
}

int PageSettingNetwork::subnetId() const
{
    return subnetEdit->text().toInt();
}

int PageSettingNetwork::deviceId() const
{
    return deviceEdit->text().toInt();
}

bool PageSettingNetwork::saveNetworkToDatabase()
{
    NetworkRecord record;
    record.subnetId = subnetId();
    record.deviceId = deviceId();
    record.ipPortMac = macCombo->currentText();
    record.password = passwordEdit->text();
    record.staticServerIp = serverAddress();
    record.staticDomain = domainCombo->currentText();
    const ServerType type = checkedServerType();
    record.serverType = int(type);
    if (type == ServerIp)
        record.serverIp = record.staticServerIp;
    else if (type == Domain)
        record.serverIp = record.staticDomain;
    record.domainName = routerDomainEdit->text();
    // An incomplete MAC is stored as none and leaves the history alone.
    if (!record.ipPortMac.isEmpty() && !isMacAddressComplete(record.ipPortMac))
        record.ipPortMac.clear();

    // A refused save leaves the record and the history as they were, and the process-wide values with them.
    if (!saveNetworkRecord(record))
        return false;
    loadNetworkSettings();
    return true;
}

bool PageSettingNetwork::isMacAddressComplete(const QString &text)
{
    return hasEightDashFields(text);
}

void PageSettingNetwork::refreshHostAddresses()
{
    hostCombo->clear();
    hostCombo->addItems(hostAddressTexts(QNetworkInterface::allAddresses()));
    const int index = hostCombo->findText(gHostIp, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        hostCombo->setCurrentIndex(index);
}

bool PageSettingNetwork::eventFilter(QObject *watched, QEvent *event)
{
    if (!unlocked && event->type() == QEvent::MouseButtonPress &&
        lockableFields().contains(qobject_cast<QWidget *>(watched))) {
        UnlockDlg dialog(nullptr);
        if (dialog.exec() == QDialog::Accepted)
            setLocked(false);
    }
    return MyDialog::eventFilter(watched, event);
}

void PageSettingNetwork::radioButtonServerStyle_clicked()
{
    const bool byAddress = serverIpRadio->isChecked();
    const bool byDomain = domainRadio->isChecked();
    if (byAddress || byDomain) {
        serverCombo->setVisible(byAddress);
        domainCombo->setVisible(byDomain);
    }
    serverCombo->setEnabled(byAddress);
    domainCombo->setEnabled(byDomain);
}

void PageSettingNetwork::comboBoxChange(int index)
{
    if (loading || index < 0)
        return;
    if (sender() == macCombo) {
        const QString mac = macCombo->currentText();
        QString password;
        if (!mac.isEmpty() && gatewayPassword(mac, password))
            passwordEdit->setText(password);
    } else if (sender() == projectCombo) {
        switchProject(projectCombo->currentText());
    }
}

void PageSettingNetwork::switchProject(const QString &name)
{
    if (ProjectSwitch::switchProject(name, [this] { loadNetworkFromDatabase(); }))
        return;
    // Refused (the switch has said why): the combo goes back to the project the station stays on.
    QString current;
    if (getCurrentProjectName(current)) {
        FillingScope filling(loading);
        projectCombo->setCurrentIndex(projectCombo->findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
}

void PageSettingNetwork::pushButtonSave_clicked()
{
    // A gateway address above one byte is refused before anything is asked or stored: capped, it would become 255,
    // the address of every device.
    const QList<QPair<QString, QLineEdit *>> addresses = {{tr("Subnet ID"), subnetEdit}, {tr("Device ID"), deviceEdit}};
    for (const auto &address : addresses) {
        if (address.second->text().toInt() > 255) {
            emit gBroadcastSocket.signalsInformation(tr("%1 cannot be greater than 255!").arg(address.first));
            return;
        }
    }
    ORVMessageBox box(tr("This save will also synchronize the modification of information in the device"), 500, 160,
                      true, 2, nullptr);
    if (box.exec() != QDialog::Accepted)
        return;

    if (!box.checked) {
        if (!saveNetworkToDatabase()) {
            emit gBroadcastSocket.signalsInformation(tr("Save failed!"));
            return;
        }
        emit gBroadcastSocket.signalsInformation(tr("Save successfully"));
        emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::Setting), trPageId(PageId::Setting), QString(),
                                                   QString());
        return;
    }

    QString complaint;
    if (subnetEdit->text().isEmpty() || deviceEdit->text().isEmpty())
        complaint = tr("Please input subnet id and device id!");
    else if (serverIpRadio->isChecked() && serverCombo->currentText().isEmpty())
        complaint = tr("Please input server ip address!");
    else if (domainRadio->isChecked() && domainCombo->currentText().isEmpty())
        complaint = tr("Please input domain name!");
    else if (!passwordEdit->text().isEmpty() && passwordEdit->text().size() != 4)
        complaint = tr("The length of password is 4 characters,please input again!");
    if (!complaint.isEmpty()) {
        emit gBroadcastSocket.signalsInformation(complaint);
        return;
    }

    // The database is written once the gateway has confirmed (completeSet).
    stopWaiting();
    progress->startAnimation();
    slotsSetNetwork();
    setNetworkTimer.start();
}

void PageSettingNetwork::labelSearch_pressed()
{
    searchArmed = true;
    emit gBroadcastSocket.signalsInformation(tr(searchHint));
}

void PageSettingNetwork::stopWaiting()
{
    progress->stopAnimation();
    stepOneDone = false;
    finished = false;
    retries = 0;
    getNetworkTimer.stop();
    setNetworkTimer.stop();
}

void PageSettingNetwork::dataIsComming(quint8 *recvBuff, qlonglong recvLength)
{
    if (!isVisible() || !recvBuff || recvLength <= 0)
        return;
    // The hub's buffer lives only during the emission; bytes beyond what was received read as 0.
    quint8 frame[BroadcastSocket::PacketBufferSize] = {};
    const qlonglong length = qMin<qlonglong>(recvLength, BroadcastSocket::PacketBufferSize);
    std::memcpy(frame, recvBuff, size_t(length));
    if (!gBroadcastSocket.checkPacket(frame, length))
        return;

    const quint16 opcode = quint16((frame[opcodeOffset] << 8) | frame[opcodeOffset + 1]);
    if (opcode == searchOpcode)
        handleSearchFrame(frame);
    else if (opcode == gatewayReplyOpcode)
        handleGatewayReply(frame);
}

void PageSettingNetwork::handleSearchFrame(const quint8 *frame)
{
    if (!searchArmed || frame[lengthOffset] < 32 || (frame[45] != 0xFB && frame[45] != 0xFC))
        return;
    searchArmed = false;
    {
        // A MAC found by the search brings no stored password along.
        FillingScope filling(loading);
        subnetEdit->setText(QString::number(frame[sourceSubnetOffset]));
        deviceEdit->setText(QString::number(frame[sourceDeviceOffset]));
        const quint8 *m = frame + 50;
        const QString mac = QString::asprintf("%02X-%02X-%02X-%02X-%02X-%02X-%02X-%02X", m[0], m[1], m[2], m[3], m[4],
                                              m[5], m[6], m[7]);
        selectOrAppend(macCombo, mac);
    }
    stopWaiting();
    progress->startAnimation();
    slotsGetNetwork();
    getNetworkTimer.start();
}

void PageSettingNetwork::handleGatewayReply(const quint8 *frame)
{
    if (frame[sourceSubnetOffset] != subnetId() || frame[sourceDeviceOffset] != deviceId())
        return;
    const quint8 *payload = frame + payloadOffset;
    const int payloadLength = frame[lengthOffset] - frameOverhead;

    switch (payload[0]) {
    case 0x08: {
        if (payload[1] != statusDone) {
            stopWaiting();
            emit gBroadcastSocket.signalsInformation(tr("Failed To Get Server Information!"));
            return;
        }
        // A reply cut short would fill the form from bytes the gateway never sent.
        if (payloadLength < serverInfoReplyLength)
            return;
        const QString address = QString::asprintf("%d.%d.%d.%d", payload[2], payload[3], payload[4], payload[5]);
        port = quint16(payload[6] * 256 + payload[7]);
        // The station pads a short password with zeros, so the password ends at the first zero.
        const char *password = reinterpret_cast<const char *>(payload + 8);
        passwordEdit->setText(QString::fromUtf8(password, int(qstrnlen(password, 4))));
        if (payload[12] == ServerIp)
            serverIpRadio->setChecked(true);
        else if (payload[12] == Domain)
            domainRadio->setChecked(true);
        else
            disableRadio->setChecked(true);
        const QString alias = serverAliasOfAddress(address);
        selectOrAppend(serverCombo, alias.isEmpty() ? address : alias);
        radioButtonServerStyle_clicked();
        stepOneDone = true;
        retries = 0;
        if (!finished)
            sendReadServerDomain(subnetId(), deviceId());
        break;
    }
    case 0x09:
        if (payload[1] != statusDone) {
            stopWaiting();
            emit gBroadcastSocket.signalsInformation(tr("Failed To Save Server Information!"));
        } else if (domainRadio->isChecked()) {
            stepOneDone = true;
            retries = 0;
            if (!finished)
                sendWriteServerDomain(subnetId(), deviceId(), domainCombo->currentText());
        } else {
            completeSet();
        }
        break;
    case 0xBC: {
        if (payload[1] != 0x01)
            return;
        const int start = payload[2] == statusDone ? 3 : 2;
        // A reply cut short ends its name with the payload; the CRC after it is no part of the name.
        const int available = qBound(0, payloadLength - start, domainLength);
        char name[domainLength + 1] = {};
        copyDeviceText(name, payload + start, available, false);
        selectOrAppend(domainCombo, QString::fromUtf8(name));
        finished = true;
        retries = 0;
        break;
    }
    case 0xBD:
        if (payload[1] != 0x01)
            return;
        if (payload[2] == statusDone) {
            completeSet();
        } else {
            stopWaiting();
            emit gBroadcastSocket.signalsInformation(tr("Failed To Save Domain Name!"));
        }
        break;
    default:
        // The project-transfer beacon (0x38) and any other sub-command are not this page's.
        break;
    }
}

void PageSettingNetwork::completeSet()
{
    finished = true;
    retries = 0;
    // The gateway holds the new settings; the station says so when it could not store them itself.
    if (!saveNetworkToDatabase()) {
        emit gBroadcastSocket.signalsInformation(tr("Save failed!"));
        return;
    }
    emit gBroadcastSocket.signalsInformation(tr("Synchronize successfully"));
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::Setting), trPageId(PageId::Setting), QString(),
                                               QString());
}

void PageSettingNetwork::slotsGetNetwork()
{
    if (finished) {
        progress->stopAnimation();
        getNetworkTimer.stop();
        return;
    }
    if (retries >= getRetries) {
        progress->stopAnimation();
        getNetworkTimer.stop();
        emit gBroadcastSocket.signalsInformation(tr("Get Server Information (Time Out)!"));
        return;
    }
    if (!stepOneDone)
        sendReadServerInfo(subnetId(), deviceId());
    else
        sendReadServerDomain(subnetId(), deviceId());
    ++retries;
}

void PageSettingNetwork::slotsSetNetwork()
{
    if (finished) {
        progress->stopAnimation();
        setNetworkTimer.stop();
        return;
    }
    if (retries >= setRetries) {
        progress->stopAnimation();
        setNetworkTimer.stop();
        emit gBroadcastSocket.signalsInformation(tr("Save Server Information (Time Out)!"));
        return;
    }
    if (!stepOneDone)
        sendWriteServerInfo(subnetId(), deviceId(), serverAddress(), passwordEdit->text(), port,
                            quint8(checkedServerType()));
    else if (domainRadio->isChecked())
        sendWriteServerDomain(subnetId(), deviceId(), domainCombo->currentText());
    ++retries;
}
