#pragma once
// The SheenButton's window-message hook: a registry of hooked windows, each with a table of
// messages handed to its owner before the window's previous procedure and one of messages handed
// over after it. The window system side (HookSystem) puts an ordinary subclass procedure in front
// of the window and sends every message through dispatch(); nothing here generates code.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/dialogs.h"
#include "platform/event_log.h"

namespace controls::sheenbutton {

using WindowHandle = std::uintptr_t;

inline constexpr int kMsgEntries = 32;   // MSG_ENTRIES
inline constexpr int kAllMessages = -1;  // ALL_MESSAGES
enum HookWhen : int { kHookBefore = 1, kHookAfter = 2 };

struct MessageTable {
  int count = 0;  // kAllMessages: every message
  std::array<int, kMsgEntries> entries{};
  bool has(unsigned message) const;
};

class HookOwner {
 public:
  virtual ~HookOwner() = default;
  // handled true skips the previous procedure (before only) and makes result the message's.
  virtual void hookCallback(bool before, bool& handled, std::intptr_t& result, WindowHandle hwnd, unsigned message,
                            std::uintptr_t wparam, std::intptr_t lparam) = 0;
};

class HookRegistry;

class HookSystem {
 public:
  virtual ~HookSystem() = default;
  virtual bool isWindow(WindowHandle hwnd) const = 0;
  virtual bool ownProcess(WindowHandle hwnd) const = 0;
  // Sends the window's messages through registry.dispatch from now on. False on failure.
  virtual bool subclass(WindowHandle hwnd, HookRegistry& registry) = 0;
  // Takes only this registry's procedure out; other hooks of the window stay.
  virtual void unsubclass(WindowHandle hwnd, HookRegistry& registry) = 0;
  virtual std::intptr_t callPrevious(WindowHandle hwnd, unsigned message, std::uintptr_t wparam,
                                     std::intptr_t lparam) = 0;
  virtual unsigned long lastError() const = 0;
};

class HookRegistry {
 public:
  // typeName names the control in error texts; control is the owner when sc_Subclass gets none.
  HookRegistry(std::string typeName, HookOwner& control, HookSystem& system, platform::EventLog& log,
               platform::Dialogs& dialogs);
  HookRegistry(const HookRegistry&) = delete;
  HookRegistry& operator=(const HookRegistry&) = delete;
  ~HookRegistry() { HookReleaseAll(); }

  // ordinal 1 is the owner's callback, the only one it has; guard is accepted and finds nothing.
  bool sc_Subclass(WindowHandle hwnd, std::intptr_t userValue = 0, int ordinal = 1, HookOwner* owner = nullptr,
                   bool guard = true);
  void sc_UnSubclass(WindowHandle hwnd);
  void HookReleaseAll();
  void HookAddMessage(WindowHandle hwnd, int message, int when);
  void HookDeleteMessage(WindowHandle hwnd, int message, int when);
  std::intptr_t HookCallPrevious(WindowHandle hwnd, unsigned message, std::uintptr_t wparam, std::intptr_t lparam);
  std::intptr_t HookUserValue(WindowHandle hwnd);
  void HookUserValue(WindowHandle hwnd, std::intptr_t value);

  // The window's procedure: owner before, previous procedure, owner after.
  std::intptr_t dispatch(WindowHandle hwnd, unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                         const std::function<std::intptr_t()>& previous);

  bool started() const { return started_; }
  HookSystem* system() const { return &system_; }
  bool hooked(WindowHandle hwnd) const;
  // For tests: the window's table, null when it is not hooked.
  const MessageTable* table(WindowHandle hwnd, HookWhen when) const;
  // The registry's key of a window: its handle in decimal followed by "h".
  static std::string key(WindowHandle hwnd);

 private:
  struct Block {
    WindowHandle hwnd = 0;
    HookOwner* owner = nullptr;
    std::intptr_t userValue = 0;
    bool released = false;
    MessageTable before, after;
  };
  using Entry = std::pair<std::string, std::shared_ptr<Block>>;

  Block* zMap_hWnd(WindowHandle hwnd);
  Block* find(WindowHandle hwnd) const;
  void zAddMsg(int message, MessageTable& table);
  void zDelMsg(int message, MessageTable& table);
  void HookError(std::string_view routine, std::string_view message);

  std::string typeName_;
  HookOwner& control_;
  HookSystem& system_;
  platform::EventLog& log_;
  platform::Dialogs& dialogs_;
  bool started_ = false;  // the registry exists
  std::vector<Entry> entries_;
};

}  // namespace controls::sheenbutton
