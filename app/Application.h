#pragma once
// The process-wide application object: names and version, the executable's
// folder, the event service, the single-instance guard, the opened packages
// and the current language.
//
// Ownership: the Application owns the EventDispatcher, the InstanceGuard and
// InstanceWindow, every registered Package and the current Translator for
// the life of the process. The first Application constructed becomes the
// instance every layer reaches through Application::instance(); later ones
// do not replace it.

#include "platform/NativeHandle.h"
#include "platform/Text.h"

#include <memory>
#include <utility>
#include <vector>

class EventDispatcher;
class InstanceGuard;
class InstanceWindow;
class Package;
class Translator;

class Application {
public:
    Application(String applicationName, String version);
    virtual ~Application();

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application* instance();

    // Runs the main loop until quit(); returns the loop's result.
    virtual int run();
    // Ends every running loop, nested or not, with result 0.
    virtual void quit();

    const String& commandLine() const { return m_commandLine; }
    const String& applicationName() const { return m_applicationName; }
    const String& version() const { return m_version; }
    const String& organisationName() const { return m_organisationName; }
    const String& organisationDomain() const { return m_organisationDomain; }
    const String& homePageUrl() const { return m_homePageUrl; }
    void setOrganisationName(String name) { m_organisationName = std::move(name); }
    void setOrganisationDomain(String domain) { m_organisationDomain = std::move(domain); }
    void setHomePageUrl(String url) { m_homePageUrl = std::move(url); }

    const String& executablePath() const { return m_executablePath; }
    // The executable's folder, without a trailing separator.
    const String& applicationFolder() const { return m_applicationFolder; }

    // "[" + upper-cased application name + "]": names the single-instance
    // mutex and the class of the instance window.
    String instanceName() const;
    InstanceGuard& instanceGuard() { return *m_instanceGuard; }
    NativeHandle instanceWindowHandle() const;
    EventDispatcher& eventDispatcher() { return *m_dispatcher; }

    // The window that a second copy's show request is forwarded to.
    NativeHandle mainWindowHandle() const { return m_mainWindowHandle; }
    void setMainWindowHandle(NativeHandle handle) { m_mainWindowHandle = handle; }

    // Opened packages, in registration order; the first with a key wins.
    Package* package(StringView key) const;
    void registerPackage(String key, std::unique_ptr<Package> package);

    // The current language, or nullptr when the program shows English.
    Translator* translator() const { return m_translator.get(); }
    void setTranslator(std::unique_ptr<Translator> translator);

private:
    String m_commandLine;
    String m_organisationName;
    String m_organisationDomain;
    String m_homePageUrl;
    String m_applicationName;
    String m_version;
    String m_executablePath;
    String m_applicationFolder;
    NativeHandle m_mainWindowHandle = nullptr;
    std::vector<std::pair<String, std::unique_ptr<Package>>> m_packages;
    std::unique_ptr<Translator> m_translator;
    std::unique_ptr<EventDispatcher> m_dispatcher;
    std::unique_ptr<InstanceWindow> m_instanceWindow;
    std::unique_ptr<InstanceGuard> m_instanceGuard;
};
