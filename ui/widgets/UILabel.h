#pragma once
// UILabel: a static text, one line shortened to fit (the whole text then
// shows as its tooltip) or several lines split at line feeds.
//
// Look: the style section "UILabel" (the text look).

#include "platform/Text.h"
#include "ui/core/Alignment.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UIWidget.h"
#include "ui/widgets/UITextLook.h"

#include <cstdint>

class UILabel : public UIWidget {
public:
    // Room around the text that the size hint adds in each direction.
    static constexpr int32_t kTextMargin = 4;

    explicit UILabel(UIWidget* parent = nullptr);
    ~UILabel() override;

    void setStyleProperty(StringView name, StringView value) override;
    Size sizeHint() const override;
    // The widget's own tooltip; else the whole text when the last painting
    // had to shorten it; else nothing.
    String toolTipAt(Point position) const override;

    const String& text() const { return m_text; }
    // Asks the parent for a new arrangement when the size hint changes,
    // else repaints.
    void setText(String text);
    uint32_t alignment() const { return m_alignment; }
    void setAlignment(uint32_t alignment);
    bool isMultiLine() const { return m_multiLine; }
    void setMultiLine(bool multiLine);
    ElideMode elideMode() const { return m_elideMode; }
    void setElideMode(ElideMode mode);

protected:
    void paintEvent(UIPaintEvent& event) override;

private:
    UITextLook m_look;
    String m_text;
    uint32_t m_alignment = Alignment::Left | Alignment::VCenter;
    bool m_multiLine = false;
    ElideMode m_elideMode = ElideMode::End;
    bool m_truncated = false;
};
