#include "tests/support/testenv.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

namespace testenv {

void useFreshHome(const QTemporaryDir &dir)
{
    const QString home = dir.path();
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_CONFIG_HOME", QDir(home).filePath(".config").toUtf8());
    qputenv("XDG_DATA_HOME", QDir(home).filePath(".local/share").toUtf8());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QDir(home).filePath(".config"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QDir(home).filePath(".config"));
    QCoreApplication::setOrganizationName("ORV");
    QCoreApplication::setApplicationName("Zoduv");
}

} // namespace testenv
