#pragma once
// How every window of the test program ends its set-up: shown at its place
// and size, painted, "ready" logged, then the loop runs until the program
// quits, and its exit code is logged and returned.

#include "app/Application.h"
#include "platform/Geometry.h"
#include "tests/toolkit-demo/DemoLog.h"
#include "ui/core/UIWidget.h"

#include <string>

inline int showAndRun(Application& application, UIWidget& window, const Rect& geometry, DemoLog& log)
{
    window.resize(geometry.width, geometry.height);
    window.move(geometry.x, geometry.y);
    window.setVisible(true);
    window.update();
    log.line("ready");
    const int result = application.run();
    log.line("exit " + std::to_string(result));
    return result;
}
