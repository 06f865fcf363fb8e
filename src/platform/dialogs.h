#pragma once
// Message boxes. Native tests assert the exact text, title, icon and buttons through this port.
#include <string>

#include "platform/window_flow.h"

namespace platform {

enum class MsgIcon { None, Information, Error, Exclamation };
enum class MsgButtons { Ok, YesNo };
enum class MsgResult { Ok, Yes, No };

struct Message {
  std::string text;
  std::string title;
  MsgButtons buttons = MsgButtons::Ok;
  MsgIcon icon = MsgIcon::None;
  friend bool operator==(const Message&, const Message&) = default;
};

inline constexpr const char* kAppTitle = "Quillmar Folder Vardel";

// How a failure nobody handled is shown: its number and description, error icon, app title.
inline Message errorMessage(int number, const std::string& description) {
  return Message{"Error " + std::to_string(number) + ": " + description, kAppTitle, MsgButtons::Ok, MsgIcon::Error};
}

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Modal, owned by the given window.
  virtual MsgResult show(WindowId owner, const Message& message) = 0;
};

}  // namespace platform
