#pragma once
// The main window's fields and commands: browse drives and folders, keep the folder list,
// lock and unlock. Its Win32 view (win32/form1_window.h) creates the controls and forwards
// their events to the handlers here.
#include <optional>
#include <string>
#include <vector>

#include "core/sqlite_db.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/window_flow.h"
#include "protect/folder_store.h"
#include "protect/lock_engine.h"
#include "protect/form1_lists.h"

namespace protect {

// One row of the folder list as shown: name, path and ID text (empty for a row without one).
struct Form1Row {
  std::string name;
  std::string path;
  std::string id;
  friend bool operator==(const Form1Row&, const Form1Row&) = default;
};

// What the form needs of its window.
class Form1View {
 public:
  virtual ~Form1View() = default;
  // The folder list (ListView1).
  virtual int listCount() = 0;
  virtual Form1Row listRow(int index) = 0;
  virtual bool listSelected(int index) = 0;
  virtual void listClear() = 0;
  virtual void listAdd(const Form1Row& row) = 0;  // with small picture 35
  virtual void listSetPicture(int index, int picture) = 0;  // counting from 1
  virtual void listAddColumn(const std::string& caption) = 0;
  virtual void listSetColumnWidth(int column, int twips) = 0;
  // The two lock buttons.
  virtual void setLockEnabled(bool enabled) = 0;
  virtual void setUnlockEnabled(bool enabled) = 0;
  // Takes the close command off the window's system menu.
  virtual void removeCloseCommand() = 0;
  // Redraw the drive list (Drive1) or the directory list (Dir2) from the form's models.
  virtual void showDrives() = 0;
  virtual void showDirectories() = 0;
};

namespace site {
inline constexpr const char* kHome = "https://www.quillmar.example/";
inline constexpr const char* kHelp =
    "https://www.quillmar.example/index.php?option=com_content&view=article&id=62&Itemid=62";
inline constexpr const char* kRegister = "https://www.quillmar.example/index.php?option=com_user&view=register";
inline constexpr const char* kAddress = "https://www.quillmar.example";
inline constexpr const char* kAddressCaption = "www.quillmar.example";  // what Label3 shows
}  // namespace site

namespace form1text {
inline constexpr const char* kSelectByDoubleClick = "Please select a folder by double clicking on it.";
inline constexpr const char* kAlreadyListed = "This folder is already in the list";
inline constexpr const char* kPleaseSelect = "Please select";
inline constexpr const char* kLockAllQuestion = "Do you want to lock all folders?";
inline constexpr const char* kLockAllTitle = "Folder Vardel";
// When lock all reached its ceiling of held handles; followed by the count left open.
inline constexpr const char* kNotAllHeld =
    "The folders are locked, but not everything inside them: at most 16384 files and folders can be held "
    "at once. Left open: ";
inline constexpr int kFolderPicture = 35;  // of the list's small-icon set, counting from 1
// A row whose folder this process holds now shows the padlocked folder instead, so a folder left
// open (in use by another program at lock all) stands out.
inline constexpr int kHeldPicture = 32;
}  // namespace form1text

// The message for a store failure inside a command the user started.
platform::Message storeErrorMessage(const core::StoreError& error);

class Form1 {
 public:
  struct Ports {
    Form1View& view;
    FolderStore& store;
    LockEngine& engine;
    DirSource& dirs;
    platform::Dialogs& dialogs;
    platform::WindowFlow& flow;
    platform::Shell& shell;
  };
  explicit Form1(Ports ports) : p_(ports) {}

  void Form_Load();
  // Rebuilds the list from the store. A store failure travels on to the caller. Before the
  // window is loaded the rows wait, and lock all works on them: start-up locks the folders first
  // and makes the window after, since the folders are open to anyone until they are locked.
  void lview_reload();
  // Tells the user when the locked folders hold more than the engine keeps; at start-up, before
  // the window is loaded, the caller reports it instead.
  void cmdlock_Click();
  std::size_t contentsLeftUnheld() const { return p_.engine.leftUnheld(); }
  // Folders another program had open at lock all: the window tries them again for a while.
  bool folderRetryWanted() const { return p_.engine.anyBusy(); }
  void retryBusyFolders();
  void cmdunlock_Click();
  void SheenButton1_Click();  // add
  void SheenButton2_Click();  // remove
  void StyleButton4_Click();  // close
  void StyleButton5_Click();  // about
  void StyleButton7_Click();  // change password
  void StyleButton1_Click();  // home page
  void StyleButton2_Click();  // help page
  void StyleButton3_Click();  // register page
  void Label3_Click();        // home page
  void Drive1_Change(int index);
  void Dir2_DblClick(int index);
  // Unlocks all folders; runs once however often the platform asks.
  void Form_Unload();

  // The folder's name: the text after the path's last backslash. The path loses any trailing
  // backslash.
  static std::string GetLastDirName(std::string& path);

  const DriveList& drive1() const { return drive1_; }
  const DirList& dir2() const { return dir2_; }
  bool lockEnabled() const { return lockEnabled_; }
  bool unlockEnabled() const { return unlockEnabled_; }

 private:
  void add();
  void applyButtons(ButtonStates states);
  // Each row's picture tells whether its folder is held now.
  void showHeld();
  void inform(const std::string& text, platform::MsgIcon icon);

  std::vector<ListRow> listedRows();

  Ports p_;
  bool loaded_ = false;
  std::optional<std::vector<FolderRow>> unshown_;  // read before the window was loaded
  std::optional<ButtonStates> earlyButtons_;       // set before the window was loaded
  DriveList drive1_;
  DirList dir2_;
  bool lockEnabled_ = true;
  bool unlockEnabled_ = true;
  bool unloaded_ = false;
};

}  // namespace protect
