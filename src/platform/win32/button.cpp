#include "platform/win32/button.h"

#include "controls/stylebutton/win32/style_button_window.h"
#include "core/text.h"

namespace win {

// Every button is a StyleButton loaded from the spec's stored settings. The spec's caption is
// used when the settings carry none, so the window text is the caption either way.
HWND createButton(HWND parent, const ButtonSpec& spec) {
  stylebutton::win32::CreateArgs args;
  args.parent = parent;
  args.id = spec.id;
  args.x = spec.x;
  args.y = spec.y;
  args.width = spec.width;
  args.height = spec.height;
  for (const auto& [key, value] : spec.settings) args.settings.write(key, value);
  if (!args.settings.find("caption"))
    args.settings.write("caption", core::utf16ToUtf8(std::u16string(spec.caption.begin(), spec.caption.end())));
  return stylebutton::win32::ButtonWindow::create(args);
}

}  // namespace win
