#include "picker/MainWindow.h"

#include "app/Application.h"
#include "app/Language.h"
#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "picker/AboutWindow.h"
#include "picker/BackdropPicture.h"
#include "picker/ColorFormat.h"
#include "picker/ColorIndicator.h"
#include "picker/NotificationIconController.h"
#include "picker/OptionsWindow.h"
#include "picker/PickerModel.h"
#include "picker/WindowGeometry.h"
#include "picker/WindowShowHide.h"
#include "platform/InputState.h"
#include "ui/core/Alignment.h"
#include "ui/core/PackageImage.h"
#include "ui/core/UIClipboard.h"
#include "ui/core/UIManager.h"
#include "ui/core/UIMetrics.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIStyleSet.h"
#include "ui/core/UIWindowHost.h"
#include "ui/widgets/UIBox.h"
#include "ui/widgets/UIButton.h"
#include "ui/widgets/UIComboBox.h"
#include "ui/widgets/UIExpander.h"
#include "ui/widgets/UILabel.h"
#include "ui/widgets/UISizeGrip.h"

#include <algorithm>

namespace {

constexpr uint32_t kWindowType =
    WindowType::ResizableFrame | WindowType::MinimizeBox | WindowType::MaximizeBox | WindowType::SystemMenu;
constexpr float kStretchAll = 100.0f;

// The magnifier's look before and around its images.
constexpr uint32_t kMagnifierBackground = 0xFF646464u;
constexpr char16_t kMagnifierFont[] = u"default,14,";
constexpr char16_t kMagnifierTextColor[] = u"220,220,220";

constexpr char16_t kLabelFont[] = u"default,12,";
constexpr char16_t kInitialLabelText[] = u"...";
constexpr Size kLabelMinimumSize{130, 30};
constexpr int32_t kComboMinimumWidth = 150;

// Images of the data package.
constexpr char16_t kTransparentImage[] = u"transparent";
constexpr char16_t kTopMostOnImage[] = u"top_most_on";
constexpr char16_t kTopMostOffImage[] = u"top_most_off";
constexpr char16_t kOptionsImage[] = u"options_button";
constexpr char16_t kAboutImage[] = u"about_button";
constexpr char16_t kIndicatorBackgroundImage[] = u"color_indicator_background";
constexpr char16_t kIndicatorBorderImage[] = u"color_indicator_border";
constexpr char16_t kIndicatorCopyImage[] = u"color_indicator_border_copy";
constexpr char16_t kIndicatorCopyDownImage[] = u"color_indicator_border_copy_down";

// Virtual-key codes of the magnifier's keyboard use.
constexpr uint32_t kKeyLeft = 0x25;
constexpr uint32_t kKeyUp = 0x26;
constexpr uint32_t kKeyRight = 0x27;
constexpr uint32_t kKeyDown = 0x28;
constexpr uint32_t kKeyC = 0x43;
constexpr int32_t kShiftStep = 10;

int32_t metric(MetricId id)
{
    const UIStyleSet* style = UIManager::instance().styleSet();
    return style ? style->metric(id) : 0;
}

void setSpacingFromMetrics(UIWidget& widget)
{
    widget.layout().setSpacing(metric(MetricId::LayoutHorizontalSpacing), metric(MetricId::LayoutVerticalSpacing));
}

void setFlatIcon(UIButton& button, StringView imageName)
{
    const UIImage icon = packageImage(imageName);
    button.setIcons(icon, icon, icon, icon);
}

std::unique_ptr<UIButton> makeFlatButton(UIWidget* parent, uint32_t alignment)
{
    auto button = std::make_unique<UIButton>(parent);
    button->layout().setAlignment(static_cast<int32_t>(alignment));
    button->setFlat(true);
    button->setMinimumSize({1, 1});
    button->setVisible(true);
    return button;
}

// The format the settings name, or the default for a value that names none.
int32_t storedFormat(const Settings& settings)
{
    const int32_t index = settings.get(SettingsKeys::kColorFormat, Variant(MainWindow::kDefaultFormat)).toInt32();
    return index >= 0 && index < kColorFormatCount ? index : MainWindow::kDefaultFormat;
}

template <class W>
std::unique_ptr<W> makeShown(UIWidget* parent)
{
    auto widget = std::make_unique<W>(parent);
    widget->setVisible(true);
    return widget;
}

} // namespace

MainWindow::MainWindow(Settings& settings, PickerModel& model)
    : m_settings(settings)
    , m_model(model)
    , m_controller(model, *this)
{
    if (UIWindowHost* windowHost = host())
        windowHost->setWindowType(kWindowType);
    m_showHide = std::make_unique<WindowShowHide>(*this);
    m_notificationIcon = std::make_unique<NotificationIconController>(*this, *m_showHide);
    m_notificationIcon->exitRequested.connect(this, [this](UIEvent&) { exitApplication(); });
    setMinimumSize({0, kMinimumHeight});
    layout().setRowStretch(0, kStretchAll);
    UIManager::instance().setMainWidget(this);
    if (Application* application = Application::instance())
        if (UINativeWindow* native = nativeWindow())
            application->setMainWindowHandle(native->handle());

    buildMagnifier();
    buildBottomRow();
    setTranslatedTexts();
    connectHandlers();
    refreshColor();
    m_notificationIcon->registerStoredHotKey(m_settings.get(SettingsKeys::kHotkeyShowAndHide).toInt64());
}

MainWindow::~MainWindow()
{
    m_model.setColorChangedHandler({});
    if (Application* application = Application::instance())
        if (UINativeWindow* native = nativeWindow(); native && application->mainWindowHandle() == native->handle())
            application->setMainWindowHandle(nullptr);
    if (UIManager::instance().mainWidget() == this)
        UIManager::instance().setMainWidget(nullptr);
    // Torn down before the children go, so their removal does not lay out
    // and repaint a window that is going anyway.
    destroyWidget();
}

void MainWindow::buildMagnifier()
{
    m_magnifier = makeShown<BackdropPicture>(this);
    BackdropPicture& magnifier = *m_magnifier;
    setSpacingFromMetrics(magnifier);
    magnifier.layout().setColumnStretch(0, kStretchAll);
    magnifier.layout().setPolicy(SizePolicy::Preferred, SizePolicy::Preferred);
    // The view follows the window, never the size of the last capture.
    magnifier.setAutoSize(false);
    magnifier.setFlag(Flag::DoubleClicks, true);
    magnifier.setFocusPolicy(ClickFocus);
    magnifier.setBackdrop(kMagnifierBackground, packageImage(kTransparentImage), BackdropPicture::BackdropFit::Tile);
    magnifier.setStyleProperty(u"font", kMagnifierFont);
    magnifier.setStyleProperty(u"foreground", kMagnifierTextColor);

    // Column 0 takes the spare width, so the three sit side by side at the
    // top right.
    m_topMostButton = makeFlatButton(&magnifier, Alignment::Right | Alignment::Top);
    const bool topMost = isTopMost();
    setTopMostIcon(topMost);
    if (topMost)
        if (UIWindowHost* windowHost = host())
            windowHost->setWindowType(windowHost->windowType() | WindowType::TopMost);
    m_optionsButton = makeFlatButton(&magnifier, Alignment::Top | Alignment::HCenter);
    setFlatIcon(*m_optionsButton, kOptionsImage);
    m_aboutButton = makeFlatButton(&magnifier, Alignment::Top | Alignment::HCenter);
    setFlatIcon(*m_aboutButton, kAboutImage);
}

void MainWindow::buildBottomRow()
{
    m_bottomRow = makeShown<UIBox>(this);
    m_leftSpacer = makeShown<UIExpander>(m_bottomRow.get());
    m_innerBox = makeShown<UIBox>(m_bottomRow.get());
    setSpacingFromMetrics(*m_innerBox);
    // Room above and below, so the indicator's frame does not touch the
    // magnifier's edge or the window's.
    const int32_t gap = metric(MetricId::LayoutVerticalSpacing);
    m_innerBox->layout().setMargins({0, gap, 0, gap});

    m_colorIndicator =
        std::make_unique<ColorIndicator>(m_innerBox.get(), packageImage(kIndicatorBorderImage),
                                         packageImage(kIndicatorCopyImage), packageImage(kIndicatorCopyDownImage));
    m_colorIndicator->setBackdrop(kTransparentColor, packageImage(kIndicatorBackgroundImage),
                                  BackdropPicture::BackdropFit::Centre);
    m_colorIndicator->setMinimumSize(
        {std::max(m_colorIndicator->minimumSize().width, m_colorIndicator->backdropImage().width()),
         std::max(m_colorIndicator->minimumSize().height, m_colorIndicator->backdropImage().height())});
    m_colorIndicator->setVisible(true);

    m_textBox = makeShown<UIBox>(m_innerBox.get());
    m_textBox->layout().setFlow(UILayout::Flow::Column);
    m_colorLabel = makeShown<UILabel>(m_textBox.get());
    m_colorLabel->setText(kInitialLabelText);
    m_colorLabel->setAlignment(Alignment::Left | Alignment::VCenter);
    m_colorLabel->setStyleProperty(u"font", kLabelFont);
    m_colorLabel->setMinimumSize(kLabelMinimumSize);

    m_formatCombo = makeShown<UIComboBox>(m_textBox.get());
    m_formatCombo->setMinimumSize({kComboMinimumWidth, m_formatCombo->minimumSize().height});
    m_formatCombo->setWheelEnabled(true);
    for (StringView label : kColorFormatLabels)
        m_formatCombo->addItem(String(label));
    // Set before the change handler is connected: the first item becomes
    // current as it is added, which must not overwrite the stored format.
    m_formatCombo->setCurrentIndex(storedFormat(m_settings));
    m_model.setFormatIndex(m_formatCombo->currentIndex());
    m_colorLabel->setText(m_model.colorText());

    m_rightSpacer = makeShown<UIExpander>(m_bottomRow.get());
    m_sizeGrip = makeShown<UISizeGrip>(m_bottomRow.get());
}

void MainWindow::connectHandlers()
{
    m_model.setColorChangedHandler([this] { refreshColor(); });

    UIWidget& magnifier = *m_magnifier;
    magnifier.channel(Channel::MousePress).connect(this, [this](UIEvent& e) {
        const MagnifierEvent event = magnifierEvent(e.as<UIMouseEvent>());
        if (event.button == MagnifierEvent::Left) {
            m_pickPoint = event.position;
            m_hasPickPoint = true;
        }
        m_controller.mousePress(event);
    });
    magnifier.channel(Channel::MouseMove).connect(this, [this](UIEvent& e) {
        const MagnifierEvent event = magnifierEvent(e.as<UIMouseEvent>());
        if (event.holds(MagnifierEvent::Left) && event.hovered) {
            m_pickPoint = event.position;
            m_hasPickPoint = true;
        }
        m_controller.mouseMove(event);
    });
    magnifier.channel(Channel::MouseRelease).connect(this, [this](UIEvent& e) {
        m_controller.mouseRelease(magnifierEvent(e.as<UIMouseEvent>()));
    });
    magnifier.channel(Channel::MouseDoubleClick).connect(this, [this](UIEvent& e) {
        m_controller.mouseDoubleClick(magnifierEvent(e.as<UIMouseEvent>()));
    });
    magnifier.channel(Channel::Wheel).connect(this, [this](UIEvent& e) {
        MagnifierEvent event;
        event.wheelDelta = e.as<UIWheelEvent>().delta();
        m_controller.wheel(event);
    });
    magnifier.channel(Channel::Resize).connect(this, [this](UIEvent& e) {
        m_controller.resize(e.as<UIResizeEvent>().size());
    });
    magnifier.channel(Channel::KeyPress).connect(this, [this](UIEvent& e) { magnifierKeyPress(e.as<UIKeyEvent>()); });

    m_colorIndicator->channel(Channel::Click).connect(this, [this](UIEvent&) { copyColor(); });
    m_formatCombo->currentIndexChanged.connect(this, [this](UIEvent& e) {
        if (e.as<UINotifyEvent>().value() >= 0)
            setFormat(m_formatCombo->currentIndex());
    });
    m_aboutButton->clicked.connect(this, [this](UIEvent&) { AboutWindow::run(this); });
    m_topMostButton->clicked.connect(this, [this](UIEvent&) { toggleTopMost(); });
    m_optionsButton->clicked.connect(this, [this](UIEvent&) { openOptions(); });

    channel(Channel::Close).connect(this, [this](UIEvent& e) { closeRequested(e); });
    channel(Channel::Change).connect(this, [this](UIEvent& e) {
        if (e.kind() == UIEventType::WindowStateChange)
            windowStateChanged();
    });
    channel(Channel::EndSession).connect(this, [this](UIEvent&) { exitApplication(); });
}

void MainWindow::setTranslatedTexts()
{
    m_magnifier->setOverlayText(translate(Texts::MainWindow::hint));
    m_topMostButton->setToolTip(translate(Texts::MainWindow::alwaysOnTop));
    m_optionsButton->setToolTip(translate(Texts::MainWindow::options));
    m_aboutButton->setToolTip(translate(Texts::MainWindow::about));
    m_colorIndicator->setToolTip(translate(Texts::MainWindow::copy));
}

void MainWindow::retranslate()
{
    setLanguage(m_settings.get(SettingsKeys::kLanguage).toText());
    setTranslatedTexts();
    m_notificationIcon->retranslate();
}

int32_t MainWindow::openOptions()
{
    int32_t result = UIDialog::kRejected;
    {
        OptionsWindow options(*this, m_settings);
        result = options.exec();
    }
    // Also after Cancel: a refused hot key was stored as none even so.
    retranslate();
    return result;
}

void MainWindow::setUpNotificationIcon()
{
    // The shortest interval: the system still delivers the tick only once no
    // paint is pending. Without a timer the icon comes at once.
    if (!startTimer(kNotificationIconTimer, 0))
        m_notificationIcon->setUp();
}

void MainWindow::timerEvent(UITimerEvent& event)
{
    if (event.id() != kNotificationIconTimer)
        return;
    killTimer(kNotificationIconTimer);
    m_notificationIcon->setUp();
}

// --- Geometry and exit ---

void MainWindow::restoreGeometry()
{
    WindowGeometry geometry(*this);
    m_settings.restoreWindowGeometry(geometry, SettingsKeys::kMainWindowName);
}

void MainWindow::saveGeometry()
{
    const WindowGeometry geometry(*this);
    m_settings.saveWindowGeometry(geometry, SettingsKeys::kMainWindowName);
}

void MainWindow::exitApplication()
{
    saveGeometry();
    m_settings.save();
    if (Application* application = Application::instance())
        application->quit();
}

bool MainWindow::hidesToNotificationArea(StringView key) const
{
    return m_notificationIcon->hidesToNotificationArea(m_settings.get(key, Variant(true)).toBool());
}

void MainWindow::closeRequested(UIEvent& event)
{
    if (hidesToNotificationArea(SettingsKeys::kCloseToNotificationArea)) {
        event.ignore();
        hide();
        return;
    }
    exitApplication();
}

void MainWindow::windowStateChanged()
{
    const UINativeWindow* native = nativeWindow();
    if (native && (native->windowState() & WindowState::Minimized)
        && hidesToNotificationArea(SettingsKeys::kMinimizeToNotificationArea))
        hide();
}

// --- Colour ---

void MainWindow::refreshColor()
{
    m_colorIndicator->setColor(m_model.color());
    m_colorLabel->setText(m_model.colorText());
}

bool MainWindow::copyColor()
{
    const String text = trimmed(m_colorLabel->text());
    if (!m_model.hasColor() || text.empty())
        return false;
    return setClipboardText(*this, text);
}

void MainWindow::setFormat(int32_t index)
{
    if (index < 0)
        return;
    m_model.setFormatIndex(index);
    m_colorLabel->setText(m_model.colorText());
    m_settings.set(SettingsKeys::kColorFormat, Variant(index));
    // Written now, not only at exit: the choice survives a crash or a kill.
    m_settings.save();
}

// --- Always on top ---

bool MainWindow::isTopMost() const { return m_settings.get(SettingsKeys::kWindowMainTopMost, Variant(false)).toBool(); }

void MainWindow::setTopMostIcon(bool on) { setFlatIcon(*m_topMostButton, on ? kTopMostOnImage : kTopMostOffImage); }

void MainWindow::toggleTopMost()
{
    const bool on = !isTopMost();
    setTopMostIcon(on);
    if (UIWindowHost* windowHost = host()) {
        const uint32_t type = windowHost->windowType();
        windowHost->setWindowType(on ? type | WindowType::TopMost : type & ~WindowType::TopMost);
    }
    m_settings.set(SettingsKeys::kWindowMainTopMost, Variant(on));
    m_topMostButton->update();
}

// --- The magnifier ---

Size MainWindow::magnifierSize() const { return m_magnifier->size(); }

Rect MainWindow::mainWindowRect() const { return WindowGeometry(const_cast<MainWindow&>(*this)).outerRect(); }

void MainWindow::setMagnifierCursor(MagnifierCursor cursor)
{
    const auto id = static_cast<int32_t>(cursor);
    m_magnifier->setCursor(id);
    UIManager::instance().applyCursor(id);
}

void MainWindow::showImage(const UIImage& image)
{
    // The hint is for an empty magnifier only; it never covers a view.
    m_magnifier->setOverlayVisible(image.isEmpty());
    m_magnifier->setImage(image);
}

MagnifierEvent MainWindow::magnifierEvent(const UIMouseEvent& event) const
{
    MagnifierEvent result;
    result.position = event.position();
    result.screenPosition = m_magnifier->mapToScreen(event.position());
    // The buttons as they are now: a posted event may be older than the
    // release that already happened.
    result.buttons = platform::mouseButtonsHeld();
    result.button = event.button();
    result.hovered = m_magnifier->testFlag(Flag::Hovered);
    return result;
}

void MainWindow::magnifierKeyPress(UIKeyEvent& event)
{
    const uint32_t modifiers = event.modifiers();
    if (event.key() == kKeyC && modifiers == platform::ControlModifier) {
        copyColor();
        return;
    }
    if (!m_model.isFrozen())
        return;
    const int32_t step = (modifiers & platform::ShiftModifier) ? kShiftStep : 1;
    switch (event.key()) {
    case kKeyLeft:
        stepPick(-step, 0);
        break;
    case kKeyRight:
        stepPick(step, 0);
        break;
    case kKeyUp:
        stepPick(0, -step);
        break;
    case kKeyDown:
        stepPick(0, step);
        break;
    default:
        break;
    }
}

void MainWindow::stepPick(int32_t dx, int32_t dy)
{
    const UIImage& display = m_model.displayImage();
    if (display.isEmpty())
        return;
    if (!m_hasPickPoint) {
        m_pickPoint = {display.width() / 2, display.height() / 2};
        m_hasPickPoint = true;
    }
    // One screen pixel is one block of the magnification.
    const int32_t k = m_model.factor();
    const Point moved{m_pickPoint.x + dx * k, m_pickPoint.y + dy * k};
    if (display.rect().contains(moved)) {
        m_pickPoint = moved;
    } else {
        // The point stays where it is on the magnifier and the desktop
        // moves under it instead.
        m_model.render(m_model.viewRect().translated(dx, dy));
        showImage(m_model.displayImage());
    }
    m_model.pick(m_pickPoint);
}
