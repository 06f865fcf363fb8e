#pragma once
// What the repaint benchmarks share: a host window to put a control on, a timed loop and the
// median of the rounds (the machine is shared, so the median round is the figure).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

// A plain visible top-level window of its own class.
inline HWND hostWindow(const wchar_t* className) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ::DefWindowProcW;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = className;
  ::RegisterClassExW(&wc);
  return ::CreateWindowExW(0, className, L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                           wc.hInstance, nullptr);
}

// Microseconds per call of f over n calls, GDI's queue flushed before the clock stops.
template <typename F>
double microsecondsEach(int n, F&& f) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < n; ++i) f();
  ::GdiFlush();
  const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
  return took.count() / n;
}

inline double least(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

inline double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace bench
