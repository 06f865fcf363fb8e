// Times a full StyleButton repaint of a 113 x 33 button (clear, body, caption, one blit to the
// window) in each style against a plain fill and blit of the same surface, in one run. Prints a
// table of the medians of seven rounds.
#include <windows.h>

#include <uxtheme.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "controls/stylebutton/win32/style_button_window.h"
#include "bench_timing.h"
#include "controls/win32/create_button.h"
#include "gfx/win32/dib_surface.h"
#include "platform/win32/handles.h"

namespace {}  // namespace

int main() {
  HWND main = bench::hostWindow(L"StyleButtonBench");
  gfx::win32::DibSurface plain;
  plain.resize(113, 33);

  // The machine is shared, so each round times both in turn and the median round is the figure.
  const int n = 2000, rounds = 7;
  std::printf("| Style | repaint (us) | fill and blit (us) | median ratio | goal 20 or less |\n");
  std::printf("|---|---|---|---|---|\n");
  bool allWithin = true;
  // Style 11 paints no body: what every repaint costs besides its painter.
  for (int style = 0; style <= 11; ++style) {
    controls::win32::ButtonSpec desc{
        100 + style,
        L"Lock Folders",
        10,
        10,
        113,
        33,
        {{"style", std::to_string(style)}, {"font", "Verdana,8.25"}, {"tooltiptitle", ""}}};
    HWND button = controls::win32::createButton(main, desc);
    auto* control = controls::stylebutton::win32::ButtonWindow::fromHwnd(button);
    if (!control) return 1;
    control->control().refresh();  // style 6 settles on its fallback here when there is no theme
    platform::win32::WindowDc dc(button);
    std::vector<double> repaints, fills, ratios;
    for (int round = 0; round < rounds; ++round) {
      const double repaint = bench::microsecondsEach(n, [&] { control->control().refresh(); });
      const double fill = bench::microsecondsEach(n, [&] {
        plain.surface().clear(0xE8E7EA);
        plain.blitTo(dc.get(), 0, 0);
      });
      repaints.push_back(repaint);
      fills.push_back(fill);
      ratios.push_back(repaint / fill);
    }
    const double ratio = bench::median(ratios);
    if (style <= 10) allWithin = allWithin && ratio <= 20.0;
    const int drawn = control->control().style();
    std::printf("| %d%s | %.2f | %.2f | %.2f | %s |\n", style,
                drawn != style ? (" (drawn as " + std::to_string(drawn) + ")").c_str() : "", bench::median(repaints),
                bench::median(fills), ratio, ratio <= 20.0 ? "yes" : "no");
    ::DestroyWindow(button);
  }
  std::printf("every style within 20 x: %s\n", allWithin ? "yes" : "no");

  // What the caption costs: style 10 again, without one.
  {
    controls::win32::ButtonSpec desc{200, L"", 10, 10, 113, 33, {{"style", "10"}, {"caption", ""}}};
    HWND button = controls::win32::createButton(main, desc);
    auto* control = controls::stylebutton::win32::ButtonWindow::fromHwnd(button);
    if (!control) return 1;
    control->control().setCaption("");
    platform::win32::WindowDc dc(button);
    std::vector<double> repaints, fills;
    for (int round = 0; round < rounds; ++round) {
      repaints.push_back(bench::microsecondsEach(n, [&] { control->control().refresh(); }));
      fills.push_back(bench::microsecondsEach(n, [&] {
        plain.surface().clear(0xE8E7EA);
        plain.blitTo(dc.get(), 0, 0);
      }));
    }
    std::printf("style 10 without a caption: repaint %.2f us, fill and blit %.2f us\n", bench::median(repaints),
                bench::median(fills));
    ::DestroyWindow(button);
  }

  // Where a style-6 repaint's time goes: each visual-style call on its own, on the same surface.
  if (HTHEME theme = ::OpenThemeData(main, L"Button")) {
    const RECT r{0, 0, 113, 33}, grown{-1, -1, 114, 34};
    const double open = bench::microsecondsEach(n, [&] { ::CloseThemeData(::OpenThemeData(main, L"Button")); });
    const double region = bench::microsecondsEach(n, [&] {
      HRGN rgn = nullptr;
      if (SUCCEEDED(::GetThemeBackgroundRegion(theme, plain.dc(), 1, 1, &grown, &rgn))) ::DeleteObject(rgn);
    });
    const double draw = bench::microsecondsEach(n, [&] { ::DrawThemeBackground(theme, plain.dc(), 1, 1, &r, &r); });
    std::printf("style 6 parts (us): open and close %.2f, background region %.2f, draw background %.2f\n", open, region,
                draw);
    ::CloseThemeData(theme);
  }
  return 0;
}
