// The hot-key field driven by key events as the window host sends them:
// the combinations it builds, the stored value it reads and gives back, and
// its text in another language.
#include "app/Application.h"
#include "app/HotKeyValue.h"
#include "app/Language.h"
#include "tests/ui/core/WidgetTestSupport.h"
#include "ui/widgets/UIHotKey.h"
#include "xml/XmlDocument.h"

#include <vector>

using namespace widgettest;

namespace {

constexpr uint32_t kShift = 0x10;
constexpr uint32_t kControl = 0x11;
constexpr uint32_t kAlt = 0x12;
constexpr uint32_t kBackspace = 0x08;
constexpr uint32_t kDelete = 0x2E;
constexpr uint32_t kSpace = 0x20;
constexpr uint32_t kF5 = 0x74;

enum class Action { Press, Release, Repeat };

struct Step {
    Action action;
    uint32_t key;
};

class UIHotKeyTest : public WidgetTest {
protected:
    UIHotKeyTest()
    {
        window = makeWindow({200, 100});
        field = std::make_unique<UIHotKey>(window.get());
        field->setGeometry({10, 10, 150, 24});
        field->show();
    }

    void send(UIEventType type, uint32_t key, bool repeat)
    {
        UIKeyEvent event(type, key, 0, {}, {}, repeat);
        UIWidget::sendEvent(field.get(), event);
    }
    // A held key repeats as a release and a press, both marked.
    void run(const std::vector<Step>& steps)
    {
        for (const Step& step : steps) {
            if (step.action == Action::Repeat) {
                send(UIEventType::KeyRelease, step.key, true);
                send(UIEventType::KeyPress, step.key, true);
            } else {
                send(step.action == Action::Press ? UIEventType::KeyPress : UIEventType::KeyRelease, step.key, false);
            }
        }
    }

    std::unique_ptr<LoggingWidget> window;
    std::unique_ptr<UIHotKey> field;
};

constexpr Action P = Action::Press;
constexpr Action R = Action::Release;
constexpr Action Rep = Action::Repeat;

} // namespace

TEST_F(UIHotKeyTest, KeySequencesBuildTheCombination)
{
    struct Case {
        const char* name;
        std::vector<Step> steps;
        const char16_t* text;
    };
    const Case cases[] = {
        {"a lone letter gains Control", {{P, 'A'}, {R, 'A'}}, u"Control + A"},
        {"a lone digit gains Control", {{P, '5'}}, u"Control + 5"},
        {"a function key stands alone", {{P, kF5}, {R, kF5}}, u"F5"},
        {"Shift and a function key", {{P, kShift}, {P, kF5}}, u"Shift + F5"},
        {"Alt and a letter need no Control", {{P, kAlt}, {P, 'Q'}}, u"Alt + Q"},
        {"Shift and a letter gain Control", {{P, kShift}, {P, 'A'}}, u"Control + Shift + A"},
        {"modifiers alone end with the separator", {{P, kControl}, {P, kShift}}, u"Control + Shift + "},
        {"modifiers show in a fixed order", {{P, kAlt}, {P, kShift}, {P, kControl}}, u"Control + Shift + Alt + "},
        {"releasing a lone modifier clears", {{P, kControl}, {P, kShift}, {R, kShift}}, u"None"},
        {"Backspace clears", {{P, 'A'}, {R, 'A'}, {P, kBackspace}}, u"None"},
        {"Delete clears held modifiers too", {{P, kControl}, {P, kDelete}}, u"None"},
        {"another key leaves the modifiers", {{P, kControl}, {P, 'A'}, {P, kSpace}}, u"Control + "},
        {"a finished combination stays", {{P, kShift}, {P, 'A'}, {R, 'A'}, {R, kShift}}, u"Control + Shift + A"},
        {"the press after a release starts anew", {{P, kShift}, {P, 'A'}, {R, 'A'}, {P, 'B'}}, u"Control + B"},
        // Counting the repeat pairs as presses turned a held Shift+A into
        // Control + A after the first repeat.
        {"auto-repeat of a held combination changes nothing",
         {{P, kShift}, {Rep, kShift}, {P, 'A'}, {Rep, 'A'}, {Rep, 'A'}, {R, 'A'}, {R, kShift}},
         u"Control + Shift + A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        field->clearHotKey();
        run({{P, kShift}, {R, kShift}}); // leaves the field fresh
        run(c.steps);
        EXPECT_EQ(field->text(), c.text);
    }
}

TEST_F(UIHotKeyTest, StoredValuesReadAndWriteBack)
{
    struct Case {
        int64_t setting;
        const char16_t* text;
    };
    const Case cases[] = {
        {0x300000041, u"Control + Shift + A"},
        {0x400000074, u"Alt + F5"},
        {0, u"None"},
        // Codes above 0xFF have no name; cutting them to 8 bits named this "A".
        {0x200000141, u"Control + ???"},
        {0x200000007, u"Control + ???"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting);
        field->setHotKey(hotKeyFromSetting(c.setting));
        EXPECT_EQ(field->text(), c.text);
        EXPECT_EQ(field->hotKey().reserved, 0u);
        EXPECT_EQ(hotKeyToSetting(field->hotKey()), c.setting);
    }
    // Bits other than the three modifiers mean nothing.
    field->setHotKey(hotKeyFromSetting(0x800000000));
    EXPECT_TRUE(field->hotKey().isNone());
    EXPECT_EQ(field->text(), u"None");
}

TEST_F(UIHotKeyTest, SizeHintTakesTheMinimumSizeAsFloor)
{
    field->setStyleProperty(u"minimumSize", u"150,24");
    EXPECT_EQ(field->sizeHint(), (Size{150, 24}));
    field->setStyleProperty(u"minimumSize", u"1,1");
    const Size text = UIFont::defaultFont().textSize(u"None");
    EXPECT_EQ(field->sizeHint(), (Size{text.width, UIFont::defaultFont().metrics().lineHeight()}));
}

TEST_F(UIHotKeyTest, RetranslateShowsNoneInTheNewLanguage)
{
    Application application(u"Tintscope hot-key test", u"1");
    if (Application::instance() != &application)
        GTEST_SKIP() << "another Application is the process-wide one";
    XmlDocument document;
    ASSERT_TRUE(document.parse(u"<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<translation language=\"deutsch\" "
                               u"language_en=\"german\"><groups>"
                               u"<group name=\"UserInterface\"><group name=\"UIHotKey\">"
                               u"<item context=\"None\" translation=\"Keines\" /></group></group>"
                               u"</groups></translation>"));
    auto translator = std::make_unique<Translator>();
    ASSERT_TRUE(translator->read(document, application.applicationName()));
    application.setTranslator(std::move(translator));

    field->retranslate();
    EXPECT_EQ(field->text(), u"Keines");
    run({{P, kControl}});
    EXPECT_EQ(field->text(), u"Control + ");
    application.setTranslator(nullptr);
    field->clearHotKey();
    EXPECT_EQ(field->text(), u"None");
}
