#include <windows.h>
#include <commctrl.h>

#include "app/application.h"
#include "app/module_registry.h"
#include "app/win32/splash_window.h"
#include "app/win32/host_window.h"
#include "credentials/win32/system_code_page.h"
#include "credentials/win32/views.h"
#include "platform/win32/dialogs_win32.h"
#include "platform/win32/event_log_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/window.h"
#include "platform/win32/window_flow_win32.h"
#include "protect/folder_store.h"
#include "protect/lock_engine.h"
#include "protect/win32/form1_window.h"

#ifdef QFV_STARTUP_TIMING
#include <cstdio>
#include <cstdlib>
#endif

namespace {

using platform::WindowId;

#ifdef QFV_STARTUP_TIMING
// Only the start-up benchmark's build of the program: seconds from the process's start to the end
// of each start-up step, and how long the session's end took to free every folder, written to the
// file named by QFV_TIMING_FILE.
double secondsSince(LARGE_INTEGER start) {
  LARGE_INTEGER now{}, frequency{};
  ::QueryPerformanceCounter(&now);
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}
double secondsSinceProcessStart() {
  FILETIME created{}, exited{}, kernel{}, user{}, now{};
  ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
  ::GetSystemTimePreciseAsFileTime(&now);
  const auto ticks = [](FILETIME t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return static_cast<double>(ticks(now) - ticks(created)) / 1e7;
}
double g_loaded = 0, g_reloaded = 0, g_locked = 0;
void writeTiming(const char* mode, const char* format, double a, double b = 0, double c = 0, double d = 0) {
  const char* path = std::getenv("QFV_TIMING_FILE");
  if (!path) return;
  if (FILE* out = std::fopen(path, mode)) {
    std::fprintf(out, format, a, b, c, d);
    std::fclose(out);
  }
}
#endif

// The shell's view of the main window: created hidden at start-up, never destroyed.
class MainWindow final : public app::MainWindowPort {
 public:
  explicit MainWindow(protect::win32::Form1Window& window) : window_(window) {}
  void load() override {
    window_.create();
#ifdef QFV_STARTUP_TIMING
    g_loaded = secondsSinceProcessStart();
#endif
  }
  void reloadList() override {
    window_.form().lview_reload();
#ifdef QFV_STARTUP_TIMING
    g_reloaded = secondsSinceProcessStart();
#endif
  }
  void lockAll() override {
    window_.form().cmdlock_Click();
    // No window to say it in yet, and start-up shows no message: the event log keeps it.
    if (const std::size_t left = window_.form().contentsLeftUnheld(); left > 0) {
      platform::win32::EventLogWin32().reportError(platform::kAppTitle,
                                                   protect::form1text::kNotAllHeld + std::to_string(left) + ".");
    }
#ifdef QFV_STARTUP_TIMING
    g_locked = secondsSinceProcessStart();
#endif
  }
  void unload() override {
#ifdef QFV_STARTUP_TIMING
    LARGE_INTEGER start{};
    ::QueryPerformanceCounter(&start);
    window_.unload();
    writeTiming("a", "unload %.6f\n", secondsSince(start));
#else
    window_.unload();
#endif
  }

 private:
  protect::win32::Form1Window& window_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);

  // One program per session: the first start owns the name until it ends.
  platform::win32::UniqueHandle instance(::CreateMutexW(nullptr, FALSE, L"Local\\QuillmarFolderVardel"));
  const bool anotherInstance = instance && ::GetLastError() == ERROR_ALREADY_EXISTS;

  platform::win32::FileSystemWin32 fileSystem;
  platform::win32::ShellWin32 shell;
  platform::win32::SettingsStoreWin32 settings;
  platform::win32::RegistryWin32 registry;
  platform::win32::WindowFlowWin32 flow;
  platform::win32::DialogsWin32 dialogs([&flow](WindowId id) { return flow.handle(id); });

  app::win32::HostWindow host;
  if (!host.create()) return 1;

  const std::string systemDirectory = fileSystem.systemDirectory();
  protect::SqliteFolderStore store(protect::databasePathIn(systemDirectory));
  protect::LockEngine engine(fileSystem, shell, store, systemDirectory);
  protect::win32::Form1Window form1({store, engine, dialogs, flow, shell});
  flow.registerWindow(WindowId::Form1, [&form1] { return form1.hwnd() ? form1.hwnd() : form1.create(); });

  credentials::win32::SystemCodePage codePage;
  app::ModuleRegistry::Writer registryWriter(registry);
  credentials::win32::CredentialWindows credentialWindows({settings, dialogs, flow, registryWriter, shell, codePage});
  credentialWindows.registerWith(flow);

  app::win32::SplashWindow about([&shell](const char* url) { shell.open(url); });
  flow.registerWindow(WindowId::frmSplash, [&about] { return about.create() ? about.hwnd() : nullptr; });

  MainWindow mainWindow(form1);
  app::Application application({flow, dialogs, shell, settings, mainWindow, host});
  host.attach(application);
  switch (application.startUp(anotherInstance)) {
    case app::StartResult::Refused: return 0;
    case app::StartResult::Failed: return 1;
    case app::StartResult::Resident: break;
  }
#ifdef QFV_STARTUP_TIMING
  writeTiming("w", "start %.6f %.6f %.6f %.6f\n", g_loaded, g_reloaded, g_locked, secondsSinceProcessStart());
#endif
  return platform::win32::runMessageLoop();
}
