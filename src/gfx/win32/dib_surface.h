#pragma once
// The Windows drawing surface: a top-down 32-bit DIB section selected into a memory DC.
// Painters write its pixels directly; text goes through GDI on the same DC; one BitBlt shows it.
#include <windows.h>

#include <optional>
#include <string_view>

#include "gfx/region.h"
#include "gfx/surface.h"
#include "gfx/text.h"
#include "platform/win32/handles.h"

namespace gfx::win32 {

class DibSurface {
 public:
  DibSurface() = default;
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;

  // Keeps the bitmap when the size is unchanged. False when GDI refuses.
  bool resize(int width, int height);
  Surface& surface() { return view_; }
  HDC dc() const { return dc_.get(); }
  // GDI batches its drawing; call before touching pixels after text was drawn.
  void flush() const { ::GdiFlush(); }
  bool blitTo(HDC target, int x, int y) const;

 private:
  platform::win32::UniqueMemoryDc dc_;
  platform::win32::UniqueBitmap bitmap_;
  std::optional<platform::win32::SelectObjectScope> selected_;
  Surface view_;
};

// Text through DrawTextW on a DC with the given font. The font and the transparent background
// stay selected while it lives (the DC is the surface's own): selecting them for every caption
// cost more than the caption itself under Wine.
class GdiText final : public TextRenderer {
 public:
  GdiText(HDC dc, HFONT font);
  GdiText(const GdiText&) = delete;
  GdiText& operator=(const GdiText&) = delete;
  ~GdiText() override;
  Rect measure(std::string_view utf8, Rect r, unsigned flags) override;
  void draw(Surface& s, std::string_view utf8, Rect r, unsigned flags, Colour colour) override;
  // The DC the surface is selected into: themes draw on it too.
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  std::optional<platform::win32::SelectObjectScope> font_;
  int previousMode_ = 0;
};

platform::win32::UniqueRegion toRegion(const Region& region);
// A platform region read back, pixel for pixel; empty when GDI refuses.
Region fromRegion(HRGN region);

}  // namespace gfx::win32
