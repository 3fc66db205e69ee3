#pragma once
// The program's top-level owner while the main loop runs: the settings,
// the picker model and the main window. Built after the start-up checks,
// destroyed before the Application; its members go in reverse order, so
// the settings (written on destruction) are the last to go.

#include <memory>

class MainWindow;
class PickerModel;
class Settings;

class AppController {
public:
    AppController();
    virtual ~AppController();

    AppController(const AppController&) = delete;
    AppController& operator=(const AppController&) = delete;

    static AppController* instance();

    Settings& settings() { return *m_settings; }
    PickerModel& pickerModel() { return *m_pickerModel; }
    MainWindow& mainWindow() { return *m_mainWindow; }

private:
    // Declared in construction order; destroyed in reverse.
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<PickerModel> m_pickerModel;
    std::unique_ptr<MainWindow> m_mainWindow;
};
