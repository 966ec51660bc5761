#pragma once
// Registration of the compiled-in pictures, icons and tones (":/myImages/...", ":/myFiles/...").

// Makes both resource trees of the static resources library reachable by path. A static library's
// resources stay unregistered (the linker may even drop them) until this has run; the station calls it once at
// start-up before the first picture is loaded, and tests that load pictures call it in initTestCase.
// Calling it again is harmless.
void initStationResources();
