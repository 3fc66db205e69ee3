#include "ui/widgets/UIMessageBox.h"
#include "app/Language.h"
#include "platform/InputState.h"
#include "ui/core/Alignment.h"
#include "ui/core/StandardImage.h"
#include "ui/core/SystemSound.h"
#include "ui/core/UIClipboard.h"
#include "ui/core/UIManager.h"
#include "ui/core/UINativeWindow.h"
#include "ui/core/UIStyleSet.h"
#include "ui/core/UIWidgetGuard.h"
#include "ui/core/WidgetLayout.h"
#include "ui/widgets/UIBox.h"
#include "ui/widgets/UIButton.h"
#include "ui/widgets/UICheckBox.h"
#include "ui/widgets/UIExpander.h"
#include "ui/widgets/UILabel.h"
#include "ui/widgets/UILine.h"
#include "ui/widgets/UIPicture.h"

namespace {

namespace BoxTexts = ::Texts::UIMessageBox;

constexpr char16_t kDefaultTitleFont[] = u"default,11,bold";
constexpr char16_t kLineBreak[] = u"\r\n";

// The standard image of a kind, in the size the style asks for.
UIImage iconFor(UIMessageBox::Kind kind)
{
    const UIStyleSet* style = UIManager::instance().styleSet();
    if (!style || kind == UIMessageBox::Kind::None)
        return {};
    const int32_t index = static_cast<int32_t>(StandardImage::InformationBig) + static_cast<int32_t>(kind) - 1;
    const UIImage& image = style->standardImage(index);
    const int32_t size = style->metric(MetricId::MessageBoxIconSize);
    if (image.isEmpty() || size <= 0 || (image.width() == size && image.height() == size))
        return image;
    return image.scaled(size, size);
}

SystemSound soundFor(UIMessageBox::Kind kind)
{
    switch (kind) {
    case UIMessageBox::Kind::Information:
        return SystemSound::Information;
    case UIMessageBox::Kind::Question:
        return SystemSound::Question;
    case UIMessageBox::Kind::Warning:
        return SystemSound::Warning;
    default:
        return SystemSound::Critical;
    }
}

std::unique_ptr<UIBox> makeBox(UIWidget* parent, UILayout::Flow flow, Margins margins, Size spacing)
{
    auto box = std::make_unique<UIBox>(parent);
    box->layout().setFlow(flow);
    box->layout().setMargins(margins);
    box->layout().setSpacing(spacing.width, spacing.height);
    box->show();
    return box;
}

} // namespace

const std::array<UIMessageBox::ButtonEntry, 17> UIMessageBox::kStandardButtons = {{
    {Yes, BoxTexts::yes},
    {Ok, BoxTexts::ok},
    {Open, BoxTexts::open},
    {Save, BoxTexts::save},
    {Cancel, BoxTexts::cancel},
    {Close, BoxTexts::close},
    {Apply, BoxTexts::apply},
    {Reset, BoxTexts::reset},
    {RestoreDefaults, BoxTexts::restoreDefaults},
    {Help, BoxTexts::help},
    {SaveAll, BoxTexts::saveAll},
    {No, BoxTexts::no},
    {NoToAll, BoxTexts::noToAll},
    {YesToAll, BoxTexts::yesToAll},
    {Abort, BoxTexts::abort},
    {Retry, BoxTexts::retry},
    {Ignore, BoxTexts::ignore},
}};

UIMessageBox::UIMessageBox(UIWidget* parent, uint32_t buttons, String title, String text, Kind kind, uint32_t options)
    : UIDialog(parent, u"UIMessageBox")
    , m_title(std::move(title))
    , m_text(std::move(text))
    , m_kind(kind)
    , m_options(options)
    , m_buttonFlags(buttons)
    , m_titleFont(kDefaultTitleFont)
{
    // The base classes' create applied the style before this class could
    // take its own properties: hand them over again now.
    if (const UIStyleSet* style = UIManager::instance().styleSet())
        for (const StyleProperty& property : style->propertiesFor(styleName()))
            setStyleProperty(property.name, property.value);
    setMinimumSize({kMinimumWidth, 0});
}

UIMessageBox::~UIMessageBox() { destroyWidget(); }

int32_t UIMessageBox::showMessage(UIWidget* parent, String title, String text, uint32_t buttons, uint32_t options)
{
    UIMessageBox box(parent, buttons, std::move(title), std::move(text), kDefaultKind, options);
    return box.exec();
}

void UIMessageBox::setStyleProperty(StringView name, StringView value)
{
    // Kept as text: the title label parses it.
    if (name == u"titleFont")
        m_titleFont = String(value);
    else
        UIDialog::setStyleProperty(name, value);
}

int32_t UIMessageBox::exec()
{
    if (!m_built && isCreated()) {
        m_built = true;
        buildContent();
        // As large as the content, and no smaller than the minimum width.
        const Size content = WidgetLayout::layoutSizeHint(*this);
        resize(content.width, content.height);
    }
    return UIDialog::exec();
}

void UIMessageBox::done(int32_t result)
{
    if (m_checkBox && m_checkBox->isChecked())
        result |= kDoNotShowAgainResult;
    killTimer(kSoundTimer);
    UIDialog::done(result);
}

void UIMessageBox::buildContent()
{
    const UIStyleSet* style = UIManager::instance().styleSet();
    const int32_t horizontal = style ? style->metric(MetricId::LayoutHorizontalSpacing) : 0;
    const int32_t vertical = style ? style->metric(MetricId::LayoutVerticalSpacing) : 0;
    const Size spacing{horizontal, vertical};
    layout().setMargins({horizontal, vertical, horizontal, vertical});
    layout().setSpacing(horizontal, vertical);

    m_messageRow = makeBox(this, UILayout::Flow::Row, {}, spacing);
    m_icon = std::make_unique<UIPicture>(m_messageRow.get());
    m_icon->setAutoSize(true);
    m_icon->layout().setAlignment(Alignment::Left | Alignment::Top);
    if (const UIImage icon = iconFor(m_kind); !icon.isEmpty()) {
        m_icon->addLayer(icon, Alignment::Left | Alignment::Top);
        m_icon->show();
    }
    m_textColumn = makeBox(m_messageRow.get(), UILayout::Flow::Column, {}, spacing);
    m_textColumn->layout().setAlignment(Alignment::Left | Alignment::Top);
    m_titleLabel = std::make_unique<UILabel>(m_textColumn.get());
    m_titleLabel->setStyleProperty(u"font", m_titleFont);
    m_titleLabel->setText(m_title);
    m_titleLabel->setVisible(!m_title.empty());
    m_textLabel = std::make_unique<UILabel>(m_textColumn.get());
    m_textLabel->setMultiLine(true);
    m_textLabel->setText(m_text);
    m_textLabel->setVisible(!m_text.empty());

    m_line = std::make_unique<UILine>(this);
    m_line->show();
    m_buttonRow = makeBox(this, UILayout::Flow::Row, {}, spacing);
    if (m_options & DoNotShowAgainOption) {
        m_checkBox = std::make_unique<UICheckBox>(m_buttonRow.get());
        m_checkBox->setText(translate(BoxTexts::doNotShowAgain));
        m_checkBox->show();
    }
    m_expander = std::make_unique<UIExpander>(m_buttonRow.get());
    m_expander->show();
    buildButtons();
}

void UIMessageBox::buildButtons()
{
    for (const ButtonEntry& entry : kStandardButtons) {
        if (!(m_buttonFlags & entry.flag))
            continue;
        auto button = std::make_unique<UIButton>(m_buttonRow.get());
        button->setText(translate(entry.caption));
        const int32_t result = static_cast<int32_t>(entry.flag);
        button->clicked.connect(this, [this, result](UIEvent&) { done(result); });
        button->show();
        m_buttons.push_back(std::move(button));
    }
    if ((m_options & DefaultButtonOption) && m_buttons.size() == 1)
        m_buttons.front()->setDefault(true);
}

String UIMessageBox::copiedText() const
{
    String copied;
    const UINativeWindow* native = nativeWindow();
    for (const String& part : {native ? native->title() : String(), m_title, m_text}) {
        if (part.empty())
            continue;
        if (!copied.empty())
            copied += kLineBreak;
        copied += part;
    }
    return copied;
}

void UIMessageBox::keyPressEvent(UIKeyEvent& event)
{
    if (event.key() == kCopyKey && (event.modifiers() & platform::ControlModifier)) {
        event.accept();
        if (const String copied = copiedText(); !copied.empty())
            setClipboardText(*this, copied);
        return;
    }
    UIDialog::keyPressEvent(event);
}

void UIMessageBox::timerEvent(UITimerEvent& event)
{
    if (event.id() != kSoundTimer) {
        UIDialog::timerEvent(event);
        return;
    }
    killTimer(kSoundTimer);
    playKindSound();
}

void UIMessageBox::showEvent(UIEvent& event)
{
    startTimer(kSoundTimer, kSoundDelayMs);
    UIDialog::showEvent(event);
}

void UIMessageBox::playKindSound() const
{
    if (m_kind == Kind::None || !UIManager::instance().failureBeepEnabled())
        return;
    playSystemSound(soundFor(m_kind));
}
