#pragma once
// The program's page table: every page class of the station, registered by page id with the page factory.

// Registers each built page with PageFactory, and the guest-message strip that the main window places below
// them. Called once before the main window exists; tests that need the real pages call it too.
void registerStationPages();
