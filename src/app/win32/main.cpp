#include <windows.h>
#include <commctrl.h>

#include "app/application.h"
#include "app/win32/about_window.h"
#include "app/win32/host_window.h"
#include "credentials/win32/system_code_page.h"
#include "credentials/win32/views.h"
#include "platform/win32/dialogs_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/window.h"
#include "platform/win32/window_flow_win32.h"
#include "protect/folder_store.h"
#include "protect/lock_engine.h"
#include "protect/win32/form1_window.h"

namespace {

using platform::WindowId;

// The shell's view of the main window: created hidden at start-up, never destroyed.
class MainWindow final : public app::MainWindowPort {
 public:
  explicit MainWindow(win::Form1Window& window) : window_(window) {}
  void load() override { window_.create(); }
  void reloadList() override { window_.form().lview_reload(); }
  void lockAll() override { window_.form().cmdlock_Click(); }
  void unload() override { window_.unload(); }

 private:
  win::Form1Window& window_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);

  // One program per session: the first start owns the name until it ends.
  win::UniqueHandle instance(::CreateMutexW(nullptr, FALSE, L"Local\\QuillmarFolderVardel"));
  const bool anotherInstance = instance && ::GetLastError() == ERROR_ALREADY_EXISTS;

  win::FileSystemWin32 fileSystem;
  win::ShellWin32 shell;
  win::SettingsStoreWin32 settings;
  win::RegistryWin32 registry;
  win::WindowFlowWin32 flow;
  win::DialogsWin32 dialogs([&flow](WindowId id) { return flow.handle(id); });

  app::HostWindow host;
  if (!host.create()) return 1;

  const std::string systemDirectory = fileSystem.systemDirectory();
  protect::SqliteFolderStore store(protect::databasePathIn(systemDirectory));
  protect::LockEngine engine(fileSystem, shell, store, systemDirectory);
  win::Form1Window form1({store, engine, dialogs, flow, shell});
  flow.registerWindow(WindowId::Form1, [&form1] { return form1.hwnd() ? form1.hwnd() : form1.create(); });

  credentials::SystemCodePage codePage;
  credentials::view::CredentialWindows credentialWindows({settings, dialogs, flow, registry, shell, codePage});
  credentialWindows.registerWith(flow);

  app::AboutWindow about([&shell](const char* url) { shell.open(url); });
  flow.registerWindow(WindowId::frmSplash, [&about] { return about.create() ? about.hwnd() : nullptr; });

  MainWindow mainWindow(form1);
  app::Application application({flow, dialogs, shell, settings, mainWindow, host});
  host.attach(application);
  switch (application.startUp(anotherInstance)) {
    case app::StartResult::Refused: return 0;
    case app::StartResult::Failed: return 1;
    case app::StartResult::Resident: break;
  }
  return win::runMessageLoop();
}
