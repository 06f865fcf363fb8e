#include "protect/lock_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "support/fakes.h"
#include "unit/protect/fake_file_system.h"
#include "unit/protect/store_fixture.h"

namespace {

using platform::attr::kDirectory;
using platform::attr::kHidden;
using platform::attr::kReadOnly;
using platform::attr::kSystem;
using protect::ButtonStates;
using protect::ListRow;

const std::string kMark = "[.ShellClassInfo]\r\nIconIndex=0\r\nIconFile=C:\\Windows\\system32\\lock.ico\r\n";

// Three listed folders C:\Data\A, B and C in a fake file system, and a real store.
struct World {
  World() {
    fs.addDirectory("C:\\Data");
    for (const char* name : {"A", "B", "C"}) {
      fs.addDirectory(std::string("C:\\Data\\") + name);
      store.addFolder(name, std::string("C:\\Data\\") + name);
    }
  }
  std::vector<ListRow> listRows() {
    std::vector<ListRow> rows;
    for (const auto& row : store.loadList()) rows.push_back({row.id, row.path});
    return rows;
  }
  const std::string* ini(const std::string& folder) {
    const auto* f = fs.file(folder + "\\Desktop.ini");
    return f ? &f->bytes : nullptr;
  }
  bool heldBy(const std::string& folder) {
    for (const auto& [value, open] : fs.handles) {
      if (open.path == protecttest::FakeFileSystem::key(folder)) return true;
    }
    return false;
  }

  protecttest::StoreFile file;
  protect::SqliteFolderStore store{file.path()};
  protecttest::FakeFileSystem fs;
  testsupport::FakeShell shell;
  protect::LockEngine engine{fs, shell, store, fs.systemDir};
};

class LockEngineTest : public ::testing::Test, protected World {};

void expectButtons(ButtonStates got, bool lockEnabled, bool unlockEnabled) {
  EXPECT_EQ(got.lockEnabled, lockEnabled);
  EXPECT_EQ(got.unlockEnabled, unlockEnabled);
}

TEST_F(LockEngineTest, LockAllHoldsRecordsAndMarksEveryFolder) {
  fs.setAttributes("C:\\Data\\B", kReadOnly | kHidden);
  expectButtons(engine.lockAll(listRows()), false, true);
  EXPECT_EQ(fs.lastShareMode, 0u);
  ASSERT_EQ(fs.heldFolders(), 3u);
  std::vector<std::string> expected;
  for (const auto& [value, held] : engine.held()) {
    expected.push_back(held.path + "|" + std::to_string(value));
  }
  EXPECT_EQ(file.pathsAndHandles(), expected);
  for (const char* folder : {"C:\\Data\\A", "C:\\Data\\B", "C:\\Data\\C"}) {
    EXPECT_TRUE(heldBy(folder)) << folder;
    ASSERT_NE(ini(folder), nullptr) << folder;
    EXPECT_EQ(*ini(folder), kMark) << folder;
    EXPECT_EQ(fs.attributes(folder), kSystem | kDirectory) << folder;
  }
  // Three folders of one directory: one notice for the directory.
  EXPECT_EQ(shell.directories, (std::vector<std::string>{"C:\\Data"}));
  EXPECT_TRUE(shell.changed.empty());
}

TEST_F(LockEngineTest, TheShellHearsOfEveryChangedFolder) {
  fs.addDirectory("C:\\Other");
  fs.addDirectory("C:\\Other\\X");
  fs.addDirectory("C:\\Other\\Y");
  auto rows = listRows();
  rows.push_back({"8", "C:\\Other\\X"});
  rows.push_back({"9", "C:\\Other\\Y"});
  rows.push_back({"", "C:\\Other\\Z"});
  engine.lockAll(rows);
  EXPECT_EQ(shell.directories, (std::vector<std::string>{"C:\\Data"}));
  EXPECT_EQ(shell.changed, (std::vector<std::string>{"C:\\Other\\X", "C:\\Other\\Y"}));
  shell.directories.clear();
  shell.changed.clear();
  engine.unlockAll();
  EXPECT_EQ(shell.directories, (std::vector<std::string>{"C:\\Data"}));
  EXPECT_TRUE(shell.changed.empty());
  engine.release("C:\\Data\\A", std::nullopt);
  EXPECT_EQ(shell.changed, (std::vector<std::string>{"C:\\Data\\A"}));
}

TEST_F(LockEngineTest, FailingStepsAreSkippedAndTheNextRowFollows) {
  struct Case {
    const char* name;
    std::function<void(World&)> arrange;
    bool opened;    // this process holds the folder afterwards
    bool recorded;  // its handle is in the table
    bool marked;    // Desktop.ini and the system attribute
  };
  const Case cases[] = {
      {"folder no longer exists", [](World& t) { t.fs.dirs.erase("c:\\data\\b"); }, false, false, false},
      {"folder held by another program", [](World& t) { t.fs.holdElsewhere("C:\\Data\\B"); }, false, false, true},
      {"user is no administrator", [](World& t) { t.shell.admin = false; }, true, false, true},
      {"Desktop.ini cannot be written", [](World& t) { t.fs.unwritable.insert("c:\\data\\b\\desktop.ini"); }, true,
       true, false},
  };
  for (const Case& c : cases) {
    World t;
    c.arrange(t);
    expectButtons(t.engine.lockAll(t.listRows()), false, true);
    bool ours = false;
    for (const auto& [value, held] : t.engine.held()) ours = ours || held.path == "C:\\Data\\B";
    EXPECT_EQ(ours, c.opened) << c.name;
    const auto rows = t.file.pathsAndHandles();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1] != "C:\\Data\\B|NULL", c.recorded) << c.name << ": " << rows[1];
    EXPECT_EQ(t.ini("C:\\Data\\B") != nullptr, c.marked) << c.name;
    // The rows around it are locked whatever happened to B (the table only for administrators).
    for (const char* other : {"C:\\Data\\A", "C:\\Data\\C"}) {
      EXPECT_TRUE(t.heldBy(other)) << c.name << " " << other;
      ASSERT_NE(t.ini(other), nullptr) << c.name << " " << other;
      EXPECT_EQ(*t.ini(other), kMark) << c.name;
    }
    EXPECT_EQ(rows[2] != "C:\\Data\\C|NULL", t.shell.admin) << c.name;
  }
}

TEST_F(LockEngineTest, RowWithoutIdIsPassedOver) {
  fs.addDirectory("C:\\Data\\Loose");
  auto rows = listRows();
  rows.insert(rows.begin() + 1, ListRow{"", "C:\\Data\\Loose"});
  rows.push_back(ListRow{"", ""});
  engine.lockAll(rows);
  EXPECT_FALSE(heldBy("C:\\Data\\Loose"));
  EXPECT_EQ(ini("C:\\Data\\Loose"), nullptr);
  EXPECT_EQ(fs.attributes("C:\\Data\\Loose"), kDirectory);
  EXPECT_EQ(engine.held().size(), 3u);
}

TEST_F(LockEngineTest, UnreadableStoreStillLocksButUnlocksNothing) {
  const auto rows = listRows();
  protect::SqliteFolderStore missing(file.path() + ".missing");
  protect::LockEngine lost(fs, shell, missing, fs.systemDir);
  expectButtons(lost.lockAll(rows), false, true);
  EXPECT_EQ(fs.heldFolders(), 3u);
  EXPECT_EQ(*ini("C:\\Data\\C"), kMark);
  expectButtons(lost.unlockAll(), true, false);
  EXPECT_EQ(fs.heldFolders(), 3u);
  EXPECT_TRUE(fs.closedFolders.empty());
  EXPECT_NE(ini("C:\\Data\\C"), nullptr);
}

TEST_F(LockEngineTest, LockingTwiceKeepsTheFirstHandle) {
  engine.lockAll(listRows());
  const auto first = file.pathsAndHandles();
  const auto held = engine.held();
  expectButtons(engine.lockAll(listRows()), false, true);
  EXPECT_EQ(file.pathsAndHandles(), first);
  EXPECT_EQ(engine.held().size(), held.size());
  EXPECT_EQ(fs.heldFolders(), 3u);
  EXPECT_EQ(*ini("C:\\Data\\A"), kMark);
  // One unlock frees everything.
  engine.unlockAll();
  EXPECT_TRUE(fs.handles.empty());
}

TEST_F(LockEngineTest, EmptyListAndEmptyTableOnlySetTheButtons) {
  store.deleteFolder("1");
  store.deleteFolder("2");
  store.deleteFolder("3");
  fs.calls.clear();
  expectButtons(engine.lockAll({}), false, true);
  expectButtons(engine.unlockAll(), true, false);
  EXPECT_TRUE(fs.calls.empty());
  EXPECT_TRUE(shell.changed.empty());
  EXPECT_TRUE(shell.directories.empty());
}

TEST_F(LockEngineTest, UnlockAllFreesEveryFolderAndDropsTheMark) {
  engine.lockAll(listRows());
  shell.directories.clear();
  expectButtons(engine.unlockAll(), true, false);
  EXPECT_TRUE(fs.handles.empty());
  EXPECT_TRUE(engine.held().empty());
  for (const char* folder : {"C:\\Data\\A", "C:\\Data\\B", "C:\\Data\\C"}) {
    EXPECT_EQ(ini(folder), nullptr) << folder;
    EXPECT_EQ(fs.attributes(folder), kSystem | kDirectory) << folder;  // the attribute stays
  }
  EXPECT_EQ(shell.directories, (std::vector<std::string>{"C:\\Data"}));
  // The table keeps the values; a second unlock closes nothing more.
  fs.closedFolders.clear();
  engine.unlockAll();
  EXPECT_TRUE(fs.closedFolders.empty());
}

TEST_F(LockEngineTest, UnlockAllReleasesRowsTheListDoesNotShow) {
  engine.lockAll(listRows());
  engine.unlockAll();
  // Only A is shown; B and C are in the table with this run's values.
  const auto rows = listRows();
  engine.lockAll({rows[0]});
  engine.unlockAll();
  EXPECT_TRUE(fs.handles.empty());
  EXPECT_EQ(ini("C:\\Data\\A"), nullptr);
}

TEST_F(LockEngineTest, StaleOrForeignValuesAreNotClosed) {
  engine.lockAll(listRows());
  const auto rows = store.readAllHandles();
  ASSERT_EQ(rows.size(), 3u);
  const core::Field heldForB = rows[1].handle;
  struct Case {
    const char* name;
    std::string path;
    core::Field handle;
    std::string id;
  } cases[] = {
      {"value held for another folder", "C:\\Data\\A", heldForB, ""},
      {"value from an earlier run", "C:\\Data\\A", std::string("77777"), ""},
      {"empty Handle", "C:\\Data\\A", std::nullopt, ""},
      {"Handle that is no number", "C:\\Data\\A", std::string("12abc"), ""},
      {"right value, other row ID", "C:\\Data\\B", heldForB, "1"},
  };
  for (const Case& c : cases) {
    engine.release(c.path, c.handle, c.id);
    EXPECT_TRUE(fs.closedFolders.empty()) << c.name;
    EXPECT_EQ(fs.heldFolders(), 3u) << c.name;
  }
  // The Desktop.ini goes whatever the handle was.
  EXPECT_EQ(ini("C:\\Data\\A"), nullptr);
  engine.release("C:\\Data\\B", heldForB, "2");
  EXPECT_EQ(fs.closedFolders.size(), 1u);
  EXPECT_FALSE(heldBy("C:\\Data\\B"));
  // Released once: the same value again is no longer ours.
  engine.release("C:\\Data\\B", heldForB, "2");
  EXPECT_EQ(fs.closedFolders.size(), 1u);
}

TEST_F(LockEngineTest, ValuesFromAnEarlierRunAreReplacedByANewLock) {
  engine.lockAll(listRows());
  const auto before = file.pathsAndHandles();
  // A new process: nothing held, the table holds the old values.
  fs.endProcess();
  protecttest::FakeFileSystem& sameDisk = fs;
  sameDisk.nextHandle = 0x5000;
  protect::LockEngine restarted(fs, shell, store, fs.systemDir);
  restarted.unlockAll();
  EXPECT_TRUE(fs.closedFolders.empty());
  EXPECT_EQ(ini("C:\\Data\\A"), nullptr);
  restarted.lockAll(listRows());
  const auto after = file.pathsAndHandles();
  ASSERT_EQ(after.size(), 3u);
  for (std::size_t i = 0; i < after.size(); ++i) EXPECT_NE(after[i], before[i]);
  restarted.unlockAll();
  EXPECT_TRUE(fs.handles.empty());
}

TEST_F(LockEngineTest, OwnDesktopIniComesBackByteForByteAlsoAfterARestart) {
  const std::string own =
      "[.ShellClassInfo]\r\nInfoTip=Holiday\r\nIconResource=C:\\x.dll,3\r\n\r\n\r\n[ViewState]\r\nMode=";
  fs.addFile("C:\\Data\\A\\Desktop.ini", own, kHidden | kSystem);
  engine.lockAll(listRows());
  ASSERT_NE(ini("C:\\Data\\A"), nullptr);
  EXPECT_EQ(*ini("C:\\Data\\A"),
            "[.ShellClassInfo]\r\nIconIndex=0\r\nIconFile=C:\\Windows\\system32\\lock.ico\r\nInfoTip=Holiday\r\n"
            "IconResource=C:\\x.dll,3\r\n\r\n[ViewState]\r\nMode=\r\n");
  // Locking again must not take the marked file for the folder's own.
  engine.lockAll(listRows());
  // The process ends without unlocking; a new one unlocks.
  fs.endProcess();
  protect::LockEngine restarted(fs, shell, store, fs.systemDir);
  restarted.unlockAll();
  const auto* back = fs.file("C:\\Data\\A\\Desktop.ini");
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->bytes, own);
  EXPECT_EQ(back->attributes, kHidden | kSystem);
  EXPECT_EQ(ini("C:\\Data\\B"), nullptr);
  // The copy is gone, so a second unlock leaves the restored file alone.
  restarted.unlockAll();
  ASSERT_NE(fs.file("C:\\Data\\A\\Desktop.ini"), nullptr);
  EXPECT_EQ(fs.file("C:\\Data\\A\\Desktop.ini")->bytes, own);
  for (const auto& [path, f] : fs.files) EXPECT_EQ(path.find("c:\\programdata"), std::string::npos) << path;
}

TEST_F(LockEngineTest, CopiesAreKeptPerFolderOutsideTheFolder) {
  fs.addFile("C:\\Data\\A\\Desktop.ini", "[x]\r\na=1\r\n");
  fs.addFile("C:\\Data\\B\\Desktop.ini", "[x]\r\nb=2\r\n", kReadOnly);
  engine.lockAll(listRows());
  int copies = 0;
  for (const auto& [path, f] : fs.files) {
    if (path.rfind("c:\\programdata\\quillmar folder vardel\\desktop.ini copies\\", 0) == 0) ++copies;
    EXPECT_EQ(path.find("c:\\data\\a\\") == 0 && path != "c:\\data\\a\\desktop.ini", false) << path;
  }
  EXPECT_EQ(copies, 2);
  engine.unlockAll();
  EXPECT_EQ(fs.file("C:\\Data\\A\\Desktop.ini")->bytes, "[x]\r\na=1\r\n");
  EXPECT_EQ(fs.file("C:\\Data\\B\\Desktop.ini")->bytes, "[x]\r\nb=2\r\n");
  EXPECT_EQ(fs.file("C:\\Data\\B\\Desktop.ini")->attributes, kReadOnly);
  EXPECT_EQ(ini("C:\\Data\\C"), nullptr);
  // The last copy put back, the folder of copies goes too.
  EXPECT_FALSE(fs.exists("C:\\ProgramData\\Quillmar Folder Vardel\\Desktop.ini copies"));
  // Unlocking again in the same run leaves the folders' own files alone.
  engine.unlockAll();
  ASSERT_NE(fs.file("C:\\Data\\A\\Desktop.ini"), nullptr);
  EXPECT_EQ(fs.file("C:\\Data\\A\\Desktop.ini")->bytes, "[x]\r\na=1\r\n");
}

// The main window lists a path again when it differs only in letter case; it is the same folder.
TEST_F(LockEngineTest, AFolderListedTwiceInDifferentCaseGetsItsOwnDesktopIniBack) {
  store.addFolder("a", "C:\\DATA\\a");
  fs.addFile("C:\\Data\\A\\Desktop.ini", "[x]\r\nmine=1\r\n", kHidden);
  engine.lockAll(listRows());
  EXPECT_TRUE(protect::carriesLockMark(*ini("C:\\Data\\A"), engine.lockIconValue()));
  EXPECT_EQ(engine.held().size(), 3u) << "the second path cannot open the folder again";
  engine.unlockAll();
  ASSERT_NE(ini("C:\\Data\\A"), nullptr);
  EXPECT_EQ(*ini("C:\\Data\\A"), "[x]\r\nmine=1\r\n");
  EXPECT_EQ(fs.file("C:\\Data\\A\\Desktop.ini")->attributes, kHidden);
  EXPECT_TRUE(fs.handles.empty());
  // Locked and unlocked again, in the other order of the two rows.
  auto rows = listRows();
  std::reverse(rows.begin(), rows.end());
  engine.lockAll(rows);
  engine.unlockAll();
  ASSERT_NE(ini("C:\\Data\\A"), nullptr);
  EXPECT_EQ(*ini("C:\\Data\\A"), "[x]\r\nmine=1\r\n");
}

TEST_F(LockEngineTest, WithoutAPlaceForCopiesReleaseDeletesTheMarkedFile) {
  fs.commonData.clear();
  fs.addFile("C:\\Data\\A\\Desktop.ini", "[x]\r\na=1\r\n");
  engine.lockAll(listRows());
  engine.unlockAll();
  EXPECT_EQ(ini("C:\\Data\\A"), nullptr);
}

TEST_F(LockEngineTest, HandlesStillHeldAreClosedWhenTheEngineGoes) {
  {
    protect::LockEngine other(fs, shell, store, fs.systemDir);
    other.lockAll(listRows());
    EXPECT_EQ(fs.heldFolders(), 3u);
  }
  EXPECT_TRUE(fs.handles.empty());
  EXPECT_EQ(*ini("C:\\Data\\A"), kMark);  // the marks stay
}

// Forwards to the real store and notes where each operation falls relative to the passes.
class PassRecordingStore : public protect::FolderStore {
 public:
  explicit PassRecordingStore(protect::FolderStore& inner) : inner_(inner) {}
  std::vector<protect::FolderRow> loadList() override { return inner_.loadList(); }
  void addFolder(const std::string& name, const std::string& path) override { inner_.addFolder(name, path); }
  void recordHandle(const std::string& id, platform::HandleValue handle) override {
    log.push_back(inPass_ ? "record in pass" : "record alone");
    inner_.recordHandle(id, handle);
  }
  std::vector<protect::HandleRow> folderLookup(const std::string& id) override { return inner_.folderLookup(id); }
  void deleteFolder(const std::string& id) override { inner_.deleteFolder(id); }
  std::vector<protect::HandleRow> readAllHandles() override {
    log.push_back(inPass_ ? "read in pass" : "read alone");
    return inner_.readAllHandles();
  }
  void beginPass() override {
    log.push_back("begin");
    inPass_ = true;
    inner_.beginPass();
  }
  void endPass() override {
    log.push_back("end");
    inPass_ = false;
    inner_.endPass();
  }
  std::vector<std::string> log;

 private:
  protect::FolderStore& inner_;
  bool inPass_ = false;
};

TEST_F(LockEngineTest, LockAllAndUnlockAllEachUseOnePass) {
  PassRecordingStore recording(store);
  protect::LockEngine passes(fs, shell, recording, fs.systemDir);
  passes.lockAll(listRows());
  EXPECT_EQ(recording.log,
            (std::vector<std::string>{"begin", "record in pass", "record in pass", "record in pass", "end"}));
  recording.log.clear();
  passes.unlockAll();
  EXPECT_EQ(recording.log, (std::vector<std::string>{"begin", "read in pass", "end"}));
  EXPECT_TRUE(fs.handles.empty());
}

TEST(LockEngineLong, AListLongerThan32767RowsLocks) {
  protecttest::FakeFileSystem fs;
  testsupport::FakeShell shell;
  shell.admin = false;  // the handles are held without touching the store
  protecttest::StoreFile file;
  protect::SqliteFolderStore store(file.path());
  protect::LockEngine engine(fs, shell, store, fs.systemDir);
  std::vector<ListRow> rows;
  for (int i = 1; i <= 33000; ++i) {
    const std::string path = "C:\\F" + std::to_string(i);
    fs.addDirectory(path);
    rows.push_back({std::to_string(i), path});
  }
  engine.lockAll(rows);
  EXPECT_EQ(fs.heldFolders(), rows.size());
  EXPECT_NE(fs.file("C:\\F33000\\Desktop.ini"), nullptr);
}

// C:\Data\A holds files one and three levels deep; another program tries them by path.
struct Tree : World {
  Tree() {
    fs.addFile("C:\\Data\\A\\one.txt", "one");
    fs.addDirectory("C:\\Data\\A\\S");
    fs.addDirectory("C:\\Data\\A\\S\\T");
    fs.addDirectory("C:\\Data\\A\\S\\T\\U");
    fs.addFile("C:\\Data\\A\\S\\T\\U\\three.txt", "three");
  }
  static constexpr std::uint32_t kRead = protecttest::FakeFileSystem::kShareRead;
  static constexpr std::uint32_t kWriteDelete =
      protecttest::FakeFileSystem::kShareWrite | protecttest::FakeFileSystem::kShareDelete;
  bool othersCanOpen(const std::string& path, std::uint32_t need) { return fs.allowed(path, need); }
};
class LockEngineContents : public ::testing::Test, protected Tree {};

TEST_F(LockEngineContents, EveryFileAndSubfolderIsHeldAndTheMarkStaysReadable) {
  engine.lockAll(listRows());
  for (const char* path : {"C:\\Data\\A\\one.txt", "C:\\Data\\A\\S", "C:\\Data\\A\\S\\T", "C:\\Data\\A\\S\\T\\U",
                           "C:\\Data\\A\\S\\T\\U\\three.txt"}) {
    EXPECT_FALSE(othersCanOpen(path, kRead)) << path << ": read";
    EXPECT_FALSE(othersCanOpen(path, kWriteDelete)) << path << ": write, move or delete";
  }
  EXPECT_EQ(fs.openDirectory("C:\\Data\\A\\S\\T", 7), platform::kInvalidHandle) << "a subfolder cannot be opened";
  EXPECT_TRUE(othersCanOpen("C:\\Data\\A\\Desktop.ini", kRead)) << "the shell reads the icon";
  EXPECT_FALSE(othersCanOpen("C:\\Data\\A\\Desktop.ini", kWriteDelete)) << "no one changes the mark";
  EXPECT_EQ(engine.handlesHeld(), fs.handles.size());
  EXPECT_EQ(engine.handlesHeld(), 3u + 3u + 5u) << "three folders, three marks, A's five entries";
  ASSERT_EQ(engine.held().size(), 3u);

  engine.unlockAll();
  EXPECT_TRUE(fs.handles.empty());
  EXPECT_EQ(engine.handlesHeld(), 0u);
  EXPECT_EQ(fs.file("C:\\Data\\A\\one.txt")->bytes, "one");
  EXPECT_EQ(fs.file("C:\\Data\\A\\S\\T\\U\\three.txt")->bytes, "three");
  EXPECT_EQ(ini("C:\\Data\\A"), nullptr);
}

TEST_F(LockEngineContents, WhatCannotBeOpenedOrListedIsSkippedAndTheRestGoesOn) {
  fs.addFile("C:\\Data\\A\\busy.txt", "in use");
  fs.busy.insert("c:\\data\\a\\busy.txt");
  fs.addFile("C:\\Data\\A\\S\\hidden-below.txt", "x");
  fs.unlistable.insert("c:\\data\\a\\s");
  engine.lockAll(listRows());
  EXPECT_TRUE(othersCanOpen("C:\\Data\\A\\busy.txt", kRead)) << "skipped";
  EXPECT_FALSE(othersCanOpen("C:\\Data\\A\\S", kRead)) << "the folder that cannot be listed is still held";
  EXPECT_TRUE(othersCanOpen("C:\\Data\\A\\S\\hidden-below.txt", kRead)) << "its entries were never read";
  EXPECT_FALSE(othersCanOpen("C:\\Data\\A\\one.txt", kRead)) << "the rest is held";
  EXPECT_FALSE(othersCanOpen("C:\\Data\\B\\Desktop.ini", kWriteDelete)) << "the next folders too";
  engine.unlockAll();
  EXPECT_TRUE(fs.handles.empty());
}

TEST_F(LockEngineContents, ALinkIsHeldItselfAndNotFollowed) {
  // A junction to C:\Data\B: its entries in the listing are B's, which must not be walked twice.
  fs.addDirectory("C:\\Data\\A\\J");
  fs.links.insert("c:\\data\\a\\j");
  fs.addFile("C:\\Data\\A\\J\\through-link.txt", "x");
  fs.addFile("C:\\Data\\A\\file-link.txt", "");
  fs.links.insert("c:\\data\\a\\file-link.txt");
  engine.lockAll(listRows());
  EXPECT_FALSE(othersCanOpen("C:\\Data\\A\\J", kRead)) << "the junction itself is held";
  EXPECT_FALSE(othersCanOpen("C:\\Data\\A\\file-link.txt", kRead)) << "the file link itself is held";
  EXPECT_TRUE(othersCanOpen("C:\\Data\\A\\J\\through-link.txt", kRead)) << "not followed";
  engine.unlockAll();
  EXPECT_TRUE(fs.handles.empty());
}

TEST_F(LockEngineContents, AListedFolderInsideAnotherIsHeldOnceAndReleasingOneKeepsWhatTheOtherHolds) {
  // S is listed too; whichever of the two goes first, what the other holds stays held.
  for (const bool innerFirst : {true, false}) {
    SCOPED_TRACE(innerFirst ? "inner released first" : "outer released first");
    Tree t;
    t.store.addFolder("S", "C:\\Data\\A\\S");
    t.engine.lockAll(t.listRows());
    std::map<std::string, core::Field> handleOf;
    std::map<std::string, std::string> idOf;
    for (const auto& row : t.store.readAllHandles()) handleOf[row.path] = row.handle;
    for (const auto& row : t.store.loadList()) idOf[row.path] = row.id;
    std::vector<platform::HandleValue> onS;
    for (const auto& [value, open] : t.fs.handles) {
      if (open.path == "c:\\data\\a\\s") onS.push_back(value);
    }
    ASSERT_EQ(onS.size(), 1u) << "one handle for the folder both locks hold";
    EXPECT_EQ(handleOf["C:\\Data\\A\\S"], std::to_string(onS[0])) << "the inner row records the handle it shares";
    EXPECT_TRUE(t.fs.allowed("C:\\Data\\A\\S\\Desktop.ini", kRead)) << "the inner mark is readable";

    const std::string first = innerFirst ? "C:\\Data\\A\\S" : "C:\\Data\\A";
    const std::string second = innerFirst ? "C:\\Data\\A" : "C:\\Data\\A\\S";
    t.engine.release(first, handleOf[first], idOf[first]);
    EXPECT_FALSE(t.fs.allowed("C:\\Data\\A\\S\\T\\U\\three.txt", kRead)) << "still held by the other lock";
    EXPECT_FALSE(t.fs.allowed("C:\\Data\\A\\S", kRead));
    if (innerFirst) {
      EXPECT_EQ(t.ini("C:\\Data\\A\\S"), nullptr) << "the released folder's mark is gone";
      EXPECT_FALSE(t.fs.allowed("C:\\Data\\A\\one.txt", kRead));
    } else {
      EXPECT_TRUE(t.fs.allowed("C:\\Data\\A\\one.txt", kRead)) << "only in the released folder";
      EXPECT_NE(t.ini("C:\\Data\\A\\S"), nullptr) << "the inner folder keeps its mark";
    }
    t.engine.release(second, handleOf[second], idOf[second]);
    for (const auto& [value, open] : t.fs.handles) {
      EXPECT_EQ(open.path.rfind("c:\\data\\a", 0), std::string::npos) << open.path << " still held";
    }
    t.engine.unlockAll();
    EXPECT_TRUE(t.fs.handles.empty());
    EXPECT_EQ(t.engine.handlesHeld(), 0u);
  }
}

TEST_F(LockEngineContents, TheNextLockAllHoldsNewFilesAndRewritesTheMarkItHolds) {
  engine.lockAll(listRows());
  const std::size_t before = engine.handlesHeld();
  fs.addFile("C:\\Data\\A\\S\\new.txt", "made after the lock");
  EXPECT_TRUE(othersCanOpen("C:\\Data\\A\\S\\new.txt", kRead)) << "not held until the next lock all";
  fs.files["c:\\data\\a\\desktop.ini"].bytes = "[x]\r\n";  // as if the mark were changed meanwhile
  engine.lockAll(listRows());
  EXPECT_FALSE(othersCanOpen("C:\\Data\\A\\S\\new.txt", kRead));
  EXPECT_EQ(engine.handlesHeld(), before + 1);
  EXPECT_EQ(engine.handlesHeld(), fs.handles.size()) << "nothing held twice";
  ASSERT_NE(ini("C:\\Data\\A"), nullptr);
  EXPECT_NE(ini("C:\\Data\\A")->find("IconFile=C:\\Windows\\system32\\lock.ico"), std::string::npos)
      << "the held mark was let go for the write";
  EXPECT_FALSE(othersCanOpen("C:\\Data\\A\\Desktop.ini", kWriteDelete)) << "and held again";
  engine.unlockAll();
  EXPECT_TRUE(fs.handles.empty());
}

TEST_F(LockEngineContents, PastTheCeilingTheFoldersStillLockAndTheRestIsCounted) {
  const std::size_t files = protect::LockEngine::kMostHeld + 10;
  for (std::size_t i = 0; i < files; ++i) fs.addFile("C:\\Data\\A\\f" + std::to_string(i), "");
  engine.lockAll(listRows());
  for (const char* folder : {"C:\\Data\\A", "C:\\Data\\B", "C:\\Data\\C"}) EXPECT_TRUE(heldBy(folder)) << folder;
  EXPECT_EQ(engine.handlesHeld(), protect::LockEngine::kMostHeld);
  EXPECT_EQ(fs.handles.size(), protect::LockEngine::kMostHeld);
  // What was seen and not held: at least the files past the ceiling and B's and C's marks.
  const std::size_t left = engine.leftUnheld();
  EXPECT_GE(left, 10u + 2u);
  engine.unlockAll();
  EXPECT_TRUE(fs.handles.empty());
  engine.lockAll(listRows());
  EXPECT_EQ(engine.leftUnheld(), left) << "counted again, not added up";
}

TEST_F(LockEngineTest, AFolderBusyAtLockAllIsTriedAgainUntilItIsHeld) {
  fs.holdElsewhere("C:\\Data\\B");
  fs.addFile("C:\\Data\\B\\inside.txt", "b");
  engine.lockAll(listRows());
  EXPECT_FALSE(engine.isHeld("C:\\Data\\B"));
  EXPECT_TRUE(engine.isHeld("C:\\Data\\A"));
  EXPECT_NE(ini("C:\\Data\\B"), nullptr) << "marked all the same";
  EXPECT_TRUE(engine.anyBusy());
  EXPECT_TRUE(engine.retryBusy()) << "still open elsewhere";
  fs.releaseElsewhere();
  EXPECT_FALSE(engine.retryBusy());
  EXPECT_TRUE(engine.isHeld("C:\\Data\\B"));
  EXPECT_FALSE(fs.allowed("C:\\Data\\B\\inside.txt", protecttest::FakeFileSystem::kShareRead)) << "contents too";
  std::map<std::string, std::string> recorded;
  for (const auto& row : store.readAllHandles()) recorded[row.path] = row.handle.value_or("");
  bool found = false;
  for (const auto& [value, held] : engine.held()) {
    if (held.path == "C:\\Data\\B") found = recorded["C:\\Data\\B"] == std::to_string(value);
  }
  EXPECT_TRUE(found) << "the late handle is recorded";
  EXPECT_FALSE(engine.anyBusy());
  engine.unlockAll();
  EXPECT_TRUE(fs.handles.empty());
}

TEST_F(LockEngineTest, UnlockAllAndReleaseEndTheRetries) {
  fs.holdElsewhere("C:\\Data\\B");
  engine.lockAll(listRows());
  engine.unlockAll();
  EXPECT_FALSE(engine.anyBusy()) << "unlocked on purpose";
  engine.lockAll(listRows());
  ASSERT_TRUE(engine.anyBusy());
  engine.release("C:\\Data\\B", std::nullopt, "");
  EXPECT_FALSE(engine.anyBusy()) << "a removed row is not locked later";
  engine.unlockAll();
  fs.releaseElsewhere();
  fs.holdElsewhere("C:\\Data\\C", 0x9994);
  engine.lockAll(listRows());
  ASSERT_TRUE(engine.anyBusy());
  // The other program lets go and the folder is deleted before the next try.
  fs.releaseElsewhere(0x9994);
  fs.dirs.erase("c:\\data\\c");
  EXPECT_FALSE(engine.retryBusy()) << "a folder that went away is not tried for ever";
  EXPECT_FALSE(engine.isHeld("C:\\Data\\C"));
}

TEST(LockEnginePaths, OnlyAbsolutePathsAreFolders) {
  const struct {
    const char* path;
    bool absolute;
  } cases[] = {{"C:\\Data", true},      {"c:\\", true},         {"\\\\?\\C:\\Data", true},
               {"\\\\server\\share", true}, {"", false},             {"Data", false},
               {"\\Data", false},      {"C:", false},            {"C:Data", false},
               {"\\\\", false},         {"\\\\\\x", false},        {"1:\\x", false}};
  for (const auto& c : cases) EXPECT_EQ(protect::isAbsoluteFolderPath(c.path), c.absolute) << c.path;
}

TEST_F(LockEngineTest, ARowWithoutAUsablePathIsNeverOpenedWrittenOrReleased) {
  // NULL, empty or relative: "\\Desktop.ini" would be the working drive's root.
  file.open().execute("insert into tab1 (Foldername,Path) values ('null',NULL),('empty',''),('relative','Data')");
  fs.addDirectory("Data");
  fs.calls.clear();
  engine.lockAll(listRows());
  engine.release("", std::nullopt, "");
  engine.release("Data", std::nullopt, "");
  engine.unlockAll();
  for (const std::string& call : fs.calls) {
    if (call.rfind("close ", 0) == 0) continue;  // a handle, not a path
    EXPECT_NE(call.find("C:\\Data\\"), std::string::npos) << "a call outside the listed folders: " << call;
  }
  EXPECT_EQ(fs.file("\\Desktop.ini"), nullptr);
  EXPECT_EQ(fs.file("Data\\Desktop.ini"), nullptr);
  for (const std::string& folder : shell.changed) EXPECT_FALSE(folder.empty() || folder == "Data") << folder;
}

}  // namespace
