#include "controls/stylebutton/win32/style_button_window.h"

#include <shellapi.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "controls/stylebutton/renderer.h"
#include "core/text.h"

namespace stylebutton::win32 {

namespace {

std::wstring wide(std::string_view utf8) {
  const std::u16string u = core::utf8ToUtf16(utf8);
  return std::wstring(u.begin(), u.end());
}
std::string narrow(const std::wstring& text) {
  return core::utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

// Cursors for the host's mouse-pointer codes; 0 and unknown codes keep the class arrow.
LPCWSTR cursorFor(int pointer) {
  switch (pointer) {
    case 1: return IDC_ARROW;
    case 2: return IDC_CROSS;
    case 3: return IDC_IBEAM;
    case 5: case 15: return IDC_SIZEALL;
    case 6: return IDC_SIZENESW;
    case 7: return IDC_SIZENS;
    case 8: return IDC_SIZENWSE;
    case 9: return IDC_SIZEWE;
    case 10: return IDC_UPARROW;
    case 11: return IDC_WAIT;
    case 12: return IDC_NO;
    case 13: return IDC_APPSTARTING;
    case 14: return IDC_HELP;
    default: return nullptr;
  }
}

// 32-bit top-down pixels of a bitmap; empty when GDI refuses.
std::vector<std::uint32_t> bitmapPixels(HBITMAP bitmap, int w, int h) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  win::WindowDc screen(nullptr);
  if (::GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(h), pixels.data(), &info, DIB_RGB_COLORS) == 0) return {};
  return pixels;
}

}  // namespace

std::optional<gfx::Image> iconToImage(HICON icon) {
  ICONINFO info{};
  if (!icon || !::GetIconInfo(icon, &info)) return std::nullopt;
  win::UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
  BITMAP bm{};
  if (!::GetObjectW(mask.get(), sizeof bm, &bm)) return std::nullopt;
  const int w = bm.bmWidth;
  const int h = colour ? bm.bmHeight : bm.bmHeight / 2;  // a monochrome icon stacks AND over XOR
  const std::vector<std::uint32_t> maskBits = bitmapPixels(mask.get(), w, bm.bmHeight);
  std::vector<std::uint32_t> colourBits = colour ? bitmapPixels(colour.get(), w, h) : std::vector<std::uint32_t>();
  if (maskBits.empty() || (colour && colourBits.empty())) return std::nullopt;
  if (!colour) colourBits.assign(maskBits.begin() + static_cast<std::ptrdiff_t>(w) * h, maskBits.end());
  bool hasAlpha = false;
  for (std::uint32_t p : colourBits) hasAlpha = hasAlpha || (p >> 24) != 0;
  gfx::Image image(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x);
      const bool transparent = (maskBits[i] & 0xFFFFFFu) != 0;
      const std::uint32_t alpha = hasAlpha ? (colourBits[i] >> 24) : (transparent ? 0u : 255u);
      image.at(x, y) = (colourBits[i] & 0xFFFFFFu) | (alpha << 24);
    }
  }
  return image;
}

ButtonWindow::ButtonWindow(Key) : control_(*this) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    fontSpec_.face = narrow(metrics.lfMessageFont.lfFaceName);
    win::WindowDc screen(nullptr);
    const int dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    fontSpec_.size = std::abs(metrics.lfMessageFont.lfHeight) * 72.0 / (dpi > 0 ? dpi : 96);
  }
}

ButtonWindow::~ButtonWindow() = default;

bool ButtonWindow::registerClass() {
  WNDCLASSEXW wc{};
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  if (::GetClassInfoExW(instance, kClassName, &wc)) return true;
  wc.cbSize = sizeof(wc);
  // A DC of its own: every state change repaints at once, and asking for a common DC each
  // time costs more than the skin does.
  wc.style = CS_DBLCLKS | CS_OWNDC;
  wc.lpfnWndProc = &ButtonWindow::procedure;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  return ::RegisterClassExW(&wc) != 0;
}

HWND ButtonWindow::create(const CreateArgs& args) {
  if (!registerClass()) return nullptr;
  auto self = std::make_unique<ButtonWindow>(Key());
  self->id_ = args.id;
  const std::wstring caption = wide(args.settings.find("caption").value_or(""));
  HWND hwnd = ::CreateWindowExW(0, kClassName, caption.c_str(), args.style & ~WS_VISIBLE, args.x, args.y, args.width,
                                args.height, args.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                                ::GetModuleHandleW(nullptr), self.get());
  if (!hwnd) return nullptr;
  ButtonWindow* button = self.release();
  button->ownedByWindow_ = true;
  button->ownDc_.emplace(hwnd);
  button->control_.load(args.settings);
  button->loaded_ = true;
  button->syncingText_ = true;
  ::SetWindowTextW(hwnd, wide(button->control_.caption()).c_str());
  button->syncingText_ = false;
  if (args.style & WS_VISIBLE) {
    ::ShowWindow(hwnd, SW_SHOWNA);
    // Under a hidden parent the system only sets the style bit and sends no show message.
    if (!button->control_.isShown()) button->control_.show();
  }
  return hwnd;
}

ButtonWindow* ButtonWindow::fromHwnd(HWND hwnd) {
  wchar_t name[32] = {};
  if (!hwnd || !::GetClassNameW(hwnd, name, 32) || std::wcscmp(name, kClassName) != 0) return nullptr;
  return reinterpret_cast<ButtonWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK ButtonWindow::procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<ButtonWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<ButtonWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(hwnd, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->ownDc_.reset();
    self->hwnd_ = nullptr;
    if (self->ownedByWindow_) std::unique_ptr<ButtonWindow> owner(self);
    return ::DefWindowProcW(hwnd, message, wparam, lparam);
  }
  return self->onMessage(message, wparam, lparam);
}

// Runs ahead of the window's own procedure for the four messages it watches, then passes every
// message on unchanged.
LRESULT CALLBACK ButtonWindow::hookProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  ButtonWindow* self = fromHwnd(hwnd);
  if (!self) return ::DefWindowProcW(hwnd, message, wparam, lparam);
  const WNDPROC previous = self->previousProcedure_;
  switch (message) {
    case WM_MOUSEMOVE: {
      // Moves reach a captured control from anywhere; only one over it is an entry.
      RECT client;
      ::GetClientRect(hwnd, &client);
      const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
      if (::PtInRect(&client, at)) self->control_.hookMouseMove();
      break;
    }
    case WM_MOUSELEAVE:
      // A captured mouse has not left yet, whatever the pointer's position says; the release
      // outside queues the leave (see WM_LBUTTONUP).
      if (::GetCapture() != hwnd) self->control_.hookMouseLeave();
      break;
    case WM_THEMECHANGED: self->control_.hookThemeChanged(); break;
    case WM_SYSCOLORCHANGE: self->control_.hookSysColorChange(); break;
    default: break;
  }
  return previous ? ::CallWindowProcW(previous, hwnd, message, wparam, lparam)
                  : ::DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT ButtonWindow::onMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      paintDc_ = ::BeginPaint(hwnd_, &ps);
      // A window that paints is shown, whether or not a show message said so.
      if (loaded_ && !control_.isShown()) control_.show();
      else if (loaded_) control_.paint();
      ::EndPaint(hwnd_, &ps);
      paintDc_ = nullptr;
      return 0;
    }
    case WM_SIZE:
      if (loaded_) control_.resized();
      return 0;
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lparam);
      const LRESULT result = ::DefWindowProcW(hwnd_, message, wparam, lparam);
      if (loaded_ && (pos->flags & SWP_SHOWWINDOW) && !control_.isShown()) control_.show();
      if (loaded_ && (pos->flags & SWP_HIDEWINDOW)) control_.hide();
      return result;
    }
    case WM_SETFOCUS:
      control_.gotFocus();
      return 0;
    case WM_KILLFOCUS:
      control_.lostFocus();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (message == WM_LBUTTONDOWN && ::GetFocus() != hwnd_) ::SetFocus(hwnd_);
      ::SetCapture(hwnd_);
      control_.mouseDown(message == WM_LBUTTONDOWN ? 1 : message == WM_RBUTTONDOWN ? 2 : 4);
      return 0;
    case WM_LBUTTONDBLCLK:
      ::SetCapture(hwnd_);
      control_.doubleClick();
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      const int button = message == WM_LBUTTONUP ? 1 : message == WM_RBUTTONUP ? 2 : 4;
      const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
      RECT client;
      ::GetClientRect(hwnd_, &client);
      const bool inside = ::PtInRect(&client, at) != FALSE;
      if (::GetCapture() == hwnd_) ::ReleaseCapture();
      // While the mouse was captured no leave was reported; the one the system owes us for a
      // release outside is queued here, so the mouse-up handling finds it pending.
      if (!inside && control_.mouseInside() && control_.hookInstalled())
        ::PostMessageW(hwnd_, WM_MOUSELEAVE, 0, 0);
      control_.mouseUp(button);
      if (inside && hwnd_) control_.click();
      return 0;
    }
    case WM_KEYDOWN:
      if (wparam == VK_TAB) {
        control_.keyDown(VK_TAB);
        moveFocus(::GetKeyState(VK_SHIFT) < 0);
      } else {
        control_.keyDown(static_cast<int>(wparam));
      }
      return 0;
    case WM_KEYUP:
      control_.keyUp(static_cast<int>(wparam));
      return 0;
    case WM_GETDLGCODE: {
      // The dialog manager moves the focus on Tab itself; the control still hears the key.
      const auto* msg = reinterpret_cast<const MSG*>(lparam);
      // It also asks the control that is about to get the focus, with the same message.
      if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB && ::GetFocus() == hwnd_)
        control_.keyDown(VK_TAB);
      return DLGC_WANTARROWS | (isDefault_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    }
    case BM_CLICK:
      control_.accessKey();
      return 0;
    case BM_SETSTYLE: {
      const bool isDefault = (wparam & 0x0F) == BS_DEFPUSHBUTTON;
      if (isDefault != isDefault_) {
        isDefault_ = isDefault;
        control_.ambientChanged("DisplayAsDefault");
      }
      return 0;
    }
    case WM_ENABLE:
      if ((wparam != 0) != control_.enabled()) control_.setEnabled(wparam != 0);
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = ::DefWindowProcW(hwnd_, message, wparam, lparam);
      if (!syncingText_ && loaded_) {
        syncingText_ = true;
        control_.setCaption(narrow(lparam ? reinterpret_cast<const wchar_t*>(lparam) : L""));
        syncingText_ = false;
      }
      return result;
    }
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_.get());
    case WM_SETCURSOR:
      if (LPCWSTR cursor = cursorFor(pointer_); cursor && LOWORD(lparam) == HTCLIENT) {
        ::SetCursor(::LoadCursorW(nullptr, cursor));
        return TRUE;
      }
      break;
    case WM_DESTROY:
      control_.terminate();
      break;
    default:
      break;
  }
  return ::DefWindowProcW(hwnd_, message, wparam, lparam);
}

// --- ButtonHost ---------------------------------------------------------------------------------

void ButtonWindow::propertyChanged(std::string_view name) {
  if (name == "Caption" && !syncingText_ && hwnd_) {
    syncingText_ = true;
    ::SetWindowTextW(hwnd_, wide(control_.caption()).c_str());
    syncingText_ = false;
  }
}

int ButtonWindow::width() const {
  RECT r{};
  ::GetClientRect(hwnd_, &r);
  return r.right - r.left;
}

int ButtonWindow::height() const {
  RECT r{};
  ::GetClientRect(hwnd_, &r);
  return r.bottom - r.top;
}

void ButtonWindow::setSize(int w, int h) {
  ::SetWindowPos(hwnd_, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ButtonWindow::setWindowEnabled(bool enabled) {
  if (hwnd_ && (::IsWindowEnabled(hwnd_) != FALSE) != enabled) ::EnableWindow(hwnd_, enabled);
}

void ButtonWindow::setFont(const FontSpec& font) {
  win::WindowDc screen(nullptr);
  const int dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
  const int height = -static_cast<int>(std::lround(font.size * (dpi > 0 ? dpi : 96) / 72.0));
  const std::wstring face = wide(font.face);
  win::UniqueFont created(::CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, font.underline,
                                        font.strikeout, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                        DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
  if (!created) return;
  fontSpec_ = font;
  text_.reset();
  font_ = std::move(created);
}

void ButtonWindow::setWindowRegion(const gfx::Region& region) {
  win::UniqueRegion shape = gfx::win32::toRegion(region);
  if (shape && ::SetWindowRgn(hwnd_, shape.get(), TRUE)) shape.release();  // the window owns it now
}

std::optional<Picture> ButtonWindow::loadPicture(std::string_view source) {
  const std::string text(source);
  const bool resource = text.rfind("res:", 0) == 0;
  const bool bitmap = !resource && text.size() > 4 && core::asciiLower(text.substr(text.size() - 4)) == ".bmp";
  HANDLE handle = nullptr;
  if (resource) {
    const auto id = parseInteger(text.substr(4));
    if (!id) return std::nullopt;
    handle = ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(static_cast<int>(*id)), IMAGE_ICON, 0, 0,
                          LR_DEFAULTSIZE);
  } else {
    handle = ::LoadImageW(nullptr, wide(text).c_str(), bitmap ? IMAGE_BITMAP : IMAGE_ICON, 0, 0,
                          LR_LOADFROMFILE | (bitmap ? LR_CREATEDIBSECTION : LR_DEFAULTSIZE));
  }
  if (!handle) return std::nullopt;
  if (bitmap) {
    win::UniqueBitmap owned(static_cast<HBITMAP>(handle));
    BITMAP bm{};
    if (!::GetObjectW(owned.get(), sizeof bm, &bm)) return std::nullopt;
    std::vector<std::uint32_t> pixels = bitmapPixels(owned.get(), bm.bmWidth, std::abs(bm.bmHeight));
    if (pixels.empty()) return std::nullopt;
    auto image = std::make_shared<gfx::Image>(bm.bmWidth, std::abs(bm.bmHeight));
    for (std::size_t i = 0; i < pixels.size(); ++i) image->pixels[i] = pixels[i] | 0xFF000000u;
    return Picture{text, std::move(image), false};
  }
  win::UniqueIcon owned(static_cast<HICON>(handle));
  auto image = iconToImage(owned.get());
  if (!image) return std::nullopt;
  return Picture{text, std::make_shared<gfx::Image>(std::move(*image)), true};
}

gfx::Surface* ButtonWindow::beginPaint(int w, int h) {
  if (!dib_.resize(w, h)) return nullptr;
  dib_.flush();  // text from the last repaint may still be queued in GDI
  return &dib_.surface();
}

void ButtonWindow::endPaint() {
  dib_.flush();
  if (paintDc_) {
    dib_.blitTo(paintDc_, 0, 0);
  } else if (hwnd_ && ownDc_ && *ownDc_) {
    dib_.blitTo(ownDc_->get(), 0, 0);
  }
}

gfx::TextRenderer& ButtonWindow::text() {
  if (!dib_.dc()) dib_.resize(std::max(width(), 1), std::max(height(), 1));
  if (!text_) text_.emplace(dib_.dc(), font_.get());
  return *text_;
}

bool ButtonWindow::findTrackingFunction() {
  struct Candidate {
    const wchar_t* module;
    const char* name;
  };
  for (const Candidate c : {Candidate{L"user32.dll", "TrackMouseEvent"}, Candidate{L"comctl32.dll", "_TrackMouseEvent"}}) {
    HMODULE module = ::GetModuleHandleW(c.module);
    HMODULE loaded = module ? nullptr : ::LoadLibraryW(c.module);
    if (!module && !loaded) continue;
    if (FARPROC proc = ::GetProcAddress(module ? module : loaded, c.name)) {
      // A module loaded here stays loaded: the function is called for as long as the control lives.
      track_ = reinterpret_cast<TrackFunction>(reinterpret_cast<void (*)()>(proc));
      return true;
    }
    if (loaded) ::FreeLibrary(loaded);
  }
  return false;
}

void ButtonWindow::installHook() {
  previousProcedure_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ButtonWindow::hookProcedure)));
}

void ButtonWindow::removeHook() {
  if (previousProcedure_ && hwnd_) ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProcedure_));
  previousProcedure_ = nullptr;
}

void ButtonWindow::armLeaveTracking() {
  if (!track_) return;
  TRACKMOUSEEVENT request{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd_, 0};
  track_(&request);
}

void ButtonWindow::processPendingMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

void ButtonWindow::moveFocus(bool backwards) {
  HWND root = ::GetAncestor(hwnd_, GA_ROOT);
  if (HWND next = ::GetNextDlgTabItem(root, hwnd_, backwards ? TRUE : FALSE); next && next != hwnd_) ::SetFocus(next);
}

int ButtonWindow::shellOpen(std::string_view link) {
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteW(hwnd_, L"open", wide(link).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return static_cast<int>(result);
}

void ButtonWindow::raise(Event event) {
  HWND self = hwnd_;
  if (onEvent) onEvent(event);
  if (event == Event::Click && self && ::IsWindow(self)) {
    ::SendMessageW(::GetParent(self), WM_COMMAND, MAKEWPARAM(id_, BN_CLICKED), reinterpret_cast<LPARAM>(self));
  }
}

bool ButtonWindow::paintIconGrayscale(HDC target, HICON icon, int x, int y, int height, int width) {
  if (!target || !icon) return false;
  ICONINFO info{};
  if (!::GetIconInfo(icon, &info)) return false;
  win::UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
  if (!colour) return false;
  BITMAP bm{};
  if (!::GetObjectW(colour.get(), sizeof bm, &bm)) return false;
  std::vector<std::uint32_t> pixels = bitmapPixels(colour.get(), bm.bmWidth, bm.bmHeight);
  if (pixels.empty()) return false;
  for (auto& p : pixels) p = (p & 0xFF000000u) | gfx::toDib(grayIconColour(gfx::fromDib(p & 0xFFFFFFu)));
  BITMAPINFO bmi{};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = bm.bmWidth;
  bmi.bmiHeader.biHeight = -bm.bmHeight;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  win::WindowDc screen(nullptr);
  if (!::SetDIBits(screen.get(), colour.get(), 0, static_cast<UINT>(bm.bmHeight), pixels.data(), &bmi, DIB_RGB_COLORS))
    return false;
  ICONINFO grayInfo{TRUE, 0, 0, mask.get(), colour.get()};
  win::UniqueIcon gray(::CreateIconIndirect(&grayInfo));
  if (!gray) return false;
  return ::DrawIconEx(target, x, y, gray.get(), width, height, 0, nullptr, DI_NORMAL) != FALSE;
}

}  // namespace stylebutton::win32
