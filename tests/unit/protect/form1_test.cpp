#include "protect/form1.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/fakes.h"
#include "unit/protect/fake_file_system.h"
#include "unit/protect/form1_fakes.h"

namespace {

using platform::Message;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;
using platform::WindowId;
using protect::Form1;
using protect::Form1Row;

// The form with a real lock engine over an in-memory file system and an in-memory tab1.
class Form1Test : public ::testing::Test {
 protected:
  Form1Test() {
    dirs.driveList = {{"c:\\", "System", protect::DriveKind::Fixed},
                      {"d:\\", "Data", protect::DriveKind::Fixed},
                      {"e:\\", "", protect::DriveKind::Optical}};  // no medium: cannot be read
    dirs.folders = {{"c:\\", {"Data", "Temp"}}, {"c:\\Data", {"Photos", "Music"}},
                    {"c:\\Data\\Photos", {}},   {"c:\\Data\\Music", {}},
                    {"c:\\Temp", {}},           {"d:\\", {"Data"}},
                    {"d:\\Data", {"Photos"}},   {"d:\\Data\\Photos", {}}};
    for (const char* dir :
         {"c:\\Data", "c:\\Data\\Photos", "c:\\Data\\Music", "c:\\Temp", "D:", "d:\\Data", "d:\\Data\\Photos"})
      fs.addDirectory(dir);
  }

  void load() {
    form.Form_Load();
    form.lview_reload();
  }
  // A double-click on the directory list's entry with this caption.
  void open(const std::string& caption) {
    const auto& items = form.dir2().items();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i].caption == caption) {
        form.Dir2_DblClick(static_cast<int>(i));
        return;
      }
    }
    FAIL() << "no entry " << caption << " under " << form.dir2().path();
  }
  void chooseDrive(int index) { form.Drive1_Change(index); }
  // Opens the folder at path on drive c: and adds it.
  void addFolder(const std::vector<std::string>& captions) {
    for (const std::string& c : captions) open(c);
    form.SheenButton1_Click();
  }
  std::pair<bool, bool> buttons() const {
    return {view.lockEnabled.value_or(false), view.unlockEnabled.value_or(false)};
  }

  protecttest::FakeView view;
  protecttest::FakeStore store;
  protecttest::FakeFileSystem fs;
  testsupport::FakeShell shell;
  protect::LockEngine engine{fs, shell, store, fs.systemDir};
  protecttest::FakeDirSource dirs;
  testsupport::FakeDialogs dialogs;
  testsupport::FakeWindowFlow flow;
  Form1 form{{view, store, engine, dirs, dialogs, flow, shell}};
};

Message info(const char* text) { return {text, platform::kAppTitle, MsgButtons::Ok, MsgIcon::Information}; }

TEST_F(Form1Test, LoadSetsColumnsDriveCAndTakesTheCloseCommandAway) {
  form.Form_Load();
  const std::vector<std::pair<std::string, int>> columns = {{"Folder Name", 1500}, {"Folder Path", 5000}, {"ID", 100}};
  EXPECT_EQ(view.columns, columns);
  EXPECT_EQ(form.drive1().drive(), "c:\\");
  EXPECT_EQ(form.dir2().path(), "c:\\");
  EXPECT_EQ(view.closeCommandRemoved, 1);
  EXPECT_EQ(buttons(), std::make_pair(true, true));
  EXPECT_TRUE(view.rows.empty()) << "load does not fill the list";
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Form1Test, ReloadRebuildsTheListFromTheStoreInItsOrder) {
  store.rows = {{7, "Photos", "D:\\Data\\Photos", "1234"}, {3, "Music", "c:\\Data\\Music", std::nullopt}};
  form.Form_Load();
  view.listAdd({"", "", ""});  // an old row without an ID goes too
  form.lview_reload();
  const std::vector<Form1Row> expected = {{"Photos", "D:\\Data\\Photos", "7"}, {"Music", "c:\\Data\\Music", "3"}};
  EXPECT_EQ(view.rows, expected);
}

// Start-up's order: the rows read and locked before the window exists, shown when it loads.
TEST_F(Form1Test, RowsReadBeforeLoadAreLockedThenShownWithTheLockedButtons) {
  store.rows = {{7, "Photos", "c:\\Data\\Photos", std::nullopt}, {3, "Music", "c:\\Data\\Music", std::nullopt}};
  form.lview_reload();
  form.cmdlock_Click();
  EXPECT_TRUE(view.rows.empty());
  EXPECT_FALSE(view.lockEnabled.has_value()) << "no control is touched before the window exists";
  EXPECT_EQ(engine.held().size(), 2u);
  form.Form_Load();
  const std::vector<Form1Row> expected = {{"Photos", "c:\\Data\\Photos", "7"}, {"Music", "c:\\Data\\Music", "3"}};
  EXPECT_EQ(view.rows, expected);
  EXPECT_EQ(buttons(), std::make_pair(false, true));
  // Afterwards the list is the window's again.
  form.cmdunlock_Click();
  EXPECT_TRUE(engine.held().empty());
  EXPECT_EQ(buttons(), std::make_pair(true, false));
}

TEST_F(Form1Test, ReloadLeavesAStoreFailureToItsCaller) {
  store.failing = {"loadList"};
  EXPECT_THROW(form.lview_reload(), core::StoreError) << "at start-up this failure ends the program";
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Form1Test, AddCases) {
  const struct {
    const char* name;
    std::vector<std::string> listed;  // paths already in tab1
    int drive;
    std::vector<std::string> captions;  // double-clicked from the drive's root down
    std::optional<Message> message;
    std::optional<Form1Row> added;
  } cases[] = {
      {"drive root", {}, 0, {}, info(protect::form1text::kSelectByDoubleClick), std::nullopt},
      {"root after opening it again", {}, 0, {"c:\\"}, info(protect::form1text::kSelectByDoubleClick), std::nullopt},
      {"already listed", {"c:\\Data"}, 0, {"Data"}, info(protect::form1text::kAlreadyListed), std::nullopt},
      {"listed in another letter case", {"c:\\DATA"}, 0, {"Data"}, std::nullopt, Form1Row{"Data", "c:\\Data", "2"}},
      {"nested folder", {"c:\\Temp"}, 1, {"Data", "Photos"}, std::nullopt, Form1Row{"Photos", "d:\\Data\\Photos", "2"}},
      {"the last opened folder, not its highlighted subfolder",
       {},
       0,
       {"Data"},
       std::nullopt,
       Form1Row{"Data", "c:\\Data", "1"}},
      // Folders whose subfolders cannot be listed (held, or closed to this user): the one picked
      // is added, never its parent, and a pick at the root is not taken for no pick.
      {"an unlistable folder at the root", {}, 0, {"Users"}, std::nullopt, Form1Row{"Users", "c:\\Users", "1"}},
      {"an unlistable folder below another",
       {},
       0,
       {"Data", "Private"},
       std::nullopt,
       Form1Row{"Private", "c:\\Data\\Private", "1"}},
  };
  dirs.folders["c:\\"].push_back("Users");
  dirs.folders["c:\\Data"].push_back("Private");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    protecttest::FakeView freshView;
    protecttest::FakeStore freshStore;
    testsupport::FakeDialogs freshDialogs;
    protect::LockEngine freshEngine{fs, shell, freshStore, fs.systemDir};
    Form1 f{{freshView, freshStore, freshEngine, dirs, freshDialogs, flow, shell}};
    for (const std::string& p : c.listed) freshStore.addFolder("x", p);
    f.Form_Load();
    f.lview_reload();
    f.cmdlock_Click();
    f.Drive1_Change(c.drive);
    for (const std::string& caption : c.captions) {
      const auto& items = f.dir2().items();
      for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].caption == caption) {
          f.Dir2_DblClick(static_cast<int>(i));
          break;
        }
    }
    const std::size_t before = freshView.rows.size();
    f.SheenButton1_Click();
    if (c.message) {
      ASSERT_EQ(freshDialogs.shown.size(), 1u);
      EXPECT_EQ(freshDialogs.shown[0].message, *c.message);
      EXPECT_EQ(freshDialogs.shown[0].owner, WindowId::Form1);
      EXPECT_EQ(freshView.rows.size(), before);
      EXPECT_FALSE(f.lockEnabled()) << "a refused add leaves Lock Folders as it was";
    } else {
      EXPECT_TRUE(freshDialogs.shown.empty());
      ASSERT_EQ(freshView.rows.size(), before + 1);
      EXPECT_EQ(freshView.rows.back(), *c.added);
      EXPECT_TRUE(f.lockEnabled());
      EXPECT_EQ(freshView.lockEnabled, std::optional<bool>(true));
    }
  }
}

TEST_F(Form1Test, AStoreFailureInAddEndsOnlyThatCommandWithAnErrorMessage) {
  for (const char* failing : {"addFolder", "loadList"}) {
    SCOPED_TRACE(failing);
    testsupport::FakeDialogs freshDialogs;
    protecttest::FakeView freshView;
    Form1 f{{freshView, store, engine, dirs, freshDialogs, flow, shell}};
    f.Form_Load();
    f.cmdlock_Click();
    store.failing = {failing};
    f.Dir2_DblClick(1);  // c:\Data
    ASSERT_EQ(f.dir2().path(), "c:\\Data");
    EXPECT_NO_THROW(f.SheenButton1_Click());
    ASSERT_EQ(freshDialogs.shown.size(), 1u);
    EXPECT_EQ(freshDialogs.shown[0].message,
              (Message{"Error 14: unable to open database file", platform::kAppTitle, MsgButtons::Ok, MsgIcon::Error}));
    EXPECT_FALSE(f.lockEnabled()) << "the command stopped at the failing step";
    store.failing.clear();
    store.rows.clear();
  }
}

TEST_F(Form1Test, RemoveWithNothingSelectedAsksForASelection) {
  load();
  form.SheenButton2_Click();  // empty list
  addFolder({"Data"});
  form.SheenButton2_Click();  // one row, not selected
  const Message pleaseSelect{"Please select", platform::kAppTitle, MsgButtons::Ok, MsgIcon::None};
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].message, pleaseSelect);
  EXPECT_EQ(dialogs.shown[1].message, pleaseSelect);
  EXPECT_EQ(store.rows.size(), 1u);
}

TEST_F(Form1Test, RemoveOfALockedFolderReleasesItDeletesItsRowAndRebuildsTheList) {
  load();
  addFolder({"Data", "Photos"});
  addFolder({"Data", "Music"});
  form.cmdlock_Click();
  ASSERT_EQ(fs.heldFolders(), 2u);
  ASSERT_NE(fs.file("c:\\Data\\Photos\\Desktop.ini"), nullptr);
  const auto photosHandle = store.rows[0].handle;
  ASSERT_TRUE(photosHandle.has_value());

  view.select(0);
  form.SheenButton2_Click();

  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(fs.closedFolders, std::vector<platform::HandleValue>{std::stoll(*photosHandle)});
  EXPECT_EQ(fs.heldFolders(), 1u) << "Music stays locked";
  EXPECT_EQ(fs.file("c:\\Data\\Photos\\Desktop.ini"), nullptr);
  EXPECT_EQ(fs.attributes("c:\\Data\\Photos").value_or(0) & ~platform::attr::kDirectory, platform::attr::kSystem)
      << "the folder keeps the system attribute";
  const std::vector<Form1Row> left = {{"Music", "c:\\Data\\Music", "2"}};
  EXPECT_EQ(view.rows, left);
  ASSERT_EQ(store.rows.size(), 1u);
  EXPECT_NE(fs.file("c:\\Data\\Music\\Desktop.ini"), nullptr) << "the other folder stays locked";
  EXPECT_EQ(buttons(), std::make_pair(false, true)) << "remove leaves the lock buttons alone";
}

TEST_F(Form1Test, RemovePassesOverARowWithoutIdAndGoesOnPastStoreFailures) {
  load();
  addFolder({"Data"});
  view.listAdd({"", "", ""});
  view.select(1);
  store.calls.clear();
  form.SheenButton2_Click();
  EXPECT_TRUE(store.calls.empty()) << "nothing looked up or deleted for a row without an ID";

  view.select(0);
  store.failing = {"folderLookup"};
  EXPECT_NO_THROW(form.SheenButton2_Click());
  EXPECT_TRUE(store.rows.empty()) << "the delete still ran after the lookup failed";
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Form1Test, CloseCases) {
  const struct {
    const char* name;
    bool withRow;
    MsgResult answer;
    bool asked;
    bool locked;
  } cases[] = {
      {"empty list", false, MsgResult::Yes, false, false},
      {"answered No", true, MsgResult::No, true, false},
      {"answered Yes", true, MsgResult::Yes, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testsupport::FakeDialogs freshDialogs;
    testsupport::FakeWindowFlow freshFlow;
    protecttest::FakeView freshView;
    protecttest::FakeStore freshStore;
    protecttest::FakeFileSystem freshFs;
    freshFs.addDirectory("c:\\Data");
    protect::LockEngine freshEngine{freshFs, shell, freshStore, freshFs.systemDir};
    Form1 f{{freshView, freshStore, freshEngine, dirs, freshDialogs, freshFlow, shell}};
    if (c.withRow) freshStore.addFolder("Data", "c:\\Data");
    f.Form_Load();
    f.lview_reload();
    freshDialogs.answer = c.answer;
    f.StyleButton4_Click();
    if (c.asked) {
      ASSERT_EQ(freshDialogs.shown.size(), 1u);
      EXPECT_EQ(freshDialogs.shown[0].message, (Message{"Do you want to lock all folders?", "Folder Vardel",
                                                        MsgButtons::YesNo, MsgIcon::Information}));
    } else {
      EXPECT_TRUE(freshDialogs.shown.empty());
    }
    EXPECT_EQ(freshFs.heldFolders(), c.locked ? 1u : 0u);
    EXPECT_EQ(f.lockEnabled(), !c.locked);
    EXPECT_EQ(freshFlow.events, testsupport::Log{"hide Form1"});
  }
}

TEST_F(Form1Test, LockButtonStatesFollowLockUnlockAddAndRemove) {
  load();
  const struct {
    const char* step;
    std::function<void()> run;
    std::pair<bool, bool> expected;  // Lock Folders, Unlock Folders enabled
  } steps[] = {
      {"load", [] {}, {true, true}},
      {"lock", [&] { form.cmdlock_Click(); }, {false, true}},
      {"unlock", [&] { form.cmdunlock_Click(); }, {true, false}},
      {"lock again", [&] { form.cmdlock_Click(); }, {false, true}},
      {"add", [&] { addFolder({"Data"}); }, {true, true}},
      {"lock with a folder", [&] { form.cmdlock_Click(); }, {false, true}},
      {"remove",
       [&] {
         view.select(0);
         form.SheenButton2_Click();
       },
       {false, true}},
      {"refused add",
       [&] {
         open("c:\\");
         form.SheenButton1_Click();
       },
       {false, true}},
      {"unlock", [&] { form.cmdunlock_Click(); }, {true, false}},
      {"remove with nothing selected", [&] { form.SheenButton2_Click(); }, {true, false}},
  };
  for (const auto& s : steps) {
    s.run();
    EXPECT_EQ(buttons(), s.expected) << "after " << s.step;
    EXPECT_EQ(std::make_pair(form.lockEnabled(), form.unlockEnabled()), s.expected) << "after " << s.step;
  }
}

TEST_F(Form1Test, ADriveWithoutAMediumLeavesTheFoldersWhereTheyWere) {
  load();
  open("Data");
  const auto items = form.dir2().items();
  const int shown = view.directoriesShown;
  chooseDrive(2);
  EXPECT_EQ(form.drive1().drive(), "e:\\") << "the drive list shows the new drive";
  EXPECT_EQ(form.dir2().path(), "c:\\Data");
  EXPECT_EQ(form.dir2().items(), items);
  EXPECT_EQ(view.directoriesShown, shown);
  EXPECT_TRUE(dialogs.shown.empty());
  chooseDrive(1);
  EXPECT_EQ(form.dir2().path(), "d:\\") << "a readable drive moves the list to its root";
}

TEST_F(Form1Test, LinksAndWindowsItOpens) {
  form.Form_Load();
  form.StyleButton1_Click();
  form.StyleButton2_Click();
  form.StyleButton3_Click();
  form.Label3_Click();
  const std::vector<std::string> pages = {
      "https://www.quillmar.example/",
      "https://www.quillmar.example/index.php?option=com_content&view=article&id=62&Itemid=62",
      "https://www.quillmar.example/index.php?option=com_user&view=register",
      "https://www.quillmar.example",
  };
  EXPECT_EQ(shell.opened, pages);
  form.StyleButton5_Click();
  form.StyleButton7_Click();
  EXPECT_EQ(flow.events, (testsupport::Log{"show frmSplash", "show frmpasschange"}));
}

TEST_F(Form1Test, UnloadUnlocksAllOnce) {
  load();
  addFolder({"Data"});
  form.cmdlock_Click();
  ASSERT_EQ(fs.heldFolders(), 3u) << "Data with Photos and Music inside";
  form.Form_Unload();
  form.Form_Unload();
  EXPECT_TRUE(fs.handles.empty());
  EXPECT_EQ(fs.closedFolders.size(), 3u) << "each closed once";
  EXPECT_EQ(store.finished, 1) << "the list is left as one file, once";
  EXPECT_EQ(fs.file("c:\\Data\\Desktop.ini"), nullptr);
  EXPECT_EQ(buttons(), std::make_pair(true, false));
}

TEST_F(Form1Test, LockingMoreThanTheEngineHoldsSaysSoOnceTheWindowIsThere) {
  const std::size_t files = protect::LockEngine::kMostHeld + 5;
  for (std::size_t i = 0; i < files; ++i) fs.addFile("c:\\Data\\Photos\\f" + std::to_string(i), "");
  store.addFolder("Photos", "c:\\Data\\Photos");
  form.lview_reload();
  form.cmdlock_Click();  // start-up: before the window is loaded
  EXPECT_TRUE(dialogs.shown.empty()) << "start-up shows no message";
  EXPECT_GT(form.contentsLeftUnheld(), 0u);
  form.Form_Load();
  form.cmdunlock_Click();
  form.cmdlock_Click();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].message.text,
            std::string(protect::form1text::kNotAllHeld) + std::to_string(form.contentsLeftUnheld()) + ".");
  EXPECT_EQ(dialogs.shown[0].message.icon, platform::MsgIcon::Exclamation);
  EXPECT_TRUE(form.unlockEnabled()) << "the folders are locked all the same";
}

TEST_F(Form1Test, EachRowShowsWhetherItsFolderIsHeldAndABusyFolderIsTriedAgain) {
  load();
  addFolder({"Data", "Photos"});
  addFolder({"Data", "Music"});
  const int held = protect::form1text::kHeldPicture, open = protect::form1text::kFolderPicture;
  EXPECT_EQ(view.pictures, (std::vector<int>{open, open}));
  fs.holdElsewhere("c:\\Data\\Music");
  form.cmdlock_Click();
  EXPECT_EQ(view.pictures, (std::vector<int>{held, open})) << "Music is open in another program";
  EXPECT_TRUE(form.folderRetryWanted());
  EXPECT_EQ(buttons(), std::make_pair(false, true)) << "the buttons as after any lock all";
  form.retryBusyFolders();
  EXPECT_EQ(view.pictures, (std::vector<int>{held, open}));
  fs.releaseElsewhere();
  form.retryBusyFolders();
  EXPECT_EQ(view.pictures, (std::vector<int>{held, held}));
  EXPECT_FALSE(form.folderRetryWanted());
  form.cmdunlock_Click();
  EXPECT_EQ(view.pictures, (std::vector<int>{open, open}));
}

TEST(Form1GetLastDirName, Cases) {
  const struct {
    const char* path;
    const char* name;
    const char* pathAfter;
  } cases[] = {
      {"D:\\Data\\Photos", "Photos", "D:\\Data\\Photos"},
      {"D:\\Data\\Photos\\", "Photos", "D:\\Data\\Photos"},
      {"Photos", "Photos", "Photos"},
      {"c:\\", "c:", "c:"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    std::string path = c.path;
    EXPECT_EQ(Form1::GetLastDirName(path), c.name) << "'" << c.path << "'";
    EXPECT_EQ(path, c.pathAfter) << "'" << c.path << "'";
  }
}

}  // namespace
