#include "platform/win32/handles.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

bool isOpen(HANDLE h) {
  DWORD flags = 0;
  return ::GetHandleInformation(h, &flags) != FALSE;
}

TEST(Handles, OwnerClosesOnResetAndMoveKeepsOneOwner) {
  win::UniqueHandle a(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  ASSERT_TRUE(a);
  HANDLE raw = a.get();
  win::UniqueHandle b(std::move(a));
  EXPECT_FALSE(a);
  EXPECT_EQ(b.get(), raw);
  EXPECT_TRUE(isOpen(raw));
  b.reset();
  EXPECT_FALSE(isOpen(raw));
}

TEST(Handles, FileOwnerTreatsInvalidHandleAsEmpty) {
  win::UniqueFile f(::CreateFileW(L"C:\\no-such-dir\\x", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_FALSE(f);
  EXPECT_EQ(f.get(), INVALID_HANDLE_VALUE);
}

TEST(Handles, SelectionIsRestoredAndObjectsAreFreed) {
  win::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  ASSERT_TRUE(dc);
  HGDIOBJ before = ::GetCurrentObject(dc.get(), OBJ_PEN);
  HPEN raw = nullptr;
  {
    win::UniquePen pen(::CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
    raw = pen.get();
    win::SelectObjectScope scope(dc.get(), pen.get());
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_PEN), raw);
  }  // the scope restores before the pen is deleted (reverse order of construction)
  EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_PEN), before);
  EXPECT_EQ(::GetObjectType(raw), 0u) << "pen not deleted";
}

TEST(Handles, RegionIconMenuAndKeyOwnersRelease) {
  HRGN rgnRaw = nullptr;
  {
    win::UniqueRegion rgn(::CreateRectRgn(0, 0, 5, 5));
    rgnRaw = rgn.get();
    EXPECT_EQ(::GetObjectType(rgnRaw), static_cast<DWORD>(OBJ_REGION));
  }
  EXPECT_EQ(::GetObjectType(rgnRaw), 0u);

  HMENU menuRaw = nullptr;
  {
    win::UniqueMenu menu(::CreatePopupMenu());
    menuRaw = menu.get();
    EXPECT_TRUE(::IsMenu(menuRaw));
  }
  EXPECT_FALSE(::IsMenu(menuRaw));

  win::UniqueIcon icon(::CreateIcon(nullptr, 16, 16, 1, 1, std::vector<BYTE>(32, 0xFF).data(),
                                    std::vector<BYTE>(32, 0).data()));
  EXPECT_TRUE(icon);

  HKEY raw = nullptr;
  ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &raw), ERROR_SUCCESS);
  win::UniqueKey key(raw);
  EXPECT_EQ(key.get(), raw);
}

}  // namespace
