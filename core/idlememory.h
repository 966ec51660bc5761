#pragma once
// Memory that start-up needs only for a while: the database connection's cache, filled while the project was
// read, and the heap pages the allocator keeps after the start's temporary objects are gone.

// Gives both back to the system. Safe at any time: it opens no database and frees nothing still in use; what
// is needed again is read or allocated anew. True when the open connection released its cache.
bool releaseIdleMemory();

// How long after the main window is shown the station releases them: long enough for the first frame and the
// pictures it decodes.
constexpr int idleMemoryDelayMs = 1000;
