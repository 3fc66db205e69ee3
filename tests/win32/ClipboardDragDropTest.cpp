// The clipboard and the drop target on real Wine windows: text round trips
// through the system clipboard, a clipboard another thread holds for a
// moment is still had, a window made before OLE starts is registered as a
// drop target once it has, and the system's drop-target calls are played on
// that IDropTarget with a data object of crafted blocks.
#include "app/Application.h"
#include "app/EventDispatcher.h"
#include "platform/Clipboard.h"
#include "platform/ClipboardBlocks.h"
#include "platform/DragDrop.h"
#include "platform/SystemTimers.h"
#include "ui/core/UIClipboard.h"
#include "ui/core/UIDropTarget.h"
#include "ui/core/UIManager.h"
#include "ui/core/UIMimeData.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIWidget.h"

#include "tests/ui/core/NativeTestWindow.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <ole2.h>

#include <cstring>
#include <functional>
#include <map>
#include <memory>

using platform::Bytes;

namespace {

constexpr uint32_t kWatchdogMs = 5000;
constexpr DWORD kHoldMs = 30;

// Runs on a system thread (the runtime of these builds has no std::thread):
// opens the clipboard, signals the event it is given, and lets go later.
DWORD WINAPI holdClipboardForAMoment(void* opened)
{
    const BOOL held = OpenClipboard(nullptr);
    SetEvent(static_cast<HANDLE>(opened));
    Sleep(kHoldMs);
    if (held)
        CloseClipboard();
    return 0;
}

// Offers blocks by format, as another program's drag source would. It
// lives on the stack: references are only counted, so a test can see that
// the target gave back every one it took.
class BlockDataObject : public IDataObject {
public:
    std::map<CLIPFORMAT, Bytes> blocks;
    LONG references = 1;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDataObject)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(++references); }
    ULONG STDMETHODCALLTYPE Release() override { return ULONG(--references); }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (QueryGetData(format) != S_OK)
            return DV_E_FORMATETC;
        const Bytes& bytes = blocks.at(format->cfFormat);
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
        GlobalUnlock(block);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override
    {
        return format && (format->tymed & TYMED_HGLOBAL) && blocks.contains(format->cfFormat) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }
};

class DropWidget : public UIWidget {
public:
    DropWidget(UIWidget* parent, bool acceptsDrops) : UIWidget(parent)
    {
        create(u"DropWidget");
        setDropFlags(acceptsDrops ? kAcceptsDrops : 0);
    }
    int drops = 0;
    UIMimeData dropped;

protected:
    void dragEnterEvent(UIDragEvent& e) override { e.accept(); }
    void dragMoveEvent(UIDragEvent& e) override { e.accept(); }
    void dropEvent(UIDragEvent& e) override
    {
        ++drops;
        dropped = *e.mimeData();
    }
};

class ClipboardDragDropWin32 : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_application = std::make_unique<Application>(u"Morvellan Tintscope", u"1.2.7");
        UINativeWindow::install();
        window = makeNativeTestWindow(u"UIWindow");
        accepting = std::make_unique<DropWidget>(window.get(), true);
        plain = std::make_unique<DropWidget>(window.get(), false);
        accepting->setGeometry({0, 0, 50, 50});
        plain->setGeometry({50, 0, 50, 50});
        accepting->setVisible(true);
        plain->setVisible(true);
        // OLE starts from the event loop's first tick; until then the
        // window waits for its registration.
        ASSERT_EQ(dropTarget(), nullptr);
        runUntil([&] { return dropTarget() != nullptr; });
        ASSERT_NE(dropTarget(), nullptr);
    }
    void TearDown() override
    {
        plain.reset();
        accepting.reset();
        window.reset();
        UIManager::instance().setWindowHostFactory(nullptr);
        m_application.reset();
    }

    static HWND handleOf(const UIWidget& top) { return HWND(dynamic_cast<UINativeWindow&>(*top.host()).handle()); }
    IDropTarget* dropTarget() const
    {
        return static_cast<IDropTarget*>(platform::DragDrop::nativeDropTarget(handleOf(*window)));
    }
    POINTL screenPoint(Point client) const
    {
        POINT point{client.x, client.y};
        ClientToScreen(handleOf(*window), &point);
        return {point.x, point.y};
    }
    // Plays the system's calls: enter, a move and a drop (or a leave) at one
    // point. Returns what the move (or the drop) answered.
    DWORD drag(IDataObject& data, Point at, DWORD allowed, bool drop)
    {
        IDropTarget* target = dropTarget();
        EXPECT_NE(target, nullptr);
        if (!target)
            return DROPEFFECT_NONE;
        DWORD effect = allowed;
        EXPECT_EQ(target->DragEnter(&data, 0, screenPoint(at), &effect), S_OK);
        EXPECT_EQ(effect, DWORD(DROPEFFECT_NONE));
        effect = allowed;
        EXPECT_EQ(target->DragOver(0, screenPoint(at), &effect), S_OK);
        if (!drop) {
            EXPECT_EQ(target->DragLeave(), S_OK);
            return effect;
        }
        effect = allowed;
        EXPECT_EQ(target->Drop(&data, 0, screenPoint(at), &effect), S_OK);
        return effect;
    }
    // Runs the event loop until `done` holds, or for at most the watchdog's
    // time.
    void runUntil(const std::function<bool()>& done, uint32_t limitMs = kWatchdogMs)
    {
        EventDispatcher& dispatcher = *EventDispatcher::instance();
        LoopFrame frame;
        const uintptr_t check = platform::startSystemTimer(1, [&] {
            if (done())
                dispatcher.exit(frame, 0);
        });
        const uintptr_t limit = platform::startSystemTimer(limitMs, [&] { dispatcher.exit(frame, 1); });
        dispatcher.exec(frame);
        platform::stopSystemTimer(check);
        platform::stopSystemTimer(limit);
    }

    std::unique_ptr<Application> m_application;
    std::unique_ptr<UIWidget> window;
    std::unique_ptr<DropWidget> accepting, plain;
};

} // namespace

TEST_F(ClipboardDragDropWin32, TextRoundTripsAndEmptyTextLeavesTheClipboard)
{
    ASSERT_TRUE(setClipboardText(*window, u"h\u00e9llo"));
    EXPECT_TRUE(canPasteText());
    EXPECT_EQ(clipboardText(*window), u"h\u00e9llo");

    UIManager::instance().setFailureBeepEnabled(false);
    const DWORD sequence = GetClipboardSequenceNumber();
    EXPECT_FALSE(setClipboardText(*window, u""));
    EXPECT_EQ(GetClipboardSequenceNumber(), sequence);
    EXPECT_EQ(clipboardText(*window), u"h\u00e9llo");
    UIManager::instance().setFailureBeepEnabled(true);
}

TEST_F(ClipboardDragDropWin32, ClipboardHeldByAnotherThreadForAMomentIsStillHad)
{
    HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE holder = CreateThread(nullptr, 0, holdClipboardForAMoment, opened, 0, nullptr);
    ASSERT_NE(holder, nullptr);
    WaitForSingleObject(opened, INFINITE);
    EXPECT_TRUE(setClipboardText(*window, u"held"));
    WaitForSingleObject(holder, INFINITE);
    CloseHandle(holder);
    CloseHandle(opened);
    EXPECT_EQ(clipboardText(*window), u"held");
}

TEST_F(ClipboardDragDropWin32, DropTargetChoosesTheEffectAndDropsTenMillisecondsLater)
{
    // The system has the registration made once OLE started.
    EXPECT_EQ(RegisterDragDrop(handleOf(*window), dropTarget()), DRAGDROP_E_ALREADYREGISTERED);

    BlockDataObject data;
    const std::vector<String> files = {u"C:\\one.txt", u"C:\\" + String(400, u'l') + u".txt", u"C:\\three.txt"};
    Bytes sixteenBit = platform::dibBlock(2, 2, 24, Bytes(12, 0));
    sixteenBit[14] = 16;
    Bytes crafted = platform::privateBlock(u"application/x-crafted", {1, 2, 3});
    crafted[platform::kPrivateTypeNameBytes] = 200;
    data.blocks = {{CF_UNICODETEXT, platform::textBlock(u"t")},
                   {CF_HDROP, platform::filePathsBlock(files)},
                   {CF_DIB, sixteenBit},
                   {CLIPFORMAT(platform::Clipboard::privateFormat()), crafted}};
    struct Case {
        const char* name;
        Point at;
        DWORD allowed;
        DWORD effect;
    };
    const std::vector<Case> cases = {
        {"move and link offered", {10, 10}, DROPEFFECT_MOVE | DROPEFFECT_LINK, DROPEFFECT_MOVE},
        {"copy wins", {10, 10}, DROPEFFECT_MOVE | DROPEFFECT_COPY, DROPEFFECT_COPY},
        {"widget without the accepts-drops bit", {60, 10}, DROPEFFECT_COPY, DROPEFFECT_NONE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(drag(data, c.at, c.allowed, false), c.effect) << c.name;

    // Answered as none: the source keeps what the widget has not had yet.
    EXPECT_EQ(drag(data, {10, 10}, DROPEFFECT_MOVE | DROPEFFECT_LINK, true), DWORD(DROPEFFECT_NONE));
    EXPECT_EQ(accepting->drops, 0);
    EXPECT_EQ(data.references, 1);
    runUntil([&] { return accepting->drops > 0; });
    ASSERT_EQ(accepting->drops, 1);
    // The bitmap and the crafted private block add nothing.
    EXPECT_EQ(accepting->dropped.formats(), (std::vector<String>{u"text/plain", u"text/file-path-list"}));
    EXPECT_EQ(accepting->dropped.filePaths(), files);

    DWORD effect = DROPEFFECT_COPY;
    EXPECT_EQ(dropTarget()->DragEnter(nullptr, 0, screenPoint({10, 10}), &effect), E_INVALIDARG);
    EXPECT_EQ(dropTarget()->Drop(&data, 0, screenPoint({10, 10}), nullptr), E_INVALIDARG);
}
