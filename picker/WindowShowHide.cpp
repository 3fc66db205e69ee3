#include "picker/WindowShowHide.h"

#include "ui/core/UIManager.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWidget.h"

bool WindowShowHide::isShown() const { return m_window.isVisible(); }

bool WindowShowHide::isOnlyOpenWindow() const
{
    const uint32_t filter = UIManager::VisibleOnly | UIManager::SkipMenus | UIManager::SkipToolTips
        | UIManager::SkipBalloonTips | UIManager::AddOtherTopLevels;
    return UIManager::instance().countTopLevelWindows(filter) == 1;
}

void WindowShowHide::showAndRaise()
{
    m_window.show();
    if (auto* host = dynamic_cast<UINativeWindow*>(m_window.host()))
        host->applyWindowState(WindowState::Foreground);
}

void WindowShowHide::hide() { m_window.hide(); }
