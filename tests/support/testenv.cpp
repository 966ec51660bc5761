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

const char defaultProjectList[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<general>\n"
                                  "    <project>\n"
                                  "        <name>Home</name>\n"
                                  "        <indoor_temperature_low>20</indoor_temperature_low>\n"
                                  "        <indoor_temperature_high>35</indoor_temperature_high>\n"
                                  "        <network_type>0</network_type>\n"
                                  "    </project>\n"
                                  "    <current>\n"
                                  "        <name>Home</name>\n"
                                  "    </current>\n"
                                  "</general>\n";

} // namespace testenv
