// The program entry: start-up checks, the main loop, and teardown.
#include "app/Application.h"
#include "app/DiagnosticsLog.h"
#include "app/InstanceGuard.h"
#include "app/InstanceWindow.h"
#include "app/ProductInfo.h"
#include "app/StartupChecks.h"
#include "platform/ImageCodec.h"
#include "platform/SystemInfo.h"
#include "program/AppController.h"
#include "program/StageTimer.h"
#include "ui/core/UIManager.h"
#include "ui/core/UINativeWindow.h"
#include "ui/widgets/UILazyToolTip.h"

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
// Set to a file path, it makes the program write the live native handle
// counts there (see app/DiagnosticsLog.h) once its first window has been
// painted ("start") and when its main loop has ended, before any window is
// torn down ("exit"): what the soak run compares. Nothing else changes.
constexpr char kDiagnosticsSwitch[] = "TINTSCOPE_DIAGNOSTICS";

int applicationMain()
{
    const StageTimer stages(kStagesSwitch);
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
    // Kept for the whole run: decoding the style's images and drawing
    // images with alpha both need the imaging library, which would otherwise
    // be started and shut down again around every decode and every draw.
    const platform::ImagingSession imaging;
    if (!UIManager::instance().loadStyle(kStyleName, application->applicationFolder()))
        return kRefused;
    stages.mark("style");

    UINativeWindow::install();
    std::unique_ptr<DiagnosticsLog> diagnostics;
    if (const char* path = std::getenv(kDiagnosticsSwitch); path && *path)
        diagnostics = std::make_unique<DiagnosticsLog>(fromUtf8(path));
    const bool markFirstPaint = std::getenv(kFirstPaintSwitch) != nullptr;
    if (markFirstPaint || diagnostics) {
        UINativeWindow::setFirstPaintHandler([markFirstPaint, &stages, log = diagnostics.get()] {
            stages.mark("first paint");
            if (log)
                log->writeSnapshot("start");
            if (markFirstPaint) {
                std::fputs("first paint\n", stdout);
                std::fflush(stdout);
            }
        });
    }
    // The one tooltip popup, made when the first tooltip is due (after the
    // style set is loaded, so it takes its look), and kept until every
    // window (every possible owner) is gone.
    auto toolTip = std::make_unique<UILazyToolTip>();
    UIManager::instance().setToolTipPresenter(toolTip.get());

    stages.mark("tooltip");
    auto controller = std::make_unique<AppController>();
    stages.mark("controller");
    const int result = application->run();
    if (diagnostics)
        diagnostics->writeSnapshot("exit");
    controller.reset();
    toolTip.reset();
    application.reset();
    return result;
}

} // namespace

int main() { return applicationMain(); }
