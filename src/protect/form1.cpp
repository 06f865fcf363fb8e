#include "protect/form1.h"

#include <exception>

#include "protect/skip_on_failure.h"

namespace protect {
namespace {

using platform::Message;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;
using platform::WindowId;

}  // namespace

platform::Message storeErrorMessage(const core::StoreError& error) {
  return {"Error " + std::to_string(error.number()) + ": " + error.description(), platform::kAppTitle, MsgButtons::Ok,
          MsgIcon::Error};
}

void Form1::inform(const std::string& text, MsgIcon icon) {
  p_.dialogs.show(WindowId::Form1, {text, platform::kAppTitle, MsgButtons::Ok, icon});
}

void Form1::applyButtons(ButtonStates states) {
  lockEnabled_ = states.lockEnabled;
  unlockEnabled_ = states.unlockEnabled;
  if (!loaded_) {
    earlyButtons_ = states;
    return;
  }
  p_.view.setLockEnabled(lockEnabled_);
  p_.view.setUnlockEnabled(unlockEnabled_);
}

void Form1::Form_Load() {
  skipOnFailure([&] {
    drive1_.load(p_.dirs);
    drive1_.select("c:\\");
    p_.view.showDrives();
  });
  skipOnFailure([&] {
    if (dir2_.setPath(drive1_.drive(), p_.dirs)) p_.view.showDirectories();
  });
  skipOnFailure([&] { p_.view.removeCloseCommand(); });
  skipOnFailure([&] {
    p_.view.listAddColumn("Folder Name");
    p_.view.listAddColumn("Folder Path");
    p_.view.listAddColumn("ID");
    p_.view.listSetColumnWidth(0, 1500);
    p_.view.listSetColumnWidth(1, 5000);
    p_.view.listSetColumnWidth(2, 100);
  });
  loaded_ = true;
  applyButtons(earlyButtons_.value_or(ButtonStates{true, true}));
  if (unshown_) {
    p_.view.listClear();
    for (const FolderRow& row : *unshown_) p_.view.listAdd({row.foldername, row.path, row.id});
    unshown_.reset();
  }
  showHeld();
}

void Form1::showHeld() {
  if (!loaded_) return;
  const int count = p_.view.listCount();
  for (int i = 0; i < count; ++i) {
    const bool held = p_.engine.isHeld(p_.view.listRow(i).path);
    p_.view.listSetPicture(i, held ? form1text::kHeldPicture : form1text::kFolderPicture);
  }
}

void Form1::retryBusyFolders() {
  p_.engine.retryBusy();
  showHeld();
}

void Form1::lview_reload() {
  auto rows = p_.store.loadList();
  if (!loaded_) {
    unshown_ = std::move(rows);
    return;
  }
  p_.view.listClear();
  for (const FolderRow& row : rows) p_.view.listAdd({row.foldername, row.path, row.id});
  showHeld();
}

std::vector<ListRow> Form1::listedRows() {
  std::vector<ListRow> rows;
  if (!loaded_) {
    if (unshown_) {
      for (const FolderRow& row : *unshown_) rows.push_back({row.id, row.path});
    }
    return rows;
  }
  const int count = p_.view.listCount();
  for (int i = 0; i < count; ++i) {
    Form1Row row = p_.view.listRow(i);
    rows.push_back({std::move(row.id), std::move(row.path)});
  }
  return rows;
}

void Form1::cmdlock_Click() {
  applyButtons(p_.engine.lockAll(listedRows()));
  showHeld();
  if (const std::size_t left = p_.engine.leftUnheld(); left > 0 && loaded_) {
    inform(form1text::kNotAllHeld + std::to_string(left) + ".", MsgIcon::Exclamation);
  }
}

void Form1::cmdunlock_Click() {
  applyButtons(p_.engine.unlockAll());
  showHeld();
}

std::string Form1::GetLastDirName(std::string& path) {
  if (path.empty() || path.back() != '\\') path += '\\';
  if (!path.empty() && path.back() == '\\') path.pop_back();
  const auto slash = path.find_last_of('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void Form1::SheenButton1_Click() {
  // A failing store ends this command only: ending the program would drop every lock.
  try {
    add();
  } catch (const core::StoreError& error) {
    p_.dialogs.show(WindowId::Form1, storeErrorMessage(error));
  }
}

void Form1::add() {
  std::string path = dir2_.path();
  if (path.size() <= 3) {
    inform(form1text::kSelectByDoubleClick, MsgIcon::Information);
    return;
  }
  const std::string name = GetLastDirName(path);
  const int count = p_.view.listCount();
  for (int i = 0; i < count; ++i) {
    if (p_.view.listRow(i).path == path) {
      inform(form1text::kAlreadyListed, MsgIcon::Information);
      return;
    }
  }
  p_.store.addFolder(name, path);
  lview_reload();
  lockEnabled_ = true;
  p_.view.setLockEnabled(true);
}

void Form1::SheenButton2_Click() {
  bool anySelected = false;
  for (int i = 0, n = p_.view.listCount(); i < n && !anySelected; ++i) anySelected = p_.view.listSelected(i);
  if (!anySelected) {
    inform(form1text::kPleaseSelect, MsgIcon::None);
    return;
  }
  const int count = p_.view.listCount();
  for (int i = 0; i < count; ++i) {
    if (i >= p_.view.listCount()) break;
    if (!p_.view.listSelected(i)) continue;
    const std::string id = p_.view.listRow(i).id;
    if (id.empty()) continue;
    skipOnFailure([&] {
      for (const HandleRow& held : p_.store.folderLookup(id)) p_.engine.release(held.path, held.handle, id);
    });
    skipOnFailure([&] { p_.store.deleteFolder(id); });
    skipOnFailure([&] { lview_reload(); });
  }
}

void Form1::StyleButton4_Click() {
  if (p_.view.listCount() >= 1) {
    const MsgResult answer = p_.dialogs.show(WindowId::Form1, {form1text::kLockAllQuestion, form1text::kLockAllTitle,
                                                               MsgButtons::YesNo, MsgIcon::Information});
    if (answer == MsgResult::Yes) cmdlock_Click();
  }
  p_.flow.hide(WindowId::Form1);
}

void Form1::StyleButton5_Click() { p_.flow.show(WindowId::frmSplash); }
void Form1::StyleButton7_Click() { p_.flow.show(WindowId::frmpasschange); }
void Form1::StyleButton1_Click() { p_.shell.open(site::kHome); }
void Form1::StyleButton2_Click() { p_.shell.open(site::kHelp); }
void Form1::StyleButton3_Click() { p_.shell.open(site::kRegister); }
void Form1::Label3_Click() { p_.shell.open(site::kAddress); }

void Form1::Drive1_Change(int index) {
  skipOnFailure([&] {
    if (!drive1_.select(index)) return;
    // A drive that cannot be read leaves the folders where they were, without a word.
    if (dir2_.setPath(drive1_.drive(), p_.dirs)) p_.view.showDirectories();
  });
}

// A path change adds nothing to the folder list: a blank row there would only puzzle the user.
void Form1::Dir2_DblClick(int index) {
  skipOnFailure([&] {
    const auto& items = dir2_.items();
    if (index < 0 || index >= static_cast<int>(items.size())) return;
    const std::string target = items[static_cast<std::size_t>(index)].path;
    if (dir2_.open(target, p_.dirs)) p_.view.showDirectories();
  });
}

void Form1::Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  cmdunlock_Click();
  // The process ends right after: the list is left as one file, not with its log beside it.
  p_.store.finish();
}

}  // namespace protect
