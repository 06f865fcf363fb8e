#pragma once
#include "platform/event_log.h"

namespace platform::win32 {

// Entries in the system's application log, through a registered event source of that name.
class EventLogWin32 final : public platform::EventLog {
 public:
  void reportError(std::string_view source, std::string_view text) override;
};

}  // namespace platform::win32
