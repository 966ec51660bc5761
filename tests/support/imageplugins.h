#pragma once
// Which image format plugins the test process has loaded so far, read from its memory map.

#include <QDir>
#include <QFile>
#include <QLibraryInfo>

namespace imageplugins {

// The plugin file of an image format (for example "gif"), as the toolkit installs it.
inline QString file(const char *format)
{
    return QLibraryInfo::location(QLibraryInfo::PluginsPath) + QStringLiteral("/imageformats/libq") +
           QLatin1String(format) + QStringLiteral(".so");
}

inline bool loaded(const char *format)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains(QFile::encodeName(file(format)));
}

} // namespace imageplugins
