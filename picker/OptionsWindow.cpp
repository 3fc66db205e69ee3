#include "picker/OptionsWindow.h"

#include "app/HotKeyValue.h"
#include "app/Language.h"
#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "picker/MainWindow.h"
#include "picker/NotificationIconController.h"
#include "platform/Locale.h"
#include "ui/core/UIManager.h"
#include "ui/core/UIMetrics.h"
#include "ui/core/UIStyleSet.h"
#include "ui/core/WidgetLayout.h"
#include "ui/widgets/UIBox.h"
#include "ui/widgets/UIButton.h"
#include "ui/widgets/UICheckBox.h"
#include "ui/widgets/UIComboBox.h"
#include "ui/widgets/UIExpander.h"
#include "ui/widgets/UIGroup.h"
#include "ui/widgets/UIHotKey.h"
#include "ui/widgets/UILabel.h"
#include "ui/widgets/UILine.h"
#include "ui/widgets/UIMessageBox.h"

#include <algorithm>

namespace {

constexpr int32_t kShowHideId = NotificationIconController::kShowHideHotKeyId;

int32_t metric(MetricId id)
{
    const UIStyleSet* style = UIManager::instance().styleSet();
    return style ? style->metric(id) : 0;
}

template <class W>
std::unique_ptr<W> makeShown(UIWidget* parent)
{
    auto widget = std::make_unique<W>(parent);
    widget->setVisible(true);
    return widget;
}

HotKeyValue storedHotKey(const Settings& settings)
{
    return hotKeyFromSetting(settings.get(SettingsKeys::kHotkeyShowAndHide).toInt64());
}

bool sameIgnoringCase(StringView a, StringView b) { return platform::toLower(a) == platform::toLower(b); }

} // namespace

OptionsWindow::OptionsWindow(MainWindow& mainWindow, Settings& settings)
    : OptionsWindow(mainWindow, settings, availableLanguages())
{}

OptionsWindow::OptionsWindow(MainWindow& mainWindow, Settings& settings, const std::vector<LanguageInfo>& languages)
    : UIDialog(&mainWindow)
    , m_mainWindow(mainWindow)
    , m_settings(settings)
{
    setWindowTitle(translate(Texts::OptionsWindow::title));
    setMinimumSize({kMinimumWidth, 0});
    const int32_t horizontal = metric(MetricId::LayoutHorizontalSpacing);
    const int32_t vertical = metric(MetricId::LayoutVerticalSpacing);
    layout().setSpacing(horizontal, vertical);
    layout().setMargins({horizontal, vertical, horizontal, vertical});

    buildGroup(languages);
    buildButtons();

    // As large as the translated texts need, never narrower than the minimum.
    const Size content = WidgetLayout::layoutSizeHint(*this);
    resize(std::max(content.width, kMinimumWidth), content.height);
}

OptionsWindow::~OptionsWindow() { destroyWidget(); }

void OptionsWindow::buildGroup(const std::vector<LanguageInfo>& languages)
{
    m_group = makeShown<UIGroup>(this);
    m_group->layout().setSpacing(metric(MetricId::LayoutHorizontalSpacing), metric(MetricId::LayoutVerticalSpacing));

    m_languageLabel = makeShown<UILabel>(m_group.get());
    m_languageLabel->setText(translate(Texts::OptionsWindow::language));
    m_languageCombo = makeShown<UIComboBox>(m_group.get());
    m_languageCombo->setWheelEnabled(true);
    fillLanguages(languages);

    m_firstLine = makeShown<UILine>(m_group.get());
    m_minimizeBox = makeShown<UICheckBox>(m_group.get());
    m_minimizeBox->setText(translate(Texts::OptionsWindow::minimizeToNotificationArea));
    m_minimizeBox->setChecked(m_settings.get(SettingsKeys::kMinimizeToNotificationArea, Variant(true)).toBool());
    m_closeBox = makeShown<UICheckBox>(m_group.get());
    m_closeBox->setText(translate(Texts::OptionsWindow::closeToNotificationArea));
    m_closeBox->setChecked(m_settings.get(SettingsKeys::kCloseToNotificationArea, Variant(true)).toBool());
    m_secondLine = makeShown<UILine>(m_group.get());

    m_hotKeyLabel = makeShown<UILabel>(m_group.get());
    m_hotKeyLabel->setText(translate(Texts::OptionsWindow::showHideHotkey));
    m_hotKeyField = makeShown<UIHotKey>(m_group.get());
    m_hotKeyField->setHotKey(storedHotKey(m_settings));
}

void OptionsWindow::fillLanguages(const std::vector<LanguageInfo>& languages)
{
    const String stored = m_settings.get(SettingsKeys::kLanguage).toText();
    String storedName;
    for (const LanguageInfo& info : languages) {
        m_languageCombo->addItem(info.language);
        m_languageKeys.push_back(info.key);
        if (storedName.empty() && sameIgnoringCase(info.key, stored))
            storedName = info.language;
    }
    // Adding made the first item current; only the stored language may be.
    m_languageCombo->setCurrentIndex(storedName.empty() ? -1 : m_languageCombo->findText(storedName));
}

void OptionsWindow::buildButtons()
{
    m_buttonRow = makeShown<UIBox>(this);
    m_buttonRow->layout().setSpacing(metric(MetricId::LayoutHorizontalSpacing), 0);
    m_spacer = makeShown<UIExpander>(m_buttonRow.get());
    m_okButton = makeShown<UIButton>(m_buttonRow.get());
    m_okButton->setText(translate(Texts::OptionsWindow::ok));
    m_cancelButton = makeShown<UIButton>(m_buttonRow.get());
    m_cancelButton->setText(translate(Texts::OptionsWindow::cancel));

    m_okButton->clicked.connect(this, [this](UIEvent&) { apply(); });
    m_cancelButton->clicked.connect(this, [this](UIEvent&) { reject(); });
}

void OptionsWindow::keyPressEvent(UIKeyEvent& event)
{
    // Without a default button the dialog would let Escape through.
    if (event.key() == kEscapeKey) {
        event.accept();
        reject();
        return;
    }
    UIDialog::keyPressEvent(event);
}

bool OptionsWindow::apply()
{
    const int32_t current = m_languageCombo->currentIndex();
    const String language = current >= 0 ? m_languageKeys[size_t(current)] : String();
    m_settings.set(SettingsKeys::kLanguage, Variant(language));
    m_settings.set(SettingsKeys::kMinimizeToNotificationArea, Variant(m_minimizeBox->isChecked()));
    m_settings.set(SettingsKeys::kCloseToNotificationArea, Variant(m_closeBox->isChecked()));
    if (!applyHotKey()) {
        UIMessageBox::showMessage(this, translate(Texts::OptionsWindow::hotkeyNotRegistered),
                                  translate(Texts::OptionsWindow::selectDifferentHotkey), UIMessageBox::Ok, 0);
        return false;
    }
    m_mainWindow.saveGeometry();
    m_settings.save();
    accept();
    return true;
}

bool OptionsWindow::applyHotKey()
{
    NotificationIconController& icon = m_mainWindow.notificationIcon();
    const HotKeyValue chosen = m_hotKeyField->hotKey();
    const bool usable = WindowHotKeys::isUsable(kShowHideId, chosen);
    // Unregistered even when unchanged: the registration below is then a
    // fresh one, and a refusal is seen whichever key was chosen.
    if (WindowHotKeys::isUsable(kShowHideId, storedHotKey(m_settings)))
        icon.hotKeys().unregisterHotKey(kShowHideId);
    if (!usable) {
        m_settings.set(SettingsKeys::kHotkeyShowAndHide, Variant(int64_t(0)));
        return true;
    }
    m_settings.set(SettingsKeys::kHotkeyShowAndHide, Variant(hotKeyToSetting(chosen)));
    if (icon.registerHotKey(kShowHideId, storedHotKey(m_settings)))
        return true;
    m_settings.set(SettingsKeys::kHotkeyShowAndHide, Variant(int64_t(0)));
    return false;
}
