#include "tests/toolkit-demo/WidgetGallery.h"

void addScrollSection(WidgetGallery&) {}
