#pragma once
// A window host without a native window: it keeps the state a native window
// would have (visible when shown, active while visible, enabled, type,
// modality) and reports moves and resizes back at once. The default host of
// top-level widgets when no factory is installed; tests derive from it to
// record requests.

#include "ui/core/UIWindowHost.h"

class UIWidget;

class UIMemoryWindowHost : public UIWindowHost {
public:
    // The host does not own its widget; the widget owns the host.
    explicit UIMemoryWindowHost(UIWidget& owner) : m_owner(owner) {}

    UIWidget& owner() const { return m_owner; }

    bool createWindow() override { return true; }
    void show(bool visible, bool maximized, bool minimized) override;
    bool isVisible() const override { return m_visible; }
    bool isActive() const override { return m_visible && m_active; }
    void activate(bool active) override { m_active = active; }
    void setEnabled(bool enabled) override { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }

    void moveTo(Point position) override;
    void resizeTo(Size clientSize) override;
    Margins frameMargins() const override { return m_frame; }
    void setFrameMargins(Margins frame) { m_frame = frame; }

    uint32_t windowType() const override { return m_type; }
    void setWindowType(uint32_t flags) override { m_type = flags; }

    void captureMouse() override { m_captured = true; }
    void releaseMouse() override { m_captured = false; }
    bool hasCapture() const { return m_captured; }

    void flush(const UIImage&, const Rect&) override {}

    Modality modality() const override { return m_modality; }
    void setModality(Modality modality) override { m_modality = modality; }
    void modalDisable(bool disable) override;
    int32_t modalDisableCount() const { return m_modalDisableCount; }

    bool hasLayeredImage() const override { return false; }
    void refreshLayered() override {}
    void setInputMethodActive(bool) override {}

private:
    UIWidget& m_owner;
    bool m_visible = false;
    bool m_active = false;
    bool m_enabled = true;
    bool m_captured = false;
    bool m_enabledBeforeModal = true;
    int32_t m_modalDisableCount = 0;
    uint32_t m_type = WindowType::SystemMenu;
    Modality m_modality = Modality::None;
    Margins m_frame;
};
