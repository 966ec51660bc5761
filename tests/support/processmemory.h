#pragma once
// The memory figures of this process as Linux reports them in /proc/self, for tests and benchmarks that bound
// how much a transfer or a page may take.

#include <QtGlobal>

// Resident memory now (VmRSS), in kilobytes; -1 where it cannot be read.
qint64 residentKb();
// The peak of resident memory (VmHWM) since the process started or resetPeakMemory, in kilobytes; -1 where it
// cannot be read.
qint64 peakResidentKb();
// Lets the peak start again from what the process holds now; false where the system does not allow it.
bool resetPeakMemory();
