#include "credentials/win32/form_view.h"

#include <commctrl.h>

#include <cstring>

#include "controls/win32/create_button.h"
#include "credentials/pictures.h"
#include "platform/win32/gdi.h"
#include "platform/win32/text_win32.h"

namespace credentials::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

COLORREF colorRef(std::uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

platform::win32::UniqueFont makeFont(double points, bool bold) {
  platform::win32::FontRequest request;
  request.face = L"Tahoma";
  request.points = points;
  request.bold = bold;
  request.pitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  request.quality = CLEARTYPE_QUALITY;
  return platform::win32::makeFont(request);
}

}  // namespace

FormView::FormView(Layout layout) : layout_(std::move(layout)) {
  // A drop-down field keeps its text selected after Tab has passed through it.
  onCommand(kCombo1, CBN_KILLFOCUS, [this] { ::SendMessageW(control(kCombo1), CB_SETEDITSEL, 0, MAKELPARAM(-1, 0)); });
}

HWND FormView::create() {
  if (hwnd()) return hwnd();
  // The picture belongs to the background, so the Image1 control shows it through its brush.
  const platform::win32::Child* image = nullptr;
  for (const platform::win32::Child& c : layout_.children) {
    if (c.kind == platform::win32::ChildKind::Picture) image = &c;
  }
  const pictures::Pixels pixels =
      pictures::background(layout_.clientWidth, layout_.clientHeight, image ? image->x : 0, image ? image->y : 0,
                           image ? image->width : 0, image ? image->height : 0);
  std::uint32_t* bits = nullptr;
  platform::win32::UniqueBitmap background = platform::win32::createDib(nullptr, pixels.width, pixels.height, bits);
  if (background) std::memcpy(bits, pixels.rgb.data(), pixels.rgb.size() * sizeof(std::uint32_t));
  setBackground(std::move(background));
  labelFont_ = makeFont(8.25, false);  // 11 pixels
  headingFont_ = makeFont(9, true);    // 12 pixels

  platform::win32::FormArgs form{layout_.className,
                                 layout_.title,
                                 WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                                 WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT,  // no taskbar button; Tab moves
                                 layout_.clientWidth,
                                 layout_.clientHeight};
  form.centred = true;
  if (!createForm(form, layout_.children)) return nullptr;
  for (const platform::win32::Child& c : layout_.children) previewKeysOf(control(c.id));
  rememberFocus(control(layout_.firstFocus));
  load();
  push();
  return hwnd();
}

HWND FormView::createChild(const platform::win32::Child& c) {
  if (c.kind != platform::win32::ChildKind::Button) return nullptr;
  return controls::win32::createButton(hwnd(),
                                       {c.id, c.text, c.x, c.y, c.width, c.height,
                                        controls::win32::storedButtonSettings(10, platform::win32::narrow(c.text))});
}

HFONT FormView::fontFor(const platform::win32::Child& c) {
  return c.id == kLabel2 ? headingFont_.get() : labelFont_.get();
}

COLORREF FormView::textColour(HWND child) {
  RECT r{};
  ::GetWindowRect(child, &r);
  POINT top{r.left, r.top};
  ::ScreenToClient(hwnd(), &top);
  return colorRef(top.y < pictures::kBandHeight ? pictures::kHeadingText : pictures::kLabelText);
}

void FormView::fillCombo(const std::vector<std::string>& items) {
  HWND combo = control(kCombo1);
  ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::win32::widen(item).c_str()));
  }
}

void FormView::previewKeysOf(HWND child) {
  if (!child) return;
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  // A drop-down field types into an edit control of its own.
  if (::GetComboBoxInfo(child, &info) && info.hwndItem) {
    ::SetWindowSubclass(info.hwndItem, &FormView::keyPreview, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  }
  ::SetWindowSubclass(child, &FormView::keyPreview, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK FormView::keyPreview(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                      DWORD_PTR selfPtr) {
  auto* self = reinterpret_cast<FormView*>(selfPtr);
  switch (message) {
    case WM_GETDLGCODE: {
      // The dialog manager would turn Enter into its own command before the window could see it.
      const LRESULT code = ::DefSubclassProc(hwnd, message, wparam, lparam);
      const auto* msg = reinterpret_cast<const MSG*>(lparam);
      if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) return code | DLGC_WANTALLKEYS;
      return code;
    }
    case WM_CHAR:
      self->pull();
      if (self->keyPress(static_cast<int>(wparam))) {
        self->push();
        return 0;
      }
      break;
    case WM_NCDESTROY: ::RemoveWindowSubclass(hwnd, &FormView::keyPreview, kSubclassId); break;
    default: break;
  }
  return ::DefSubclassProc(hwnd, message, wparam, lparam);
}

LRESULT FormView::onMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CHAR:
      // Keys that reach the window itself (no control has the focus).
      pull();
      if (keyPress(static_cast<int>(wparam))) push();
      return 0;
    case WM_CLOSE:
      // Windows are hidden, never destroyed, before the session ends.
      ::ShowWindow(hwnd(), SW_HIDE);
      return 0;
    default: break;
  }
  return FormWindow::onMessage(message, wparam, lparam);
}

}  // namespace credentials::win32
