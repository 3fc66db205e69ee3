// The toolkit test program: opens a window of the toolkit with overlapping
// coloured children and logs every event they receive, one line each, so
// end-to-end runs can drive real windows with xdotool and read what
// happened. Built with the tests; never shipped.
//
// Usage: toolkit-demo [LOG_FILE]   (standard output without a file)
//
// The window is titled "Gallery – Tintscope Toolkit Demo", its client area
// is 400 x 220 in the background colour, child "A" (red) at (20, 20) and
// child "B" (green, added later, so drawn on top) at (120, 60), both
// 160 x 120. The first close request is refused, the second ends the
// program with exit code 0. "ready" is logged once the window is shown.
#include "app/Application.h"
#include "platform/Text.h"
#include "tests/toolkit-demo/EventText.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UILayout.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWindow.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr char16_t kApplicationName[] = u"Tintscope Toolkit Demo";
constexpr char16_t kTitle[] = u"Gallery";
constexpr uint32_t kBackground = 0xFF336699u;
constexpr uint32_t kColorA = 0xFFCC0000u;
constexpr uint32_t kColorB = 0xFF00AA00u;
constexpr Size kClientSize{400, 220};

class Log {
public:
    // Binary mode: lines end with LF alone, on every system.
    explicit Log(const char* path) : m_file(path ? std::fopen(path, "wb") : stdout) {}
    ~Log()
    {
        if (m_file && m_file != stdout)
            std::fclose(m_file);
    }
    void line(const std::string& text)
    {
        if (!m_file)
            return;
        std::fprintf(m_file, "%s\n", text.c_str());
        std::fflush(m_file);
    }

private:
    std::FILE* m_file;
};

bool isLogged(const UIEvent& event)
{
    return event.kind() != UIEventType::Paint && event.kind() != UIEventType::Timer;
}

// A child that fills itself with one colour and logs its events.
class ColorWidget : public UIWidget {
public:
    ColorWidget(UIWidget* parent, std::string name, uint32_t color, Log& log)
        : UIWidget(parent), m_name(std::move(name)), m_color(color), m_log(log)
    {
        create(u"ColorWidget");
        setFlag(Flag::DoubleClicks, true);
    }
    bool event(UIEvent& event) override
    {
        const bool accepted = UIWidget::event(event);
        if (isLogged(event))
            m_log.line(m_name + " " + eventText(event));
        return accepted;
    }

protected:
    void paintEvent(UIPaintEvent&) override
    {
        UICanvas canvas(paintBuffer());
        canvas.fillRect(rect(), m_color);
    }

private:
    std::string m_name;
    uint32_t m_color;
    Log& m_log;
};

class GalleryWindow : public UIWindow {
public:
    explicit GalleryWindow(Log& log) : m_log(log) {}
    bool event(UIEvent& event) override
    {
        const bool accepted = UIWindow::event(event);
        if (isLogged(event))
            m_log.line("window " + eventText(event));
        return accepted;
    }

private:
    Log& m_log;
};

} // namespace

int main(int argc, char** argv)
{
    Log log(argc > 1 ? argv[1] : nullptr);
    Application application(kApplicationName, u"1");
    UINativeWindow::install();

    GalleryWindow window(log);
    UINativeWindow& host = *window.nativeWindow();
    host.setWindowType(WindowType::ResizableFrame | WindowType::MinimizeBox | WindowType::MaximizeBox |
                       WindowType::SystemMenu);
    window.setWindowTitle(kTitle);
    window.setBackground(UIBrush::solid(kBackground));
    window.layout().setEnabled(false);

    ColorWidget a(&window, "A", kColorA, log);
    ColorWidget b(&window, "B", kColorB, log);
    a.setGeometry({20, 20, 160, 120});
    b.setGeometry({120, 60, 160, 120});
    a.setVisible(true);
    b.setVisible(true);

    int closeRequests = 0;
    window.channel(UIWidget::Channel::Close).connect([&](UIEvent& event) {
        if (++closeRequests == 1) {
            event.ignore();
            log.line("refused the first close");
            return;
        }
        application.quit();
    });

    window.resize(kClientSize.width, kClientSize.height);
    window.move(100, 100);
    window.setVisible(true);
    window.update();
    log.line("ready");
    const int result = application.run();
    log.line("exit " + std::to_string(result));
    return result;
}
