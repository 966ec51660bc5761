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

// Reads address/key and writes the default back when the store holds nothing (or the empty text) there. The
// defaults of a first start go to the store together, when settings ends: each store written to disk is made
// durable on its own, which a start would otherwise wait for once per setting.
QString readWithDefault(QSettings &settings, const QString &key, const QString &defaultValue)
{
    QString value = settings.value(key).toString();
    if (value.isEmpty()) {
        value = defaultValue;
        settings.setValue(key, value);
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
    // Written when it changed only: the store is not rewritten at every start.
    QString knownPath;
    readRegistrySetting("applicationFilePath", knownPath);
    if (knownPath != QCoreApplication::applicationFilePath())
        writeRegistrySetting("applicationFilePath", QCoreApplication::applicationFilePath());

    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                           QCoreApplication::applicationName());
        settings.beginGroup("address");
        gSubId = readWithDefault(settings, "subId", "1");
        gDevId = readWithDefault(settings, "devId", "254");
        gLockPassword = readWithDefault(settings, "lock_password", "qmv315");
        gRetainDays = readWithDefault(settings, "retain_days", "30");
    }
    announceStationAddress(lowByte(gSubId), lowByte(gDevId));
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
