// The control's own tooltip under Wine, with the pointer moved over a real control of a form and
// away again: the tooltip window exists only while the pointer is over the control, and the form
// has the tip text back afterwards.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "controls/stylebutton/win32/style_button_window.h"
#include "platform/win32/text_win32.h"
#include "support/sequence.h"
#include "support/win32/gui_resources.h"
#include "support/win32/input.h"
#include "support/win32/pump.h"
#include "support/win32/screenshot.h"
#include "win/controls/stylebutton/button_form.h"

namespace {

using controls::stylebutton::win32::ButtonWindow;
using testsupport::pump;

// The tip carries letters the ANSI code page lacks: the text goes through the wide messages.
const std::string kTip = "Lock every listed folder \xD0\x97\xD0\xB0\xD0\xBC\xD0\xBE\xD0\xBA";  // "Замок"
const std::wstring kWideTip = L"Lock every listed folder \u0417\u0430\u043C\u043E\u043A";

using Strings = std::vector<std::string>;

// Waits, with the loop running, for the condition; false when it never held.
template <typename Condition>
bool waitFor(Condition condition, std::chrono::milliseconds timeout = std::chrono::milliseconds(2000)) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    pump(std::chrono::milliseconds(20));
  }
  return true;
}

DWORD tooltipWindowsOfThisProcess() {
  DWORD count = 0;
  ::EnumWindows(
      [](HWND hwnd, LPARAM counter) -> BOOL {
        wchar_t cls[64] = {};
        DWORD pid = 0;
        ::GetWindowThreadProcessId(hwnd, &pid);
        if (pid == ::GetCurrentProcessId() && ::GetClassNameW(hwnd, cls, 64) && lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0)
          ++*reinterpret_cast<DWORD*>(counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

// What is sent to tooltip windows of this thread, recorded on its way in.
class SentToTooltips {
 public:
  SentToTooltips() : hook_(::SetWindowsHookExW(WH_CALLWNDPROC, &record, nullptr, ::GetCurrentThreadId())) {
    current_ = this;
  }
  SentToTooltips(const SentToTooltips&) = delete;
  SentToTooltips& operator=(const SentToTooltips&) = delete;
  ~SentToTooltips() {
    if (hook_) ::UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  bool hooked() const { return hook_ != nullptr; }
  std::vector<std::string> sent;

 private:
  static LRESULT CALLBACK record(int code, WPARAM wparam, LPARAM lparam) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lparam);
    wchar_t cls[64] = {};
    if (code == HC_ACTION && current_ && ::GetClassNameW(m->hwnd, cls, 64) && lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0) {
      switch (m->message) {
        case TTM_ADDTOOLW: current_->sent.push_back("add"); break;
        case TTM_DELTOOLW: current_->sent.push_back("delete"); break;
        case TTM_SETTITLEW:
          current_->sent.push_back("title " + std::to_string(m->wParam) + " " +
                                   platform::win32::narrow(reinterpret_cast<const wchar_t*>(m->lParam)));
          break;
        case TTM_SETTIPTEXTCOLOR: current_->sent.push_back("text colour"); break;
        case TTM_SETTIPBKCOLOR: current_->sent.push_back("back colour"); break;
        default: break;
      }
    }
    return ::CallNextHookEx(nullptr, code, wparam, lparam);
  }
  static inline SentToTooltips* current_ = nullptr;
  HHOOK hook_;
};

// Whether the platform's tooltips give a title back (Wine 8's answer an empty one).
bool titlesComeBack() {
  controls::common::win32::TooltipWindow probe;
  if (!probe.create(nullptr, TTS_ALWAYSTIP) || !probe.setTitle(TTI_INFO, L"probe")) return false;
  wchar_t title[16] = {};
  TTGETTITLE got{sizeof got, 0, 16, title};
  ::SendMessageW(probe.hwnd(), TTM_GETTITLE, 0, reinterpret_cast<LPARAM>(&got));
  return std::wstring(title) == L"probe" && got.uTitleBitmap == TTI_INFO;
}

// The title and icon of a tooltip window, when the platform gives them back.
void expectTitle(HWND tip, const wchar_t* title, UINT icon) {
  if (!titlesComeBack()) return;
  wchar_t got[64] = {};
  TTGETTITLE answer{sizeof answer, 0, 64, got};
  ::SendMessageW(tip, TTM_GETTITLE, 0, reinterpret_cast<LPARAM>(&answer));
  EXPECT_EQ(answer.uTitleBitmap, icon);
  EXPECT_STREQ(got, title);
}

class OwnTooltip : public testing::Test {
 protected:
  void make(const char* type) {
    controls::win32::ButtonSpec lock{101, L"Lock Folders", 20, 20, 113, 33, {}};
    lock.settings = {{"style", "10"},       {"tooltiptext", kTip}, {"tooltiptitle", "Lock"}, {"tooltipicon", "1"},
                     {"tooltiptype", type}, {"ttforecolor", "0"},  {"ttbackcolor", "0"},     {"font", "Verdana,8.25"}};
    ASSERT_TRUE(form_.make({lock}));
    button_ = form_.control(101);
    ASSERT_NE(ButtonWindow::fromHwnd(button_), nullptr);
    ::SetForegroundWindow(form_.hwnd());
    away();
  }
  ButtonWindow& window() { return *ButtonWindow::fromHwnd(button_); }
  bool over() {
    testsupport::moveTo(button_, {50, 16});
    if (!waitFor([&] { return window().tooltipWindow() != nullptr && window().control().mouseInside(); })) return false;
    // Under Wine the warped pointer is now and then still reported where it was when the control
    // asks for its leave, and then nothing is armed and no leave ever comes. Ask again as the
    // control did, only then.
    TRACKMOUSEEVENT query{sizeof query, TME_QUERY, nullptr, 0};
    ::TrackMouseEvent(&query);
    if (query.hwndTrack != button_ || !(query.dwFlags & TME_LEAVE)) {
      ++rearmed_;
      TRACKMOUSEEVENT again{sizeof again, TME_LEAVE, button_, 0};
      ::TrackMouseEvent(&again);
    }
    return true;
  }
  testing::AssertionResult away() {
    testsupport::moveTo(form_.hwnd(), {300, 170});
    if (waitFor([&] { return window().tooltipWindow() == nullptr && !window().control().mouseInside(); }))
      return testing::AssertionSuccess();
    return testing::AssertionFailure() << "tooltip " << window().tooltipWindow() << ", pointer inside "
                                       << window().control().mouseInside();
  }
  void TearDown() override { pump(std::chrono::milliseconds(50)); }

  testforms::ButtonForm form_;
  HWND button_ = nullptr;
  int rearmed_ = 0;
};

TEST_F(OwnTooltip, BalloonWithTitleAndIconWhileThePointerIsOver) {
  make("1");
  SentToTooltips sent;
  ASSERT_TRUE(sent.hooked());
  EXPECT_EQ(form_.tipText(button_), kTip) << "the stored tip went to the form at load";
  ASSERT_TRUE(over());
  const HWND tip = window().tooltipWindow();
  wchar_t cls[64] = {};
  ::GetClassNameW(tip, cls, 64);
  EXPECT_STREQ(cls, L"tooltips_class32");
  // An owner is always a top-level window: the system takes the control's form for it.
  EXPECT_EQ(::GetWindow(tip, GW_OWNER), form_.hwnd());
  const LONG style = ::GetWindowLongW(tip, GWL_STYLE);
  EXPECT_EQ(style & (TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON), TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON)
      << std::hex << style;
  EXPECT_TRUE(testsupport::sameSequence(Strings{"add", "title 1 Lock"}, sent.sent)) << "no colours: both are 0";
  expectTitle(tip, L"Lock", TTI_INFO);
  wchar_t text[128] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = button_;
  tool.uId = 0;
  tool.lpszText = text;
  ::SendMessageW(tip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
  EXPECT_EQ(std::wstring(text), kWideTip);
  ASSERT_TRUE(::SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_EQ(tool.uFlags & (TTF_SUBCLASS | TTF_IDISHWND), static_cast<UINT>(TTF_SUBCLASS));
  RECT client{};
  ::GetClientRect(button_, &client);
  EXPECT_TRUE(::EqualRect(&tool.rect, &client));
  EXPECT_EQ(form_.tipText(button_), "") << "the form shows no tip of its own meanwhile";

  // Resting on the control, the balloon shows by itself.
  EXPECT_TRUE(waitFor([&] { return ::IsWindowVisible(tip) != FALSE; }, std::chrono::milliseconds(4000)));
  pump(std::chrono::milliseconds(300));
  RECT shot{}, balloon{};
  ::GetWindowRect(form_.hwnd(), &shot);
  ::GetWindowRect(tip, &balloon);
  ::UnionRect(&shot, &shot, &balloon);
  testsupport::saveScreenshot(shot, "stylebutton-tooltip");

  sent.sent.clear();
  ASSERT_TRUE(away());
  EXPECT_TRUE(testsupport::sameSequence(Strings{"delete"}, sent.sent));
  EXPECT_FALSE(::IsWindow(tip)) << "destroyed on leave";
  EXPECT_EQ(form_.tipText(button_), kTip);
}

TEST_F(OwnTooltip, RectangularTipOfType0KeepsTitleAndIcon) {
  make("0");
  SentToTooltips sent;
  ASSERT_TRUE(over());
  const HWND tip = window().tooltipWindow();
  EXPECT_EQ(::GetWindowLongW(tip, GWL_STYLE) & TTS_BALLOON, 0);
  EXPECT_TRUE(testsupport::sameSequence(Strings{"add", "title 1 Lock"}, sent.sent));
  expectTitle(tip, L"Lock", TTI_INFO);
  ASSERT_TRUE(away());
}

TEST_F(OwnTooltip, NothingLeftAfterEntriesAndLeaves) {
  make("1");
  // Counters that see objects come and go, or a count that stays the same means nothing.
  const DWORD gdiBefore = testsupport::win32::gdiObjects();
  {
    platform::win32::UniqueBrush brush(::CreateSolidBrush(RGB(1, 2, 3)));
    ASSERT_EQ(testsupport::win32::gdiObjects(), gdiBefore + 1) << "the GDI count sees a new brush";
  }
  ASSERT_EQ(testsupport::win32::gdiObjects(), gdiBefore);

  for (int cycle = 0; cycle < 2; ++cycle) {
    ASSERT_TRUE(over()) << cycle;
    EXPECT_EQ(tooltipWindowsOfThisProcess(), 1u);
    ASSERT_TRUE(away()) << cycle;
  }
  EXPECT_EQ(tooltipWindowsOfThisProcess(), 0u) << "after two cycles";
  EXPECT_EQ(form_.tipText(button_), kTip);

  const DWORD gdi = testsupport::win32::gdiObjects(), user = testsupport::win32::userObjects();
  const DWORD apiGdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  const DWORD apiUser = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
  for (int cycle = 0; cycle < 100; ++cycle) {
    ASSERT_TRUE(over()) << cycle;
    ASSERT_TRUE(away()) << cycle;
  }
  EXPECT_EQ(tooltipWindowsOfThisProcess(), 0u);
  EXPECT_EQ(testsupport::win32::gdiObjects(), gdi) << "GDI objects after 100 entries and leaves";
  EXPECT_EQ(testsupport::win32::userObjects(), user) << "USER objects after 100 entries and leaves";
  std::printf(
      "after 100 entries and leaves: GDI %lu -> %lu, USER %lu -> %lu; GetGuiResources said %lu/%lu before,"
      " %lu/%lu after; leave asked again %d times\n",
      gdi, testsupport::win32::gdiObjects(), user, testsupport::win32::userObjects(), apiGdi, apiUser,
      ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS),
      rearmed_);
}

}  // namespace
