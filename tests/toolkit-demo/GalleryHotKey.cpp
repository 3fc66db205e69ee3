#include "tests/toolkit-demo/WidgetGallery.h"

void addHotKeySection(WidgetGallery&) {}
