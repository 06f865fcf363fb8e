#include "gfx/win32/dib_surface.h"

#include <string>
#include <vector>

#include "platform/win32/gdi.h"
#include "platform/win32/text_win32.h"

namespace gfx::win32 {

namespace {
using platform::win32::widen;
RECT toRect(Rect r) { return RECT{r.left, r.top, r.right, r.bottom}; }
}  // namespace

bool DibSurface::resize(int width, int height) {
  if (bitmap_ && view_.width() == width && view_.height() == height) return true;
  if (width <= 0 || height <= 0) return false;
  if (!dc_) {
    dc_.reset(::CreateCompatibleDC(nullptr));
    if (!dc_) return false;
  }
  std::uint32_t* bits = nullptr;
  platform::win32::UniqueBitmap bitmap = platform::win32::createDib(dc_.get(), width, height, bits);
  if (!bitmap) return false;
  selected_.reset();  // the old bitmap leaves the DC before it is deleted
  bitmap_ = std::move(bitmap);
  selected_.emplace(dc_.get(), bitmap_.get());
  view_ = Surface(width, height, bits, width);
  return true;
}

bool DibSurface::blitTo(HDC target, int x, int y) const {
  if (!bitmap_) return false;
  return ::BitBlt(target, x, y, view_.width(), view_.height(), dc_.get(), 0, 0, SRCCOPY) != FALSE;
}

GdiText::GdiText(HDC dc, HFONT font) : dc_(dc), previousMode_(::SetBkMode(dc, TRANSPARENT)) {
  if (font) font_.emplace(dc, font);
}

GdiText::~GdiText() {
  font_.reset();
  if (previousMode_) ::SetBkMode(dc_, previousMode_);
}

Rect GdiText::measure(std::string_view utf8, Rect r, unsigned flags) {
  const std::wstring text = widen(utf8);
  RECT rc = toRect(r);
  ::DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rc, flags | DT_CALCRECT);
  return {rc.left, rc.top, rc.right, rc.bottom};
}

void GdiText::draw(Surface&, std::string_view utf8, Rect r, unsigned flags, Colour colour) {
  if (utf8.empty()) return;
  const std::wstring text = widen(utf8);
  RECT rc = toRect(r);
  const COLORREF previous = ::SetTextColor(dc_, colour);
  ::DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rc, flags);
  ::SetTextColor(dc_, previous);
}

platform::win32::UniqueRegion toRegion(const Region& region) {
  const std::vector<Region::Span> spans = region.spans();
  std::vector<char> buffer(sizeof(RGNDATAHEADER) + spans.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(spans.size());
  data->rdh.nRgnSize = static_cast<DWORD>(spans.size() * sizeof(RECT));
  const Rect b = region.bounds();
  data->rdh.rcBound = RECT{b.left, b.top, b.right, b.bottom};
  auto* rects = reinterpret_cast<RECT*>(buffer.data() + sizeof(RGNDATAHEADER));
  for (std::size_t i = 0; i < spans.size(); ++i)
    rects[i] = RECT{spans[i].left, spans[i].y, spans[i].right, spans[i].y + 1};
  return platform::win32::UniqueRegion(::ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
}

Region fromRegion(HRGN region) {
  const DWORD size = ::GetRegionData(region, 0, nullptr);
  if (size < sizeof(RGNDATAHEADER)) return Region();
  std::vector<char> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (::GetRegionData(region, size, data) != size) return Region();
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  std::vector<Region::Span> spans;
  for (DWORD i = 0; i < data->rdh.nCount; ++i)
    for (LONG y = rects[i].top; y < rects[i].bottom; ++y) spans.push_back({y, rects[i].left, rects[i].right});
  return Region::fromSpans(spans);
}

}  // namespace gfx::win32
