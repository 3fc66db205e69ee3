#pragma once
// What the widget tests share: an event service per test, a window host
// that records what the widgets ask of it, and a widget that logs every
// channel it emits.

#include "app/EventDispatcher.h"
#include "app/EventReceiver.h"
#include "platform/InputState.h"
#include "ui/core/UIManager.h"
#include "ui/core/UIMemoryWindowHost.h"
#include "ui/core/UIPaintListener.h"
#include "ui/core/UIWidget.h"
#include "ui/core/WidgetLayout.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace widgettest {

// Delivers every posted event, including those posted while delivering.
inline void processPostedEvents(EventDispatcher& dispatcher)
{
    class Stopper : public EventReceiver {
    public:
        Stopper(EventDispatcher& dispatcher, LoopFrame& frame) : m_dispatcher(dispatcher), m_frame(frame) {}
        bool handleEvent(Event&) override
        {
            m_dispatcher.exit(m_frame, 0);
            return true;
        }

    private:
        EventDispatcher& m_dispatcher;
        LoopFrame& m_frame;
    };
    do {
        LoopFrame frame;
        Stopper stopper(dispatcher, frame);
        dispatcher.postEvent(&stopper, std::make_unique<Event>(0));
        dispatcher.exec(frame);
    } while (dispatcher.pendingEventCount() > 0);
}

class RecordingHost : public UIMemoryWindowHost {
public:
    using UIMemoryWindowHost::UIMemoryWindowHost;
    void flush(const UIImage&, const Rect& rect) override { flushes.push_back(rect); }
    void captureMouse() override
    {
        ++captures;
        UIMemoryWindowHost::captureMouse();
    }
    std::vector<Rect> flushes;
    int captures = 0;
};

// A log line per emitted channel: "name:channel".
using Log = std::vector<std::string>;

class LoggingWidget : public UIWidget {
public:
    LoggingWidget(std::string name, Log& log, UIWidget* parent = nullptr, bool topLevel = false)
        : UIWidget(parent)
        , m_name(std::move(name))
        , m_log(log)
    {
        if (topLevel)
            setFlag(Flag::Window, true);
        for (int32_t i = 0; i < kChannelCount; ++i)
            channel(static_cast<Channel>(i)).connect([this, i](UIEvent&) {
                m_log.push_back(m_name + ":" + channelName(i));
            });
        create(topLevel ? u"UIWindow" : u"UIWidget");
    }
    // Its own connections log through this object: tear down while it is
    // still whole.
    ~LoggingWidget() override { destroyWidget(); }
    // ContextMenu has no channel: log it from the dispatch.
    bool event(UIEvent& e) override
    {
        if (e.kind() == UIEventType::ContextMenu && isEnabled())
            m_log.push_back(m_name + ":ContextMenu");
        return UIWidget::event(e);
    }
    Size sizeHint() const override { return hint; }
    void paintEvent(UIPaintEvent&) override
    {
        if (color)
            paintBuffer().fillRect(rect(), *color);
    }

    Size hint;
    std::optional<uint32_t> color;

    static std::string channelName(int32_t i)
    {
        static const char* const names[] = {
            "Paint",      "Resize", "Move",  "Show",     "Hide",       "Change",         "Close",       "7",
            "EndSession", "9",      "Press", "Release",  "MouseMove",  "Click",          "DoubleClick", "Enter",
            "Leave",      "17",     "Timer", "FocusIn",  "FocusOut",   "HotKey",         "DragEnter",   "DragMove",
            "DragLeave",  "Drop",   "Wheel", "KeyPress", "KeyRelease", "InstanceMessage"};
        return names[i];
    }

private:
    std::string m_name;
    Log& m_log;
};

// Logs only the channels a test cares about.
inline Log only(const Log& log, const std::vector<std::string>& channels)
{
    Log kept;
    for (const std::string& line : log)
        for (const std::string& channel : channels)
            if (line.size() > channel.size() && line.compare(line.size() - channel.size(), channel.size(), channel) == 0
                && line[line.size() - channel.size() - 1] == ':')
                kept.push_back(line);
    return kept;
}

class WidgetTest : public ::testing::Test {
protected:
    WidgetTest()
    {
        UIManager::instance().setWindowHostFactory(
            [](UIWidget& owner) { return std::make_unique<RecordingHost>(owner); });
    }
    ~WidgetTest() override { UIManager::instance().setWindowHostFactory({}); }

    // A shown top-level widget of the given client size.
    // A shown child of the given geometry.
    std::unique_ptr<LoggingWidget> makeChild(UIWidget& parent, const Rect& geometry, const std::string& name)
    {
        auto child = std::make_unique<LoggingWidget>(name, log, &parent);
        child->setGeometry(geometry);
        child->show();
        return child;
    }
    // Without `arranged` the window's layout is off, so children keep the
    // geometry a test gives them.
    std::unique_ptr<LoggingWidget> makeWindow(Size size, bool arranged = false, const std::string& name = "window")
    {
        auto window = std::make_unique<LoggingWidget>(name, log, nullptr, true);
        window->layout().setEnabled(arranged);
        window->resize(size.width, size.height);
        window->show();
        return window;
    }
    static RecordingHost& hostOf(UIWidget& window) { return static_cast<RecordingHost&>(*window.host()); }
    void processEvents() { processPostedEvents(dispatcher); }

    EventDispatcher dispatcher;
    Log log;
};

} // namespace widgettest
