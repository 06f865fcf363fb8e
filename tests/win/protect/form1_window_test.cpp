#include "protect/win32/form1_window.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/win32/file_system_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/text_win32.h"
#include "support/fakes.h"
#include "support/sequence.h"
#include "support/temp_dir.h"
#include "support/win32/input.h"
#include "support/win32/pump.h"
#include "support/win32/screenshot.h"
#include "support/win32/ui_driver.h"
#include "form1_resource_ids.h"
#include "resource_ids.h"

namespace {

using W = protect::win32::Form1Window;
using testsupport::pump;

// The path as the directory list reports it: from the drive list's lower-case "c:\\" down.
std::string windowsPath(const std::filesystem::path& p) {
  std::string text = platform::win32::narrow(p.wstring());
  if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  return text;
}

// The main window over a real store file, the real lock engine and the real file system.
class Form1WindowTest : public ::testing::Test {
 protected:
  Form1WindowTest() {
    sqlite3* db = nullptr;
    const std::string dbPath = temp.file("accum.lsb");
    if (sqlite3_open(dbPath.c_str(), &db) == SQLITE_OK) {
      sqlite3_exec(db,
                   "CREATE TABLE tab1 (ID INTEGER PRIMARY KEY AUTOINCREMENT, Foldername TEXT, Path TEXT, "
                   "Handle INTEGER)",
                   nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
    store = std::make_unique<protect::SqliteFolderStore>(dbPath);
    engine = std::make_unique<protect::LockEngine>(fs, shell, *store, fs.systemDirectory());
    window = std::make_unique<W>(W::Ports{*store, *engine, dialogs, flow, shell});
    hwnd = window->create();
  }
  ~Form1WindowTest() override {
    if (window) window->unload();  // no folder stays held after the test
  }

  HWND control(int id) const { return ::GetDlgItem(hwnd, id); }
  std::vector<std::wstring> dirEntries() const {
    std::vector<std::wstring> out;
    HWND list = control(W::Dir2);
    const auto n = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
      std::wstring text(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)),
                        L'\0');
      ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
      out.push_back(text);
    }
    return out;
  }
  // Highlights the entry and double-clicks it, as the list reports a double-click.
  bool openEntry(const std::wstring& caption) {
    const auto entries = dirEntries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (lstrcmpiW(entries[i].c_str(), caption.c_str()) == 0) {
        HWND list = control(W::Dir2);
        ::SendMessageW(list, LB_SETCURSEL, i, 0);
        ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(W::Dir2, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
        return true;
      }
    }
    return false;
  }
  // Walks the directory list from the drive root down to the folder.
  void openFolder(const std::filesystem::path& folder) {
    const std::wstring root = folder.root_name().wstring();
    ASSERT_TRUE(openEntry(root + L"\\")) << "root of " << folder;
    for (const auto& part : folder.relative_path()) ASSERT_TRUE(openEntry(part.wstring())) << part << " of " << folder;
  }
  void click(int id) { ASSERT_TRUE(testsupport::click(control(id))) << "no control " << id; }
  int rows() const { return static_cast<int>(::SendMessageW(control(W::ListView1), LVM_GETITEMCOUNT, 0, 0)); }
  std::wstring cell(int row, int column) const {
    wchar_t text[512] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 512;
    ::SendMessageW(control(W::ListView1), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
  }
  static bool heldBySomeone(const std::filesystem::path& folder) {
    HANDLE h =
        ::CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return ::GetLastError() == ERROR_SHARING_VIOLATION;
    ::CloseHandle(h);
    return false;
  }

  testsupport::TempDir temp;
  platform::win32::FileSystemWin32 fs;
  testsupport::FakeShell shell;
  testsupport::FakeDialogs dialogs;  // answers No to the lock-all question
  testsupport::FakeWindowFlow flow;
  std::unique_ptr<protect::SqliteFolderStore> store;
  std::unique_ptr<protect::LockEngine> engine;
  std::unique_ptr<W> window;
  HWND hwnd = nullptr;
};

TEST_F(Form1WindowTest, ControlsSitWhereTheLayoutPutsThemInTabOrder) {
  ASSERT_NE(hwnd, nullptr);
  EXPECT_FALSE(::IsWindowVisible(hwnd)) << "created hidden";
  wchar_t title[64] = {};
  ::GetWindowTextW(hwnd, title, 64);
  EXPECT_STREQ(title, L"Quillmar Folder Vardel");
  RECT client{};
  ::GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 496);
  EXPECT_EQ(client.bottom, 531);

  const struct {
    int id;
    const wchar_t* text;
    int x, y, w, h;
  } expected[] = {
      {W::Dir2, L"", 24, 88, 449, 81},
      {W::cmdlock, L"Lock Folders", 8, 488, 113, 33},
      {W::cmdunlock, L"Unlock Folders", 128, 488, 113, 33},
      {W::Label1, L"Quillmar Folder Vardel 1.4", 248, 16, 225, 25},
      {W::StyleButton1, L"Home", 24, 16, 65, 33},
      {W::StyleButton2, L"Help", 96, 16, 65, 33},
      {W::StyleButton3, L"Register", 168, 16, 73, 33},
      {W::Label2, L"List of locked folders :", 24, 224, 137, 17},
      {W::Drive1, L"", 24, 64, 449, 21},
      {W::ListView1, L"", 24, 248, 449, 233},
      {W::SheenButton1, L"", 168, 192, 49, 41},
      {W::SheenButton2, L"", 240, 192, 49, 41},
      {W::StyleButton4, L"Close", 248, 488, 113, 33},
      {W::Label3, L"www.quillmar.example", 304, 40, 160, 16},
      {W::StyleButton5, L"About", 368, 488, 113, 33},
      {W::Label4, L"Double click to select a folder", 24, 176, 169, 17},
      {W::StyleButton7, L"Change Password", 320, 224, 153, 20},
  };
  HWND child = ::GetWindow(hwnd, GW_CHILD);
  for (const auto& e : expected) {
    ASSERT_NE(child, nullptr) << "missing control " << e.id;
    EXPECT_EQ(::GetDlgCtrlID(child), e.id) << "tab order";
    HWND c = control(e.id);
    const RECT r = testsupport::rectIn(hwnd, c);
    EXPECT_EQ(r.left, e.x) << "control " << e.id;
    EXPECT_EQ(r.top, e.y) << "control " << e.id;
    EXPECT_EQ(r.right - r.left, e.w) << "control " << e.id;
    if (e.id == W::Drive1) {
      EXPECT_NEAR(r.bottom - r.top, e.h, 2) << "the closed drive list";
    } else {
      EXPECT_EQ(r.bottom - r.top, e.h) << "control " << e.id;
    }
    if (e.id != W::Drive1 && e.id != W::Dir2 && e.id != W::ListView1) {
      wchar_t text[128] = {};
      ::GetWindowTextW(c, text, 128);
      EXPECT_STREQ(text, e.text);
    }
    child = ::GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(child, nullptr) << "no control beyond the layout";

  // The list's three columns, 100, 333 and 7 pixels wide.
  HWND list = control(W::ListView1);
  const int widths[] = {100, 333, 7};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(::SendMessageW(list, LVM_GETCOLUMNWIDTH, i, 0), widths[i]) << "column " << i;
  EXPECT_TRUE(::IsWindowEnabled(control(W::cmdlock)));
  EXPECT_TRUE(::IsWindowEnabled(control(W::cmdunlock)));
}

TEST_F(Form1WindowTest, LoadShowsDriveCAndItsRootFolders) {
  HWND combo = control(W::Drive1);
  const auto sel = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
  ASSERT_GE(sel, 0);
  wchar_t text[64] = {};
  ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::wstring(text).substr(0, 2), L"c:");
  const auto entries = dirEntries();
  ASSERT_GE(entries.size(), 2u);
  EXPECT_EQ(entries[0], L"c:\\");
  EXPECT_EQ(window->form().dir2().path(), "c:\\");
  EXPECT_NE(std::find(entries.begin(), entries.end(), L"windows"), entries.end()) << "c:\\windows is listed";
}

TEST_F(Form1WindowTest, TheSystemMenuHasNoCloseAndAltF4DoesNothing) {
  HMENU menu = ::GetSystemMenu(hwnd, FALSE);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(::GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1)) << "close command still there";
  const int count = ::GetMenuItemCount(menu);
  ASSERT_GT(count, 0);
  for (int i = 1; i < count; ++i) {
    EXPECT_FALSE((::GetMenuState(menu, static_cast<UINT>(i - 1), MF_BYPOSITION) & MF_SEPARATOR) &&
                 (::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR))
        << "the separator above close went with it: two separators meet at " << i;
  }
  EXPECT_FALSE(::GetMenuState(menu, static_cast<UINT>(count - 1), MF_BYPOSITION) & MF_SEPARATOR)
      << "no separator left at the end";

  ::ShowWindow(hwnd, SW_SHOW);
  ::SetForegroundWindow(hwnd);
  pump();
  testsupport::postKey(hwnd, VK_F4, false, true);  // Alt held
  testsupport::postKey(hwnd, VK_F4, true, true);
  pump();
  ::SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  ::SendMessageW(hwnd, WM_CLOSE, 0, 0);
  pump();
  EXPECT_TRUE(::IsWindow(hwnd));
  EXPECT_TRUE(::IsWindowVisible(hwnd));
}

TEST_F(Form1WindowTest, AddLockAndRemoveFoldersThroughTheWindow) {
  std::vector<std::filesystem::path> folders;
  for (const char* name : {"Photos", "Music", "Letters"}) {
    folders.push_back(std::filesystem::absolute(temp.path() / name));
    std::filesystem::create_directory(folders.back());
  }
  ::ShowWindow(hwnd, SW_SHOW);
  pump();

  // Adding with a drive root as the current folder asks for a double-click.
  click(W::SheenButton1);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].message.text, "Please select a folder by double clicking on it.");
  EXPECT_EQ(rows(), 0);

  for (const auto& folder : folders) {
    openFolder(folder);
    ASSERT_EQ(window->form().dir2().path(), windowsPath(folder));
    click(W::SheenButton1);
  }
  ASSERT_EQ(rows(), 3);
  EXPECT_TRUE(testsupport::sameSequence({"Please select a folder by double clicking on it."}, dialogs.texts()));
  EXPECT_EQ(cell(0, 0), L"Photos");
  EXPECT_EQ(platform::win32::narrow(cell(0, 1)), windowsPath(folders[0]));
  EXPECT_EQ(cell(0, 2), L"1");
  EXPECT_EQ(cell(2, 2), L"3");

  click(W::cmdlock);
  EXPECT_FALSE(::IsWindowEnabled(control(W::cmdlock)));
  EXPECT_TRUE(::IsWindowEnabled(control(W::cmdunlock)));
  for (const auto& folder : folders) EXPECT_TRUE(heldBySomeone(folder)) << folder;

  pump();
  ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  testsupport::saveScreenshot(hwnd, "form1");

  // Remove the second row: it is released and gone; the others stay held.
  HWND list = control(W::ListView1);
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  ::SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
  click(W::SheenButton2);
  ASSERT_EQ(rows(), 2);
  EXPECT_EQ(cell(0, 0), L"Photos");
  EXPECT_EQ(cell(1, 0), L"Letters");
  EXPECT_FALSE(heldBySomeone(folders[1]));
  EXPECT_FALSE(std::filesystem::exists(folders[1] / "Desktop.ini"));
  EXPECT_TRUE(heldBySomeone(folders[0]));
  EXPECT_EQ(store->loadList().size(), 2u);

  // Remove with nothing selected asks for a selection.
  click(W::SheenButton2);
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[1].message.text, "Please select");

  // Close answered No hides without unlocking; unlock releases all.
  click(W::StyleButton4);
  ASSERT_EQ(dialogs.shown.size(), 3u);
  EXPECT_EQ(dialogs.shown[2].message.title, "Folder Vardel");
  ASSERT_TRUE(testsupport::sameSequence({"hide Form1"}, flow.events));
  EXPECT_TRUE(heldBySomeone(folders[0]));
  click(W::cmdunlock);
  EXPECT_FALSE(heldBySomeone(folders[0]));
  EXPECT_FALSE(heldBySomeone(folders[2]));
  EXPECT_TRUE(::IsWindowEnabled(control(W::cmdlock)));
  EXPECT_FALSE(::IsWindowEnabled(control(W::cmdunlock)));
}

// The real file system, noting the pointer each time a folder is held or let go.
class CursorWatchingFileSystem final : public platform::FileSystem {
 public:
  platform::HandleValue openDirectory(const std::string& path, std::uint32_t shareMode) override {
    cursors.push_back(::GetCursor());
    return real.openDirectory(path, shareMode);
  }
  bool closeHandle(platform::HandleValue handle) override {
    cursors.push_back(::GetCursor());
    return real.closeHandle(handle);
  }
  std::optional<std::uint32_t> attributes(const std::string& path) override { return real.attributes(path); }
  bool setAttributes(const std::string& path, std::uint32_t a) override { return real.setAttributes(path, a); }
  bool exists(const std::string& path) override { return real.exists(path); }
  bool deleteFile(const std::string& path) override { return real.deleteFile(path); }
  bool createDirectory(const std::string& path) override { return real.createDirectory(path); }
  bool removeDirectory(const std::string& path) override { return real.removeDirectory(path); }
  std::optional<std::string> readFile(const std::string& path) override { return real.readFile(path); }
  bool replaceFile(const std::string& path, const std::string& b) override { return real.replaceFile(path, b); }
  bool createFile(const std::string& path, const std::string& b) override { return real.createFile(path, b); }
  std::string systemDirectory() override { return real.systemDirectory(); }
  std::string commonDataDirectory() override { return real.commonDataDirectory(); }

  platform::win32::FileSystemWin32 real;
  std::vector<HCURSOR> cursors;
};

TEST_F(Form1WindowTest, LockAndUnlockAllShowTheWaitCursorWhileTheyRun) {
  const auto folder = std::filesystem::absolute(temp.path() / "Slow");
  std::filesystem::create_directory(folder);
  std::filesystem::create_directory(folder / "inner");
  store->addFolder("Slow", windowsPath(folder));
  CursorWatchingFileSystem watching;
  protect::LockEngine slowEngine(watching, shell, *store, watching.systemDirectory());
  W other(W::Ports{*store, slowEngine, dialogs, flow, shell});
  HWND otherWindow = other.create();
  ASSERT_NE(otherWindow, nullptr);
  other.form().lview_reload();
  ::ShowWindow(otherWindow, SW_SHOW);
  pump();
  HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
  HCURSOR wait = ::LoadCursorW(nullptr, IDC_WAIT);
  for (int id : {static_cast<int>(W::cmdlock), static_cast<int>(W::cmdunlock)}) {
    SCOPED_TRACE(id == W::cmdlock ? "lock all" : "unlock all");
    watching.cursors.clear();
    ::SetCursor(arrow);
    ASSERT_TRUE(testsupport::click(::GetDlgItem(otherWindow, id)));
    ASSERT_FALSE(watching.cursors.empty()) << "no folder was held or let go";
    for (HCURSOR c : watching.cursors) EXPECT_EQ(c, wait);
    EXPECT_NE(::GetCursor(), wait) << "the pointer comes back when the pass is done";
  }
  EXPECT_FALSE(heldBySomeone(folder));
  other.unload();
}

TEST_F(Form1WindowTest, EnterInTheDirectoryListOpensTheHighlightedFolder) {
  ::ShowWindow(hwnd, SW_SHOW);
  ::SetForegroundWindow(hwnd);
  pump();
  HWND list = control(W::Dir2);
  ::SetFocus(list);
  const auto entries = dirEntries();
  const auto it = std::find_if(entries.begin(), entries.end(),
                               [](const std::wstring& e) { return lstrcmpiW(e.c_str(), L"windows") == 0; });
  ASSERT_NE(it, entries.end());
  ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(it - entries.begin()), 0);
  EXPECT_EQ(window->form().dir2().path(), "c:\\") << "highlighting alone opens nothing";
  // The key goes through the dialog manager, as the message loop hands it over.
  ASSERT_TRUE(testsupport::pressKey(list, VK_RETURN));
  EXPECT_EQ(lstrcmpiW(platform::win32::widen(window->form().dir2().path()).c_str(), L"c:\\windows"), 0)
      << window->form().dir2().path();
  EXPECT_EQ(dirEntries().front(), L"c:\\");
  EXPECT_EQ(lstrcmpiW(dirEntries().at(1).c_str(), L"windows"), 0);
}

TEST_F(Form1WindowTest, ChoosingAnotherDriveMovesTheFolderListToItsRoot) {
  ::ShowWindow(hwnd, SW_SHOW);
  ::SetForegroundWindow(hwnd);
  pump();
  HWND combo = control(W::Drive1);
  const auto count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
  const auto from = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
  ASSERT_LT(from + 1, count) << "a drive after c: (Wine gives z:)";
  ::SetFocus(combo);
  // The down arrow in the closed list picks the next drive, as a user would.
  ASSERT_TRUE(testsupport::pressKey(VK_DOWN));
  const std::string expected = window->form().drive1().drives().at(static_cast<std::size_t>(from + 1)).root;
  EXPECT_EQ(window->form().drive1().drive(), expected);
  EXPECT_EQ(window->form().dir2().path(), expected);
  EXPECT_EQ(platform::win32::narrow(dirEntries().at(0)), expected);
}

TEST_F(Form1WindowTest, TheFocusComesBackToItsControlAfterAnotherWindowWasActive) {
  ::ShowWindow(hwnd, SW_SHOW);
  ::SetForegroundWindow(hwnd);
  pump();
  ::SetFocus(control(W::ListView1));
  HWND other = ::CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);
  ASSERT_NE(other, nullptr);
  ::SetForegroundWindow(other);
  ::SetActiveWindow(other);
  pump();
  ASSERT_NE(::GetActiveWindow(), hwnd);
  ::SetActiveWindow(hwnd);
  pump();
  EXPECT_EQ(::GetFocus(), control(W::ListView1));
  ::DestroyWindow(other);
}

// The pixels of a resource icon drawn at 16 x 16 over black.
std::vector<std::uint32_t> iconPixels(int id) {
  HICON icon = static_cast<HICON>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, LR_SHARED));
  if (!icon) return {};
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  platform::win32::UniqueBitmap dib(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  platform::win32::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  if (!dib || !dc) return {};
  {
    platform::win32::SelectObjectScope select(dc.get(), dib.get());
    ::DrawIconEx(dc.get(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
  }
  const auto* p = static_cast<const std::uint32_t*>(bits);
  return {p, p + 16 * 16};
}

// Every icon of the program's resources keeps its own picture: two scripts linked into one exe
// once numbered their images alike, and the linker kept one of each pair.
TEST(Form1Resources, EachIconKeepsItsOwnPicture) {
  const struct {
    const char* name;
    int id;
  } icons[] = {{"application", IDI_APP},
               {"padlock", IDI_LOCK},
               {"about", IDI_ABOUT},
               {"arrow down", IDI_FORM1_ARROW_DOWN},
               {"arrow up", IDI_FORM1_ARROW_UP}};
  std::vector<std::vector<std::uint32_t>> drawn;
  for (const auto& icon : icons) {
    drawn.push_back(iconPixels(icon.id));
    ASSERT_EQ(drawn.back().size(), 256u) << icon.name << " cannot be loaded";
  }
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    for (std::size_t j = i + 1; j < drawn.size(); ++j) {
      EXPECT_NE(drawn[i], drawn[j]) << icons[i].name << " shows the same picture as " << icons[j].name;
    }
  }
}

// A folder open in another program at lock all shows as not held and is locked once it is let go.
TEST_F(Form1WindowTest, ABusyFolderIsShownNotHeldAndLockedOnceItIsLetGo) {
  std::vector<std::filesystem::path> folders;
  for (const char* name : {"Photos", "Busy"}) {
    folders.push_back(std::filesystem::absolute(temp.path() / name));
    std::filesystem::create_directory(folders.back());
    store->addFolder(name, windowsPath(folders.back()));
  }
  window->form().lview_reload();
  const auto picture = [&](int row) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    ::SendMessageW(control(W::ListView1), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage + 1;
  };
  const int held = protect::form1text::kHeldPicture, open = protect::form1text::kFolderPicture;
  platform::win32::UniqueFile other(::CreateFileW(folders[1].c_str(), FILE_LIST_DIRECTORY, 0, nullptr, OPEN_EXISTING,
                                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  ASSERT_TRUE(other);
  click(W::cmdlock);
  EXPECT_EQ(picture(0), held);
  EXPECT_EQ(picture(1), open) << "open in another program";
  EXPECT_FALSE(::IsWindowEnabled(control(W::cmdlock)));
  EXPECT_TRUE(::IsWindowEnabled(control(W::cmdunlock)));
  ::ShowWindow(hwnd, SW_SHOW);
  pump();
  ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  testsupport::saveScreenshot(hwnd, "form1-busy-folder");

  other.reset();
  // The window tries again every two seconds.
  for (int i = 0; i < 60 && picture(1) != held; ++i) {
    pump();
    ::Sleep(100);
  }
  EXPECT_EQ(picture(1), held);
  EXPECT_TRUE(heldBySomeone(folders[1]));
  click(W::cmdunlock);
  EXPECT_EQ(picture(0), open);
  EXPECT_EQ(picture(1), open);
  EXPECT_FALSE(heldBySomeone(folders[1]));
}

TEST_F(Form1WindowTest, LinksOpenTheSitePages) {
  ::ShowWindow(hwnd, SW_SHOW);
  pump();
  click(W::StyleButton1);
  ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(W::Label3, STN_CLICKED), reinterpret_cast<LPARAM>(control(W::Label3)));
  const std::vector<std::string> pages = {"https://www.quillmar.example/", "https://www.quillmar.example"};
  EXPECT_EQ(shell.opened, pages);

  // Over the address the pointer becomes a hand; over another label it does not.
  HCURSOR hand = ::LoadCursorW(nullptr, IDC_HAND);
  ::SendMessageW(control(W::Label3), WM_SETCURSOR, reinterpret_cast<WPARAM>(control(W::Label3)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(::GetCursor(), hand);
  ::SendMessageW(control(W::Label2), WM_SETCURSOR, reinterpret_cast<WPARAM>(control(W::Label2)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_NE(::GetCursor(), hand);
}

}  // namespace
