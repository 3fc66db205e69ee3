#pragma once
// AboutWindow: the modal dialog that names the program, its version, its
// licence, its maker's home page and its owner.
//
// From top to bottom, each centred: the logo, "v" and the version,
// "Freeware", the link to the home page (showing the organisation's domain),
// the ownership notice, a line, and the "Ok" button, which is the default
// button, so Enter or Escape ends the dialog as well. The dialog takes the
// size its texts need in the current language.
//
// Ownership: the window owns every widget it builds (members, destroyed
// before the dialog itself). It exists only while it is shown: `run`
// builds one, runs it modally and destroys it.

#include "ui/widgets/UIDialog.h"

#include <memory>

class UIBox;
class UIButton;
class UILabel;
class UILine;
class UILink;
class UIPicture;

class AboutWindow : public UIDialog {
public:
    // The image of the data package that the window shows as its logo.
    static constexpr char16_t kLogoImage[] = u"logo";
    static constexpr char16_t kFreewareText[] = u"Freeware";

    explicit AboutWindow(UIWidget* parent = nullptr);
    ~AboutWindow() override;

    // Shows an about window over `parent` and returns once it has ended.
    static void run(UIWidget* parent);

    void retranslate() override;

    const UIPicture& logo() const { return *m_logo; }
    const UILabel& versionLabel() const { return *m_versionLabel; }
    const UILabel& freewareLabel() const { return *m_freewareLabel; }
    const UILink& homePageLink() const { return *m_homePageLink; }
    const UILabel& noticeLabel() const { return *m_noticeLabel; }
    UIButton& okButton() { return *m_okButton; }

private:
    void build();
    // As large as the content needs, never smaller than it was.
    void fitToContent();

    // Declared in building order; destroyed in reverse, children first.
    std::unique_ptr<UIPicture> m_logo;
    std::unique_ptr<UILabel> m_versionLabel;
    std::unique_ptr<UILabel> m_freewareLabel;
    std::unique_ptr<UILink> m_homePageLink;
    std::unique_ptr<UILabel> m_noticeLabel;
    std::unique_ptr<UILine> m_line;
    std::unique_ptr<UIBox> m_buttonBox;
    std::unique_ptr<UIButton> m_okButton;
};
