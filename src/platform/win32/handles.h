#pragma once
// Owners for every Win32 resource the program holds. Non-copyable, movable; each releases its
// resource with the call that matches how it was obtained.
#include <windows.h>

#include <commctrl.h>

#include <utility>

namespace platform::win32 {

template <typename Traits>
class Unique {
 public:
  using Type = typename Traits::Type;
  Unique() noexcept : value_(Traits::invalid()) {}
  explicit Unique(Type value) noexcept : value_(value) {}
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : value_(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~Unique() { reset(); }

  Type get() const noexcept { return value_; }
  explicit operator bool() const noexcept { return value_ != Traits::invalid(); }
  Type release() noexcept { return std::exchange(value_, Traits::invalid()); }
  void reset(Type value = Traits::invalid()) noexcept {
    const Type old = std::exchange(value_, value);
    if (old != Traits::invalid()) Traits::close(old);
  }

 private:
  Type value_;
};

struct FileHandleTraits {  // CreateFile: failure is INVALID_HANDLE_VALUE
  using Type = HANDLE;
  static Type invalid() { return INVALID_HANDLE_VALUE; }
  static void close(Type h) { ::CloseHandle(h); }
};
struct KernelHandleTraits {  // CreateMutex, CreateEvent, ...: failure is null
  using Type = HANDLE;
  static Type invalid() { return nullptr; }
  static void close(Type h) { ::CloseHandle(h); }
};
struct KeyTraits {
  using Type = HKEY;
  static Type invalid() { return nullptr; }
  static void close(Type h) { ::RegCloseKey(h); }
};
struct MemoryDcTraits {  // CreateCompatibleDC
  using Type = HDC;
  static Type invalid() { return nullptr; }
  static void close(Type h) { ::DeleteDC(h); }
};
template <typename T>
struct GdiTraits {
  using Type = T;
  static Type invalid() { return nullptr; }
  static void close(Type h) { ::DeleteObject(h); }
};
struct IconTraits {
  using Type = HICON;
  static Type invalid() { return nullptr; }
  static void close(Type h) { ::DestroyIcon(h); }
};
struct MenuTraits {
  using Type = HMENU;
  static Type invalid() { return nullptr; }
  static void close(Type h) { ::DestroyMenu(h); }
};

struct FindTraits {  // FindFirstFile: failure is INVALID_HANDLE_VALUE
  using Type = HANDLE;
  static Type invalid() { return INVALID_HANDLE_VALUE; }
  static void close(Type h) { ::FindClose(h); }
};
struct ImageListTraits {
  using Type = HIMAGELIST;
  static Type invalid() { return nullptr; }
  static void close(Type h) { ::ImageList_Destroy(h); }
};

using UniqueFile = Unique<FileHandleTraits>;
using UniqueFind = Unique<FindTraits>;
using UniqueImageList = Unique<ImageListTraits>;
using UniqueHandle = Unique<KernelHandleTraits>;
using UniqueKey = Unique<KeyTraits>;
using UniqueMemoryDc = Unique<MemoryDcTraits>;
using UniqueBitmap = Unique<GdiTraits<HBITMAP>>;
using UniquePen = Unique<GdiTraits<HPEN>>;
using UniqueBrush = Unique<GdiTraits<HBRUSH>>;
using UniqueFont = Unique<GdiTraits<HFONT>>;
using UniqueRegion = Unique<GdiTraits<HRGN>>;
using UniqueIcon = Unique<IconTraits>;
using UniqueMenu = Unique<MenuTraits>;

// A window's DC from GetDC, given back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) noexcept : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  WindowDc(WindowDc&& other) noexcept : hwnd_(other.hwnd_), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDc& operator=(WindowDc&&) = delete;
  ~WindowDc() {
    if (dc_) ::ReleaseDC(hwnd_, dc_);
  }
  HDC get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// Selects a GDI object into a DC and puts the previous one back when it goes.
class SelectObjectScope {
 public:
  SelectObjectScope(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
  SelectObjectScope(const SelectObjectScope&) = delete;
  SelectObjectScope& operator=(const SelectObjectScope&) = delete;
  SelectObjectScope(SelectObjectScope&& other) noexcept
      : dc_(other.dc_), previous_(std::exchange(other.previous_, nullptr)) {}
  SelectObjectScope& operator=(SelectObjectScope&&) = delete;
  ~SelectObjectScope() {
    if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace platform::win32
