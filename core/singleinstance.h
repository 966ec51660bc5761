#pragma once
// The guard that keeps a second station from starting on this machine while one runs, whoever starts it.

#include <QString>

// True when another process of the station holds the single-instance lock. The first call takes the lock when
// it is free and keeps it until this process ends, however it ends: the lock is the operating system's, held on
// an open file, so a killed station leaves nothing that keeps the next one out. A lock that cannot be taken at
// all (no such file can be made or opened) answers false, so the station still starts.
bool isAnotherInstanceRunning();

// Where the lock lives: "Zoduv.lock" in the system's temporary folder, which every user of the machine may write
// to, so that stations of different users and home folders meet at the same file.
QString singleInstanceLockPath();
