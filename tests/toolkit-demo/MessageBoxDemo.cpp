#include "tests/toolkit-demo/MessageBoxDemo.h"
#include "app/Application.h"
#include "app/EventDispatcher.h"
#include "app/EventReceiver.h"
#include "platform/InputState.h"
#include "tests/toolkit-demo/DemoLog.h"
#include "tests/toolkit-demo/DemoRun.h"
#include "ui/core/UIManager.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWindow.h"
#include "ui/widgets/UIButton.h"
#include "ui/widgets/UICheckBox.h"
#include "ui/widgets/UIDialog.h"
#include "ui/widgets/UILabel.h"
#include "ui/widgets/UIMessageBox.h"
#include "ui/widgets/UIPicture.h"

#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <string>

namespace {

constexpr char16_t kTitle[] = u"Message boxes";
constexpr char16_t kDialogTitle[] = u"Dialog";
constexpr char16_t kStyleName[] = u"default";
constexpr uint32_t kKeyQuestionBox = '1';
constexpr uint32_t kKeySingleButtonBox = '2';
constexpr uint32_t kKeyDialog = '3';
constexpr uint32_t kKeyBoxOverDialog = 'M';
constexpr Size kClientSize{320, 160};
constexpr uint32_t kMainBackground = 0xFF336699u;
constexpr Size kDialogSize{260, 120};

std::string hex(int32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
    return text;
}

std::string screenRect(const UIWidget& widget)
{
    const Point origin = widget.mapToScreen({0, 0});
    return rectText(origin.x, origin.y, widget.width(), widget.height());
}

const UIPicture* findPicture(const UIWidget& root)
{
    for (const UIWidget* child : root.children()) {
        if (const auto* picture = dynamic_cast<const UIPicture*>(child))
            return picture;
        if (const UIPicture* found = findPicture(*child))
            return found;
    }
    return nullptr;
}

// The enabled state of the windows below the modal ones, as the system
// sees them.
std::string windowStates(UIWindow& main, UIDialog* dialog)
{
    const auto state = [](UIWindow& window) {
        const UINativeWindow* host = window.nativeWindow();
        return std::string(host && host->isEnabled() ? "on" : "off");
    };
    return "main=" + state(main) + " dialog=" + (dialog && dialog->isCreated() ? state(*dialog) : "none");
}

// Lines logged from inside the modal loop that is about to start: a window
// below a modal one is disabled only once its loop runs.
class LaterLines : public EventReceiver {
public:
    explicit LaterLines(DemoLog& log) : m_log(log) {}
    void post(std::function<std::string()> line)
    {
        m_lines.push_back(std::move(line));
        EventDispatcher::instance()->postEvent(this, std::make_unique<Event>(1));
    }
    bool handleEvent(Event&) override
    {
        if (!m_lines.empty()) {
            const std::string line = m_lines.front()();
            m_lines.pop_front();
            m_log.line(line);
        }
        return true;
    }

private:
    DemoLog& m_log;
    std::deque<std::function<std::string()>> m_lines;
};

// A message box that also logs where the pointer went when it snapped.
class DemoBox : public UIMessageBox {
public:
    DemoBox(UIWidget* parent, uint32_t buttons, String title, String text, Kind kind, uint32_t options, DemoLog& log)
        : UIMessageBox(parent, buttons, std::move(title), std::move(text), kind, options)
        , m_log(log)
    {}

protected:
    void timerEvent(UITimerEvent& event) override
    {
        UIMessageBox::timerEvent(event);
        const UIButton* button = defaultButton(true);
        if (event.id() != kSnapTimer || !button)
            return;
        const Point pointer = platform::cursorPosition();
        const Point snap =
            button->mapToScreen({button->width() - button->width() / 3, button->height() - button->height() / 3});
        m_log.line("messagebox pointer at " + std::to_string(pointer.x) + "," + std::to_string(pointer.y)
                   + " snap point " + std::to_string(snap.x) + "," + std::to_string(snap.y));
    }

private:
    DemoLog& m_log;
};

class Demo {
public:
    explicit Demo(DemoLog& log) : m_log(log), m_later(log) {}

    UIWindow& window() { return m_window; }

    void runBox(UIWidget* parent, uint32_t buttons, String title, String text, UIMessageBox::Kind kind,
                uint32_t options)
    {
        DemoBox box(parent, buttons, std::move(title), std::move(text), kind, options, m_log);
        box.channel(UIWidget::Channel::Show).connect([&](UIEvent&) { logShown(box); });
        const int32_t result = box.exec();
        m_log.line("messagebox result " + hex(result));
        m_log.line("messagebox after " + windowStates(m_window, m_dialog));
    }

    void runQuestionBox(UIWidget* parent)
    {
        runBox(parent, UIMessageBox::Ok | UIMessageBox::Cancel, u"Colour copied",
               u"The colour #3366CC is on the clipboard.", UIMessageBox::Kind::Information,
               UIMessageBox::DoNotShowAgainOption);
    }

    void runDialog()
    {
        UIDialog dialog(&m_window);
        dialog.setWindowTitle(kDialogTitle);
        dialog.resize(kDialogSize.width, kDialogSize.height);
        UILabel hint(&dialog);
        hint.setText(u"Press M for a message box.");
        hint.show();
        m_dialog = &dialog;
        dialog.channel(UIWidget::Channel::Show).connect([&](UIEvent&) {
            m_later.post([this] { return "dialog below " + windowStates(m_window, nullptr); });
        });
        dialog.channel(UIWidget::Channel::KeyPress).connect([&](UIEvent& event) {
            const auto& key = event.as<UIKeyEvent>();
            if (key.key() == kKeyBoxOverDialog && !key.isAutoRepeat())
                runQuestionBox(&dialog);
        });
        const int32_t result = dialog.exec();
        m_dialog = nullptr;
        m_log.line("dialog result " + hex(result));
        m_log.line("dialog after " + windowStates(m_window, nullptr));
    }

private:
    void logShown(UIMessageBox& box)
    {
        m_log.line("messagebox shown kind=" + std::to_string(static_cast<int32_t>(box.kind())));
        for (const auto& button : box.buttons())
            m_log.line("messagebox button " + toUtf8(button->text()) + " at " + screenRect(*button));
        if (const UICheckBox* check = box.doNotShowAgainBox())
            m_log.line("messagebox check at " + screenRect(*check));
        if (const UIPicture* picture = findPicture(box); picture && picture->isVisible())
            m_log.line("messagebox icon at " + screenRect(*picture));
        m_later.post([this] { return "messagebox below " + windowStates(m_window, m_dialog); });
    }

    DemoLog& m_log;
    LaterLines m_later;
    UIWindow m_window;
    UIDialog* m_dialog = nullptr;
};

} // namespace

int runMessageBoxDemo(Application& application, DemoLog& log)
{
    if (!UIManager::instance().loadStyle(kStyleName, application.applicationFolder())) {
        log.line("no style set");
        return 1;
    }
    Demo demo(log);
    UIWindow& window = demo.window();
    window.nativeWindow()->setWindowType(WindowType::MinimizeBox | WindowType::SystemMenu);
    window.setWindowTitle(kTitle);
    // Unlike the boxes' surface, so a screenshot tells them apart.
    window.setBackground(UIBrush::solid(kMainBackground));
    UILabel hint(&window);
    hint.setMultiLine(true);
    hint.setText(u"1: OK and Cancel\n2: a single OK\n3: a dialog (M in it: a box over it)");
    hint.show();

    window.channel(UIWidget::Channel::KeyPress).connect([&](UIEvent& event) {
        const auto& key = event.as<UIKeyEvent>();
        if (key.isAutoRepeat())
            return;
        if (key.key() == kKeyQuestionBox)
            demo.runQuestionBox(&window);
        else if (key.key() == kKeySingleButtonBox)
            demo.runBox(&window, UIMessageBox::Ok, u"Something went wrong", u"The palette file could not be read.",
                        UIMessageBox::Kind::Critical, UIMessageBox::DefaultButtonOption);
        else if (key.key() == kKeyDialog)
            demo.runDialog();
    });
    window.channel(UIWidget::Channel::Close).connect([&](UIEvent&) { application.quit(); });

    return showAndRun(application, window, {0, 0, kClientSize.width, kClientSize.height}, log);
}
