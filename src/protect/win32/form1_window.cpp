#include "protect/win32/form1_window.h"

#include <windowsx.h>

#include <algorithm>
#include <exception>
#include <vector>

#include "core/rounding.h"
#include "form1_resource_ids.h"
#include "controls/win32/create_button.h"
#include "platform/win32/gdi.h"
#include "protect/form1_background.h"
#include "platform/win32/text_win32.h"
#include "resource_ids.h"

namespace protect::win32 {
namespace {

using platform::win32::Child;
using platform::win32::ChildKind;
using platform::win32::narrow;
using platform::win32::UniqueFont;
using platform::win32::widen;

constexpr const wchar_t* kClassName = L"Form1";
constexpr COLORREF kLinkColour = RGB(0x00, 0x33, 0xCC);
constexpr int kDirIndent = 12;

// Its controls never paint over each other, whatever order they repaint in.
constexpr DWORD kOwnArea = WS_CLIPSIBLINGS;

// The hourglass while lock all or unlock all walks every folder and its contents; the pointer
// the user had comes back when the pass is done.
class WaitCursor {
 public:
  WaitCursor() : previous_(::SetCursor(::LoadCursorW(nullptr, IDC_WAIT))) {}
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  ~WaitCursor() { ::SetCursor(previous_); }

 private:
  HCURSOR previous_;  // a shared system cursor: nothing to destroy
};

// In tab order: the order of creation is the order Tab walks. The lists and the add and remove
// buttons are the window's own kinds.
const std::vector<Child> kLayout = {
    {Form1Window::Dir2, ChildKind::Other, L"", 24, 88, 449, 81},
    {Form1Window::cmdlock, ChildKind::Button, L"Lock Folders", 8, 488, 113, 33},
    {Form1Window::cmdunlock, ChildKind::Button, L"Unlock Folders", 128, 488, 113, 33},
    {Form1Window::Label1, ChildKind::Label, L"Quillmar Folder Vardel 1.4", 248, 16, 225, 25, kOwnArea},
    {Form1Window::StyleButton1, ChildKind::Button, L"Home", 24, 16, 65, 33},
    {Form1Window::StyleButton2, ChildKind::Button, L"Help", 96, 16, 65, 33},
    {Form1Window::StyleButton3, ChildKind::Button, L"Register", 168, 16, 73, 33},
    {Form1Window::Label2, ChildKind::Label, L"List of locked folders :", 24, 224, 137, 17, kOwnArea},
    {Form1Window::Drive1, ChildKind::Other, L"", 24, 64, 449, 21},
    {Form1Window::ListView1, ChildKind::Other, L"", 24, 248, 449, 233},
    {Form1Window::SheenButton1, ChildKind::Other, L"", 168, 192, 49, 41},
    {Form1Window::SheenButton2, ChildKind::Other, L"", 240, 192, 49, 41},
    {Form1Window::StyleButton4, ChildKind::Button, L"Close", 248, 488, 113, 33},
    {Form1Window::Label3, ChildKind::Link, L"www.quillmar.example", 304, 40, 160, 16, kOwnArea},
    {Form1Window::StyleButton5, ChildKind::Button, L"About", 368, 488, 113, 33},
    {Form1Window::Label4, ChildKind::Label, L"Double click to select a folder", 24, 176, 169, 17, kOwnArea},
    {Form1Window::StyleButton7, ChildKind::Button, L"Change Password", 320, 224, 153, 20},
};

// Picture numbers of the small-icon set (counting from 1) the two lists use.
constexpr int kClosedFolderPicture = 1;
constexpr int kOpenFolderPicture = 2;
int drivePicture(protect::DriveKind kind) {
  switch (kind) {
    case protect::DriveKind::Removable: return 4;
    case protect::DriveKind::Optical: return 5;
    case protect::DriveKind::Network: return 6;
    case protect::DriveKind::Memory: return 7;
    case protect::DriveKind::Fixed: break;
  }
  return 3;
}

UniqueFont makeFont(const wchar_t* face, double points, bool bold, bool underline, BYTE family) {
  platform::win32::FontRequest request;
  request.face = face;
  request.points = points;
  request.bold = bold;
  request.underline = underline;
  request.pitchAndFamily = static_cast<BYTE>(VARIABLE_PITCH | family);
  request.quality = CLEARTYPE_QUALITY;
  return platform::win32::makeFont(request);
}

SIZE textSize(HFONT font, const wchar_t* text) {
  platform::win32::WindowDc dc(nullptr);
  platform::win32::SelectObjectScope select(dc.get(), font);
  SIZE size{};
  ::GetTextExtentPoint32W(dc.get(), text, lstrlenW(text), &size);
  return size;
}

// The font at the given size, or smaller where the machine's face for it is too wide for the
// control: a caption cut off or wrapped is worse than a slightly smaller one.
UniqueFont fittedFont(const wchar_t* face, double points, bool underline, BYTE family, const wchar_t* text, SIZE room) {
  constexpr double kSmallest = 6;
  for (;;) {
    UniqueFont font = makeFont(face, points, true, underline, family);
    if (!font || points - 0.25 < kSmallest) return font;
    const SIZE size = textSize(font.get(), text);
    if (size.cx <= room.cx && size.cy <= room.cy) return font;
    points -= 0.25;
  }
}

bool fontInstalled(const wchar_t* face) {
  platform::win32::WindowDc dc(nullptr);
  LOGFONTW lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  ::EnumFontFamiliesExW(
      dc.get(), &lf,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM p) -> int {
        *reinterpret_cast<bool*>(p) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

// The title's face, or the first bold serif face the machine has.
const wchar_t* titleFace() {
  static const wchar_t* const faces[] = {L"Arno Pro SmText",  L"Georgia",      L"Times New Roman",
                                         L"Liberation Serif", L"DejaVu Serif", L"Nimbus Roman"};
  for (const wchar_t* face : faces)
    if (fontInstalled(face)) return face;
  return L"";  // the font mapper then picks a roman face from the family
}

// The add and remove buttons: icon-only, their colours as they are stored.
// The add and remove buttons: icon-only, 49 x 41, our 32 x 32 arrow as the picture.
controls::common::PropertyBag sheenButtonSettings(int iconId) {
  return {{"style", "7"},
          {"caption", ""},
          {"picture", "res:" + std::to_string(iconId)},
          {"colorbuttonup", "0x00E99950"},
          {"colorbuttondown", "0x00E99950"},
          {"colorbuttonhover", "0x00FFC090"},
          {"colorbright", "0x00FFEDB0"},
          {"borderbrightness", "0"},
          {"colorscheme", "0"},
          {"displayhand", "0"},
          {"checked", "0"},
          {"font", "MS Sans Serif,8.25"}};
}

bool isSystemButton(HWND button) {
  wchar_t cls[16] = {};
  return button && ::GetClassNameW(button, cls, 16) && lstrcmpiW(cls, L"Button") == 0;
}

std::wstring itemText(HWND list, int item, int subItem) {
  // Paths may be long: grow the buffer until the text fits with room to spare.
  for (std::size_t size = MAX_PATH;; size *= 2) {
    std::wstring text(size, L'\0');
    LVITEMW lvi{};
    lvi.iSubItem = subItem;
    lvi.pszText = text.data();
    lvi.cchTextMax = static_cast<int>(text.size());
    const auto n = static_cast<std::size_t>(
        ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvi)));
    if (n + 1 < size || size >= 65536) {
      text.resize(std::min(n, size));
      return text;
    }
  }
}

platform::win32::UniqueBitmap backgroundBitmap() {
  std::uint32_t* bits = nullptr;
  platform::win32::UniqueBitmap bitmap = platform::win32::createDib(nullptr, kBackgroundWidth, kBackgroundHeight, bits);
  if (bitmap) {
    const std::vector<std::uint32_t> pixels = form1Background();
    std::copy(pixels.begin(), pixels.end(), bits);
  }
  return bitmap;
}

}  // namespace

Form1Window::Form1Window(Ports ports)
    : dialogs_(ports.dialogs),
      form_({*this, ports.store, ports.engine, dirs_, ports.dialogs, ports.flow, ports.shell}) {}

Form1Window::~Form1Window() {
  // The controls use the fonts, pictures and image list below: they go first.
  if (hwnd()) ::DestroyWindow(hwnd());
}

HWND Form1Window::create() {
  if (hwnd()) return hwnd();
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_USEREX_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&icc);

  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  windowIcon_.reset(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, 16, 16, 0)));
  setBackground(backgroundBitmap());
  smallIconStrip_.reset(static_cast<HBITMAP>(
      ::LoadImageW(instance, MAKEINTRESOURCEW(IDB_FORM1_SMALL_ICONS), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  smallIcons_.reset(::ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 40, 0));
  if (smallIcons_ && smallIconStrip_) ::ImageList_AddMasked(smallIcons_.get(), smallIconStrip_.get(), RGB(255, 0, 255));
  titleFace_ = titleFace();
  listFont_ = makeFont(L"Arial", 8.25, false, false, FF_SWISS);

  platform::win32::FormArgs form{kClassName,
                                 L"Quillmar Folder Vardel",
                                 WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                                 WS_EX_CONTROLPARENT,
                                 kClientWidth,
                                 kClientHeight};
  form.icon = windowIcon_.get();
  // The add and remove buttons' tips; the tooltip goes with the window.
  if (!createForm(form, kLayout)) return nullptr;
  registerCommands();
  rememberFocus(control(Dir2));
  form_.Form_Load();
  armBusyRetry();
  return hwnd();
}

void Form1Window::armBusyRetry() {
  if (!hwnd() || !form_.folderRetryWanted()) return;
  busyRetriesLeft_ = kBusyRetries;
  ::SetTimer(hwnd(), kBusyRetryTimer, kBusyRetryMilliseconds, nullptr);
}

HFONT Form1Window::fontFor(const Child& c) {
  switch (c.kind) {
    case ChildKind::Label:
    case ChildKind::Link:
      fonts_.push_back(c.id == Label1 ? fittedFont(titleFace_, 14.25, false, FF_ROMAN, c.text, {c.width, c.height})
                                      : fittedFont(L"Arial", 8.25, c.kind == ChildKind::Link, FF_SWISS, c.text,
                                                   {c.width, c.height}));
      return fonts_.back().get();
    case ChildKind::Button:
      if (!isSystemButton(control(c.id))) return nullptr;  // a self-drawn button keeps its own font
      // A system push button takes the labels' font.
      fonts_.push_back(fittedFont(L"Arial", 8.25, false, FF_SWISS, c.text, {c.width - 12, c.height - 8}));
      return fonts_.back().get();
    case ChildKind::Other: return c.id == SheenButton1 || c.id == SheenButton2 ? nullptr : listFont_.get();
    default: return nullptr;
  }
}

COLORREF Form1Window::textColour(HWND child) { return ::GetDlgCtrlID(child) == Label3 ? kLinkColour : RGB(0, 0, 0); }

HWND Form1Window::createChild(const Child& c) {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  const auto menuId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id));
  if (c.kind == ChildKind::Button) {
    return controls::win32::createButton(
        hwnd(), {c.id, c.text, c.x, c.y, c.width, c.height, controls::win32::storedButtonSettings(10, narrow(c.text))});
  }
  HWND child = nullptr;
  switch (c.id) {
    case SheenButton1:
    case SheenButton2: {
      const bool add = c.id == SheenButton1;
      child = controls::win32::createButton(
          hwnd(), {c.id, c.text, c.x, c.y, c.width, c.height,
                   sheenButtonSettings(add ? IDI_FORM1_ARROW_DOWN : IDI_FORM1_ARROW_UP)});
      if (!tooltip_.hwnd()) tooltip_.create(hwnd(), TTS_ALWAYSTIP);
      tooltip_.addWindowTool(child, add ? L"Add folders to the list below." : L"Remove selected items from list below");
      return child;
    }
    case Drive1:
      // The height given is the closed box; the list drops down below it.
      child = ::CreateWindowExW(0, WC_COMBOBOXEXW, L"",
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                c.x, c.y, c.width, 240, hwnd(), menuId, instance, nullptr);
      ::SendMessageW(child, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(smallIcons_.get()));
      ::SendMessageW(child, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), c.height - 6);
      return child;
    case Dir2:
      return ::CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY |
                                   LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                               c.x, c.y, c.width, c.height, hwnd(), menuId, instance, nullptr);
    case ListView1:
      child = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                                    LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
                                c.x, c.y, c.width, c.height, hwnd(), menuId, instance, nullptr);
      ::SendMessageW(child, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(smallIcons_.get()));
      ::SendMessageW(child, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
      return child;
    default: return nullptr;
  }
}

template <typename Handler>
void Form1Window::guarded(Handler&& handler) {
  // Nothing may unwind through the system's window procedure; a failure here ends the command only.
  try {
    handler();
  } catch (const core::StoreError& error) {
    dialogs_.show(platform::WindowId::Form1, protect::storeErrorMessage(error));
  } catch (const std::exception& error) {
    dialogs_.show(platform::WindowId::Form1,
                  {error.what(), platform::kAppTitle, platform::MsgButtons::Ok, platform::MsgIcon::Error});
  }
}

void Form1Window::registerCommands() {
  // Enter in the directory list opens the highlighted folder, as a double-click does.
  onCommand(IDOK, BN_CLICKED, [this] {
    if (::GetFocus() == control(Dir2)) ::SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(Dir2, LBN_DBLCLK), 0);
  });
  onCommand(Dir2, LBN_DBLCLK, [this] {
    const auto index = static_cast<int>(::SendMessageW(control(Dir2), LB_GETCURSEL, 0, 0));
    guarded([&] { form_.Dir2_DblClick(index); });
  });
  onCommand(Drive1, CBN_SELCHANGE, [this] {
    const auto index = static_cast<int>(::SendMessageW(control(Drive1), CB_GETCURSEL, 0, 0));
    guarded([&] { form_.Drive1_Change(index); });
  });
  onCommand(Label3, STN_CLICKED, [this] { guarded([&] { form_.Label3_Click(); }); });
  const std::pair<int, void (protect::Form1::*)()> clicks[] = {
      {StyleButton1, &protect::Form1::StyleButton1_Click}, {StyleButton2, &protect::Form1::StyleButton2_Click},
      {StyleButton3, &protect::Form1::StyleButton3_Click}, {SheenButton1, &protect::Form1::SheenButton1_Click},
      {SheenButton2, &protect::Form1::SheenButton2_Click}, {StyleButton7, &protect::Form1::StyleButton7_Click},
      {cmdlock, &protect::Form1::cmdlock_Click},           {cmdunlock, &protect::Form1::cmdunlock_Click},
      {StyleButton4, &protect::Form1::StyleButton4_Click}, {StyleButton5, &protect::Form1::StyleButton5_Click},
  };
  for (const auto& [id, handler] : clicks) {
    const bool slow = id == cmdlock || id == cmdunlock;
    onClick(id, [this, handler = handler, slow] {
      if (!slow) {
        guarded([&] { (form_.*handler)(); });
      } else {
        WaitCursor wait;
        guarded([&] { (form_.*handler)(); });
      }
      armBusyRetry();
    });
  }
}

void Form1Window::drawDirItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  const auto& items = form_.dir2().items();
  if (item.itemID >= items.size()) return;
  const protect::DirItem& entry = items[item.itemID];
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  HDC dc = item.hDC;
  ::FillRect(dc, &item.rcItem, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const int x = item.rcItem.left + 2 + entry.level * kDirIndent;
  const int height = item.rcItem.bottom - item.rcItem.top;
  ::ImageList_Draw(smallIcons_.get(), (entry.opened ? kOpenFolderPicture : kClosedFolderPicture) - 1, dc, x,
                   item.rcItem.top + (height - 16) / 2, ILD_TRANSPARENT);
  RECT text = item.rcItem;
  text.left = x + 20;
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const std::wstring caption = widen(entry.caption);
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if (item.itemState & ODS_FOCUS) ::DrawFocusRect(dc, &item.rcItem);
}

LRESULT Form1Window::onMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
      if (measure->CtlID == static_cast<UINT>(Dir2)) {
        measure->itemHeight = 17;
        return TRUE;
      }
      break;
    }
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (draw->CtlID == static_cast<UINT>(Dir2)) {
        drawDirItem(*draw);
        return TRUE;
      }
      break;
    }
    case WM_SYSCOMMAND:
      // The close command is gone from the menu; Alt+F4 still sends it, and must do nothing.
      if ((wparam & 0xFFF0) == SC_CLOSE) return 0;
      break;
    case WM_CLOSE: return 0;  // only the Close button dismisses the window, and it only hides it
    case WM_TIMER:
      if (wparam == kBusyRetryTimer) {
        guarded([&] { form_.retryBusyFolders(); });
        if (!form_.folderRetryWanted() || --busyRetriesLeft_ <= 0) ::KillTimer(hwnd(), kBusyRetryTimer);
        return 0;
      }
      break;
    default: break;
  }
  return FormWindow::onMessage(message, wparam, lparam);
}

// --- Form1View ---------------------------------------------------------------------------------

int Form1Window::listCount() { return static_cast<int>(::SendMessageW(control(ListView1), LVM_GETITEMCOUNT, 0, 0)); }

protect::Form1Row Form1Window::listRow(int index) {
  HWND list = control(ListView1);
  return {narrow(itemText(list, index, 0)), narrow(itemText(list, index, 1)), narrow(itemText(list, index, 2))};
}

bool Form1Window::listSelected(int index) {
  return (::SendMessageW(control(ListView1), LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED) &
          LVIS_SELECTED) != 0;
}

void Form1Window::listClear() { ::SendMessageW(control(ListView1), LVM_DELETEALLITEMS, 0, 0); }

void Form1Window::listAdd(const protect::Form1Row& row) {
  HWND list = control(ListView1);
  std::wstring name = widen(row.name);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = listCount();
  item.pszText = name.data();
  item.iImage = protect::form1text::kFolderPicture - 1;
  const auto at = static_cast<int>(::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (at < 0) return;
  const std::wstring sub[] = {widen(row.path), widen(row.id)};
  for (int i = 0; i < 2; ++i) {
    LVITEMW text{};
    text.iSubItem = i + 1;
    text.pszText = const_cast<wchar_t*>(sub[i].c_str());
    ::SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&text));
  }
}

void Form1Window::listSetPicture(int index, int picture) {
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = index;
  item.iImage = picture - 1;
  ::SendMessageW(control(ListView1), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void Form1Window::listAddColumn(const std::string& caption) {
  std::wstring text = widen(caption);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = text.data();
  column.cx = 100;
  column.iSubItem = columns_;
  ::SendMessageW(control(ListView1), LVM_INSERTCOLUMNW, static_cast<WPARAM>(columns_),
                 reinterpret_cast<LPARAM>(&column));
  ++columns_;
}

void Form1Window::listSetColumnWidth(int column, int twips) {
  const auto pixels = static_cast<int>(core::roundHalfEven(twips / 15.0));
  ::SendMessageW(control(ListView1), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(pixels, 0));
}

void Form1Window::enable(int id, bool enabled) {
  HWND ctl = control(id);
  if (!enabled && ::GetFocus() == ctl) {
    // A disabled control cannot keep the focus: hand it on as Tab would.
    if (HWND next = ::GetNextDlgTabItem(hwnd(), ctl, FALSE); next && next != ctl) ::SetFocus(next);
  }
  ::EnableWindow(ctl, enabled ? TRUE : FALSE);
}

void Form1Window::setLockEnabled(bool enabled) { enable(cmdlock, enabled); }
void Form1Window::setUnlockEnabled(bool enabled) { enable(cmdunlock, enabled); }

void Form1Window::removeCloseCommand() {
  HMENU menu = ::GetSystemMenu(hwnd(), FALSE);
  if (!menu) return;
  const int count = ::GetMenuItemCount(menu);
  if (count <= 0) return;
  // On the standard menu the close command and the separator above it are the last two items,
  // but some systems append their own items below them, so find the command itself.
  int close = count - 1;
  for (int i = 0; i < count; ++i) {
    if (::GetMenuItemID(menu, i) == SC_CLOSE) close = i;
  }
  ::RemoveMenu(menu, static_cast<UINT>(close), MF_BYPOSITION | MF_REMOVE);
  if (close > 0 && (::GetMenuState(menu, static_cast<UINT>(close - 1), MF_BYPOSITION) & MF_SEPARATOR))
    ::RemoveMenu(menu, static_cast<UINT>(close - 1), MF_BYPOSITION | MF_REMOVE);
  ::DrawMenuBar(hwnd());
}

void Form1Window::showDrives() {
  HWND combo = control(Drive1);
  ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  const auto& drives = form_.drive1().drives();
  for (std::size_t i = 0; i < drives.size(); ++i) {
    std::wstring text = widen(protect::DriveList::caption(drives[i]));
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = static_cast<INT_PTR>(i);
    item.pszText = text.data();
    item.iImage = item.iSelectedImage = drivePicture(drives[i].kind) - 1;
    ::SendMessageW(combo, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(form_.drive1().selected()), 0);
}

void Form1Window::showDirectories() {
  HWND list = control(Dir2);
  ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const protect::DirItem& item : form_.dir2().items()) {
    const std::wstring text = widen(item.caption);
    ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  const int current = form_.dir2().currentIndex();
  ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
  ::SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(current > 0 ? current - 1 : 0), 0);
  ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list, nullptr, TRUE);
}

}  // namespace protect::win32
