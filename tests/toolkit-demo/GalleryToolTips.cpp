#include "tests/toolkit-demo/WidgetGallery.h"

void addToolTipSection(WidgetGallery&) {}
