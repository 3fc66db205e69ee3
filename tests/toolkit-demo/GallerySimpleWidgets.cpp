#include "tests/toolkit-demo/WidgetGallery.h"

void addSimpleWidgetSection(WidgetGallery&) {}
