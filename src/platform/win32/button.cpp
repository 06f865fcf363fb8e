#include "platform/win32/button.h"

#include "controls/stylebutton/win32/style_button_window.h"
#include "core/text.h"

namespace win {

namespace {

// A SheenButton stores its colour scheme every time; a StyleButton never has that key.
bool isSheenButtonSettings(const ButtonSpec& desc) {
  for (const auto& entry : desc.settings)
    if (core::asciiLower(entry.first) == "colorscheme") return true;
  return false;
}

HWND createSystemButton(HWND parent, const ButtonSpec& desc) {
  return ::CreateWindowExW(0, L"BUTTON", desc.caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                           desc.x, desc.y, desc.width, desc.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(desc.id)), ::GetModuleHandleW(nullptr),
                           nullptr);
}

}  // namespace

// A button is a StyleButton loaded from the ButtonSpec's stored settings; its caption is used
// when the settings carry none, so the window text is the caption either way. Settings of the
// other control get the system's push button until that control draws itself.
HWND createButton(HWND parent, const ButtonSpec& desc) {
  if (isSheenButtonSettings(desc)) return createSystemButton(parent, desc);
  stylebutton::win32::CreateArgs args;
  args.parent = parent;
  args.id = desc.id;
  args.x = desc.x;
  args.y = desc.y;
  args.width = desc.width;
  args.height = desc.height;
  for (const auto& [key, value] : desc.settings) args.settings.write(key, value);
  if (!args.settings.find("caption"))
    args.settings.write("caption", core::utf16ToUtf8(std::u16string(desc.caption.begin(), desc.caption.end())));
  return stylebutton::win32::ButtonWindow::create(args);
}

std::vector<std::pair<std::string, std::string>> storedButtonSettings(int style, const std::string& caption) {
  std::vector<std::pair<std::string, std::string>> settings;
  if (style != 3) settings.emplace_back("style", std::to_string(style));
  settings.emplace_back("caption", caption);
  settings.emplace_back("tooltiptitle", "");
  settings.emplace_back("tooltipicon", "0");
  settings.emplace_back("tooltiptype", "1");
  settings.emplace_back("font", "Verdana,8.25");
  return settings;
}

}  // namespace win
