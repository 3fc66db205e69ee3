#include "app/Application.h"
#include "app/EventDispatcher.h"
#include "app/InstanceGuard.h"
#include "app/InstanceWindow.h"
#include "app/Package.h"
#include "app/Translator.h"
#include "platform/FileSystem.h"
#include "platform/Locale.h"
#include "platform/SystemInfo.h"

namespace {
Application* g_application = nullptr;
} // namespace

Application::Application(String applicationName, String version)
    : m_commandLine(platform::processCommandLine())
    , m_applicationName(std::move(applicationName))
    , m_version(std::move(version))
    , m_executablePath(platform::executablePath())
    , m_applicationFolder(platform::folderOf(m_executablePath))
{
    if (!g_application)
        g_application = this;
    m_dispatcher = std::make_unique<EventDispatcher>();
    m_instanceWindow = std::make_unique<InstanceWindow>(*this, instanceName());
    m_instanceGuard = std::make_unique<InstanceGuard>();
    m_instanceGuard->open(instanceName());
}

Application::~Application()
{
    m_instanceWindow.reset();
    m_dispatcher.reset();
    m_translator.reset();
    m_packages.clear();
    m_instanceGuard.reset();
    if (g_application == this)
        g_application = nullptr;
}

Application* Application::instance() { return g_application; }

int Application::run() { return m_dispatcher->exec(m_dispatcher->mainFrame()); }

void Application::quit() { m_dispatcher->quitAll(); }

String Application::instanceName() const
{
    String name(1, u'[');
    name += platform::toUpper(m_applicationName);
    name += u']';
    return name;
}

NativeHandle Application::instanceWindowHandle() const { return m_instanceWindow->handle(); }

Package* Application::package(StringView key) const
{
    for (const auto& [name, package] : m_packages)
        if (name == key)
            return package.get();
    return nullptr;
}

void Application::registerPackage(String key, std::unique_ptr<Package> package)
{
    m_packages.emplace_back(std::move(key), std::move(package));
}

void Application::setTranslator(std::unique_ptr<Translator> translator) { m_translator = std::move(translator); }
