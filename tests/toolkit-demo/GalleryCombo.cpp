#include "tests/toolkit-demo/WidgetGallery.h"

// Combo boxes and their popup lists.
void addComboSection(WidgetGallery&) {}
