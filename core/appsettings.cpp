#include "core/appsettings.h"

#include "core/globals.h"
#include "core/linknotices.h"
#include "core/projectfolders.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSysInfo>

namespace {

// The station's address group: each key, the value a start uses while the store holds nothing (or the empty
// text) there, and the global it fills.
struct AddressSetting
{
    const char *key;
    const char *defaultValue;
    QString *target;
};
const AddressSetting addressSettings[] = {
    {"subId", "1", &gSubId},
    {"devId", "254", &gDevId},
    {"lock_password", "qmv315", &gLockPassword},
    {"retain_days", "30", &gRetainDays},
};

// Address texts are decimal numbers; anything else counts as 0, and only the low byte reaches the bus.
quint8 lowByte(const QString &text)
{
    return quint8(text.toInt() & 0xFF);
}

} // namespace

void readIniSetting(const QString &group, const QString &key, QString &value)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                       QCoreApplication::applicationName());
    settings.beginGroup(group);
    value = settings.value(key).toString();
}

void writeIniSetting(const QString &group, const QString &key, const QString &value)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                       QCoreApplication::applicationName());
    settings.beginGroup(group);
    settings.setValue(key, value);
}

void readRegistrySetting(const QString &key, QString &value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                       QCoreApplication::applicationName());
    value = settings.value(key).toString();
}

void writeRegistrySetting(const QString &key, const QString &value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                       QCoreApplication::applicationName());
    settings.setValue(key, value);
}

void loadAppSettings()
{
    gAppDirPath = QCoreApplication::applicationDirPath();
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                       QCoreApplication::applicationName());
    settings.beginGroup("address");
    for (const AddressSetting &entry : addressSettings) {
        *entry.target = settings.value(entry.key).toString();
        if (entry.target->isEmpty())
            *entry.target = entry.defaultValue;
    }
    announceStationAddress(lowByte(gSubId), lowByte(gDevId));
}

void storeSettingDefaults()
{
    // Written when it changed only: the store is not rewritten at every start.
    QString knownPath;
    readRegistrySetting("applicationFilePath", knownPath);
    if (knownPath != QCoreApplication::applicationFilePath())
        writeRegistrySetting("applicationFilePath", QCoreApplication::applicationFilePath());

    // The missing defaults go to the store together, when settings ends: each store written to disk is made
    // durable on its own, which would otherwise be waited for once per key.
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                       QCoreApplication::applicationName());
    settings.beginGroup("address");
    for (const AddressSetting &entry : addressSettings) {
        if (settings.value(entry.key).toString().isEmpty())
            settings.setValue(entry.key, entry.defaultValue);
    }
}

void writeShortcutIcon()
{
    // Nothing reads the icon copy; it is there for shortcuts made by hand.
    const QString skin = gAppDirPath + "/skin";
    if (!QDir(skin).exists()) {
        QDir().mkdir(skin);
    }
    if (!QFile::exists(skin + "/logo.ico")) {
        if (!copyFileTo(":/myImages/icons/logo.ico", skin + "/logo.ico", true))
            qWarning() << "The icon copy for shortcuts could not be written to" << skin;
    }
}

QString getMachineUniqueId()
{
    // The platform may hand back bytes after a NUL; only the text before it is the identifier.
    return QString::fromUtf8(QSysInfo::machineUniqueId().constData());
}
