#include "controls/win32/create_button.h"

#include "controls/sheenbutton/win32/sheen_button_window.h"
#include "controls/stylebutton/win32/style_button_window.h"
#include "platform/win32/text_win32.h"

namespace controls::win32 {

namespace {

// A SheenButton stores its colour scheme every time; a StyleButton never has that key.
bool isSheenButtonSettings(const common::PropertyBag& settings) { return settings.find("colorscheme").has_value(); }

HWND createSheenButton(HWND parent, const ButtonSpec& button) {
  sheenbutton::win32::ButtonArgs args;
  args.window.parent = parent;
  args.window.id = button.id;
  args.window.x = button.x;
  args.window.y = button.y;
  args.window.width = button.width;
  args.window.height = button.height;
  args.settings = button.settings;
  if (!args.settings.find("caption")) args.settings.write("caption", platform::win32::narrow(button.caption));
  return sheenbutton::win32::SheenWindow::create(args);
}

}  // namespace

// A button is a StyleButton loaded from the ButtonSpec's stored settings; its caption is used
// when the settings carry none, so the window text is the caption either way. Settings of the
// other control make a SheenButton the same way.
HWND createButton(HWND parent, const ButtonSpec& button) {
  if (isSheenButtonSettings(button.settings)) return createSheenButton(parent, button);
  stylebutton::win32::ButtonArgs args;
  args.window.parent = parent;
  args.window.id = button.id;
  args.window.x = button.x;
  args.window.y = button.y;
  args.window.width = button.width;
  args.window.height = button.height;
  args.settings = button.settings;
  if (!args.settings.find("caption")) args.settings.write("caption", platform::win32::narrow(button.caption));
  return stylebutton::win32::ButtonWindow::create(args);
}

common::PropertyBag storedButtonSettings(int style, const std::string& caption) {
  common::PropertyBag settings;
  if (style != 3) settings.write("style", std::to_string(style));
  settings.write("caption", caption);
  settings.write("tooltiptitle", "");
  settings.write("tooltipicon", "0");
  settings.write("tooltiptype", "1");
  settings.write("font", "Verdana,8.25");
  return settings;
}

}  // namespace controls::win32
