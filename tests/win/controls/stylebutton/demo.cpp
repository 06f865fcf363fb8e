// Shows the program's buttons in the pixel skin: resting, focused (hot skin), pressed (a toggle
// switched on) and disabled, at the sizes the windows use. For looking at, not a test.
#include <windows.h>

#include "controls/stylebutton/win32/style_button_window.h"
#include "controls/win32/create_button.h"
#include "platform/win32/window.h"

namespace {

LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) ::PostQuitMessage(0);
  return ::DefWindowProcW(hwnd, message, wparam, lparam);
}

struct Item {
  const wchar_t* caption;
  int x, y, w, h;
  const char* extra;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"StyleButtonDemo";
  ::RegisterClassExW(&wc);
  HWND main =
      ::CreateWindowExW(WS_EX_CONTROLPARENT, L"StyleButtonDemo", L"StyleButton style 10",
                        WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 640, 260, nullptr, nullptr, instance, nullptr);
  const Item items[] = {
      {L"Home", 10, 10, 65, 33, ""},
      {L"Help", 85, 10, 65, 33, ""},
      {L"Register", 160, 10, 73, 33, ""},
      {L"Lock Folders", 243, 10, 113, 33, ""},
      {L"Unlock Folders", 366, 10, 113, 33, "disabled"},
      {L"Close", 10, 60, 113, 33, "focus"},
      {L"About", 133, 60, 113, 33, "pressed"},
      {L"Change Password", 256, 66, 153, 20, ""},
      {L"Ok", 10, 110, 89, 28, ""},
      {L"Ok", 109, 110, 105, 25, ""},
      {L"Cancel", 224, 110, 105, 25, "focus2"},
      {L"Forgot Password?", 339, 112, 121, 20, ""},
      {L"", 470, 110, 20, 20, ""},
  };
  HWND focus = nullptr;
  int id = 100;
  for (const Item& item : items) {
    controls::win32::ButtonSpec desc;
    desc.id = ++id;
    desc.caption = item.caption;
    desc.x = item.x;
    desc.y = item.y;
    desc.width = item.w;
    desc.height = item.h;
    desc.settings = {
        {"style", "10"}, {"tooltiptitle", ""}, {"tooltipicon", "0"}, {"tooltiptype", "1"}, {"font", "Verdana,8.25"}};
    const std::string extra = item.extra;
    if (extra == "pressed") desc.settings.write("buttontype", "1"), desc.settings.write("value", "-1");
    if (extra == "disabled") desc.settings.write("enabled", "0");
    HWND b = controls::win32::createButton(main, desc);
    if (extra == "focus") focus = b;
  }
  if (focus) ::SetFocus(focus);
  return platform::win32::runMessageLoop();
}
