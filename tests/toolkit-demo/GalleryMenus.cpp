#include "tests/toolkit-demo/WidgetGallery.h"

void addMenuSection(WidgetGallery&) {}
