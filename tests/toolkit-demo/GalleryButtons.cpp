#include "tests/toolkit-demo/WidgetGallery.h"

void addButtonSection(WidgetGallery&) {}
