// The program entry: start-up checks, the main loop, and teardown.
#include "app/Application.h"
#include "app/InstanceGuard.h"
#include "app/InstanceWindow.h"
#include "app/ProductInfo.h"
#include "app/StartupChecks.h"
#include "platform/SystemInfo.h"
#include "program/AppController.h"
#include "ui/core/UIManager.h"
#include "ui/core/UINativeWindow.h"
#include "ui/widgets/UIToolTip.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kRefused = -1;
// The look every window of the program takes.
constexpr char16_t kStyleName[] = u"default";
// Set in the environment (to anything), it makes the program write the line
// "first paint" to its standard output once its first window has been
// painted: what the start-up benchmark waits for. Nothing else changes.
constexpr char kFirstPaintSwitch[] = "TINTSCOPE_BENCH_FIRST_PAINT";
// Set in the environment, it makes the program write to its standard error
// how many milliseconds after entering main each start-up stage ended, so
// the benchmark's start-up figure can be taken apart.
constexpr char kStagesSwitch[] = "TINTSCOPE_BENCH_STAGES";

// Writes "stage <name> <ms>" lines when the switch is set; silent otherwise.
class StageTimer {
public:
    StageTimer() : m_enabled(std::getenv(kStagesSwitch) != nullptr), m_start(std::chrono::steady_clock::now()) {}

    void mark(const char* stage) const
    {
        if (!m_enabled)
            return;
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - m_start;
        std::fprintf(stderr, "stage %-12s %8.1f ms\n", stage, elapsed.count());
        std::fflush(stderr);
    }

private:
    bool m_enabled;
    std::chrono::steady_clock::time_point m_start;
};

int applicationMain()
{
    const StageTimer stages;
    auto application = std::make_unique<Application>(String(kProductName), String(kProductVersion));
    application->setOrganisationName(String(kOrganisationName));
    application->setOrganisationDomain(String(kOrganisationDomain));
    application->setHomePageUrl(String(kHomePageUrl));

    if (!isSupportedSystem(platform::osVersion()))
        return kRefused;

    if (application->instanceGuard().state() == InstanceGuard::State::AnotherRunning) {
        InstanceWindow::notifyRunningCopy(application->instanceName(), application->instanceWindowHandle());
        return kRefused;
    }

    stages.mark("application");
    if (!openStartupResources(*application))
        return kRefused;
    stages.mark("package");
    if (!UIManager::instance().loadStyle(kStyleName, application->applicationFolder()))
        return kRefused;
    stages.mark("style");

    UINativeWindow::install();
    if (std::getenv(kFirstPaintSwitch)) {
        UINativeWindow::setFirstPaintHandler([&stages] {
            stages.mark("first paint");
            std::fputs("first paint\n", stdout);
            std::fflush(stdout);
        });
    }
    // The one tooltip popup: made once the style set is loaded, so it takes
    // its look, and kept until every window (every possible owner) is gone.
    auto toolTip = std::make_unique<UIToolTip>();
    UIManager::instance().setToolTipPresenter(toolTip.get());

    stages.mark("tooltip");
    auto controller = std::make_unique<AppController>();
    stages.mark("controller");
    const int result = application->run();
    controller.reset();
    toolTip.reset();
    application.reset();
    return result;
}

} // namespace

int main() { return applicationMain(); }
