#pragma once
// The station's own preferences outside the project database: the per-user ini store (groups address,
// project, getOpenFileName, about), the platform's native per-user store, and the start-up load of them.
//
// Each function opens its own settings object for the one access, so a written value is stored when it returns.

#include <QString>

void readIniSetting(const QString &group, const QString &key, QString &value);
void writeIniSetting(const QString &group, const QString &key, const QString &value);
void readRegistrySetting(const QString &key, QString &value);
void writeRegistrySetting(const QString &key, const QString &value);

// Fills gAppDirPath, the station's bus address (also handed to the device link), the lock password and the
// retention in days, taking the defaults where the store holds nothing. Called once at start-up; it writes
// nothing.
void loadAppSettings();

// Writes back what loadAppSettings took as defaults where the store still holds nothing, and the program's path
// to the native store when it changed. Called once the main window's frame is on screen: a first start does not
// wait for the stores to reach the disk.
void storeSettingDefaults();

// Writes the station's icon to skin/logo.ico beside the program when it is not there yet, for shortcuts made by
// hand (the station itself never reads it). Called once the main window is up: a first start does not wait for
// the copy to reach the disk.
void writeShortcutIcon();

// The platform's unique machine identifier as text; empty when the platform reports none.
QString getMachineUniqueId();
