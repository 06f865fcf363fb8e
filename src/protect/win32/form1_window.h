#pragma once
// The main window on Win32: creates its controls from a layout table, shows the form's lists
// and forwards every event to the form's handlers.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "controls/common/win32/tooltip_window.h"
#include "platform/win32/form_window.h"
#include "platform/win32/handles.h"
#include "protect/form1.h"
#include "protect/win32/dir_list_source.h"

namespace protect::win32 {

class Form1Window final : public platform::win32::FormWindow, private protect::Form1View {
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
  HWND createChild(const platform::win32::Child& child) override;
  HFONT fontFor(const platform::win32::Child& child) override;
  COLORREF textColour(HWND child) override;
  void registerCommands();
  void drawDirItem(const DRAWITEMSTRUCT& item);
  template <typename Handler>
  void guarded(Handler&& handler);

  // Form1View
  int listCount() override;
  protect::Form1Row listRow(int index) override;
  bool listSelected(int index) override;
  void listClear() override;
  void listAdd(const protect::Form1Row& row) override;
  void listSetPicture(int index, int picture) override;
  void listAddColumn(const std::string& caption) override;
  void listSetColumnWidth(int column, int twips) override;
  void setLockEnabled(bool enabled) override;
  void setUnlockEnabled(bool enabled) override;
  void removeCloseCommand() override;
  void showDrives() override;
  void showDirectories() override;

  void enable(int id, bool enabled);
  // Folders open in another program at lock all are tried again, as the tray icon is.
  void armBusyRetry();
  static constexpr UINT_PTR kBusyRetryTimer = 1;
  static constexpr UINT kBusyRetryMilliseconds = 2000;
  static constexpr int kBusyRetries = 150;  // five minutes of tries
  int busyRetriesLeft_ = 0;

  DirListSource dirs_;
  platform::Dialogs& dialogs_;
  protect::Form1 form_;
  platform::win32::UniqueBitmap smallIconStrip_;
  platform::win32::UniqueImageList smallIcons_;
  platform::win32::UniqueIcon windowIcon_;
  const wchar_t* titleFace_ = L"";
  std::vector<platform::win32::UniqueFont> fonts_;  // one for each label, fitted to its caption
  platform::win32::UniqueFont listFont_;
  controls::common::win32::TooltipWindow tooltip_;
  int columns_ = 0;
};

}  // namespace protect::win32
