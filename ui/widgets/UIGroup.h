#pragma once
// UIGroup: a titled frame around a column of child widgets. The title may
// carry a check indicator; clicking the title of a checkable group toggles
// it.
//
// The frame ("UIGroup_Background") starts below the title line, and the
// layout's top margin reserves that line, so children never cover the
// title. The group does not own its children.

#include "ui/core/UIBrush.h"
#include "ui/core/UISignal.h"
#include "ui/core/UISkin.h"
#include "ui/core/UIWidget.h"
#include "ui/widgets/UITextLook.h"

#include <cstdint>

class UIGroup : public UIWidget {
public:
    static constexpr uint32_t kDefaultTitleAlignment = Alignment::Left | Alignment::Top;
    // Between the title line and the top of the frame.
    static constexpr int32_t kTitleGap = 2;
    // The least room the size hint leaves under the title line.
    static constexpr int32_t kMinimumBodyHeight = 20;
    // Frames of "UIGroup_Indicator"; the checked ones follow at +4.
    static constexpr int32_t kIndicatorNormal = 0;
    static constexpr int32_t kIndicatorHovered = 1;
    static constexpr int32_t kIndicatorDisabled = 3;
    static constexpr int32_t kIndicatorChecked = 4;

    // Sent with the new checked state (1 or 0) when it changes.
    UISignal toggled;

    explicit UIGroup(UIWidget* parent = nullptr, String title = {});
    ~UIGroup() override;

    Size sizeHint() const override;
    void setStyleProperty(StringView name, StringView value) override;
    void setSkin(StringView name, const UISkin& skin) override;
    UIFont font() const override { return m_look.font; }

    const String& title() const { return m_title; }
    void setTitle(String title);
    uint32_t titleAlignment() const { return m_titleAlignment; }
    void setTitleAlignment(uint32_t alignment);
    bool isCheckable() const { return m_checkable; }
    void setCheckable(bool checkable);
    bool isChecked() const { return m_checked; }
    // Repaints and sends `toggled` only when the value changes.
    virtual void setChecked(bool checked);

    // The title line's box (indicator and text) in widget coordinates, as
    // the title alignment places it; empty when the group has neither a
    // title nor an indicator.
    Rect titleRect() const;
    // The height reserved above the frame: the title line and its gap, or
    // 0 without a title line.
    int32_t titleReservation() const;

protected:
    void paintEvent(UIPaintEvent& event) override;
    void mouseMoveEvent(UIMouseEvent& event) override;
    void mousePressEvent(UIMouseEvent& event) override;
    void mouseReleaseEvent(UIMouseEvent& event) override;
    void leaveEvent(UIMouseEvent& event) override;

private:
    bool hasTitleLine() const { return !m_title.empty() || m_checkable; }
    int32_t titleLineHeight() const;
    int32_t indicatorFrame() const;
    bool acceptsTitleInput() const { return m_checkable && isEnabled(); }
    void setTitleHovered(bool hovered);
    // Margins from the style's spacing metrics plus the title line.
    void updateMargins();

    UITextLook m_look;
    UIBrush m_background = UIBrush::solid(kTransparentColor);
    Size m_indicatorSize;
    int32_t m_indicatorSpacing = 0;
    UISkin m_frame;
    UISkin m_indicator;
    String m_title;
    uint32_t m_titleAlignment = kDefaultTitleAlignment;
    bool m_checkable = false;
    bool m_checked = false;
    bool m_titleHovered = false;
    bool m_titlePressed = false;
};
