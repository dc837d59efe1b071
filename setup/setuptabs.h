#pragma once

class QTabWidget;
struct SetupControls;

// The panel's look and its five pages, every control named and placed; no
// rule is connected yet.
void buildSetupTabs(QTabWidget &panel, SetupControls &controls);
