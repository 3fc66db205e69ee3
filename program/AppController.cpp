#include "program/AppController.h"

#include "app/Application.h"
#include "app/Language.h"
#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "picker/MainWindow.h"
#include "picker/PickerModel.h"

namespace {
AppController* g_controller = nullptr;
} // namespace

AppController::AppController()
{
    if (!g_controller)
        g_controller = this;
    // The settings come first: everything after them reads a setting.
    m_settings =
        std::make_unique<Settings>(String(SettingsKeys::kFileName), Application::instance()->applicationName());
    m_settings->applySchema(defaultSettingsSchema());
    setLanguage(m_settings->get(SettingsKeys::kLanguage).toText());
    m_pickerModel = std::make_unique<PickerModel>(m_settings.get());
    m_mainWindow = std::make_unique<MainWindow>(*m_settings, *m_pickerModel);
    m_mainWindow->restoreGeometry();
    m_mainWindow->show();
    m_mainWindow->setUpNotificationIcon();
}

AppController::~AppController()
{
    // The window first: it borrows the model and the settings.
    m_mainWindow.reset();
    m_pickerModel.reset();
    // The settings go last and write the file as they go.
    m_settings.reset();
    if (g_controller == this)
        g_controller = nullptr;
}

AppController* AppController::instance() { return g_controller; }
