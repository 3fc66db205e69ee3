#pragma once
// The test program's "combo" mode: one combo box of the colour formats in a
// small window at the bottom-right corner of the primary work area, where
// its popup has no room below. Logs as the gallery's combo section does.

#include "app/Application.h"
#include "tests/toolkit-demo/DemoLog.h"

int runComboCorner(Application& application, DemoLog& log);
