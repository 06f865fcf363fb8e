#include <windows.h>
#include <commctrl.h>

#include "app/win32/host_window.h"
#include "platform/win32/window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);

  app::HostWindow host;
  if (!host.create()) return 1;
  return win::runMessageLoop();
}
