#pragma once
// The one place windows create their buttons. Every button reports a click to its parent as
// WM_COMMAND with BN_CLICKED and the button's id, whatever control draws it.
#include <windows.h>

#include <string>

#include "controls/common/property_bag.h"

namespace controls::win32 {

struct ButtonSpec {
  int id = 0;
  std::wstring caption;
  int x = 0, y = 0, width = 0, height = 0;
  // Stored control settings as a form file holds them: lower-case keys, values as text.
  common::PropertyBag settings;
};

HWND createButton(HWND parent, const ButtonSpec& button);

// What every button of the program's windows is stored with: its style (style 3 is the default
// and is not stored), its caption, an empty tooltip title, tooltip icon 0, tooltip type 1 and
// Verdana 8.25 pt.
common::PropertyBag storedButtonSettings(int style, const std::string& caption);

}  // namespace controls::win32
