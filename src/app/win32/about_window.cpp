#include "app/win32/about_window.h"

#include "platform/win32/button.h"
#include "platform/win32/text_win32.h"
#include "resources/resource_ids.h"

namespace app {
namespace {

HFONT makeFont(const wchar_t* face, int points, bool bold, bool underline) {
  win::WindowDc screen(nullptr);
  const int height = -MulDiv(points, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
  return ::CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}

HWND label(HWND parent, const wchar_t* text, int x, int y, int w, int h, HFONT font, DWORD extra = 0, int id = 0) {
  HWND hwnd = ::CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | extra, x, y, w, h, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return hwnd;
}

}  // namespace

bool AboutWindow::create() {
  if (!registerClass(kClassName, nullptr, nullptr)) return false;
  const DWORD style = WS_POPUP | WS_DLGFRAME;
  const DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  CreateArgs args;
  args.className = kClassName;
  args.title = L"";
  args.style = style;
  args.exStyle = exStyle;
  args.x = work.left + (work.right - work.left - width) / 2;
  args.y = work.top + (work.bottom - work.top - height) / 2;
  args.width = width;
  args.height = height;
  if (!Window::create(args)) return false;

  titleFont_.reset(makeFont(L"Arial", 18, true, false));
  boldFont_.reset(makeFont(L"Arial", 10, true, false));
  linkFont_.reset(makeFont(L"Arial", 9, false, true));
  lockIcon_.reset(static_cast<HICON>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_LOCK), IMAGE_ICON, 48, 48, 0)));

  label(hwnd(), L"Quillmar Folder Vardel 1.4", 120, 24, 357, 32, titleFont_.get());
  label(hwnd(), L"Win XP", 408, 88, 73, 24, boldFont_.get());
  link_ = label(hwnd(), L"https://www.quillmar.example", 288, 112, 192, 19, linkFont_.get(), SS_NOTIFY, kLinkId);
  win::createButton(hwnd(), {kHomepageId, L"Homepage", 280, 160, 97, 33, win::storedButtonSettings(7, "Homepage")});
  win::createButton(hwnd(), {kCloseId, L"Close", 400, 160, 97, 33, win::storedButtonSettings(7, "Close")});
  return true;
}

void AboutWindow::paintBackground(HDC dc) {
  // Our background: a deep blue fading to a pale sky, a light band behind the title.
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  for (int y = 0; y < client.bottom; ++y) {
    const int t = y * 255 / (client.bottom > 1 ? client.bottom - 1 : 1);
    win::UniqueBrush brush(::CreateSolidBrush(RGB(20 + t * 180 / 255, 45 + t * 170 / 255, 110 + t * 130 / 255)));
    RECT row{0, y, client.right, y + 1};
    ::FillRect(dc, &row, brush.get());
  }
  // The 72 x 102 picture: a framed padlock.
  RECT picture{24, 8, 24 + 72, 8 + 102};
  win::UniqueBrush card(::CreateSolidBrush(RGB(245, 240, 225)));
  ::FillRect(dc, &picture, card.get());
  ::DrawEdge(dc, &picture, EDGE_RAISED, BF_RECT);
  if (lockIcon_) ::DrawIconEx(dc, 24 + 12, 8 + 27, lockIcon_.get(), 48, 48, 0, nullptr, DI_NORMAL);
}

LRESULT AboutWindow::onMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      paintBackground(reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      ::SetBkMode(dc, TRANSPARENT);
      const bool isLink = reinterpret_cast<HWND>(lparam) == link_;
      ::SetTextColor(dc, isLink ? RGB(255, 255, 160) : RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wparam) == link_) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_COMMAND:
      if (LOWORD(wparam) == kHomepageId || (LOWORD(wparam) == kLinkId && HIWORD(wparam) == STN_CLICKED)) {
        if (openLink_) openLink_(kHomePage);
        return 0;
      }
      if (LOWORD(wparam) == kCloseId) {
        ::ShowWindow(hwnd(), SW_HIDE);
        return 0;
      }
      break;
    case WM_CLOSE:
      return 0;  // it closes only through its Close button
    default:
      break;
  }
  return Window::onMessage(message, wparam, lparam);
}

}  // namespace app
