// Message boxes and dialogs run modally on the headless window manager:
// each test acts from inside the modal loop and reads what the box ended
// with, what it played, where it put the pointer and what it copied.
#include "app/Application.h"
#include "app/EventDispatcher.h"
#include "app/EventReceiver.h"
#include "platform/FileSystem.h"
#include "platform/InputState.h"
#include "platform/MessageLoop.h"
#include "platform/NativeWindow.h"
#include "platform/headless/HeadlessClipboard.h"
#include "platform/headless/HeadlessInput.h"
#include "platform/headless/HeadlessSystemInfo.h"
#include "ui/core/StandardImage.h"
#include "ui/core/SystemSound.h"
#include "ui/core/UIClipboard.h"
#include "ui/core/UIManager.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIStyleSet.h"
#include "ui/widgets/UIButton.h"
#include "ui/widgets/UICheckBox.h"
#include "ui/widgets/UIMessageBox.h"
#include "ui/widgets/UIPicture.h"

#include "tests/ModalStep.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Box = UIMessageBox;
using platform::headless::SoundCall;

constexpr char16_t kApplicationName[] = u"Box Test";

void sendKey(UIWidget& target, uint32_t key, uint32_t modifiers = 0)
{
    UIKeyEvent press(UIEventType::KeyPress, key, modifiers);
    UIWidget::sendEvent(&target, press);
}

void click(UIWidget& widget)
{
    UIMouseEvent press(UIEventType::MousePress, platform::LeftButton, platform::LeftButton, {2, 2}, 0);
    UIWidget::sendEvent(&widget, press);
    UIMouseEvent release(UIEventType::MouseRelease, 0, platform::LeftButton, {2, 2}, 0);
    UIWidget::sendEvent(&widget, release);
}

// The close request the system sends for the close button and Alt+F4.
void closeFromOutside(UIWidget& window)
{
    auto* host = dynamic_cast<UINativeWindow*>(window.host());
    ASSERT_TRUE(host);
    platform::postMessage(host->handle(), platform::messageNumber(platform::WindowMessageId::Close), 0, 0);
    platform::dispatchPendingMessages();
}

bool hostEnabled(UIWidget& window) { return dynamic_cast<UINativeWindow&>(*window.host()).isEnabled(); }

UIButton& buttonNamed(const Box& box, StringView caption)
{
    for (const auto& button : box.buttons())
        if (button->text() == caption)
            return *button;
    ADD_FAILURE() << "no button " << toUtf8(caption);
    return *box.buttons().front();
}

// The default style set as the build renders it, found above the test
// executable.
std::unique_ptr<UIStyleSet> renderedDefaultStyle()
{
    for (String folder = platform::folderOf(platform::executablePath()); !folder.empty();) {
        const String styles = platform::joinPath(platform::joinPath(folder, u"data"), u"styles");
        if (auto style = loadStyleSet(platform::joinPath(styles, u"default")))
            return style;
        const String parent = platform::folderOf(folder);
        if (parent == folder)
            break;
        folder = parent;
    }
    return nullptr;
}

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_application = std::make_unique<Application>(kApplicationName, u"1");
        UINativeWindow::install();
        platform::headless::resetSoundCalls();
        platform::headless::resetInput();
        platform::headless::resetSystemInfo();
        platform::headless::resetClipboard();
        UIManager::instance().setFailureBeepEnabled(true);
    }
    void TearDown() override
    {
        platform::dispatchPendingMessages();
        UIManager::instance().setStyleSet(nullptr);
        UIManager::instance().setFailureBeepEnabled(true);
        UIManager::instance().setWindowHostFactory(nullptr);
        m_application.reset();
    }

private:
    std::unique_ptr<Application> m_application;
};

TEST_F(MessageBoxTest, EveryWayOutEndsWithItsResult)
{
    enum class Action { ClickCancel, CheckThenClickOk, EnterOnBox, EnterOnFocusedButton, Escape, CheckThenClose };
    struct Case {
        const char* name;
        uint32_t buttons;
        uint32_t options;
        Action action;
        int32_t result;
    };
    const Case cases[] = {
        {"Cancel gives its flag", Box::Ok | Box::Cancel, 0, Action::ClickCancel, Box::Cancel},
        {"a checked box adds its flag", Box::Ok | Box::Cancel, Box::DoNotShowAgainOption, Action::CheckThenClickOk,
         Box::kDoNotShowAgainResult | Box::Ok},
        {"Enter clicks the default button", Box::Ok, Box::DefaultButtonOption, Action::EnterOnBox, Box::Ok},
        {"Enter on a focused button clicks that one", Box::Ok | Box::Cancel, 0, Action::EnterOnFocusedButton, Box::Ok},
        {"Escape with a default button rejects", Box::Ok, Box::DefaultButtonOption, Action::Escape, 0},
        {"closing from outside rejects, keeping the check", Box::Ok | Box::Cancel, Box::DoNotShowAgainOption,
         Action::CheckThenClose, Box::kDoNotShowAgainResult},
    };
    for (const Case& c : cases) {
        Box box(nullptr, c.buttons, u"Title", u"Text", Box::Kind::Warning, c.options);
        ModalStep step([&] {
            switch (c.action) {
            case Action::ClickCancel:
                click(buttonNamed(box, u"Cancel"));
                break;
            case Action::CheckThenClickOk:
                box.doNotShowAgainBox()->setChecked(true);
                click(buttonNamed(box, u"OK"));
                break;
            case Action::EnterOnBox:
                sendKey(box, UIDialog::kEnterKey);
                break;
            case Action::EnterOnFocusedButton:
                box.buttons().front()->setFocus();
                sendKey(*box.buttons().front(), UIDialog::kEnterKey);
                break;
            case Action::Escape:
                sendKey(box, UIDialog::kEscapeKey);
                break;
            case Action::CheckThenClose:
                box.doNotShowAgainBox()->setChecked(true);
                closeFromOutside(box);
                break;
            }
        });
        EXPECT_EQ(box.exec(), c.result) << c.name;
    }
}

TEST_F(MessageBoxTest, ButtonsStandInTableOrderAndTheBoxIsAtLeastItsMinimumWidth)
{
    uint32_t all = 0;
    std::vector<String> expected;
    for (const Box::ButtonEntry& entry : Box::kStandardButtons) {
        all |= entry.flag;
        expected.emplace_back(entry.caption.text);
    }
    struct Case {
        uint32_t buttons;
        std::vector<String> captions;
    };
    const Case cases[] = {
        {Box::No | Box::Yes, {u"Yes", u"No"}},
        {Box::Cancel | Box::Ok, {u"OK", u"Cancel"}},
        {all, expected},
    };
    for (const Case& c : cases) {
        Box box(nullptr, c.buttons, u"Title");
        std::vector<String> captions;
        ModalStep step([&] {
            int32_t lastRight = 0;
            for (const auto& button : box.buttons()) {
                captions.push_back(button->text());
                EXPECT_GE(button->x(), lastRight) << toUtf8(button->text());
                lastRight = button->x() + button->width();
            }
            EXPECT_GE(box.width(), Box::kMinimumWidth);
            EXPECT_LE(lastRight, box.width());
            box.reject();
        });
        box.exec();
        EXPECT_EQ(captions, c.captions);
    }
    Box narrow(nullptr, Box::Ok);
    ModalStep step([&] {
        EXPECT_EQ(narrow.width(), Box::kMinimumWidth);
        narrow.reject();
    });
    narrow.exec();
}

TEST_F(MessageBoxTest, TheKindsSoundPlaysAfterItsDelayWhileBeepingIsOn)
{
    struct Case {
        Box::Kind kind;
        bool beeping;
        std::vector<SoundCall> calls;
    };
    const auto beep = [](platform::BeepKind kind) { return SoundCall{SoundCall::Kind::Beep, uint32_t(kind)}; };
    const SoundCall stop{SoundCall::Kind::Stop};
    const Case cases[] = {
        {Box::Kind::Information, true, {stop, beep(platform::BeepKind::Asterisk)}},
        {Box::Kind::Question, true, {stop, beep(platform::BeepKind::Asterisk)}},
        {Box::Kind::Warning, true, {stop, beep(platform::BeepKind::Exclamation)}},
        {Box::Kind::Critical, true, {stop, beep(platform::BeepKind::Hand)}},
        {Box::Kind::None, true, {}},
        {Box::Kind::Information, false, {}},
        {Box::Kind::Critical, false, {}},
    };
    for (const Case& c : cases) {
        UIManager::instance().setFailureBeepEnabled(c.beeping);
        platform::headless::resetSoundCalls();
        Box box(nullptr, Box::Ok, u"Title", u"Text", c.kind);
        ModalStep step([&] {
            platform::headless::advanceClock(Box::kSoundDelayMs - 1);
            EXPECT_TRUE(platform::headless::soundCalls().empty()) << "before the delay, kind " << int(c.kind);
            platform::headless::advanceClock(Box::kSoundDelayMs);
            box.accept();
        });
        box.exec();
        EXPECT_EQ(platform::headless::soundCalls(), c.calls) << "kind " << int(c.kind) << " beeping " << c.beeping;
    }
}

TEST_F(MessageBoxTest, SystemSoundsByKind)
{
    using platform::BeepKind;
    const std::pair<SystemSound, SoundCall> cases[] = {
        {SystemSound::Information, {SoundCall::Kind::Beep, uint32_t(BeepKind::Asterisk)}},
        {SystemSound::Question, {SoundCall::Kind::Beep, uint32_t(BeepKind::Asterisk)}},
        {SystemSound::Warning, {SoundCall::Kind::Beep, uint32_t(BeepKind::Exclamation)}},
        {SystemSound::Critical, {SoundCall::Kind::Beep, uint32_t(BeepKind::Hand)}},
        {SystemSound::Notification, {SoundCall::Kind::Alias}},
        {SystemSound::Simple, {SoundCall::Kind::Beep, uint32_t(BeepKind::Simple)}},
        {static_cast<SystemSound>(9), {SoundCall::Kind::Beep, uint32_t(BeepKind::Simple)}},
    };
    for (const auto& [sound, played] : cases) {
        platform::headless::resetSoundCalls();
        EXPECT_TRUE(playSystemSound(sound));
        EXPECT_EQ(platform::headless::soundCalls(), (std::vector<SoundCall>{{SoundCall::Kind::Stop}, played}))
            << int(sound);
    }
}

TEST_F(MessageBoxTest, ThePointerSnapsToTheDefaultButtonOnlyWhenAskedTwice)
{
    struct Case {
        bool systemSetting;
        uint32_t options;
        bool snaps;
    };
    const Point away{3, 4};
    const Case cases[] = {
        {true, Box::DefaultButtonOption, true},
        {false, Box::DefaultButtonOption, false},
        {true, 0, false},
    };
    for (const Case& c : cases) {
        platform::headless::setSnapToDefaultButton(c.systemSetting);
        platform::headless::setCursorPosition(away);
        Box box(nullptr, Box::Ok, u"Title", u"Text", Box::Kind::Warning, c.options);
        Point expected = away;
        ModalStep step([&] {
            const UIButton& button = *box.buttons().front();
            const Point origin = box.nativeWindow()->nativeWindow().clientOrigin();
            const Point inWindow = button.windowPosition();
            if (c.snaps)
                expected = {origin.x + inWindow.x + button.width() - button.width() / 3,
                            origin.y + inWindow.y + button.height() - button.height() / 3};
            platform::headless::advanceClock(UIDialog::kSnapDelayMs);
            box.accept();
        });
        box.exec();
        EXPECT_EQ(platform::cursorPosition(), expected) << c.systemSetting << " " << c.options;
    }
}

TEST_F(MessageBoxTest, ControlCCopiesWindowTitleTitleAndTextOnePerLine)
{
    const std::string caption = toUtf8(kApplicationName);
    struct Case {
        String title;
        String text;
        std::string copied;
    };
    const Case cases[] = {
        {u"Title", u"Some text", caption + "\r\nTitle\r\nSome text"},
        {u"", u"Some text", caption + "\r\nSome text"},
    };
    for (const Case& c : cases) {
        Box box(nullptr, Box::Ok, c.title, c.text);
        std::string copied;
        ModalStep step([&] {
            sendKey(box, 'C');
            EXPECT_EQ(platform::headless::clipboardChangeCount(), 0u) << "C alone copies nothing";
            sendKey(box, Box::kCopyKey, platform::ControlModifier);
            copied = toUtf8(clipboardText(box));
            box.accept();
        });
        box.exec();
        EXPECT_EQ(copied, c.copied);
        platform::headless::resetClipboard();
    }
}

TEST_F(MessageBoxTest, EachModalLevelDisablesTheWindowsBelowAndGivesThemBack)
{
    UIWindow main;
    main.resize(200, 150);
    main.show();
    UIDialog dialog(&main);
    dialog.resize(150, 100);
    std::vector<std::string> seen;
    const auto state = [&](const char* when) {
        seen.push_back(std::string(when) + ": main " + (hostEnabled(main) ? "on" : "off") + ", dialog "
                       + (dialog.isCreated() ? (hostEnabled(dialog) ? "on" : "off") : "gone"));
    };
    ModalStep openBox([&] {
        state("dialog up");
        Box box(&dialog, Box::Ok);
        ModalStep closeBox([&] {
            state("box up");
            EXPECT_TRUE(hostEnabled(box));
            box.accept();
        });
        EXPECT_EQ(box.exec(), Box::Ok);
        state("box closed");
        dialog.reject();
    });
    EXPECT_EQ(dialog.exec(), UIDialog::kRejected);
    state("dialog closed");
    EXPECT_EQ(seen,
              (std::vector<std::string>{"dialog up: main off, dialog on", "box up: main off, dialog off",
                                        "box closed: main off, dialog on", "dialog closed: main on, dialog gone"}));
}

TEST_F(MessageBoxTest, TheIconIsTheKindsStandardImageInTheMetricsSize)
{
    std::unique_ptr<UIStyleSet> style = renderedDefaultStyle();
    ASSERT_TRUE(style) << "the rendered default style set was not found above the test executable";
    const int32_t size = style->metric(MetricId::MessageBoxIconSize);
    UIManager::instance().setStyleSet(std::move(style));
    const std::pair<Box::Kind, StandardImage> cases[] = {
        {Box::Kind::Information, StandardImage::InformationBig},
        {Box::Kind::Question, StandardImage::QuestionBig},
        {Box::Kind::Warning, StandardImage::WarningBig},
        {Box::Kind::Critical, StandardImage::CriticalBig},
    };
    for (const auto& [kind, image] : cases) {
        Box box(nullptr, Box::Ok, u"Title", u"Text", kind);
        ModalStep step([&] {
            const UIPicture* picture = nullptr;
            std::function<void(const UIWidget&)> find = [&](const UIWidget& widget) {
                for (const UIWidget* child : widget.children()) {
                    if (!picture)
                        picture = dynamic_cast<const UIPicture*>(child);
                    find(*child);
                }
            };
            find(box);
            ASSERT_TRUE(picture);
            ASSERT_EQ(picture->layers().size(), 1u);
            const UIImage& shown = picture->layers().front()->image;
            const UIImage& expected = UIManager::instance().styleSet()->standardImage(image);
            EXPECT_EQ(shown.width(), size);
            EXPECT_EQ(shown.height(), size);
            EXPECT_EQ(picture->size(), (Size{size, size}));
            EXPECT_EQ(shown.pixel(size / 2, size / 2), expected.pixel(size / 2, size / 2)) << int(kind);
            box.accept();
        });
        box.exec();
    }
}

} // namespace
