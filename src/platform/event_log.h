#pragma once
// The application event log. Native tests assert the entries through this port.
#include <string_view>

namespace platform {

class EventLog {
 public:
  virtual ~EventLog() = default;
  // One error entry under the given source name.
  virtual void reportError(std::string_view source, std::string_view text) = 0;
};

}  // namespace platform
