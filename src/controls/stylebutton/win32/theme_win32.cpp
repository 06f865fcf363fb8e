#include "controls/stylebutton/win32/theme_win32.h"

#include <uxtheme.h>

#include <string>
#include <utility>

#include "gfx/win32/dib_surface.h"
#include "platform/win32/text_win32.h"

namespace controls::stylebutton::win32 {

struct UxTheme::Api {
  decltype(&::OpenThemeData) openThemeData = nullptr;
  decltype(&::CloseThemeData) closeThemeData = nullptr;
  decltype(&::DrawThemeBackground) drawThemeBackground = nullptr;
  decltype(&::GetThemeBackgroundRegion) getThemeBackgroundRegion = nullptr;
};

namespace {

template <typename F>
F resolve(HMODULE module, const char* name) {
  // The documented way to take a function from a loaded module: its address cast to its type.
  return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

class ThemeData final : public OpenTheme {
 public:
  ThemeData(std::shared_ptr<const UxTheme::Api> api, HTHEME theme, HDC dc)
      : api_(std::move(api)), theme_(theme), dc_(dc) {}
  ThemeData(const ThemeData&) = delete;
  ThemeData& operator=(const ThemeData&) = delete;
  ~ThemeData() override { api_->closeThemeData(theme_); }

  std::optional<gfx::Region> backgroundRegion(int part, int state, gfx::Rect r) override {
    const RECT rect{r.left, r.top, r.right, r.bottom};
    HRGN region = nullptr;
    if (FAILED(api_->getThemeBackgroundRegion(theme_, dc_, part, state, &rect, &region)) || !region)
      return std::nullopt;
    const platform::win32::UniqueRegion owned(region);
    return gfx::win32::fromRegion(owned.get());
  }

  bool drawBackground(gfx::Surface&, int part, int state, gfx::Rect r, gfx::Rect clip) override {
    if (!dc_) return false;
    const RECT rect{r.left, r.top, r.right, r.bottom}, clipRect{clip.left, clip.top, clip.right, clip.bottom};
    const bool ok = SUCCEEDED(api_->drawThemeBackground(theme_, dc_, part, state, &rect, &clipRect));
    ::GdiFlush();  // the icon that follows is written straight into the same pixels
    return ok;
  }

 private:
  std::shared_ptr<const UxTheme::Api> api_;
  HTHEME theme_;
  HDC dc_;
};

}  // namespace

UxTheme::UxTheme(HWND window, std::function<HDC()> surfaceDc, std::wstring library)
    : window_(window), surfaceDc_(std::move(surfaceDc)), library_(std::move(library)) {}

bool UxTheme::load() {
  if (tried_) return api_ != nullptr;
  tried_ = true;
  module_.reset(::LoadLibraryW(library_.c_str()));
  if (!module_) return false;
  auto api = std::make_shared<Api>();
  api->openThemeData = resolve<decltype(api->openThemeData)>(module_.get(), "OpenThemeData");
  api->closeThemeData = resolve<decltype(api->closeThemeData)>(module_.get(), "CloseThemeData");
  api->drawThemeBackground = resolve<decltype(api->drawThemeBackground)>(module_.get(), "DrawThemeBackground");
  api->getThemeBackgroundRegion =
      resolve<decltype(api->getThemeBackgroundRegion)>(module_.get(), "GetThemeBackgroundRegion");
  if (!api->openThemeData || !api->closeThemeData || !api->drawThemeBackground || !api->getThemeBackgroundRegion) {
    module_.reset();
    return false;
  }
  api_ = std::move(api);
  return true;
}

std::unique_ptr<OpenTheme> UxTheme::open(std::string_view classList) {
  if (!load()) return nullptr;
  const std::wstring classes = platform::win32::widen(classList);
  HTHEME theme = api_->openThemeData(window_, classes.c_str());
  if (!theme) return nullptr;
  return std::make_unique<ThemeData>(api_, theme, surfaceDc_ ? surfaceDc_() : nullptr);
}

}  // namespace controls::stylebutton::win32
