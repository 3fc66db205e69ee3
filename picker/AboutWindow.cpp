#include "picker/AboutWindow.h"

#include "app/Application.h"
#include "app/Language.h"
#include "ui/core/Alignment.h"
#include "ui/core/PackageImage.h"
#include "ui/core/UIManager.h"
#include "ui/core/UIStyleSet.h"
#include "ui/core/WidgetLayout.h"
#include "ui/widgets/UIBox.h"
#include "ui/widgets/UIButton.h"
#include "ui/widgets/UILabel.h"
#include "ui/widgets/UILine.h"
#include "ui/widgets/UILink.h"
#include "ui/widgets/UIPicture.h"

#include <algorithm>

namespace {

constexpr uint32_t kCentred = Alignment::Center;
constexpr char16_t kVersionPrefix[] = u"v";
constexpr char16_t kNoticePrefix[] = u"Copyright \u00A9 ";
constexpr char16_t kFreewareFont[] = u"default,16,";

int32_t metric(MetricId id)
{
    const UIStyleSet* style = UIManager::instance().styleSet();
    return style ? style->metric(id) : 0;
}

const Application* application() { return Application::instance(); }

template <class W>
std::unique_ptr<W> makeCentred(UIWidget* parent)
{
    auto widget = std::make_unique<W>(parent);
    widget->layout().setAlignment(static_cast<int32_t>(kCentred));
    widget->show();
    return widget;
}

std::unique_ptr<UILabel> makeLabel(UIWidget* parent, String text)
{
    auto label = makeCentred<UILabel>(parent);
    label->setAlignment(kCentred);
    label->setText(std::move(text));
    return label;
}

} // namespace

AboutWindow::AboutWindow(UIWidget* parent) : UIDialog(parent)
{
    build();
    retranslate();
}

AboutWindow::~AboutWindow() { destroyWidget(); }

void AboutWindow::run(UIWidget* parent)
{
    AboutWindow window(parent);
    window.exec();
}

void AboutWindow::build()
{
    const int32_t horizontal = metric(MetricId::LayoutHorizontalSpacing);
    const int32_t vertical = metric(MetricId::LayoutVerticalSpacing);
    layout().setMargins({horizontal, vertical, horizontal, vertical});
    layout().setSpacing(horizontal, vertical);

    const Application* app = application();
    m_logo = makeCentred<UIPicture>(this);
    m_logo->addLayer(packageImage(kLogoImage), kCentred);

    m_versionLabel = makeLabel(this, String(kVersionPrefix) + (app ? app->version() : String()));

    // Labels break lines only at line feeds, never shortening a multi-line
    // text: the dialog rather grows to the longest line than wraps.
    m_freewareLabel = makeLabel(this, kFreewareText);
    m_freewareLabel->setStyleProperty(u"font", kFreewareFont);
    m_freewareLabel->setMultiLine(true);

    m_homePageLink = makeCentred<UILink>(this);
    if (app) {
        m_homePageLink->setUrl(app->homePageUrl(), app->organisationDomain());
        m_homePageLink->setToolTip(app->homePageUrl());
    }

    // A legal notice: the same in every language.
    m_noticeLabel = makeLabel(this, String(kNoticePrefix) + (app ? app->organisationName() : String()));
    m_noticeLabel->setMultiLine(true);

    m_line = std::make_unique<UILine>(this);
    m_line->show();
    m_buttonBox = std::make_unique<UIBox>(this);
    m_buttonBox->show();
    m_okButton = makeCentred<UIButton>(m_buttonBox.get());
    m_okButton->setDefault(true);
    m_okButton->clicked.connect(this, [this](UIEvent&) { accept(); });
}

void AboutWindow::retranslate()
{
    setWindowTitle(translate(Texts::AboutWindow::title));
    m_okButton->setText(translate(Texts::AboutWindow::ok));
    fitToContent();
}

void AboutWindow::fitToContent()
{
    const Size content = WidgetLayout::layoutSizeHint(*this);
    setMinimumSize(content);
    resize(std::max(width(), content.width), std::max(height(), content.height));
}
