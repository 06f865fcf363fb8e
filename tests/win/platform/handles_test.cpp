#include "platform/win32/handles.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

bool isOpen(HANDLE h) {
  DWORD flags = 0;
  return ::GetHandleInformation(h, &flags) != FALSE;
}

TEST(Handles, OwnerClosesOnResetAndMoveKeepsOneOwner) {
  platform::win32::UniqueHandle a(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  ASSERT_TRUE(a);
  HANDLE raw = a.get();
  platform::win32::UniqueHandle b(std::move(a));
  EXPECT_FALSE(a);
  EXPECT_EQ(b.get(), raw);
  EXPECT_TRUE(isOpen(raw));
  b.reset();
  EXPECT_FALSE(isOpen(raw));
}

TEST(Handles, FileOwnerTreatsInvalidHandleAsEmpty) {
  platform::win32::UniqueFile f(
      ::CreateFileW(L"C:\\no-such-dir\\x", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_FALSE(f);
  EXPECT_EQ(f.get(), INVALID_HANDLE_VALUE);
}

TEST(Handles, SelectionIsRestoredAndObjectsAreFreed) {
  platform::win32::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  ASSERT_TRUE(dc);
  HGDIOBJ before = ::GetCurrentObject(dc.get(), OBJ_PEN);
  HPEN raw = nullptr;
  {
    platform::win32::UniquePen pen(::CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
    raw = pen.get();
    platform::win32::SelectObjectScope scope(dc.get(), pen.get());
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_PEN), raw);
  }  // the scope restores before the pen is deleted (reverse order of construction)
  EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_PEN), before);
  EXPECT_EQ(::GetObjectType(raw), 0u) << "pen not deleted";
}

TEST(Handles, RegionAndMenuOwnersRelease) {
  HRGN rgnRaw = nullptr;
  {
    platform::win32::UniqueRegion rgn(::CreateRectRgn(0, 0, 5, 5));
    rgnRaw = rgn.get();
    EXPECT_EQ(::GetObjectType(rgnRaw), static_cast<DWORD>(OBJ_REGION));
  }
  EXPECT_EQ(::GetObjectType(rgnRaw), 0u);

  HMENU menuRaw = nullptr;
  {
    platform::win32::UniqueMenu menu(::CreatePopupMenu());
    menuRaw = menu.get();
    EXPECT_TRUE(::IsMenu(menuRaw));
  }
  EXPECT_FALSE(::IsMenu(menuRaw));
}

// GetIconInfo answers only for a live icon; the bitmaps it hands out are the caller's.
bool iconIsLive(HICON icon) {
  ICONINFO info{};
  if (!::GetIconInfo(icon, &info)) return false;
  platform::win32::UniqueBitmap mask(info.hbmMask), colour(info.hbmColor);
  return true;
}

TEST(Handles, IconOwnerDestroysTheIconAndAMoveKeepsOneOwner) {
  const std::vector<BYTE> andMask(32, 0xFF), xorMask(32, 0);
  platform::win32::UniqueIcon first(::CreateIcon(nullptr, 16, 16, 1, 1, andMask.data(), xorMask.data()));
  ASSERT_TRUE(first);
  const HICON raw = first.get();
  ASSERT_TRUE(iconIsLive(raw));
  {
    platform::win32::UniqueIcon second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.get(), raw);
    EXPECT_TRUE(iconIsLive(raw)) << "the move destroyed the icon";
  }
  EXPECT_FALSE(iconIsLive(raw)) << "the icon outlived its owner";
  EXPECT_FALSE(::DestroyIcon(raw)) << "the icon was still there to destroy";
}

// RegQueryInfoKey on a closed key fails with ERROR_INVALID_HANDLE.
LONG queryKey(HKEY key) {
  DWORD subkeys = 0;
  return ::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr, nullptr,
                            nullptr, nullptr);
}

TEST(Handles, KeyOwnerClosesTheKeyAndAMoveKeepsOneOwner) {
  HKEY raw = nullptr;
  ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &raw), ERROR_SUCCESS);
  platform::win32::UniqueKey first(raw);
  ASSERT_EQ(queryKey(raw), ERROR_SUCCESS);
  {
    platform::win32::UniqueKey second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.get(), raw);
    EXPECT_EQ(queryKey(raw), ERROR_SUCCESS) << "the move closed the key";
  }
  EXPECT_EQ(queryKey(raw), ERROR_INVALID_HANDLE) << "the key outlived its owner";
  EXPECT_EQ(::RegCloseKey(raw), ERROR_INVALID_HANDLE) << "the key was still open";
}

}  // namespace
