#include "app/StartupChecks.h"
#include "app/Application.h"
#include "app/Package.h"

bool isSupportedSystem(std::optional<platform::OsVersion> version)
{
    if (!version)
        return false;
    return version->major > 5 || (version->major == 5 && version->minor >= 1);
}

bool openStartupResources(Application& application) { return openPackage(application, u"data"); }
