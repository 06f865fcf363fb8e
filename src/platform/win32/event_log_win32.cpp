#include "platform/win32/event_log_win32.h"

#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/text_win32.h"

namespace platform::win32 {

namespace {

struct EventSourceTraits {
  using Type = HANDLE;
  static Type invalid() { return nullptr; }
  static void close(Type h) { ::DeregisterEventSource(h); }
};

}  // namespace

void EventLogWin32::reportError(std::string_view source, std::string_view text) {
  Unique<EventSourceTraits> log(::RegisterEventSourceW(nullptr, widen(source).c_str()));
  if (!log) return;  // a log that cannot be written must not stop the program
  const std::wstring line = widen(text);
  LPCWSTR strings[] = {line.c_str()};
  ::ReportEventW(log.get(), EVENTLOG_ERROR_TYPE, 0, 0, nullptr, 1, 0, strings, nullptr);
}

}  // namespace platform::win32
