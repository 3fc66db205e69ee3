// The toolkit test program: opens a window of the toolkit with overlapping
// coloured children and logs every event they receive, one line each, so
// end-to-end runs can drive real windows with xdotool and read what
// happened. Built with the tests; never shipped.
//
// Usage: toolkit-demo [LOG_FILE]           the event demo
//        toolkit-demo gallery [LOG_FILE]   the skin gallery
//        toolkit-demo widgets [LOG_FILE]   the widget gallery
//        toolkit-demo clipboard [LOG_FILE] copy, paste and drops (ClipboardDemo)
//        toolkit-demo combo [LOG_FILE]     a combo box at the work area's corner (GalleryCombo.h)
// (standard output without a file)
//
// The event demo's window is titled "Gallery – Tintscope Toolkit Demo", its client area
// is 400 x 220 in the background colour, child "A" (red) at (20, 20) and
// child "B" (green, added later, so drawn on top) at (120, 60), both
// 160 x 120. The first close request is refused, the second ends the
// program with exit code 0. "ready" is logged once the window is shown.
//
// The gallery loads the style set "default" (ending with 1 when it cannot)
// and shows it in the window "Skin gallery – Tintscope Toolkit Demo" (see
// SkinGallery). Before "ready" it logs where each drawing lies, in client
// coordinates, one line each: "skin NAME frame I at X,Y,W,H" and
// "image I NAME at X,Y,W,H". Closing the window ends it with 0.
//
// The widget gallery loads "default" too and shows every widget in its
// states in the resizable window "Widget gallery – Tintscope Toolkit Demo"
// (see WidgetGallery for what it logs); it logs the window's resizes as
// "window Resize width=W height=H". Closing the window ends it with 0.
#include "app/Application.h"
#include "platform/Text.h"
#include "tests/toolkit-demo/ClipboardDemo.h"
#include "tests/toolkit-demo/GalleryCombo.h"
#include "tests/toolkit-demo/DemoLog.h"
#include "tests/toolkit-demo/DemoRun.h"
#include "tests/toolkit-demo/EventText.h"
#include "tests/toolkit-demo/SkinGallery.h"
#include "tests/toolkit-demo/WidgetGallery.h"
#include "ui/core/UICanvas.h"
#include "ui/core/UILayout.h"
#include "ui/core/UIManager.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWindow.h"
#include "ui/widgets/UIToolTip.h"

#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr char16_t kApplicationName[] = u"Tintscope Toolkit Demo";
constexpr char16_t kTitle[] = u"Gallery";
constexpr char16_t kGalleryTitle[] = u"Skin gallery";
constexpr char16_t kWidgetsTitle[] = u"Widget gallery";
constexpr char16_t kStyleName[] = u"default";
constexpr char kGalleryMode[] = "gallery";
constexpr char kWidgetsMode[] = "widgets";
constexpr char kClipboardMode[] = "clipboard";
constexpr char kComboMode[] = "combo";
constexpr uint32_t kBackground = 0xFF336699u;
constexpr uint32_t kColorA = 0xFFCC0000u;
constexpr uint32_t kColorB = 0xFF00AA00u;
constexpr Size kClientSize{400, 220};

bool isLogged(const UIEvent& event) { return event.kind() != UIEventType::Paint && event.kind() != UIEventType::Timer; }

// A child that fills itself with one colour and logs its events.
class ColorWidget : public UIWidget {
public:
    ColorWidget(UIWidget* parent, std::string name, uint32_t color, DemoLog& log)
        : UIWidget(parent)
        , m_name(std::move(name))
        , m_color(color)
        , m_log(log)
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
    DemoLog& m_log;
};

class GalleryWindow : public UIWindow {
public:
    explicit GalleryWindow(DemoLog& log) : m_log(log) {}
    bool event(UIEvent& event) override
    {
        const bool accepted = UIWindow::event(event);
        if (isLogged(event))
            m_log.line("window " + eventText(event));
        return accepted;
    }

private:
    DemoLog& m_log;
};

std::string rectText(const Rect& rect) { return ::rectText(rect.x, rect.y, rect.width, rect.height); }

int runGallery(Application& application, DemoLog& log)
{
    if (!UIManager::instance().loadStyle(kStyleName, application.applicationFolder())) {
        log.line("no style set");
        return 1;
    }
    // Made after the style set is loaded, so the window takes its look.
    UIWindow window;
    UINativeWindow& host = *window.nativeWindow();
    host.setWindowType(WindowType::MinimizeBox | WindowType::SystemMenu);
    window.setWindowTitle(kGalleryTitle);
    window.layout().setEnabled(false);

    SkinGallery gallery(&window, *UIManager::instance().styleSet(), window.background());
    gallery.setGeometry({0, 0, gallery.contentSize().width, gallery.contentSize().height});
    gallery.setVisible(true);
    for (const SkinGallery::Piece& piece : gallery.pieces()) {
        const std::string name = toUtf8(piece.name), index = std::to_string(piece.index);
        log.line(piece.kind == SkinGallery::PieceKind::Skin
                     ? "skin " + name + " frame " + index + " at " + rectText(piece.rect)
                     : "image " + index + " " + name + " at " + rectText(piece.rect));
    }
    window.channel(UIWidget::Channel::Close).connect([&](UIEvent&) { application.quit(); });

    return showAndRun(application, window, {0, 0, gallery.contentSize().width, gallery.contentSize().height}, log);
}

int runWidgets(Application& application, DemoLog& log)
{
    if (!UIManager::instance().loadStyle(kStyleName, application.applicationFolder())) {
        log.line("no style set");
        return 1;
    }
    // Made before the window and its widgets, so it outlives every owner.
    UIToolTip toolTip;
    UIManager::instance().setToolTipPresenter(&toolTip);
    UIWindow window;
    UINativeWindow& host = *window.nativeWindow();
    host.setWindowType(WindowType::ResizableFrame | WindowType::MinimizeBox | WindowType::MaximizeBox
                       | WindowType::SystemMenu);
    window.setWindowTitle(kWidgetsTitle);
    window.layout().setEnabled(false);
    window.channel(UIWidget::Channel::Resize).connect([&](UIEvent& event) { log.line("window " + eventText(event)); });
    window.channel(UIWidget::Channel::Close).connect([&](UIEvent&) { application.quit(); });
    // Declared after the window, so its widgets go first.
    WidgetGallery gallery(window, log);
    return showAndRun(application, window, {0, 0, gallery.contentSize().width, gallery.contentSize().height}, log);
}

} // namespace

int main(int argc, char** argv)
{
    const bool gallery = argc > 1 && std::strcmp(argv[1], kGalleryMode) == 0;
    const bool widgets = argc > 1 && std::strcmp(argv[1], kWidgetsMode) == 0;
    const bool clipboard = argc > 1 && std::strcmp(argv[1], kClipboardMode) == 0;
    const bool combo = argc > 1 && std::strcmp(argv[1], kComboMode) == 0;
    const int logArgument = gallery || widgets || clipboard || combo ? 2 : 1;
    DemoLog log(argc > logArgument ? argv[logArgument] : nullptr);
    Application application(kApplicationName, u"1");
    UINativeWindow::install();
    if (gallery)
        return runGallery(application, log);
    if (widgets)
        return runWidgets(application, log);
    if (clipboard)
        return runClipboardDemo(application, log);
    if (combo)
        return runComboCorner(application, log);

    GalleryWindow window(log);
    UINativeWindow& host = *window.nativeWindow();
    host.setWindowType(WindowType::ResizableFrame | WindowType::MinimizeBox | WindowType::MaximizeBox
                       | WindowType::SystemMenu);
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

    return showAndRun(application, window, {100, 100, kClientSize.width, kClientSize.height}, log);
}
