#pragma once
// Fresh per-test state: a temporary home folder for the settings stores and project files.

#include <QTemporaryDir>

namespace testenv {

// Points HOME, XDG_CONFIG_HOME and XDG_DATA_HOME into dir and names the application as the
// station does, so QSettings writes below dir. Call before the first settings access.
void useFreshHome(const QTemporaryDir &dir);

// The project list a first start writes, byte for byte.
extern const char defaultProjectList[];

} // namespace testenv
