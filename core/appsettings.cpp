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

// Reads group/key and writes the default back when the store holds nothing (or the empty text) there.
QString readWithDefault(const QString &key, const QString &defaultValue)
{
    QString value;
    readIniSetting("address", key, value);
    if (value.isEmpty()) {
        value = defaultValue;
        writeIniSetting("address", key, value);
    }
    return value;
}

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
    writeRegistrySetting("applicationFilePath", QCoreApplication::applicationFilePath());

    // Nothing reads the icon copy; it is there for shortcuts made by hand.
    const QString skin = gAppDirPath + "/skin";
    if (!QDir(skin).exists()) {
        QDir().mkdir(skin);
    }
    if (!QFile::exists(skin + "/logo.ico")) {
        if (!copyFileTo(":/myImages/icons/logo.ico", skin + "/logo.ico", true))
            qWarning() << "The icon copy for shortcuts could not be written to" << skin;
    }

    gSubId = readWithDefault("subId", "1");
    gDevId = readWithDefault("devId", "254");
    announceStationAddress(lowByte(gSubId), lowByte(gDevId));
    gLockPassword = readWithDefault("lock_password", "qmv315");
    gRetainDays = readWithDefault("retain_days", "30");
}

QString getMachineUniqueId()
{
    // The platform may hand back bytes after a NUL; only the text before it is the identifier.
    return QString::fromUtf8(QSysInfo::machineUniqueId().constData());
}
