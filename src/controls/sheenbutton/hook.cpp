#include "controls/sheenbutton/hook.h"

#include <algorithm>
#include <cstdio>

namespace controls::sheenbutton {

bool MessageTable::has(unsigned message) const {
  if (count == kAllMessages) return true;
  for (int i = 0; i < count && i < kMsgEntries; ++i)
    if (entries[static_cast<std::size_t>(i)] != 0 &&
        static_cast<unsigned>(entries[static_cast<std::size_t>(i)]) == message)
      return true;
  return false;
}

HookRegistry::HookRegistry(std::string typeName, HookOwner& control, HookSystem& system, platform::EventLog& log,
                           platform::Dialogs& dialogs)
    : typeName_(std::move(typeName)), control_(control), system_(system), log_(log), dialogs_(dialogs) {}

std::string HookRegistry::key(WindowHandle hwnd) { return std::to_string(hwnd) + "h"; }

HookRegistry::Block* HookRegistry::find(WindowHandle hwnd) const {
  const std::string k = key(hwnd);
  for (const Entry& e : entries_)
    if (e.first == k) return e.second.get();
  return nullptr;
}

bool HookRegistry::hooked(WindowHandle hwnd) const { return started_ && find(hwnd) != nullptr; }

const MessageTable* HookRegistry::table(WindowHandle hwnd, HookWhen when) const {
  const Block* b = started_ ? find(hwnd) : nullptr;
  if (!b) return nullptr;
  return when == kHookBefore ? &b->before : &b->after;
}

void HookRegistry::HookError(std::string_view routine, std::string_view message) {
  const std::string where = typeName_ + "." + std::string(routine);
  log_.reportError(typeName_, where + ": " + std::string(message));
  dialogs_.show(platform::WindowId::Form1, platform::Message{std::string(message) + ".", "Error in " + where,
                                                             platform::MsgButtons::Ok, platform::MsgIcon::Exclamation});
}

bool HookRegistry::sc_Subclass(WindowHandle hwnd, std::intptr_t userValue, int ordinal, HookOwner* owner, bool) {
  if (!system_.isWindow(hwnd)) {
    HookError("sc_Subclass", "Invalid window handle");
    return false;
  }
  if (!system_.ownProcess(hwnd)) {
    HookError("sc_Subclass", "Window handle belongs to another process");
    return false;
  }
  if (!owner) owner = &control_;
  // The owner has one callback, its last method; any other ordinal names nothing.
  if (ordinal != 1) {
    HookError("sc_Subclass", "Callback method not found");
    return false;
  }
  started_ = true;
  if (find(hwnd)) {
    HookError("sc_Subclass", "Window handle is already subclassed");
    return false;
  }
  auto block = std::make_shared<Block>();
  block->hwnd = hwnd;
  block->owner = owner;
  block->userValue = userValue;
  entries_.emplace_back(key(hwnd), block);
  if (!system_.subclass(hwnd, *this)) {
    const unsigned long error = system_.lastError();
    entries_.pop_back();
    HookError("sc_Subclass", "SetWindowLong failed, error #" + std::to_string(error));
    return false;
  }
  return true;
}

HookRegistry::Block* HookRegistry::zMap_hWnd(WindowHandle hwnd) {
  if (!started_) {
    HookError("zMap_hWnd", "Subclassing hasn't been started");
    return nullptr;
  }
  Block* b = find(hwnd);
  if (!b) HookError("zMap_hWnd", "Window handle isn't subclassed");
  return b;
}

void HookRegistry::sc_UnSubclass(WindowHandle hwnd) {
  if (!started_) {
    HookError("sc_UnSubclass", "Window handle isn't subclassed");
    return;
  }
  if (Block* b = zMap_hWnd(hwnd)) {
    b->released = true;
    zDelMsg(kAllMessages, b->before);
    zDelMsg(kAllMessages, b->after);
    system_.unsubclass(hwnd, *this);
  }
  const std::string k = key(hwnd);
  std::erase_if(entries_, [&](const Entry& e) { return e.first == k; });
}

void HookRegistry::HookReleaseAll() {
  if (!started_) return;
  while (!entries_.empty()) {
    const std::size_t before = entries_.size();
    sc_UnSubclass(entries_.back().second->hwnd);
    if (entries_.size() == before) entries_.pop_back();
  }
  started_ = false;
}

void HookRegistry::HookAddMessage(WindowHandle hwnd, int message, int when) {
  Block* b = zMap_hWnd(hwnd);
  if (!b) return;
  if (when & kHookBefore) zAddMsg(message, b->before);
  if (when & kHookAfter) zAddMsg(message, b->after);
}

void HookRegistry::HookDeleteMessage(WindowHandle hwnd, int message, int when) {
  Block* b = zMap_hWnd(hwnd);
  if (!b) return;
  if (when & kHookBefore) zDelMsg(message, b->before);
  if (when & kHookAfter) zDelMsg(message, b->after);
}

void HookRegistry::zAddMsg(int message, MessageTable& table) {
  if (message == kAllMessages) {
    table.count = kAllMessages;
    return;
  }
  if (table.count >= kMsgEntries) {
    HookError("zAddMsg",
              "Message table overflow. Either increase the value of Const MSG_ENTRIES or use ALL_MESSAGES instead of "
              "specific message values");
    return;
  }
  for (int i = 0; i < table.count; ++i) {
    int& entry = table.entries[static_cast<std::size_t>(i)];
    if (entry == 0) {
      entry = message;
      return;
    }
    if (entry == message) return;
  }
  // A table of every message becomes a table of this one.
  if (table.count < 0) table.count = 0;
  table.entries[static_cast<std::size_t>(table.count)] = message;
  ++table.count;
}

void HookRegistry::zDelMsg(int message, MessageTable& table) {
  if (message == kAllMessages) {
    table.count = 0;
    table.entries.fill(0);
    return;
  }
  for (int i = 0; i < table.count; ++i) {
    int& entry = table.entries[static_cast<std::size_t>(i)];
    if (entry == message) {
      entry = 0;
      return;
    }
  }
  char hex[16];
  std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(message));
  HookError("zDelMsg", std::string("Message &H") + hex + " not found in table");
}

std::intptr_t HookRegistry::HookCallPrevious(WindowHandle hwnd, unsigned message, std::uintptr_t wparam,
                                             std::intptr_t lparam) {
  if (!zMap_hWnd(hwnd)) return 0;
  return system_.callPrevious(hwnd, message, wparam, lparam);
}

std::intptr_t HookRegistry::HookUserValue(WindowHandle hwnd) {
  const Block* b = zMap_hWnd(hwnd);
  return b ? b->userValue : 0;
}

void HookRegistry::HookUserValue(WindowHandle hwnd, std::intptr_t value) {
  if (Block* b = zMap_hWnd(hwnd)) b->userValue = value;
}

std::intptr_t HookRegistry::dispatch(WindowHandle hwnd, unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                                     const std::function<std::intptr_t()>& previous) {
  std::shared_ptr<Block> block;
  const std::string k = key(hwnd);
  for (const Entry& e : entries_)
    if (e.first == k) block = e.second;  // kept alive should a callback unhook the window
  if (!block || block->released) return previous();
  bool handled = false;
  std::intptr_t result = 0;
  if (block->before.has(message)) {
    block->owner->hookCallback(true, handled, result, hwnd, message, wparam, lparam);
    if (handled) return result;
  }
  result = previous();
  if (!block->released && block->after.has(message)) {
    block->owner->hookCallback(false, handled, result, hwnd, message, wparam, lparam);
  }
  return result;
}

}  // namespace controls::sheenbutton
