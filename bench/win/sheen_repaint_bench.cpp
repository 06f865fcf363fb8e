// Times a SheenButton's style-7 repaint at 49 x 41 (clear, glow, gloss, border, picture, one blit
// to the window) and a paint message with the shape already cached, against a plain fill and blit
// of the same surface, in one run. Prints the figures.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "controls/sheenbutton/win32/sheen_button_window.h"
#include "bench_timing.h"
#include "controls/win32/create_button.h"
#include "gfx/win32/dib_surface.h"
#include "platform/win32/handles.h"

namespace {

gfx::win32::DibSurface* g_plain = nullptr;

// A window that paints by the plain fill and blit: what a paint message costs with no control.
LRESULT CALLBACK plainProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd, &ps);
    g_plain->surface().clear(0xE99950);
    g_plain->blitTo(dc, 0, 0);
    ::EndPaint(hwnd, &ps);
    return 0;
  }
  return ::DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

int main() {
  HWND main = bench::hostWindow(L"SheenButtonBench");
  controls::win32::ButtonSpec desc{
      1, L"", 10, 10, 49, 41, {{"style", "7"}, {"caption", ""}, {"colorscheme", "0"}, {"font", "MS Sans Serif,8.25"}}};
  HWND button = controls::win32::createButton(main, desc);
  auto* sheen = controls::sheenbutton::win32::SheenWindow::fromHwnd(button);
  if (!sheen) return 1;
  auto& control = sheen->control();
  // The main window's buttons show a 32 x 32 icon: an opaque picture of that size costs the same.
  control.setPicture({"bench", std::make_shared<gfx::Image>(32, 32, 0xFF30A040u), true});
  ::UpdateWindow(main);
  gfx::win32::DibSurface plain;
  plain.resize(49, 41);
  g_plain = &plain;
  platform::win32::WindowDc dc(button);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = plainProcedure;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"PlainBench";
  ::RegisterClassExW(&wc);
  HWND plainWindow = ::CreateWindowExW(0, L"PlainBench", L"", WS_CHILD | WS_VISIBLE, 80, 10, 49, 41, main, nullptr,
                                       wc.hInstance, nullptr);

  const int n = 3000;
  std::vector<double> repaintRatios, paintRatios, paintToPlainPaint;
  for (int round = 0; round < 7; ++round) {
    const double repaint = bench::microsecondsEach(n, [&] { control.redraw(controls::sheenbutton::kSheenNormal); });
    const double paint = bench::microsecondsEach(n, [&] {
      ::InvalidateRect(button, nullptr, FALSE);
      ::UpdateWindow(button);
    });
    const double fill = bench::microsecondsEach(n, [&] {
      plain.surface().clear(0xE99950);
      plain.blitTo(dc.get(), 0, 0);
    });
    const double plainPaint = bench::microsecondsEach(n, [&] {
      ::InvalidateRect(plainWindow, nullptr, FALSE);
      ::UpdateWindow(plainWindow);
    });
    repaintRatios.push_back(repaint / fill);
    paintRatios.push_back(paint / fill);
    paintToPlainPaint.push_back(paint / plainPaint);
    std::printf(
        "round %d: style-7 repaint %.2f us, its WM_PAINT (cached shape) %.2f us; fill and blit %.2f us, "
        "a plain window's WM_PAINT of it %.2f us\n",
        round + 1, repaint, paint, fill, plainPaint);
  }
  std::printf(
      "median ratios: repaint / fill and blit %.2f; WM_PAINT / fill and blit %.2f; WM_PAINT / plain "
      "WM_PAINT %.2f (goal 20 or less); shapes built %d\n",
      bench::median(repaintRatios), bench::median(paintRatios), bench::median(paintToPlainPaint),
      control.shapesBuilt());
  return 0;
}
