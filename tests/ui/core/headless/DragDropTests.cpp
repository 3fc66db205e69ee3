// Drags from another program over a window of the toolkit, played by the
// headless drag simulator on a headless native window and the fake clock.
#include "app/Application.h"
#include "platform/ClipboardBlocks.h"
#include "platform/MessageLoop.h"
#include "platform/NativeWindow.h"
#include "platform/headless/HeadlessDragDrop.h"
#include "platform/headless/HeadlessInput.h"
#include "ui/core/UIDropTarget.h"
#include "ui/core/UIManager.h"
#include "ui/core/UIMimeData.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWidget.h"

#include "tests/ui/core/NativeTestWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using platform::headless::DragEnd;
using platform::headless::simulateDrag;

namespace {

constexpr uint32_t kCopy = platform::DropEffectCopy;
constexpr uint32_t kMove = platform::DropEffectMove;
constexpr uint32_t kLink = platform::DropEffectLink;
constexpr uint32_t kNone = platform::DropEffectNone;

using Log = std::vector<std::string>;

Log only(const Log& log, const std::string& part)
{
    Log kept;
    for (const std::string& line : log)
        if (line.find(part) != std::string::npos)
            kept.push_back(line);
    return kept;
}

// Logs its drag events as "name:Kind effect"; accepts them unless told not to.
class DropWidget : public UIWidget {
public:
    DropWidget(UIWidget* parent, std::string name, Log& log, bool acceptsDrops = true)
        : UIWidget(parent)
        , m_name(std::move(name))
        , m_log(log)
    {
        create(u"DropWidget");
        if (acceptsDrops)
            setDropFlags(kAcceptsDrops);
    }
    bool acceptEvents = true;
    UIMimeData dropped;
    Point dropPosition;

protected:
    void dragEnterEvent(UIDragEvent& e) override { record("DragEnter", e); }
    void dragMoveEvent(UIDragEvent& e) override { record("DragMove", e); }
    void dragLeaveEvent(UIDragEvent& e) override { record("DragLeave", e); }
    void dropEvent(UIDragEvent& e) override
    {
        record("Drop", e);
        dropped = *e.mimeData();
        dropPosition = e.position();
    }

private:
    void record(const char* kind, UIDragEvent& e)
    {
        m_log.push_back(m_name + ":" + kind + " " + std::to_string(e.proposedEffect()));
        e.setAccepted(acceptEvents);
    }
    std::string m_name;
    Log& m_log;
};

class DragDropTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_application = std::make_unique<Application>(u"Morvellan Tintscope", u"1.2.7");
        UINativeWindow::install();
        window = makeNativeTestWindow(u"UIWindow");
        left = std::make_unique<DropWidget>(window.get(), "left", log);
        right = std::make_unique<DropWidget>(window.get(), "right", log);
        plain = std::make_unique<DropWidget>(window.get(), "plain", log, false);
        left->setGeometry({0, 0, 50, 50});
        right->setGeometry({50, 0, 50, 50});
        plain->setGeometry({0, 50, 100, 50});
        for (UIWidget* w : {left.get(), right.get(), plain.get()})
            w->setVisible(true);
        data.blocks[platform::DragFormat::UnicodeText] = platform::textBlock(u"dragged");
    }
    void TearDown() override
    {
        plain.reset();
        right.reset();
        left.reset();
        window.reset();
        platform::dispatchPendingMessages();
        UIManager::instance().setWindowHostFactory(nullptr);
        m_application.reset();
    }

    NativeHandle handle() const { return dynamic_cast<UINativeWindow&>(*window->host()).handle(); }
    platform::headless::DragResult dragTo(std::vector<Point> path, uint32_t allowed, DragEnd end = DragEnd::Drop)
    {
        return simulateDrag(handle(), data, path, allowed, end);
    }

    std::unique_ptr<Application> m_application;
    std::unique_ptr<UIWidget> window;
    std::unique_ptr<DropWidget> left, right, plain;
    platform::headless::SimulatedDragData data;
    Log log;
};

} // namespace

TEST_F(DragDropTest, EffectIsCopyElseMoveElseLinkOnAnAcceptingWidget)
{
    struct Case {
        const char* name;
        Point at;
        uint32_t allowed;
        bool widgetAccepts;
        uint32_t effect;
    };
    const std::vector<Case> cases = {
        {"everything offered", {10, 10}, kCopy | kMove | kLink, true, kCopy},
        {"move and link offered", {10, 10}, kMove | kLink, true, kMove},
        {"link only", {10, 10}, kLink, true, kLink},
        {"nothing offered", {10, 10}, kNone, true, kNone},
        {"widget refuses the event", {10, 10}, kCopy, false, kNone},
        {"widget without the accepts-drops bit", {10, 60}, kCopy, true, kNone},
    };
    for (const Case& c : cases) {
        left->acceptEvents = c.widgetAccepts;
        const auto result = dragTo({c.at}, c.allowed, DragEnd::Leave);
        // The enter itself proposes nothing; the move over the widget does.
        EXPECT_EQ(result.effects, (std::vector<uint32_t>{kNone, c.effect})) << c.name;
    }
    EXPECT_TRUE(only(log, "plain").empty());
}

TEST_F(DragDropTest, DisabledWindowOrWidgetShowsNoDrop)
{
    left->disable();
    EXPECT_EQ(dragTo({{10, 10}}, kCopy, DragEnd::Leave).effects.back(), kNone);
    left->enable();
    dynamic_cast<UINativeWindow&>(*window->host()).modalDisable(true);
    EXPECT_EQ(dragTo({{10, 10}}, kCopy, DragEnd::Leave).effects.back(), kNone);
    EXPECT_TRUE(log.empty());
}

TEST_F(DragDropTest, MovingBetweenWidgetsLeavesOneAndEntersTheNext)
{
    dragTo({{10, 10}, {20, 10}, {60, 10}, {10, 60}}, kCopy, DragEnd::Leave);
    EXPECT_EQ(
        log,
        (Log{"left:DragEnter 1", "left:DragMove 1", "left:DragLeave 0", "right:DragEnter 1", "right:DragLeave 0"}));
}

TEST_F(DragDropTest, DropArrivesTenMillisecondsLaterWithTheData)
{
    data.blocks[platform::DragFormat::FileDrop] = platform::filePathsBlock({u"C:\\1", u"C:\\2", u"C:\\3"});
    const auto result = dragTo({{60, 20}}, kMove | kLink);
    EXPECT_TRUE(result.dropped);
    // A move is answered as none, so the source never deletes what the
    // widget has not received yet.
    EXPECT_EQ(result.effects.back(), kMove);
    EXPECT_EQ(result.dropEffect, kNone);
    EXPECT_TRUE(only(log, "Drop").empty());

    platform::headless::advanceClock(UIDropTarget::kDropDelayMs - 1);
    EXPECT_TRUE(only(log, "Drop").empty());
    platform::headless::advanceClock(1);
    EXPECT_EQ(only(log, "Drop"), Log{"right:Drop 2"});
    EXPECT_FALSE(UIDropTarget::isDropPending());
    EXPECT_EQ(right->dropped.text(), u"dragged");
    EXPECT_EQ(right->dropped.filePaths(), (std::vector<String>{u"C:\\1", u"C:\\2", u"C:\\3"}));
    EXPECT_EQ(right->dropPosition, (Point{10, 20}));
}

TEST_F(DragDropTest, DropNeverReachesAWidgetDestroyedMeanwhile)
{
    EXPECT_EQ(dragTo({{10, 10}}, kCopy).dropEffect, kCopy);
    ASSERT_TRUE(UIDropTarget::isDropPending());
    left.reset();
    platform::headless::advanceClock(UIDropTarget::kDropDelayMs);
    EXPECT_FALSE(UIDropTarget::isDropPending());
    EXPECT_TRUE(only(log, "Drop").empty());
}

TEST_F(DragDropTest, PopupsOfMenusAndTooltipsAreNoDropTargets)
{
    EXPECT_TRUE(platform::headless::isDropTarget(handle()));
    for (StringView style : {u"UIMenu", u"UIToolTip", u"UIBalloonTip"}) {
        const auto popup = makeNativeTestWindow(style);
        EXPECT_FALSE(platform::headless::isDropTarget(dynamic_cast<UINativeWindow&>(*popup->host()).handle()));
    }
    const NativeHandle gone = handle();
    window.reset();
    EXPECT_FALSE(platform::headless::isDropTarget(gone));
}
