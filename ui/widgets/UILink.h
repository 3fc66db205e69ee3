#pragma once
// UILink: a text that opens an address through the system shell when
// clicked with the left button.
//
// Look: the style section "UILink": "font", "foreground",
// "shadowForeground", "shadowOffset", and "hoveredFont",
// "hoveredForeground", "hoveredShadowForeground" for the pointer over it.

#include "platform/Text.h"
#include "ui/core/StyleValues.h"
#include "ui/core/UIFont.h"
#include "ui/core/UISignal.h"
#include "ui/core/UIWidget.h"
#include "ui/widgets/UITextLook.h"

#include <cstdint>
#include <optional>

class UILink : public UIWidget {
public:
    // Clicks closer together than this open the address once.
    static constexpr uint64_t kReopenIntervalMs = 200;

    explicit UILink(UIWidget* parent = nullptr);
    ~UILink() override;

    // Sent with an empty UINotifyEvent on every left click, whether or not
    // the address was opened.
    UISignal clicked;

    void setStyleProperty(StringView name, StringView value) override;
    Size sizeHint() const override;

    // The link shows `text`, or the address itself when `text` is empty.
    void setUrl(String url, String text = {});
    const String& url() const { return m_url; }

protected:
    void paintEvent(UIPaintEvent& event) override;
    void enterEvent(UIMouseEvent& event) override;
    void leaveEvent(UIMouseEvent& event) override;
    void clickEvent(UIMouseEvent& event) override;

private:
    const String& shownText() const { return m_text.empty() ? m_url : m_text; }
    void open();

    UITextLook m_look;
    UIFont m_hoveredFont = UIFont::defaultFont();
    UIColorRecord m_hoveredForeground{0, kDefaultTextColor, 1.0f};
    UIColorRecord m_hoveredShadowForeground;
    String m_url;
    String m_text;
    // Empty until the first open, so a click right after start-up opens.
    std::optional<uint64_t> m_lastOpen;
};
