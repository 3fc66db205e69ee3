// The OLE drop target of a window: a COM object that turns the system's
// calls into DropTargetClient calls and passes each of them on to the
// system's drag-image helper, so the dragged image is drawn over the
// window. Also the start of OLE itself, which the registrations wait for.
#include "platform/DragDrop.h"
#include "platform/Clipboard.h"
#include "platform/ClipboardBlocks.h"

#include <windows.h>

#include <ole2.h>
#include <shlobj.h>

#include "platform/win32/GlobalMemory.h"

#include <map>
#include <utility>
#include <vector>

namespace platform {

namespace {

// {4657278A-411B-11D2-839A-00C04FD918D0} and {4657278B-...}.
constexpr CLSID kDragDropHelperClass = {0x4657278A, 0x411B, 0x11D2, {0x83, 0x9A, 0x00, 0xC0, 0x4F, 0xD9, 0x18, 0xD0}};
constexpr IID kDropTargetHelperInterface = {
    0x4657278B, 0x411B, 0x11D2, {0x83, 0x9A, 0x00, 0xC0, 0x4F, 0xD9, 0x18, 0xD0}};

class OleDragData : public DragData {
public:
    explicit OleDragData(IDataObject* data) : m_data(data) {}
    std::optional<Bytes> block(DragFormat format) const override
    {
        FORMATETC request{clipboardFormat(format), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        if (!request.cfFormat || m_data->QueryGetData(&request) != S_OK)
            return std::nullopt;
        STGMEDIUM medium{};
        if (FAILED(m_data->GetData(&request, &medium)))
            return std::nullopt;
        std::optional<Bytes> bytes;
        if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal)
            bytes = win32::globalBytes(medium.hGlobal, kMaxBlockBytes);
        ReleaseStgMedium(&medium);
        return bytes;
    }

private:
    static CLIPFORMAT clipboardFormat(DragFormat format)
    {
        switch (format) {
        case DragFormat::UnicodeText:
            return CF_UNICODETEXT;
        case DragFormat::FileDrop:
            return CF_HDROP;
        case DragFormat::Dib:
            return CF_DIB;
        case DragFormat::Private:
            return CLIPFORMAT(Clipboard::privateFormat());
        }
        return 0;
    }

    IDataObject* m_data;
};

class OleDropTarget final : public IDropTarget {
public:
    OleDropTarget(HWND window, DropTargetClient& client) : m_window(window), m_client(&client) {}

    // The window's registration ended: calls still in the system's hands
    // reach no client any more.
    void detach()
    {
        m_client = nullptr;
        forgetData();
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_INVALIDARG;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
            *object = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(InterlockedIncrement(&m_references)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&m_references);
        if (left == 0)
            delete this;
        return ULONG(left);
    }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override
    {
        if (!data || !effect)
            return E_INVALIDARG;
        // A client call may end the registration: the object stays alive
        // until the call returns.
        AddRef();
        forgetData();
        m_data = data;
        m_data->AddRef();
        const DWORD allowed = *effect;
        *effect = DROPEFFECT_NONE;
        if (m_client)
            *effect = m_client->dragEnter(OleDragData(data), input(point, keyState, allowed));
        createHelper();
        if (m_helper) {
            POINT screen{point.x, point.y};
            m_helper->DragEnter(m_window, data, &screen, *effect);
        }
        Release();
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override
    {
        if (!effect)
            return E_INVALIDARG;
        AddRef();
        const DWORD allowed = *effect;
        *effect = m_client ? m_client->dragOver(input(point, keyState, allowed)) : DROPEFFECT_NONE;
        if (m_helper) {
            POINT screen{point.x, point.y};
            m_helper->DragOver(&screen, *effect);
        }
        Release();
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE DragLeave() override
    {
        AddRef();
        if (m_client)
            m_client->dragLeave();
        if (m_helper)
            m_helper->DragLeave();
        forgetData();
        Release();
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override
    {
        if (!data || !effect)
            return E_INVALIDARG;
        AddRef();
        const DWORD allowed = *effect;
        *effect = m_client ? m_client->drop(input(point, keyState, allowed)) : DROPEFFECT_NONE;
        if (m_helper) {
            POINT screen{point.x, point.y};
            m_helper->Drop(data, &screen, *effect);
        }
        forgetData();
        Release();
        return S_OK;
    }

private:
    ~OleDropTarget()
    {
        forgetData();
        if (m_helper)
            m_helper->Release();
    }

    // The shell's drag-image helper, made when the first drag enters rather
    // than with the window: every window registers, few are dragged onto,
    // and making it at start-up costs the shell's class lookup. Later calls
    // of a drag always follow a DragEnter.
    void createHelper()
    {
        if (m_helper || m_helperTried)
            return;
        m_helperTried = true;
        void* helper = nullptr;
        if (SUCCEEDED(CoCreateInstance(kDragDropHelperClass, nullptr, CLSCTX_INPROC_SERVER, kDropTargetHelperInterface,
                                       &helper)))
            m_helper = static_cast<IDropTargetHelper*>(helper);
    }

    DragInput input(POINTL point, DWORD keyState, DWORD allowed) const
    {
        POINT client{point.x, point.y};
        ScreenToClient(m_window, &client);
        return {{int32_t(client.x), int32_t(client.y)}, uint32_t(keyState), uint32_t(allowed)};
    }

    void forgetData()
    {
        if (m_data)
            m_data->Release();
        m_data = nullptr;
    }

    LONG m_references = 1;
    HWND m_window;
    DropTargetClient* m_client;
    IDropTargetHelper* m_helper = nullptr;
    bool m_helperTried = false;
    IDataObject* m_data = nullptr;
};

std::map<HWND, OleDropTarget*>& targets()
{
    static std::map<HWND, OleDropTarget*> registered;
    return registered;
}

} // namespace

struct DragDrop::State {
    HWND window = nullptr;
    OleDropTarget* target = nullptr;
    bool locked = false;
    bool registered = false;
    // Made before OLE had started: registered when it starts.
    bool waiting = false;
};

namespace {

// --- Starting OLE ---------------------------------------------------------
// OLE is started from the message loop's first timer tick rather than with
// the program: the system delivers a tick only once no paint is pending, so
// the first window is up by then, and starting OLE is a good part of a
// start-up under Wine. Nothing needs it before: windows made meanwhile wait
// for their drop-target registration.

enum class OleState { Stopped, Starting, Started, Failed };
OleState g_ole = OleState::Stopped;
UINT_PTR g_oleTimer = 0;

std::vector<DragDrop::State*>& waitingForOle()
{
    static std::vector<DragDrop::State*> waiting;
    return waiting;
}

void registerWithSystem(DragDrop::State& state)
{
    // The lock keeps the object alive for the system as long as the window
    // is registered.
    state.locked = SUCCEEDED(CoLockObjectExternal(state.target, TRUE, FALSE));
    state.registered = SUCCEEDED(RegisterDragDrop(state.window, state.target));
    if (state.registered)
        targets()[state.window] = state.target;
}

void CALLBACK startOle(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_oleTimer)
        KillTimer(nullptr, g_oleTimer);
    g_oleTimer = 0;
    g_ole = SUCCEEDED(OleInitialize(nullptr)) ? OleState::Started : OleState::Failed;
    for (DragDrop::State* state : std::exchange(waitingForOle(), {})) {
        state->waiting = false;
        if (g_ole == OleState::Started)
            registerWithSystem(*state);
    }
}

} // namespace

bool initialiseOle()
{
    if (g_ole != OleState::Stopped)
        return g_ole != OleState::Failed;
    g_oleTimer = SetTimer(nullptr, 0, 0, startOle);
    if (!g_oleTimer) {
        startOle(nullptr, 0, 0, 0);
        return g_ole == OleState::Started;
    }
    g_ole = OleState::Starting;
    return true;
}

void uninitialiseOle()
{
    if (g_oleTimer)
        KillTimer(nullptr, g_oleTimer);
    g_oleTimer = 0;
    for (DragDrop::State* state : std::exchange(waitingForOle(), {}))
        state->waiting = false;
    if (g_ole == OleState::Started)
        OleUninitialize();
    g_ole = OleState::Stopped;
}

DragDrop::DragDrop(NativeHandle window, DropTargetClient& client) : m_state(std::make_unique<State>())
{
    HWND handle = static_cast<HWND>(window);
    if (!handle)
        return;
    m_state->window = handle;
    m_state->target = new OleDropTarget(handle, client);
    if (g_ole == OleState::Starting) {
        m_state->waiting = true;
        waitingForOle().push_back(m_state.get());
    } else {
        registerWithSystem(*m_state);
    }
}

DragDrop::~DragDrop()
{
    if (!m_state->target)
        return;
    if (m_state->waiting)
        std::erase(waitingForOle(), m_state.get());
    if (m_state->registered) {
        RevokeDragDrop(m_state->window);
        targets().erase(m_state->window);
    }
    m_state->target->detach();
    if (m_state->locked)
        CoLockObjectExternal(m_state->target, FALSE, TRUE);
    m_state->target->Release();
}

bool DragDrop::isRegistered() const { return m_state->registered || m_state->waiting; }

void* DragDrop::nativeDropTarget(NativeHandle window)
{
    const auto found = targets().find(static_cast<HWND>(window));
    return found == targets().end() ? nullptr : static_cast<IDropTarget*>(found->second);
}

} // namespace platform
