// The options window over a headless main window: what OK stores and in
// which order, the refused hot key, Cancel, and a stored language that no
// file offers. Each test acts from inside the dialog's modal loop.
#include "app/Application.h"
#include "app/EventDispatcher.h"
#include "app/EventReceiver.h"
#include "app/HotKeyValue.h"
#include "app/Language.h"
#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "app/SettingsSchema.h"
#include "picker/MainWindow.h"
#include "picker/OptionsWindow.h"
#include "picker/PickerModel.h"
#include "platform/FileSystem.h"
#include "platform/GlobalHotKeys.h"
#include "platform/InputState.h"
#include "platform/MessageLoop.h"
#include "platform/headless/HeadlessNotificationArea.h"
#include "tests/app/ScratchFolder.h"
#include "ui/core/UIManager.h"
#include "ui/core/UINativeWindow.h"
#include "ui/widgets/UIButton.h"
#include "ui/widgets/UICheckBox.h"
#include "ui/widgets/UIComboBox.h"
#include "ui/widgets/UIHotKey.h"
#include "ui/widgets/UIMessageBox.h"

#include "tests/ModalStep.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace {

namespace headless = platform::headless;

constexpr uint32_t kF12 = 0x7B;
constexpr uint32_t kA = 0x41;
constexpr uint32_t kControlShift = uint32_t(HotKeyModifier::Control) | uint32_t(HotKeyModifier::Shift);
constexpr int64_t kControlShiftF12 = 12884902011;

void click(UIWidget& widget)
{
    UIMouseEvent press(UIEventType::MousePress, platform::LeftButton, platform::LeftButton, {2, 2}, 0);
    UIWidget::sendEvent(&widget, press);
    UIMouseEvent release(UIEventType::MouseRelease, 0, platform::LeftButton, {2, 2}, 0);
    UIWidget::sendEvent(&widget, release);
}

UIMessageBox* messageBoxOver(UIWidget& dialog)
{
    for (UIWidget* child : dialog.children())
        if (auto* box = dynamic_cast<UIMessageBox*>(child))
            return box;
    return nullptr;
}

const std::vector<LanguageInfo> kLanguages = {
    {u"", u"english", u"English", u"English", u"", u""},
    {u"", u"german", u"Deutsch", u"German", u"", u""},
};

class OptionsWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_application = std::make_unique<Application>(u"Morvellan Tintscope", u"1.2.7");
        UINativeWindow::install();
        settings.applySchema(defaultSettingsSchema());
        settings.set(SettingsKeys::kLanguage, Variant(u"German"));
        settings.set(SettingsKeys::kHotkeyShowAndHide, Variant(kControlShiftF12));
        ASSERT_TRUE(settings.save());
        window = std::make_unique<MainWindow>(settings, model);
        window->show();
    }
    void TearDown() override
    {
        window.reset();
        if (m_blocker)
            platform::unregisterGlobalHotKey(m_blocker->nativeWindow()->handle(), 1);
        m_blocker.reset();
        platform::dispatchPendingMessages();
        UIManager::instance().setWindowHostFactory(nullptr);
        m_application.reset();
    }
    // Another window takes the combination, so registering it is refused.
    void takeElsewhere(uint32_t systemModifiers, uint32_t key)
    {
        m_blocker = std::make_unique<UIWindow>();
        m_blocker->show();
        ASSERT_TRUE(platform::registerGlobalHotKey(m_blocker->nativeWindow()->handle(), 1, systemModifiers, key));
    }
    std::optional<platform::Bytes> fileBytes() const { return platform::readFile(settings.filePath()); }
    // The key of the main window's show/hide registration, 0 for none.
    uint32_t registeredKey() const
    {
        for (const auto& hotKey : headless::globalHotKeys())
            if (hotKey.window == window->nativeWindow()->handle() && hotKey.id == 1)
                return hotKey.key;
        return 0;
    }

    ScratchFolder scratch;
    Settings settings{String(SettingsKeys::kFileName), u"Tintscope test", scratch.path()};
    PickerModel model{&settings};
    std::unique_ptr<MainWindow> window;

private:
    std::unique_ptr<Application> m_application;
    std::unique_ptr<UIWindow> m_blocker;
};

} // namespace

TEST_F(OptionsWindowTest, OkStoresEverySettingAndOnlyARefusedHotKeyKeepsTheDialogOpen)
{
    struct Case {
        const char* name;
        HotKeyValue chosen;
        bool takenElsewhere;
        int64_t stored;
        bool refused;
    };
    const Case cases[] = {
        // Unregistered first, or the second registration of id 1 would fail.
        {"unchanged usable hot key", {0, kF12, kControlShift}, false, kControlShiftF12, false},
        {"plain letter", {0, kA, 0}, false, 0, false},
        {"taken by another program", {0, kA, uint32_t(HotKeyModifier::Alt)}, true, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (&c != cases) {
            TearDown();
            SetUp();
        }
        if (c.takenElsewhere)
            takeElsewhere(platform::HotKeySystemAlt, kA);
        std::optional<String> message;
        OptionsWindow options(*window, settings, kLanguages);
        ModalStep step([&] {
            EXPECT_EQ(options.languageCombo().currentText(), u"Deutsch");
            options.languageCombo().setCurrentIndex(0);
            options.minimizeBox().setChecked(false);
            options.closeBox().setChecked(false);
            options.hotKeyField().setHotKey(c.chosen);
            // Runs inside the message box's loop, if one comes up.
            ModalStep closeMessage([&] {
                if (UIMessageBox* box = messageBoxOver(options)) {
                    message = box->title() + u"|" + box->text();
                    box->buttons().front()->activate();
                }
            });
            options.okButton().activate();
            if (c.refused) {
                EXPECT_TRUE(options.isVisible());
                EXPECT_EQ(options.hotKeyField().hotKey(), c.chosen);
                options.reject();
            }
        });
        EXPECT_EQ(options.exec(), c.refused ? UIDialog::kRejected : UIDialog::kAccepted);
        if (c.refused)
            EXPECT_EQ(message, u"Unable to register Show/Hide hotkey.|Please select a different hotkey.");
        else
            EXPECT_FALSE(message);
        EXPECT_EQ(settings.get(SettingsKeys::kLanguage).toText(), u"english");
        EXPECT_FALSE(settings.get(SettingsKeys::kMinimizeToNotificationArea).toBool());
        EXPECT_FALSE(settings.get(SettingsKeys::kCloseToNotificationArea).toBool());
        EXPECT_EQ(settings.get(SettingsKeys::kHotkeyShowAndHide).toInt64(), c.stored);
        EXPECT_EQ(registeredKey(), c.stored ? c.chosen.key : 0);
        // Only a completed apply writes the file.
        Settings written(String(SettingsKeys::kFileName), u"Tintscope test", scratch.path());
        written.load();
        EXPECT_EQ(written.get(SettingsKeys::kLanguage).toText() == u"english", !c.refused);
    }
}

TEST_F(OptionsWindowTest, CancelAndEscapeLeaveTheStoreByteIdentical)
{
    for (const bool escape : {false, true}) {
        ASSERT_TRUE(settings.save());
        const auto before = fileBytes();
        OptionsWindow options(*window, settings, kLanguages);
        ModalStep step([&] {
            options.languageCombo().setCurrentIndex(0);
            options.closeBox().setChecked(false);
            options.hotKeyField().clearHotKey();
            if (escape) {
                UIKeyEvent press(UIEventType::KeyPress, UIDialog::kEscapeKey, 0);
                UIWidget::sendEvent(&options, press);
            } else {
                click(options.cancelButton());
            }
        });
        EXPECT_EQ(options.exec(), UIDialog::kRejected);
        ASSERT_TRUE(settings.save());
        EXPECT_EQ(fileBytes(), before) << escape;
        EXPECT_EQ(registeredKey(), kF12);
    }
}

TEST_F(OptionsWindowTest, AnUnknownStoredLanguageSelectsNothingAndOkStoresTheEmptyText)
{
    settings.set(SettingsKeys::kLanguage, Variant(u"klingon"));
    OptionsWindow options(*window, settings, kLanguages);
    ModalStep step([&] {
        EXPECT_EQ(options.languageCombo().currentIndex(), -1);
        click(options.okButton());
    });
    EXPECT_EQ(options.exec(), UIDialog::kAccepted);
    EXPECT_EQ(settings.get(SettingsKeys::kLanguage).toText(), u"");
    window->retranslate();
    EXPECT_EQ(translate(Texts::OptionsWindow::title), u"Options");
}
