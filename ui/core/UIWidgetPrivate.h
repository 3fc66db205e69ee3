#pragma once
// The private record of a widget: one per widget, created by its
// constructor and deleted by its destructor (with the host, the images and
// the lists it holds). Widget classes reach it through UIWidget only.

#include "app/EventDispatcher.h"
#include "platform/Text.h"
#include "ui/core/UIImage.h"
#include "ui/core/UILayout.h"
#include "ui/core/UIPaintListener.h"
#include "ui/core/UIWidgetGuard.h"
#include "ui/core/UIWindowHost.h"

#include <array>
#include <cstdint>
#include <list>
#include <memory>
#include <vector>

class UIPopupMenu;
class UIWidget;

struct UIWidgetPrivate {
    UIWidgetPrivate(UIWidget* owner, int32_t serial) : owner(owner), serial(serial) {}

    UIWidget* owner;
    UIWidget* parent = nullptr;
    // Arranges this widget's children and holds its own placement values.
    UILayout styleValues;
    // Only for top-level widgets, created when the Window flag is set.
    std::unique_ptr<UIWindowHost> host;
    // Cache of window(); reset whenever the ancestry changes.
    UIWidget* topLevel = nullptr;
    UIPopupMenu* contextMenu = nullptr;
    int32_t serial;
    String styleName;
    uint64_t styleKey = 0;
    uint32_t flags = 0x6820;
    bool keyAccepted = false;
    bool showMaximized = false;
    bool showMinimized = false;
    uint32_t focusPolicy = 0;
    // The composition surface of a top-level widget.
    UIImage canvas;
    // Grows to the widget's size and never shrinks.
    UIImage buffer;
    String toolTip;
    int32_t toolTipMaxLength = -1;
    std::array<int32_t, 3> toolTipPlacement{};
    int32_t placement = 0;
    int32_t tabIndex = 0;
    int32_t cursor = 1;
    // Shared with the modal loop while it runs, so the loop never reads a
    // record deleted with the widget.
    std::shared_ptr<LoopFrame> modalLoop = std::make_shared<LoopFrame>();
    std::vector<UIWidgetGuard> disabledWindows;
    std::vector<std::unique_ptr<UIPaintListener>> paintListeners;
    uint32_t dropFlags = 0;

    // Where this widget sits in its parent's child list (valid while
    // `parent` is set).
    std::list<UIWidget*>::iterator positionInParent;
};
