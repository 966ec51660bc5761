#pragma once
// The program's page table: every page class of the station, registered by page id with the page factory.

// Registers each built page with PageFactory. Called once before the main window exists; tests that need the
// real pages call it too.
void registerStationPages();
