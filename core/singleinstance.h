#pragma once
// The guard that keeps a second station from starting while one runs for the same user.

#include <QString>

// True when another process of the station holds the single-instance lock. The first call takes the lock when
// it is free and keeps it until this process ends, however it ends: the operating system drops a dead
// process's claim, and a lock left by a killed station is recognised as stale and taken over. A lock that
// cannot be made at all answers false, so the station still starts.
bool isAnotherInstanceRunning();

// Where the lock lives: a per-user data folder, named "Zoduv" whatever the application name is.
QString singleInstanceLockPath();
