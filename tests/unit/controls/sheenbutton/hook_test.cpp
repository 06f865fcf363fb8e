// The message hook: the registry, the two message tables, dispatch before and after the window's
// previous procedure, and every error text with its event-log entry and message box.
#include <gtest/gtest.h>

#include "fake_host.h"
#include "support/sequence.h"

namespace controls::sheenbutton::fake {
namespace {

using testsupport::sameSequence;
using Strings = std::vector<std::string>;

struct RecordingOwner final : HookOwner {
  void hookCallback(bool before, bool& handled, std::intptr_t& result, WindowHandle, unsigned message, std::uintptr_t,
                    std::intptr_t) override {
    calls.push_back(std::string(before ? "before " : "after ") + std::to_string(message) + " result " +
                    std::to_string(result));
    if (before && message == handle) {
      handled = true;
      result = 99;
    }
  }
  Strings calls;
  unsigned handle = 0;
};

struct Rig {
  Rig() : registry("SheenButton", owner, system, log, dialogs) {}
  // What HookError reported since the last call: "log entry || box title | box text".
  Strings errors() {
    Strings out;
    for (std::size_t i = 0; i < dialogs.shown.size(); ++i) {
      const auto& m = dialogs.shown[i].message;
      EXPECT_EQ(m.icon, platform::MsgIcon::Exclamation);
      EXPECT_EQ(m.buttons, platform::MsgButtons::Ok);
      out.push_back((i < log.entries.size() ? log.entries[i] : "(no log entry)") + " || " + m.title + " | " + m.text);
    }
    dialogs.shown.clear();
    log.entries.clear();
    return out;
  }
  RecordingOwner owner;
  FakeHookSystem system;
  FakeEventLog log;
  testsupport::FakeDialogs dialogs;
  HookRegistry registry;
};

TEST(SheenHook, SubclassErrors) {
  const struct {
    const char* name;
    WindowHandle hwnd;
    int ordinal;
    bool refuse;
    std::string error;
  } cases[] = {
      {"not a window", 0, 1, false,
       "SheenButton | SheenButton.sc_Subclass: Invalid window handle || Error in SheenButton.sc_Subclass | Invalid "
       "window handle."},
      {"another process", 55, 1, false,
       "SheenButton | SheenButton.sc_Subclass: Window handle belongs to another process || Error in "
       "SheenButton.sc_Subclass | Window handle belongs to another process."},
      {"no such callback", 5, 2, false,
       "SheenButton | SheenButton.sc_Subclass: Callback method not found || Error in SheenButton.sc_Subclass | "
       "Callback method not found."},
      {"refused", 5, 1, true,
       "SheenButton | SheenButton.sc_Subclass: SetWindowLong failed, error #1400 || Error in SheenButton.sc_Subclass | "
       "SetWindowLong failed, error #1400."},
  };
  for (const auto& c : cases) {
    Rig r;
    r.system.refuse = c.refuse;
    EXPECT_FALSE(r.registry.sc_Subclass(c.hwnd, 0, c.ordinal)) << c.name;
    EXPECT_TRUE(sameSequence({c.error}, r.errors())) << c.name;
    EXPECT_FALSE(r.registry.hooked(c.hwnd)) << c.name;
  }
}

TEST(SheenHook, HookingAHookedWindowAgainFailsAndKeepsTheFirstHook) {
  Rig r;
  ASSERT_TRUE(r.registry.sc_Subclass(5, 11));
  r.registry.HookAddMessage(5, 15, kHookBefore);
  EXPECT_FALSE(r.registry.sc_Subclass(5, 22));
  EXPECT_TRUE(sameSequence({"SheenButton | SheenButton.sc_Subclass: Window handle is already subclassed || Error in "
                            "SheenButton.sc_Subclass | Window handle is already subclassed."},
                           r.errors()));
  EXPECT_EQ(r.registry.HookUserValue(5), 11);
  EXPECT_EQ(r.system.chains[5].size(), 1u);
  r.system.send(5, 15);
  EXPECT_TRUE(sameSequence({"before 15 result 0"}, r.owner.calls));
}

TEST(SheenHook, MappingErrorsBeforeAndAfterTheRegistryExists) {
  Rig r;
  r.registry.HookAddMessage(5, 15, kHookBefore);
  r.registry.sc_UnSubclass(5);
  EXPECT_EQ(r.registry.HookUserValue(5), 0);
  EXPECT_EQ(r.registry.HookCallPrevious(5, 15, 0, 0), 0);
  ASSERT_TRUE(r.registry.sc_Subclass(6));
  r.registry.HookDeleteMessage(5, 15, kHookAfter);
  EXPECT_TRUE(sameSequence(
      {"SheenButton | SheenButton.zMap_hWnd: Subclassing hasn't been started || Error in SheenButton.zMap_hWnd | "
       "Subclassing hasn't been started.",
       "SheenButton | SheenButton.sc_UnSubclass: Window handle isn't subclassed || Error in SheenButton.sc_UnSubclass "
       "| "
       "Window handle isn't subclassed.",
       "SheenButton | SheenButton.zMap_hWnd: Subclassing hasn't been started || Error in SheenButton.zMap_hWnd | "
       "Subclassing hasn't been started.",
       "SheenButton | SheenButton.zMap_hWnd: Subclassing hasn't been started || Error in SheenButton.zMap_hWnd | "
       "Subclassing hasn't been started.",
       "SheenButton | SheenButton.zMap_hWnd: Window handle isn't subclassed || Error in SheenButton.zMap_hWnd | "
       "Window handle isn't subclassed."},
      r.errors()));
}

TEST(SheenHook, TableOverflowLeavesTheTableUnchanged) {
  Rig r;
  ASSERT_TRUE(r.registry.sc_Subclass(5));
  for (int m = 1; m <= kMsgEntries; ++m) r.registry.HookAddMessage(5, 0x400 + m, kHookAfter);
  EXPECT_TRUE(r.errors().empty());
  const MessageTable before = *r.registry.table(5, kHookAfter);
  r.registry.HookAddMessage(5, 0x500, kHookAfter);
  EXPECT_TRUE(sameSequence({"SheenButton | SheenButton.zAddMsg: Message table overflow. Either increase the value of "
                            "Const MSG_ENTRIES or use ALL_MESSAGES instead of specific message values || Error in "
                            "SheenButton.zAddMsg | Message table overflow. Either increase the value of Const "
                            "MSG_ENTRIES or use ALL_MESSAGES instead of specific message values."},
                           r.errors()));
  const MessageTable& after = *r.registry.table(5, kHookAfter);
  EXPECT_EQ(after.count, kMsgEntries);
  EXPECT_EQ(after.entries, before.entries);
  EXPECT_EQ(r.registry.table(5, kHookBefore)->count, 0) << "only the table asked for";
}

TEST(SheenHook, DeletingFreesASlotThatTheNextAddReuses) {
  Rig r;
  ASSERT_TRUE(r.registry.sc_Subclass(5));
  r.registry.HookAddMessage(5, 15, kHookBefore | kHookAfter);
  r.registry.HookAddMessage(5, 0x200, kHookBefore);
  r.registry.HookDeleteMessage(5, 15, kHookBefore);
  const MessageTable* t = r.registry.table(5, kHookBefore);
  EXPECT_EQ(t->count, 2) << "the count stays";
  EXPECT_EQ(t->entries[0], 0);
  r.registry.HookAddMessage(5, 0x2A3, kHookBefore);
  EXPECT_EQ(t->entries[0], 0x2A3);
  EXPECT_EQ(t->count, 2);
  EXPECT_TRUE(r.registry.table(5, kHookAfter)->has(15)) << "the after table kept it";
  r.registry.HookDeleteMessage(5, 0x201, kHookBefore);
  EXPECT_TRUE(sameSequence({"SheenButton | SheenButton.zDelMsg: Message &H201 not found in table || Error in "
                            "SheenButton.zDelMsg | Message &H201 not found in table."},
                           r.errors()));
}

TEST(SheenHook, AllMessagesAndBackToOne) {
  Rig r;
  ASSERT_TRUE(r.registry.sc_Subclass(5));
  r.registry.HookAddMessage(5, kAllMessages, kHookBefore);
  EXPECT_EQ(r.registry.table(5, kHookBefore)->count, kAllMessages);
  r.system.send(5, 0x1234);
  EXPECT_TRUE(sameSequence({"before 4660 result 0"}, r.owner.calls));
  r.registry.HookAddMessage(5, 0x1234, kHookBefore);
  const MessageTable* t = r.registry.table(5, kHookBefore);
  EXPECT_EQ(t->count, 1) << "a table of every message becomes a one-entry table";
  EXPECT_EQ(t->entries[0], 0x1234);
  r.registry.HookDeleteMessage(5, kAllMessages, kHookBefore);
  EXPECT_EQ(t->count, 0);
  EXPECT_TRUE(r.errors().empty());
}

TEST(SheenHook, DispatchRunsBeforeThePreviousProcedureAndAfterIt) {
  Rig r;
  ASSERT_TRUE(r.registry.sc_Subclass(5));
  r.registry.HookAddMessage(5, 15, kHookBefore);
  r.registry.HookAddMessage(5, 0x200, kHookAfter);
  EXPECT_EQ(r.system.send(5, 15), 7);
  EXPECT_EQ(r.system.send(5, 0x200), 7);
  EXPECT_EQ(r.system.send(5, 0x201), 7);
  r.owner.handle = 15;
  EXPECT_EQ(r.system.send(5, 15), 99) << "handled: the previous procedure is skipped";
  EXPECT_TRUE(sameSequence({"before 15 result 0", "after 512 result 7", "before 15 result 0"}, r.owner.calls));
  EXPECT_TRUE(sameSequence({"window 15", "window 512", "window 513"}, r.system.log));
}

TEST(SheenHook, UserValueAndCallPrevious) {
  Rig r;
  ASSERT_TRUE(r.registry.sc_Subclass(5, 42));
  EXPECT_EQ(r.registry.HookUserValue(5), 42);
  r.registry.HookUserValue(5, 43);
  EXPECT_EQ(r.registry.HookUserValue(5), 43);
  EXPECT_EQ(r.registry.HookCallPrevious(5, 16, 0, 0), 7);
  EXPECT_TRUE(sameSequence({"previous 16"}, r.system.log));
}

TEST(SheenHook, ReleaseAllUnhooksEveryWindowAndLeavesOtherHooksOfTheWindow) {
  Rig r;
  RecordingOwner otherOwner;
  HookRegistry other("Other", otherOwner, r.system, r.log, r.dialogs);
  ASSERT_TRUE(other.sc_Subclass(5));
  other.HookAddMessage(5, 15, kHookAfter);
  ASSERT_TRUE(r.registry.sc_Subclass(5));
  ASSERT_TRUE(r.registry.sc_Subclass(6));
  r.registry.HookAddMessage(5, 15, kHookAfter);
  r.registry.HookReleaseAll();
  EXPECT_FALSE(r.registry.started());
  EXPECT_TRUE(r.system.chains[6].empty());
  ASSERT_EQ(r.system.chains[5].size(), 1u);
  r.system.send(5, 15);
  EXPECT_TRUE(r.owner.calls.empty()) << "released";
  EXPECT_TRUE(sameSequence({"after 15 result 7"}, otherOwner.calls)) << "the other hook still works";
  EXPECT_TRUE(r.errors().empty());
}

}  // namespace
}  // namespace controls::sheenbutton::fake
