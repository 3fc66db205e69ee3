#include "tests/toolkit-demo/ClipboardDemo.h"
#include "app/Application.h"
#include "tests/toolkit-demo/DemoLog.h"
#include "tests/toolkit-demo/DemoRun.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UIClipboard.h"
#include "ui/core/UIMimeData.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWindow.h"

#include <string>

namespace {

constexpr char16_t kTitle[] = u"Clipboard";
constexpr char16_t kCopiedText[] = u"h\u00e9llo";
constexpr uint32_t kKeyCopy = 'C';
constexpr uint32_t kKeyCopyEmpty = 'E';
constexpr uint32_t kKeyPaste = 'V';
constexpr uint32_t kDropColor = 0xFF88AA44u;
constexpr Size kClientSize{300, 200};

std::string join(const std::vector<String>& names)
{
    std::string text;
    for (const String& name : names)
        text += (text.empty() ? "" : ",") + toUtf8(name);
    return text;
}

// Fills the window and takes every drag, logging what it carries.
class DropArea : public UIWidget {
public:
    DropArea(UIWidget* parent, DemoLog& log) : UIWidget(parent), m_log(log)
    {
        create(u"DropArea");
        setDropFlags(kAcceptsDrops);
    }

protected:
    void paintEvent(UIPaintEvent&) override
    {
        UICanvas canvas(paintBuffer());
        canvas.fillRect(rect(), kDropColor);
    }
    void dragEnterEvent(UIDragEvent& e) override { logged("DragEnter", e); }
    void dragMoveEvent(UIDragEvent& e) override { logged("DragMove", e); }
    void dragLeaveEvent(UIDragEvent&) override { m_log.line("drop DragLeave"); }
    void dropEvent(UIDragEvent& e) override
    {
        const UIMimeData* data = e.mimeData();
        if (!data)
            return;
        const UIImage image = data->image();
        m_log.line("drop Drop effect=" + std::to_string(e.proposedEffect()) + " formats=" + join(data->formats())
                   + " text=" + toUtf8(data->text()) + " files=" + std::to_string(data->filePaths().size())
                   + " image=" + std::to_string(image.width()) + "x" + std::to_string(image.height()));
        for (const String& path : data->filePaths())
            m_log.line("drop file " + toUtf8(path));
    }

private:
    void logged(const char* kind, UIDragEvent& e)
    {
        m_log.line(std::string("drop ") + kind + " effect=" + std::to_string(e.proposedEffect()));
        e.accept();
    }
    DemoLog& m_log;
};

} // namespace

int runClipboardDemo(Application& application, DemoLog& log)
{
    UIWindow window;
    window.nativeWindow()->setWindowType(WindowType::MinimizeBox | WindowType::SystemMenu);
    window.setWindowTitle(kTitle);
    window.layout().setEnabled(false);
    DropArea area(&window, log);
    area.setGeometry({0, 0, kClientSize.width, kClientSize.height});
    area.setVisible(true);

    window.channel(UIWidget::Channel::KeyPress).connect([&](UIEvent& event) {
        const auto& key = event.as<UIKeyEvent>();
        if (key.isAutoRepeat())
            return;
        if (key.key() == kKeyCopy || key.key() == kKeyCopyEmpty) {
            const StringView text = key.key() == kKeyCopy ? StringView(kCopiedText) : StringView();
            log.line(setClipboardText(window, text) ? "copied " + toUtf8(text) : "copy refused");
        } else if (key.key() == kKeyPaste) {
            const String text = clipboardText(window);
            log.line(text.empty() ? "pasted nothing" : "pasted " + toUtf8(text));
        }
    });
    window.channel(UIWidget::Channel::Close).connect([&](UIEvent&) { application.quit(); });

    return showAndRun(application, window, {0, 0, kClientSize.width, kClientSize.height}, log);
}
