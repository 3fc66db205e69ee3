// The about window on the headless window manager: what it shows and in
// which order, the ways out, and its texts in a language that lacks some.
#include "app/Application.h"
#include "app/EventDispatcher.h"
#include "app/EventReceiver.h"
#include "app/Translator.h"
#include "picker/AboutWindow.h"
#include "platform/InputState.h"
#include "platform/MessageLoop.h"
#include "platform/headless/HeadlessShell.h"
#include "ui/core/UIManager.h"
#include "ui/core/UINativeWindow.h"
#include "ui/widgets/UIButton.h"
#include "ui/widgets/UILabel.h"
#include "ui/widgets/UILink.h"
#include "ui/widgets/UIPicture.h"
#include "xml/XmlDocument.h"

#include "tests/ModalStep.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

void sendKey(UIWidget& target, uint32_t key)
{
    UIKeyEvent press(UIEventType::KeyPress, key, 0);
    UIWidget::sendEvent(&target, press);
}

void click(UIWidget& widget)
{
    UIMouseEvent press(UIEventType::MousePress, platform::LeftButton, platform::LeftButton, {2, 2}, 0);
    UIWidget::sendEvent(&widget, press);
    UIMouseEvent release(UIEventType::MouseRelease, 0, platform::LeftButton, {2, 2}, 0);
    UIWidget::sendEvent(&widget, release);
}

// What the mouse router sends a link for a press and release on it.
void clickLink(const UILink& link)
{
    UIMouseEvent event(UIEventType::Click, 0, platform::LeftButton, {1, 1}, 0);
    UIWidget::sendEvent(const_cast<UILink*>(&link), event);
}

String title(const UIWidget& window) { return dynamic_cast<UINativeWindow&>(*window.host()).title(); }

class AboutWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_application = std::make_unique<Application>(u"Morvellan Tintscope", u"1.2.7");
        m_application->setOrganisationName(u"Morvellan Software");
        m_application->setOrganisationDomain(u"morvellan.example");
        m_application->setHomePageUrl(u"https://morvellan.example/tintscope/");
        UINativeWindow::install();
        platform::headless::resetOpenedAddresses();
    }
    void TearDown() override
    {
        platform::dispatchPendingMessages();
        UIManager::instance().setWindowHostFactory(nullptr);
        m_application.reset();
    }
    // Makes a language current whose "AboutWindow" group holds `items`.
    void useLanguage(StringView items)
    {
        XmlDocument document;
        ASSERT_TRUE(document.parse(String(u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                                          u"<translation language=\"Test\"><groups><group name=\"AboutWindow\">")
                                   + String(items) + u"</group></groups></translation>"));
        auto translator = std::make_unique<Translator>();
        ASSERT_TRUE(translator->read(document, m_application->applicationName()));
        m_application->setTranslator(std::move(translator));
    }

    std::unique_ptr<Application> m_application;
};

TEST_F(AboutWindowTest, ShowsItsTextsCentredInOrderAndTheLinkOpensTheHomePage)
{
    AboutWindow window;
    ModalStep step([&] {
        EXPECT_EQ(title(window), u"About \u2013 Morvellan Tintscope");
        const std::vector<std::pair<const UIWidget*, String>> shown = {
            {&window.logo(), {}},
            {&window.versionLabel(), window.versionLabel().text()},
            {&window.freewareLabel(), window.freewareLabel().text()},
            {&window.homePageLink(), {}},
            {&window.noticeLabel(), window.noticeLabel().text()},
            {&window.okButton(), window.okButton().text()},
        };
        EXPECT_EQ(shown[1].second, u"v1.2.7");
        EXPECT_EQ(shown[2].second, u"Freeware");
        EXPECT_EQ(shown[3].first->toolTip(), u"https://morvellan.example/tintscope/");
        EXPECT_EQ(shown[4].second, u"Copyright \u00A9 Morvellan Software");
        EXPECT_EQ(shown[5].second, u"Ok");
        int32_t previousBottom = 0;
        for (const auto& [widget, text] : shown) {
            const Point at = widget->mapToWindow({0, 0});
            const Rect r{at.x, at.y, widget->width(), widget->height()};
            EXPECT_GE(r.y, previousBottom) << toUtf8(text);
            EXPECT_NEAR(r.x + r.width / 2, window.width() / 2, 1) << toUtf8(text);
            EXPECT_GE(r.x, 0);
            EXPECT_LE(r.right(), window.width());
            previousBottom = r.bottom();
        }
        EXPECT_LE(previousBottom, window.height());

        clickLink(window.homePageLink());
        EXPECT_EQ(platform::headless::openedAddresses(), std::vector<String>{u"https://morvellan.example/tintscope/"});
        click(window.okButton());
    });
    EXPECT_EQ(window.exec(), UIDialog::kAccepted);
}

TEST_F(AboutWindowTest, EnterAndEscapeEndIt)
{
    const std::pair<uint32_t, int32_t> cases[] = {
        {UIDialog::kEnterKey, UIDialog::kAccepted},
        {UIDialog::kEscapeKey, UIDialog::kRejected},
    };
    for (const auto& [key, result] : cases) {
        AboutWindow window;
        ModalStep step([&, key = key] { sendKey(window, key); });
        EXPECT_EQ(window.exec(), result) << key;
    }
}

TEST_F(AboutWindowTest, TranslatedTextsFallBackToEnglishAndTheDialogGrowsToFitThem)
{
    struct Case {
        const char16_t* items;
        const char16_t* title;
        const char16_t* ok;
    };
    const Case cases[] = {
        {u"<item context=\"About\" translation=\"\u00DCber\" />", u"\u00DCber \u2013 Morvellan Tintscope", u"Ok"},
        {u"<item context=\"Ok\" translation=\"Einverstanden, das Fenster jetzt schlie\u00DFen\" />",
         u"About \u2013 Morvellan Tintscope", u"Einverstanden, das Fenster jetzt schlie\u00DFen"},
    };
    for (const Case& c : cases) {
        useLanguage(c.items);
        AboutWindow window;
        EXPECT_EQ(title(window), c.title);
        EXPECT_EQ(window.okButton().text(), c.ok);
        ModalStep step([&] {
            EXPECT_GE(window.okButton().width(), window.okButton().sizeHint().width) << toUtf8(c.ok);
            EXPECT_LE(window.okButton().mapToWindow({0, 0}).x + window.okButton().width(), window.width());
            window.accept();
        });
        window.exec();
    }
}

} // namespace
