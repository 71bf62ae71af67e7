#pragma once

// Registers the windows behind the main menu's entries (menuactions), once at
// start. One line per entry, so each window's wiring stays on its own line.
void RegisterMenuActions();
