#include "ui/core/UIWindow.h"
#include "app/Application.h"
#include "platform/Monitors.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UILayout.h"
#include "ui/core/UIManager.h"
#include "ui/core/UIStyleSet.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/WidgetLayout.h"

#include <algorithm>

namespace {

constexpr char16_t kTitleSeparator[] = u" \u2013 ";

String applicationName()
{
    const Application* application = Application::instance();
    return application ? application->applicationName() : String();
}

// The gap kept between a placed window and the edges of the work area.
int32_t desktopPadding()
{
    const UIStyleSet* style = UIManager::instance().styleSet();
    return style ? std::max(0, style->metric(MetricId::WindowDesktopPadding)) : 0;
}

} // namespace

UIWindow::UIWindow(UIWidget* parent) : UIWindow(parent, u"UIWindow") {}

UIWindow::UIWindow(UIWidget* parent, StringView styleName) : UIWidget(parent)
{
    setFlag(Flag::Window, true);
    create(styleName);
    if (UINativeWindow* host = nativeWindow())
        host->setTitle(applicationName());
    layout().setFlow(UILayout::Flow::Column);
}

UINativeWindow* UIWindow::nativeWindow() const { return dynamic_cast<UINativeWindow*>(host()); }

void UIWindow::setStyleProperty(StringView name, StringView value)
{
    if (name == u"background")
        m_background = parseFill(value);
    else if (name == u"borderColor")
        m_borderColor = parseColor(value);
}

String UIWindow::windowTitleFor(StringView text, StringView application)
{
    if (text.empty())
        return String(application);
    return String(text) + kTitleSeparator + String(application);
}

void UIWindow::setWindowTitle(StringView text)
{
    if (UINativeWindow* host = nativeWindow())
        host->setTitle(windowTitleFor(text, applicationName()));
}

void UIWindow::paintEvent(UIPaintEvent&)
{
    UICanvas canvas(paintBuffer());
    canvas.fillRect({0, 0, width(), height()}, m_background);
    if (m_borderColor >> 24) {
        canvas.setPen(m_borderColor);
        canvas.drawRect({0, 0, width() - 1, height() - 1});
    }
}

void UIWindow::setVisible(bool visible)
{
    if (!visible) {
        if (isCreated() && testFlag(Flag::Visible))
            setFlag(Flag::Visible, false);
        return;
    }
    if (!isCreated() || testFlag(Flag::Visible))
        return;
    growToPreferredSize();
    placeOnScreen();
    if (m_requestedWindowState)
        if (UINativeWindow* host = nativeWindow())
            host->applyWindowState(m_requestedWindowState);
    setFlag(Flag::Visible, true);
}

void UIWindow::growToPreferredSize()
{
    // Client sizes on both sides: the host adds the frame for the native
    // window.
    const Size preferred = m_preferredSize.isEmpty() ? WidgetLayout::layoutSizeHint(*this) : m_preferredSize;
    const Size grown{std::max(width(), preferred.width), std::max(height(), preferred.height)};
    if (grown != size())
        resize(grown.width, grown.height);
}

void UIWindow::placeOnScreen()
{
    UINativeWindow* host = nativeWindow();
    if (!host || placement() == 0 || position() != Point{0, 0})
        return;
    const Rect outer = host->windowRect();
    UIWidget* parentWindow = parent() ? parent()->window() : nullptr;
    auto* parentHost = parentWindow ? dynamic_cast<UINativeWindow*>(parentWindow->host()) : nullptr;
    Rect area;
    if (parentHost && parentHost->isVisible() && !(parentHost->windowState() & WindowState::Minimized)) {
        area = parentHost->windowRect();
    } else {
        area = parentHost ? platform::workAreaFor(parentHost->windowRect()) : platform::primaryWorkArea();
        const int32_t padding = desktopPadding();
        area = {area.x + padding, area.y + padding, area.width - 2 * padding, area.height - 2 * padding};
    }
    const Rect placed = UILayout::alignRect(placement(), area, outer.size());
    move(placed.x, placed.y);
}
