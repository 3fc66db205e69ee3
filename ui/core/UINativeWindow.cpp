// The native window host. Sections: class names and construction; the
// host's operations; the window procedure; mouse; focus and position;
// keyboard translation.
#include "ui/core/UINativeWindow.h"
#include "app/Application.h"
#include "platform/InputMethod.h"
#include "platform/InputState.h"
#include "ui/core/PackageImage.h"
#include "ui/core/UIEvent.h"
#include "ui/core/UIInputMethodClient.h"
#include "ui/core/UIManager.h"
#include "ui/core/UIPopupMenu.h"
#include "ui/core/UIWidget.h"
#include "ui/core/WidgetLayout.h"

#include <algorithm>
#include <array>
#include <cmath>

using platform::WindowMessage;
using platform::WindowMessageId;

namespace {

constexpr char16_t kClassPrefix[] = u"UUI___";
constexpr StringView kSmallIconName = u"window_icon_small";
constexpr StringView kBigIconName = u"window_icon_big";

// Virtual-key codes the translation treats specially.
constexpr uint32_t kKeyTab = 0x09;
constexpr uint32_t kKeyEnter = 0x0D;
constexpr uint32_t kKeyEscape = 0x1B;
constexpr uint32_t kKeySpace = 0x20;
constexpr uint32_t kKeyF4 = 0x73;
constexpr uint32_t kKeyProcessedByInputMethod = 0xE5;
constexpr uint32_t kKeyReserved = 0xFF;
constexpr uint32_t kKeyLeftWindows = 0x5B;
constexpr uint32_t kKeyRightWindows = 0x5C;

// The key-state word of mouse messages.
constexpr uintptr_t kStateLeft = 0x1;
constexpr uintptr_t kStateRight = 0x2;
constexpr uintptr_t kStateMiddle = 0x10;
constexpr uintptr_t kStateExtra1 = 0x20;
constexpr uintptr_t kStateExtra2 = 0x40;

// Bits of a key message's second parameter.
constexpr intptr_t kExtendedKeyBit = intptr_t(1) << 24;
constexpr intptr_t kAltContextBit = intptr_t(1) << 29;

// The native modifier word of key events.
enum NativeModifier : uint32_t {
    LeftShift = 0x1,
    LeftControl = 0x2,
    LeftAlt = 0x4,
    LeftWindows = 0x8,
    RightShift = 0x10,
    RightControl = 0x20,
    RightAlt = 0x40,
    RightWindows = 0x80,
    ExtendedKey = 0x1000000,
};

constexpr intptr_t kHitTestClient = 1;

struct ProcessState {
    int32_t hostCounter = 0;
    String prefix;
    bool prefixBuilt = false;
    UIWidgetGuard openPopupMenu;
    bool blockScreenSaver = false;
    bool blockMonitorPowerOff = false;
};

ProcessState& process()
{
    static ProcessState state;
    return state;
}

Point messagePosition(intptr_t lParam)
{
    return {int16_t(uint16_t(uintptr_t(lParam) & 0xFFFF)), int16_t(uint16_t((uintptr_t(lParam) >> 16) & 0xFFFF))};
}

uint32_t buttonsFromKeyState(uintptr_t keyState)
{
    uint32_t buttons = 0;
    if (keyState & kStateLeft)
        buttons |= platform::LeftButton;
    if (keyState & kStateRight)
        buttons |= platform::RightButton;
    if (keyState & kStateMiddle)
        buttons |= platform::MiddleButton;
    if (keyState & kStateExtra1)
        buttons |= platform::ExtraButton1;
    if (keyState & kStateExtra2)
        buttons |= platform::ExtraButton2;
    return buttons;
}

bool isModifierKey(uint32_t key)
{
    return key == uint32_t(platform::VirtualKey::Shift) || key == uint32_t(platform::VirtualKey::Control)
        || key == uint32_t(platform::VirtualKey::Alt)
        || (key >= uint32_t(platform::VirtualKey::LeftShift) && key <= uint32_t(platform::VirtualKey::RightAlt));
}

uint32_t modifierOfKey(uint32_t key)
{
    using platform::VirtualKey;
    switch (static_cast<VirtualKey>(key)) {
    case VirtualKey::Shift:
    case VirtualKey::LeftShift:
    case VirtualKey::RightShift:
        return platform::ShiftModifier;
    case VirtualKey::Control:
    case VirtualKey::LeftControl:
    case VirtualKey::RightControl:
        return platform::ControlModifier;
    case VirtualKey::Alt:
    case VirtualKey::LeftAlt:
    case VirtualKey::RightAlt:
        return platform::AltModifier;
    default:
        return 0;
    }
}

uint32_t nativeModifiers(intptr_t lParam)
{
    using platform::isKeyDown;
    using platform::VirtualKey;
    uint32_t word = 0;
    const std::array<std::pair<VirtualKey, uint32_t>, 6> sides{{
        {VirtualKey::LeftShift, LeftShift},
        {VirtualKey::LeftControl, LeftControl},
        {VirtualKey::LeftAlt, LeftAlt},
        {VirtualKey::RightShift, RightShift},
        {VirtualKey::RightControl, RightControl},
        {VirtualKey::RightAlt, RightAlt},
    }};
    for (const auto& [key, bit] : sides)
        if (isKeyDown(key))
            word |= bit;
    if (isKeyDown(kKeyLeftWindows))
        word |= LeftWindows;
    if (isKeyDown(kKeyRightWindows))
        word |= RightWindows;
    // FIXME: the Caps Lock, Num Lock and Scroll Lock toggle bits (0x100,
    // 0x200, 0x400) need the toggle state, which the input state does not
    // offer yet.
    if (lParam & kExtendedKeyBit)
        word |= ExtendedKey;
    return word;
}

uint32_t eventModifiers(uint32_t native, uint32_t key)
{
    uint32_t modifiers = 0;
    if (native & (LeftShift | RightShift))
        modifiers |= platform::ShiftModifier;
    if (native & (LeftControl | RightControl))
        modifiers |= platform::ControlModifier;
    if (native & (LeftAlt | RightAlt))
        modifiers |= platform::AltModifier;
    return modifiers ^ modifierOfKey(key);
}

bool isKeyMessage(WindowMessageId id)
{
    switch (id) {
    case WindowMessageId::KeyDown:
    case WindowMessageId::KeyUp:
    case WindowMessageId::Character:
    case WindowMessageId::SystemKeyDown:
    case WindowMessageId::SystemKeyUp:
    case WindowMessageId::InputMethodCharacter:
    case WindowMessageId::InputMethodKeyDown:
    case WindowMessageId::InputMethodKeyUp:
        return true;
    default:
        return false;
    }
}

bool isButtonDown(WindowMessageId id)
{
    switch (id) {
    case WindowMessageId::LeftButtonDown:
    case WindowMessageId::RightButtonDown:
    case WindowMessageId::MiddleButtonDown:
    case WindowMessageId::ExtraButtonDown:
    case WindowMessageId::NonClientLeftButtonDown:
    case WindowMessageId::NonClientRightButtonDown:
    case WindowMessageId::NonClientMiddleButtonDown:
        return true;
    default:
        return false;
    }
}

// Popups never take drags.
bool acceptsDrags(StringView styleName)
{
    return styleName != u"UIToolTip" && styleName != u"UIBalloonTip" && styleName != u"UIMenu";
}

void closeOpenPopupMenu()
{
    if (UIWidget* menu = process().openPopupMenu.get())
        menu->setVisible(false);
    process().openPopupMenu = UIWidgetGuard();
}

// Input reaching a window of the open menu chain is the menu's own: a press
// there must not dismiss the menu before its item is activated.
bool insideOpenPopupMenu(const UIWidget& window)
{
    const auto* menu = dynamic_cast<const UIPopupMenu*>(process().openPopupMenu.get());
    return menu && menu->holdsWindow(window);
}

// Whether the native window belongs to the open menu chain: the keyboard
// moving between the chain's windows keeps the menu open, any other loss
// of it closes the menu.
bool insideOpenPopupMenu(NativeHandle handle)
{
    if (!handle || !process().openPopupMenu)
        return false;
    for (UIWidget* widget : UIManager::instance().widgets()) {
        const auto* host = widget->isWindow() ? dynamic_cast<const UINativeWindow*>(widget->host()) : nullptr;
        if (host && host->handle() == handle)
            return insideOpenPopupMenu(*widget);
    }
    return false;
}

void dropGrabber()
{
    UIManager& manager = UIManager::instance();
    if (UIWidget* grabber = manager.grabber()) {
        manager.setGrabber(nullptr);
        grabber->setFlag(UIWidget::Flag::Pressed, false);
    }
}

} // namespace

// ---------------------------------------------------------------------------
// Class names and construction

uint32_t UINativeWindow::crc32(const uint8_t* bytes, size_t size)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

String UINativeWindow::classPrefix(StringView executablePath)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(executablePath.size() * 2);
    for (char16_t unit : executablePath) {
        bytes.push_back(uint8_t(unit & 0xFF));
        bytes.push_back(uint8_t(unit >> 8));
    }
    return String(kClassPrefix) + decimalText(uint64_t(crc32(bytes.data(), bytes.size())));
}

UINativeWindow::UINativeWindow(UIWidget& owner) : m_owner(owner), m_window(*this), m_router(owner)
{
    ProcessState& state = process();
    if (!state.prefixBuilt) {
        const Application* application = Application::instance();
        state.prefix = classPrefix(application ? StringView(application->executablePath()) : StringView());
        state.prefixBuilt = true;
    }
    m_className = state.prefix + decimalText(int64_t(++state.hostCounter));
}

UINativeWindow::~UINativeWindow()
{
    *m_alive = false;
    m_dragDrop.reset();
    m_window.destroy();
}

void UINativeWindow::install()
{
    UIManager::instance().setWindowHostFactory(
        [](UIWidget& owner) -> std::unique_ptr<UIWindowHost> { return std::make_unique<UINativeWindow>(owner); });
}

uint32_t UINativeWindow::styleFor(uint32_t type, bool hasParentWindow)
{
    using namespace platform;
    uint32_t style = WindowStyleClipSiblings | WindowStyleClipChildren;
    if (type & WindowType::Popup)
        style |= WindowStylePopup;
    else
        style |= WindowStyleCaption;
    if (type & WindowType::ResizableFrame)
        style |= WindowStyleThickFrame;
    if (hasParentWindow)
        style |= WindowStylePopup;
    if (type & WindowType::MinimizeBox)
        style |= WindowStyleMinimizeBox;
    if (type & WindowType::MaximizeBox)
        style |= WindowStyleMaximizeBox;
    if (type & WindowType::SystemMenu)
        style |= WindowStyleSystemMenu;
    return style;
}

uint32_t UINativeWindow::exStyleFor(uint32_t type)
{
    uint32_t exStyle = 0;
    if (type & WindowType::TopMost)
        exStyle |= platform::WindowExStyleTopMost;
    // Showing without activation is not enough: a click would still
    // activate the window and take the keyboard from the focused field.
    if (type & WindowType::NoActivate)
        exStyle |= platform::WindowExStyleNoActivate;
    return exStyle;
}

UIWidget* UINativeWindow::parentWindow() const
{
    for (UIWidget* ancestor = m_owner.parent(); ancestor; ancestor = ancestor->parent())
        if (ancestor->isWindow())
            return ancestor;
    return nullptr;
}

bool UINativeWindow::createWindow()
{
    if (m_window.isCreated())
        return true;
    UIWidget* parent = parentWindow();
    auto* parentHost = parent ? dynamic_cast<UINativeWindow*>(parent->host()) : nullptr;
    const NativeHandle parentHandle = parentHost ? parentHost->handle() : nullptr;

    platform::NativeWindowOptions options;
    options.className = m_className;
    options.dropShadow = (m_windowType & WindowType::DropShadow) != 0;
    options.style = styleFor(m_windowType, parentHandle != nullptr);
    options.exStyle = exStyleFor(m_windowType);
    options.owner = parentHandle                      ? parentHandle
        : (m_windowType & WindowType::OwnedByDesktop) ? platform::NativeWindow::desktopWindow()
                                                      : nullptr;
    if (!m_window.create(options))
        return false;
    if (!(m_windowType & WindowType::Popup))
        loadIcons();
    if (acceptsDrags(m_owner.styleName())) {
        m_dropTarget = std::make_unique<UIDropTarget>(m_owner, [this] { return m_window.isEnabled(); });
        m_dragDrop = std::make_unique<platform::DragDrop>(m_window.handle(), *m_dropTarget);
    }
    if (m_opacity < 1.0f) {
        const float requested = m_opacity;
        m_opacity = 1.0f;
        setOpacity(requested);
    }
    return true;
}

void UINativeWindow::loadIcons()
{
    // Decoded once: every window shows the same two icons.
    static const UIImage smallImage = packageImage(kSmallIconName);
    static const UIImage bigImage = packageImage(kBigIconName);
    if (smallImage.isEmpty() && bigImage.isEmpty())
        return;
    m_window.setIcons(smallImage.toNativeIcon(false), bigImage.toNativeIcon(false));
}

// ---------------------------------------------------------------------------
// The host's operations

void UINativeWindow::applyWindowState(uint32_t state)
{
    if (!m_owner.isVisible())
        return;
    if (state & WindowState::Minimized) {
        if (!m_window.isMinimized())
            m_window.show(platform::ShowCommand::Minimized);
    } else if (state & WindowState::Maximized) {
        if (!m_window.isMaximized())
            m_window.show(platform::ShowCommand::Maximized);
    } else if (!(state & WindowState::KeepHidden)) {
        if (!m_window.isVisible() || m_window.isMinimized())
            m_window.show((m_windowType & WindowType::NoActivate) ? platform::ShowCommand::NormalNoActivate
                                                                  : platform::ShowCommand::Restore);
    }
    if (state & WindowState::Foreground)
        m_window.bringToForeground();
}

uint32_t UINativeWindow::windowState() const
{
    uint32_t state = 0;
    if (m_window.isForegroundAndActive())
        state |= WindowState::Foreground;
    if (m_window.isMinimized())
        state |= WindowState::Minimized;
    if (m_window.isMaximized())
        state |= WindowState::Maximized;
    return state;
}

void UINativeWindow::setWindowTypeFlag(uint32_t flag, bool on)
{
    const uint32_t type = on ? m_windowType | flag : m_windowType & ~flag;
    if (!m_window.isCreated() || type == m_windowType) {
        m_windowType = type;
        return;
    }
    m_windowType = type;
    switch (flag) {
    case WindowType::DropShadow:
        m_window.setClassDropShadow(on);
        break;
    case WindowType::OwnedByDesktop:
        m_window.setOwner(on ? platform::NativeWindow::desktopWindow() : nullptr);
        break;
    case WindowType::NoActivate:
        m_window.setExStyle(on ? m_window.exStyle() | platform::WindowExStyleNoActivate
                               : m_window.exStyle() & ~uint32_t(platform::WindowExStyleNoActivate));
        break;
    case WindowType::TopMost:
        m_window.setTopMost(on, m_window.isVisible() && !(m_windowType & WindowType::NoActivate));
        break;
    case WindowType::ResizableFrame:
    case WindowType::MinimizeBox:
    case WindowType::MaximizeBox:
    case WindowType::SystemMenu:
    case WindowType::Popup:
        applyStyles();
        break;
    default:
        // The others are consulted when messages arrive.
        break;
    }
}

void UINativeWindow::applyStyles()
{
    constexpr uint32_t kTypeStyles = platform::WindowStylePopup | platform::WindowStyleCaption
        | platform::WindowStyleThickFrame | platform::WindowStyleMinimizeBox | platform::WindowStyleMaximizeBox
        | platform::WindowStyleSystemMenu;
    const uint32_t wanted = styleFor(m_windowType, parentWindow() != nullptr);
    m_window.setStyle((m_window.style() & ~kTypeStyles) | (wanted & kTypeStyles));
}

void UINativeWindow::setWindowType(uint32_t flags)
{
    if (!m_window.isCreated()) {
        m_windowType = flags;
        return;
    }
    for (uint32_t bit = WindowType::DropShadow; bit <= WindowType::KeyPreview; bit <<= 1)
        setWindowTypeFlag(bit, (flags & bit) != 0);
}

void UINativeWindow::modalDisable(bool disable)
{
    if (disable) {
        if (m_modalDisableCount++ == 0) {
            m_enabledBeforeModal = isEnabled();
            if (m_enabledBeforeModal)
                m_window.setEnabled(false);
        }
    } else if (m_modalDisableCount > 0 && --m_modalDisableCount == 0) {
        setEnabled(m_enabledBeforeModal);
    }
}

void UINativeWindow::setOpacity(float opacity)
{
    const float clamped = std::isnan(opacity) ? 1.0f : std::clamp(opacity, 0.0f, 1.0f);
    if (clamped == m_opacity)
        return;
    m_opacity = clamped;
    if (!m_window.isCreated())
        return;
    if (m_opacity >= 1.0f) {
        m_layeredAlpha = 255;
        if (m_layeredImage.isEmpty())
            m_window.setExStyle(m_window.exStyle() & ~uint32_t(platform::WindowExStyleLayered));
        return;
    }
    m_window.setExStyle(m_window.exStyle() | platform::WindowExStyleLayered);
    m_layeredAlpha = uint8_t(std::lround(m_opacity * 255.0f));
    m_window.setLayeredAlpha(m_layeredAlpha);
}

void UINativeWindow::flash(int32_t count) { m_window.flash(count); }

void UINativeWindow::show(bool visible, bool maximized, bool minimized)
{
    using platform::ShowCommand;
    if (!visible) {
        m_window.show(ShowCommand::Hide);
        return;
    }
    ShowCommand command = maximized ? ShowCommand::Maximized : minimized ? ShowCommand::Minimized : ShowCommand::Normal;
    if (command == ShowCommand::Normal && (m_windowType & WindowType::NoActivate))
        command = ShowCommand::NormalNoActivate;
    const std::shared_ptr<bool> alive = m_alive;
    m_window.show(command);
    if (*alive && command == ShowCommand::Normal) {
        m_window.bringToForeground();
        m_window.setFocus();
    }
}

bool UINativeWindow::isVisible() const { return m_window.isVisible(); }

void UINativeWindow::setEnabled(bool enabled)
{
    if (m_window.isEnabled() != enabled)
        m_window.setEnabled(enabled);
}

bool UINativeWindow::isEnabled() const { return m_window.isEnabled(); }
NativeHandle UINativeWindow::handle() const { return m_window.handle(); }

void UINativeWindow::moveTo(Point outerPosition) { m_window.moveTo(outerPosition); }

void UINativeWindow::resizeTo(Size clientSize)
{
    const Margins frame = frameMargins();
    m_window.resizeTo({clientSize.width + frame.left + frame.right, clientSize.height + frame.top + frame.bottom});
}

Rect UINativeWindow::windowRect() const { return m_window.windowRect(); }
Margins UINativeWindow::frameMargins() const { return m_window.frameMargins(); }
void UINativeWindow::setTitle(StringView title) { m_window.setTitle(title); }
String UINativeWindow::title() const { return m_window.title(); }

void UINativeWindow::activate(bool active)
{
    if (active) {
        if (!m_window.hasFocus())
            m_window.setFocus();
    } else {
        m_window.dropFocus();
    }
}

bool UINativeWindow::hasFocus() const { return m_window.hasFocus(); }
bool UINativeWindow::isActive() const { return (windowState() & WindowState::Foreground) != 0; }

void UINativeWindow::updateLayered(const UIImage& image)
{
    if (image.isEmpty()) {
        m_layeredImage = UIImage();
        if (m_window.isCreated() && m_opacity >= 1.0f)
            m_window.setExStyle(m_window.exStyle() & ~uint32_t(platform::WindowExStyleLayered));
        return;
    }
    const Size size = m_window.clientSize();
    m_layeredImage = (!size.isEmpty() && image.size() != size) ? image.scaled(size.width, size.height) : image;
    if (!m_window.isCreated())
        return;
    m_window.setExStyle(m_window.exStyle() | platform::WindowExStyleLayered);
    // The system blends premultiplied pixels.
    UIImage shown = m_layeredImage.copy();
    if (!shown.premultiplied() && shown.hasAlpha()) {
        for (int32_t y = 0; y < shown.height(); ++y) {
            uint8_t* p = shown.scanLine(y);
            for (int32_t x = 0; x < shown.width(); ++x, p += 4)
                for (int c = 0; c < 3; ++c)
                    p[c] = uint8_t((p[c] * p[3] + 127) / 255);
        }
        shown.setPremultiplied(true);
    }
    platform::PixelSource source{{shown.bits(), shown.width(), shown.height(), shown.stride(), shown.bitsPerPixel()},
                                 shown.nativeBitmap()};
    m_window.updateLayered(source);
}

void UINativeWindow::invalidate() { m_window.invalidate(); }

void UINativeWindow::captureMouse() { m_window.captureMouse(); }

void UINativeWindow::releaseMouse()
{
    m_releasingCapture = true;
    m_window.releaseMouse();
    m_releasingCapture = false;
}

void UINativeWindow::flush(const UIImage& canvas, const Rect& rect)
{
    if (canvas.isEmpty() || !m_window.isCreated())
        return;
    // The canvas is only read: the const access keeps it shared.
    const platform::PixelSource source{{const_cast<uint8_t*>(canvas.constBits()), canvas.width(), canvas.height(),
                                        canvas.stride(), canvas.bitsPerPixel()},
                                       canvas.nativeBitmap()};
    m_window.present(source, rect);
}

void UINativeWindow::setOpenPopupMenu(UIWidget* menu) { process().openPopupMenu = UIWidgetGuard(menu); }
UIWidget* UINativeWindow::openPopupMenu() { return process().openPopupMenu.get(); }
void UINativeWindow::setBlockScreenSaver(bool block) { process().blockScreenSaver = block; }
void UINativeWindow::setBlockMonitorPowerOff(bool block) { process().blockMonitorPowerOff = block; }

// ---------------------------------------------------------------------------
// The window procedure, in the order it tests the messages

std::optional<intptr_t> UINativeWindow::windowMessage(WindowMessage& message)
{
    const WindowMessageId id = message.id();
    if (isButtonDown(id) && !insideOpenPopupMenu(m_owner))
        closeOpenPopupMenu();
    if (message.message == platform::NativeWindow::taskbarButtonCreatedMessage()) {
        m_owner.setFlag(UIWidget::Flag::HostSignalled, true);
        return 0;
    }
    switch (id) {
    case WindowMessageId::MouseMove:
        mouseMove(message);
        return 0;
    case WindowMessageId::LeftButtonDown:
    case WindowMessageId::LeftButtonUp:
        mouseButton(message, platform::LeftButton, id == WindowMessageId::LeftButtonDown);
        return 0;
    case WindowMessageId::RightButtonDown:
    case WindowMessageId::RightButtonUp:
        mouseButton(message, platform::RightButton, id == WindowMessageId::RightButtonDown);
        return 0;
    case WindowMessageId::MiddleButtonDown:
    case WindowMessageId::MiddleButtonUp:
        mouseButton(message, platform::MiddleButton, id == WindowMessageId::MiddleButtonDown);
        return 0;
    case WindowMessageId::ExtraButtonDown:
    case WindowMessageId::ExtraButtonUp:
        mouseButton(message, ((message.wParam >> 16) & 0xFFFF) == 2 ? platform::ExtraButton2 : platform::ExtraButton1,
                    id == WindowMessageId::ExtraButtonDown);
        return 0;
    case WindowMessageId::LeftButtonDoubleClick:
    case WindowMessageId::RightButtonDoubleClick:
        // Double clicks come from the toolkit's own press history.
        return 0;
    case WindowMessageId::Wheel:
    case WindowMessageId::HorizontalWheel:
        wheel(message, id == WindowMessageId::HorizontalWheel);
        return 0;
    case WindowMessageId::CaptureChanged:
        captureChanged();
        return 0;
    case WindowMessageId::InputMethodStartComposition:
        placeComposition();
        return std::nullopt;
    case WindowMessageId::InputMethodComposition:
        return composition(message);
    case WindowMessageId::InputMethodEndComposition:
    case WindowMessageId::InputMethodNotify:
        return std::nullopt;
    case WindowMessageId::SystemCharacter:
        return 0;
    case WindowMessageId::SystemCommand:
        return systemCommand(message);
    case WindowMessageId::HotKey:
        UIWidget::postEvent(&m_owner, std::make_unique<UIHotKeyEvent>(int32_t(message.wParam)));
        return std::nullopt;
    case WindowMessageId::ApplicationCommand:
        return std::nullopt;
    case WindowMessageId::ShowRequest:
        showRequest(message);
        return 0;
    case WindowMessageId::SetFocus:
        focusGained();
        return 0;
    case WindowMessageId::KillFocus:
        focusLost(reinterpret_cast<NativeHandle>(message.wParam));
        return 0;
    case WindowMessageId::Paint:
        if (!message.rect.isEmpty())
            m_owner.update(message.rect);
        return 0;
    case WindowMessageId::Close: {
        UIEvent close(UIEventType::Close);
        close.accept();
        UIWidget::sendEvent(&m_owner, close);
        return 0;
    }
    case WindowMessageId::QueryEndSession:
        m_owner.emitEndSession();
        return 1;
    case WindowMessageId::EraseBackground:
        return 1;
    case WindowMessageId::SetCursor:
        if ((message.lParam & 0xFFFF) == kHitTestClient)
            return 1;
        return std::nullopt;
    case WindowMessageId::GetMinMaxInfo:
        if (!(m_windowType & WindowType::ResizableFrame))
            return std::nullopt;
        minimumTrackingSize(message);
        return 0;
    case WindowMessageId::WindowPositionChanged: {
        bool handled = false;
        positionChanged(message, handled);
        return handled ? std::optional<intptr_t>(0) : std::nullopt;
    }
    case WindowMessageId::DisplayChange:
        m_window.invalidate();
        return std::nullopt;
    case WindowMessageId::NonClientHitTest:
        if (m_windowType & WindowType::MouseTransparent)
            return platform::kHitTestTransparent;
        return std::nullopt;
    case WindowMessageId::NonClientActivate:
        if (message.wParam == 0 && (m_windowType & WindowType::NoNonClientDeactivation))
            return 1;
        return std::nullopt;
    default:
        break;
    }
    if (isKeyMessage(id))
        return keyMessage(message);
    return std::nullopt;
}

// ---------------------------------------------------------------------------
// Mouse

void UINativeWindow::mouseMove(const WindowMessage& message)
{
    const Point position = messagePosition(message.lParam);
    if (position == m_lastMousePosition) {
        m_router.updateCursor(position);
        return;
    }
    m_lastMousePosition = position;
    m_router.move(position, buttonsFromKeyState(message.wParam), platform::keyboardModifiers());
}

void UINativeWindow::mouseButton(const WindowMessage& message, uint32_t button, bool down)
{
    const Point position = messagePosition(message.lParam);
    const uint32_t buttons = buttonsFromKeyState(message.wParam);
    if (down)
        m_router.press(position, button, buttons, platform::keyboardModifiers());
    else
        m_router.release(position, button, buttons, platform::keyboardModifiers());
}

void UINativeWindow::wheel(const WindowMessage& message, bool horizontal)
{
    // The wheel's position is in screen coordinates.
    const Point screen = messagePosition(message.lParam);
    const Point origin = m_window.clientOrigin();
    const int32_t delta = int16_t(uint16_t((message.wParam >> 16) & 0xFFFF));
    m_router.wheel({screen.x - origin.x, screen.y - origin.y}, delta, horizontal, platform::keyboardModifiers());
}

void UINativeWindow::captureChanged()
{
    if (!m_releasingCapture)
        dropGrabber();
}

std::optional<intptr_t> UINativeWindow::systemCommand(const WindowMessage& message)
{
    using platform::SystemCommand;
    switch (static_cast<SystemCommand>(message.wParam & 0xFFF0)) {
    case SystemCommand::ScreenSave:
        return process().blockScreenSaver ? std::optional<intptr_t>(0) : std::nullopt;
    case SystemCommand::MonitorPower:
        return process().blockMonitorPowerOff ? std::optional<intptr_t>(0) : std::nullopt;
    case SystemCommand::Minimize:
    case SystemCommand::Maximize:
    case SystemCommand::Restore:
        UIWidget::postEvent(&m_owner, std::make_unique<UIEvent>(UIEventType::WindowStateChange));
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

void UINativeWindow::showRequest(const WindowMessage& message)
{
    if (message.lParam != 0) {
        UIInstanceMessageEvent event(message.lParam);
        UIWidget::sendEvent(&m_owner, event);
        return;
    }
    if (!m_window.isVisible())
        m_owner.setVisible(true);
    if (m_window.isMinimized())
        m_window.show(platform::ShowCommand::Restore);
    m_window.bringToForeground();
}

// ---------------------------------------------------------------------------
// Focus and position

void UINativeWindow::focusGained()
{
    UIManager& manager = UIManager::instance();
    if (UIWidget* current = manager.focusWidget())
        current->clearFocus();
    UIWidget* target = m_rememberedFocus.get();
    (target ? target : &m_owner)->setFocus();
}

void UINativeWindow::focusLost(NativeHandle receiver)
{
    // A submenu taking the keyboard from its parent menu keeps the chain open.
    if (!insideOpenPopupMenu(receiver))
        closeOpenPopupMenu();
    m_heldKeys.clear();
    UIManager& manager = UIManager::instance();
    if (UIWidget* grabber = manager.grabber(); grabber && grabber->window() == &m_owner) {
        dropGrabber();
        if (m_window.hasCapture())
            releaseMouse();
    }
    if (UIWidget* focus = manager.focusWidget(); focus && focus->window() == &m_owner) {
        if (!focus->isWindow())
            m_rememberedFocus = UIWidgetGuard(focus);
        focus->setFlag(UIWidget::Flag::KeyDown, false);
        focus->clearFocus();
    }
}

void UINativeWindow::positionChanged(const WindowMessage& message, bool& handled)
{
    using platform::WindowPositionChange;
    const uint32_t change = message.positionChange;
    if (!(change & (platform::WindowPositionMoved | platform::WindowPositionSized))
        || (change & platform::WindowPositionFrameChanged))
        return;
    const std::shared_ptr<bool> alive = m_alive;
    if ((change & platform::WindowPositionMoved) && message.rect.topLeft() != m_owner.position()) {
        UIMoveEvent move(message.rect.topLeft(), m_owner.position());
        UIWidget::sendEvent(&m_owner, move);
        if (!*alive)
            return;
    }
    handled = true;
    if (change & platform::WindowPositionSized) {
        const Size client = m_window.clientSize();
        if (client == m_owner.size() || client.width < 1 || client.height < 1) {
            handled = false;
            return;
        }
        UIResizeEvent resize(client, m_owner.size());
        UIWidget::sendEvent(&m_owner, resize);
    }
}

void UINativeWindow::minimumTrackingSize(WindowMessage& message)
{
    const Size ownerSize = m_owner.size();
    if (m_minimumTracking.forWidgetSize != ownerSize) {
        const Size hint = WidgetLayout::layoutSizeHint(m_owner);
        const Size minimum = m_owner.minimumSize();
        const Margins frame = frameMargins();
        m_minimumTracking.value = {std::max(hint.width, minimum.width) + frame.left + frame.right,
                                   std::max(hint.height, minimum.height) + frame.top + frame.bottom};
        m_minimumTracking.forWidgetSize = ownerSize;
    }
    message.minimumTrackingSize = m_minimumTracking.value;
}

// ---------------------------------------------------------------------------
// Keyboard translation

std::optional<intptr_t> UINativeWindow::keyMessage(const WindowMessage& message)
{
    UIWidget* focus = UIManager::instance().focusWidget();
    UIWidget& target = (focus && focus->window() == &m_owner) ? *focus : m_owner;
    const WindowMessageId id = message.id();
    const bool down = id == WindowMessageId::KeyDown || id == WindowMessageId::SystemKeyDown
        || id == WindowMessageId::InputMethodKeyDown;
    if (down) {
        // Alt combinations the system acts on stay the system's, even for a
        // disabled target.
        const uint32_t key = uint32_t(message.wParam);
        const bool alt = platform::isKeyDown(platform::VirtualKey::Alt)
            || (id == WindowMessageId::SystemKeyDown && (message.lParam & kAltContextBit));
        if (alt && (key == kKeyTab || key == kKeyEnter || key == kKeyEscape || key == kKeySpace || key == kKeyF4))
            return std::nullopt;
    }
    if (!target.isEnabled())
        return 0;
    // A dead key reaches the widget only as the character it composes.
    if (const auto next = m_window.peekKeyboardMessage(false);
        next && (next->id() == WindowMessageId::DeadCharacter || next->id() == WindowMessageId::SystemDeadCharacter))
        return 0;
    if (down)
        return keyDown(message, target);
    if (id == WindowMessageId::KeyUp || id == WindowMessageId::SystemKeyUp || id == WindowMessageId::InputMethodKeyUp)
        keyUp(message, target);
    else
        characterWithoutKey(message, target);
    return 0;
}

std::optional<intptr_t> UINativeWindow::keyDown(const WindowMessage& message, UIWidget& target)
{
    const uint32_t key = uint32_t(message.wParam);
    if (key == kKeyProcessedByInputMethod || key == kKeyReserved)
        return 0;
    String text;
    if (const auto next = m_window.peekKeyboardMessage(false); next && next->id() == WindowMessageId::Character) {
        m_window.peekKeyboardMessage(true);
        text.push_back(char16_t(next->wParam));
        // A character outside the basic plane arrives as two messages.
        if (next->wParam >= 0xD800 && next->wParam < 0xDC00) {
            if (const auto low = m_window.peekKeyboardMessage(false); low && low->id() == WindowMessageId::Character) {
                m_window.peekKeyboardMessage(true);
                text.push_back(char16_t(low->wParam));
            }
        }
    }
    const auto held = m_heldKeys.find(key);
    if (held == m_heldKeys.end()) {
        m_heldKeys.emplace(key, text);
        sendKey(target, UIEventType::KeyPress, key, text, message, false);
        return 0;
    }
    if (sendKey(target, UIEventType::KeyRelease, key, text, message, true))
        sendKey(target, UIEventType::KeyPress, key, text, message, true);
    return 0;
}

void UINativeWindow::keyUp(const WindowMessage& message, UIWidget& target)
{
    const uint32_t key = uint32_t(message.wParam);
    const auto held = m_heldKeys.find(key);
    if (held != m_heldKeys.end()) {
        const String text = held->second;
        m_heldKeys.erase(held);
        sendKey(target, UIEventType::KeyRelease, key, text, message, false);
    } else if (isModifierKey(key) || key == kKeyLeftWindows || key == kKeyRightWindows) {
        sendKey(target, UIEventType::KeyRelease, key, String(), message, false);
    }
}

void UINativeWindow::characterWithoutKey(const WindowMessage& message, UIWidget& target)
{
    const String text(1, char16_t(message.wParam));
    if (sendKey(target, UIEventType::KeyPress, 0, text, message, false))
        sendKey(target, UIEventType::KeyRelease, 0, text, message, false);
}

// ---------------------------------------------------------------------------
// Input method

namespace {

// The focus widget of the window when it takes input-method text.
UIWidget* inputMethodWidget(const UIWidget& window)
{
    UIWidget* focus = UIManager::instance().focusWidget();
    if (!focus || focus->window() != &window || !focus->testFlag(UIWidget::Flag::InputMethod)
        || !dynamic_cast<UIInputMethodClient*>(focus))
        return nullptr;
    return focus;
}

} // namespace

void UINativeWindow::setInputMethodActive(bool active)
{
    if (m_window.isCreated())
        platform::setInputMethodEnabled(m_window.handle(), active);
}

void UINativeWindow::placeComposition()
{
    UIWidget* widget = inputMethodWidget(m_owner);
    if (!widget || !m_window.isCreated())
        return;
    const Rect caret = dynamic_cast<UIInputMethodClient&>(*widget).inputMethodCaretRect();
    platform::setCompositionPosition(m_window.handle(), widget->mapToWindow({caret.x, caret.y}));
}

std::optional<intptr_t> UINativeWindow::composition(const WindowMessage& message)
{
    UIWidget* widget = inputMethodWidget(m_owner);
    if (!widget || !(message.lParam & platform::kCompositionResultFlag)) {
        placeComposition();
        return std::nullopt;
    }
    const std::optional<String> text = platform::compositionResult(m_window.handle());
    if (!text)
        return std::nullopt;
    // The widget may go while it takes the text.
    const std::shared_ptr<bool> alive = m_alive;
    const UIWidgetGuard guard(widget);
    dynamic_cast<UIInputMethodClient&>(*widget).inputMethodCommit(*text);
    if (*alive && guard)
        placeComposition();
    // Handled: the system must not send the text again as characters.
    return 0;
}

bool UINativeWindow::sendKey(UIWidget& target, UIEventType type, uint32_t key, const String& text,
                             const WindowMessage& message, bool autoRepeat)
{
    const uint32_t native = nativeModifiers(message.lParam);
    const UIKeyEvent::NativeValues values{native, uint32_t((message.lParam >> 16) & 0xFF), uint32_t(message.lParam)};
    UIKeyEvent event(type, key, eventModifiers(native, key), text, values, autoRepeat);
    // The handler may close the window or delete the target: both are
    // checked again before either is touched.
    const std::shared_ptr<bool> alive = m_alive;
    const UIWidgetGuard guard(&target);
    UIWidget::sendEvent(&target, event);
    if (!*alive || !guard)
        return false;
    target.setFlag(UIWidget::Flag::KeyDown, type == UIEventType::KeyPress);
    return true;
}
