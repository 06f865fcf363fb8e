#pragma once
// The system's visual styles through uxtheme, loaded when first asked for so that a system
// without it still runs the program (the SystemTheme painter then falls back).
#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>

#include "controls/stylebutton/theme.h"
#include "platform/win32/handles.h"

namespace controls::stylebutton::win32 {

struct ModuleTraits {
  using Type = HMODULE;
  static Type invalid() { return nullptr; }
  static void close(Type h) { ::FreeLibrary(h); }
};
using UniqueModule = platform::win32::Unique<ModuleTraits>;

class UxTheme final : public ThemePort {
 public:
  // window: whose theme is opened; surfaceDc: the DC the surface is selected into at the moment of
  // drawing. library: the module to load (a test names one that is not there).
  UxTheme(HWND window, std::function<HDC()> surfaceDc, std::wstring library = L"uxtheme.dll");
  std::unique_ptr<OpenTheme> open(std::string_view classList) override;

  // The functions; null when the library or a name is missing.
  struct Api;

 private:
  bool load();
  HWND window_;
  std::function<HDC()> surfaceDc_;
  std::wstring library_;
  bool tried_ = false;
  UniqueModule module_;
  std::shared_ptr<const Api> api_;
};

}  // namespace controls::stylebutton::win32
