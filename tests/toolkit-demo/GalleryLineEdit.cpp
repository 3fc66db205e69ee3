#include "tests/toolkit-demo/WidgetGallery.h"

// Line edits in their states.
void addLineEditSection(WidgetGallery&) {}
