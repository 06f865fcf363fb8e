#include "app/win32/splash_window.h"

#include "controls/win32/create_button.h"
#include "platform/win32/gdi.h"
#include "platform/win32/text_win32.h"
#include "resources/resource_ids.h"

namespace app::win32 {
namespace {

using platform::win32::Child;
using platform::win32::ChildKind;

const std::vector<Child> kLayout = {
    {SplashWindow::kProductNameId, ChildKind::Label, L"Quillmar Folder Vardel 1.4", 120, 24, 357, 32},
    {SplashWindow::kPlatformId, ChildKind::Label, L"Win XP", 408, 88, 73, 24},
    {SplashWindow::kLinkId, ChildKind::Link, L"https://www.quillmar.example", 288, 112, 192, 19},
    {SplashWindow::kHomepageId, ChildKind::Button, L"Homepage", 280, 160, 97, 33},
    {SplashWindow::kCloseId, ChildKind::Button, L"Close", 400, 160, 97, 33},
};

platform::win32::UniqueFont makeFont(double points, bool bold, bool underline) {
  platform::win32::FontRequest request;
  request.face = L"Arial";
  request.points = points;
  request.bold = bold;
  request.underline = underline;
  request.pitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  return platform::win32::makeFont(request);
}

}  // namespace

SplashWindow::SplashWindow(std::function<void(const char*)> openLink) : openLink_(std::move(openLink)) {
  const auto home = [this] {
    if (openLink_) openLink_(kHomePage);
  };
  onClick(kHomepageId, home);
  onCommand(kLinkId, STN_CLICKED, home);
  onClick(kCloseId, [this] { ::ShowWindow(hwnd(), SW_HIDE); });
}

bool SplashWindow::create() {
  titleFont_ = makeFont(18, true, false);
  boldFont_ = makeFont(10, true, false);
  linkFont_ = makeFont(9, false, true);
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  lockIcon_.reset(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_LOCK), IMAGE_ICON, 48, 48, 0)));
  platform::win32::FormArgs form{
      kClassName,   L"",          WS_POPUP | WS_DLGFRAME, WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME,
      kClientWidth, kClientHeight};
  // Shared: the class keeps it for the life of the process, past any one window.
  form.icon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_ABOUT), IMAGE_ICON, 48, 48, LR_SHARED));
  if (!createForm(form, kLayout)) return false;
  // The middle of the screen, not of the work area: the taskbar does not move it.
  RECT frame{};
  ::GetWindowRect(hwnd(), &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  ::SetWindowPos(hwnd(), nullptr, (::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (::GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

HWND SplashWindow::createChild(const Child& c) {
  if (c.kind != ChildKind::Button) return nullptr;
  return controls::win32::createButton(hwnd(),
                                       {c.id, c.text, c.x, c.y, c.width, c.height,
                                        controls::win32::storedButtonSettings(7, platform::win32::narrow(c.text))});
}

HFONT SplashWindow::fontFor(const Child& c) {
  switch (c.id) {
    case kProductNameId: return titleFont_.get();
    case kPlatformId: return boldFont_.get();
    case kLinkId: return linkFont_.get();
    default: return nullptr;
  }
}

COLORREF SplashWindow::textColour(HWND child) {
  return child == control(kLinkId) ? RGB(255, 255, 160) : RGB(255, 255, 255);
}

HBRUSH SplashWindow::childBrush(HWND, HDC) {
  // The labels draw their text straight onto the painted background.
  return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void SplashWindow::paintBackground(HDC dc) {
  // Our background: a deep blue fading to a pale sky, a light band behind the title.
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  for (int y = 0; y < client.bottom; ++y) {
    const int t = y * 255 / (client.bottom > 1 ? client.bottom - 1 : 1);
    platform::win32::UniqueBrush brush(
        ::CreateSolidBrush(RGB(20 + t * 180 / 255, 45 + t * 170 / 255, 110 + t * 130 / 255)));
    RECT row{0, y, client.right, y + 1};
    ::FillRect(dc, &row, brush.get());
  }
  // The 72 x 102 picture: a framed padlock.
  RECT picture{24, 8, 24 + 72, 8 + 102};
  platform::win32::UniqueBrush card(::CreateSolidBrush(RGB(245, 240, 225)));
  ::FillRect(dc, &picture, card.get());
  ::DrawEdge(dc, &picture, EDGE_RAISED, BF_RECT);
  if (lockIcon_) ::DrawIconEx(dc, 24 + 12, 8 + 27, lockIcon_.get(), 48, 48, 0, nullptr, DI_NORMAL);
}

LRESULT SplashWindow::onMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CLOSE: return 0;  // it closes only through its Close button
    default: break;
  }
  return FormWindow::onMessage(message, wparam, lparam);
}

}  // namespace app::win32
