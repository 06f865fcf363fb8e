#pragma once
// The main window on Win32: creates its controls from a layout table, shows the form's lists
// and forwards every event to the form's handlers.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/window.h"
#include "protect/form1.h"
#include "protect/win32/dir_list_source.h"

namespace win {

struct ImageListTraits {
  using Type = HIMAGELIST;
  static Type invalid() { return nullptr; }
  static void close(Type h) { ::ImageList_Destroy(h); }
};
using UniqueImageList = Unique<ImageListTraits>;

class Form1Window final : public Window, private protect::Form1View {
 public:
  struct Ports {
    protect::FolderStore& store;
    protect::LockEngine& engine;
    platform::Dialogs& dialogs;
    platform::WindowFlow& flow;
    platform::Shell& shell;
  };

  // The controls, by the names the form gives them.
  enum Id : int {
    Text1 = 100,  // not created: it would sit over the list and nothing reads it
    StyleButton1,
    StyleButton2,
    StyleButton3,
    Label1,
    Label3,
    Drive1,
    Dir2,
    Label4,
    SheenButton1,
    SheenButton2,
    Label2,
    StyleButton7,
    ListView1,
    cmdlock,
    cmdunlock,
    StyleButton4,
    StyleButton5,
  };
  static constexpr int kClientWidth = 496;
  static constexpr int kClientHeight = 531;

  explicit Form1Window(Ports ports);
  ~Form1Window() override;

  // Creates the window hidden and runs its load handling. The window flow's factory for Form1.
  HWND create();
  protect::Form1& form() { return form_; }
  // The unload handling (unlock all), run by the application when the session ends; runs once.
  void unload() { form_.Form_Unload(); }

 private:
  LRESULT onMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void createControls();
  void onCommand(int id, int code);
  void drawDirItem(const DRAWITEMSTRUCT& item);
  HWND control(int id) const { return ::GetDlgItem(hwnd(), id); }
  template <typename Handler>
  void guarded(Handler&& handler);

  // Form1View
  int listCount() override;
  protect::Form1Row listRow(int index) override;
  bool listSelected(int index) override;
  void listClear() override;
  void listAdd(const protect::Form1Row& row) override;
  void listAddColumn(const std::string& caption) override;
  void listSetColumnWidth(int column, int twips) override;
  void setLockEnabled(bool enabled) override;
  void setUnlockEnabled(bool enabled) override;
  void removeCloseCommand() override;
  void showDrives() override;
  void showDirectories() override;

  void enable(int id, bool enabled);

  DirListSource dirs_;
  platform::Dialogs& dialogs_;
  protect::Form1 form_;
  UniqueBitmap background_;
  UniqueBrush backgroundBrush_;
  UniqueBitmap smallIconStrip_;
  UniqueImageList smallIcons_;
  UniqueIcon arrowDown_;
  UniqueIcon arrowUp_;
  UniqueIcon windowIcon_;
  const wchar_t* titleFace_ = L"";
  std::vector<UniqueFont> fonts_;  // one for each label and button, fitted to its caption
  UniqueFont listFont_;
  HWND tooltip_ = nullptr;  // a child of ours: goes with the window
  HWND lastFocus_ = nullptr;
  int columns_ = 0;
};

}  // namespace win
