#include "app/application.h"

#include <gtest/gtest.h>

#include <set>

#include "core/sqlite_db.h"
#include "support/fakes.h"

namespace {

using platform::MsgIcon;
using platform::WindowId;

struct Recorder : app::MainWindowPort, app::TrayPort {
  void load() override { calls.push_back("load"); }
  void reloadList() override {
    calls.push_back("reload");
    if (failReload) throw core::StoreError(14, "unable to open database file");
  }
  void lockAll() override { calls.push_back("lock"); }
  void unload() override { calls.push_back("unload"); }
  void addIcon() override { calls.push_back("tray"); }
  void popUpMenu() override { calls.push_back("menu"); }
  void hideHost() override { calls.push_back("hide"); }
  std::vector<std::string> calls;
  bool failReload = false;
};

class ApplicationTest : public ::testing::Test {
 protected:
  testsupport::FakeWindowFlow flow;
  testsupport::FakeDialogs dialogs;
  testsupport::FakeShell shell;
  testsupport::FakeSettings settings;
  Recorder rec;
  app::Application application{{flow, dialogs, shell, settings, rec, rec}};
};

TEST_F(ApplicationTest, StartUpReloadsLocksLoadsThenAddsTheIconAndHides) {
  EXPECT_EQ(application.startUp(false), app::StartResult::Resident);
  EXPECT_EQ(rec.calls, (std::vector<std::string>{"reload", "lock", "load", "tray", "hide"}));
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_TRUE(flow.events.empty()) << "no window is shown at start-up";
}

TEST_F(ApplicationTest, SecondInstanceIsToldAndDoesNothingElse) {
  EXPECT_EQ(application.startUp(true), app::StartResult::Refused);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].message.text,
            "Folder Vardel is already running in system tray.Click on the system tray icon to start the application");
  EXPECT_EQ(dialogs.shown[0].message.icon, MsgIcon::Information);
  EXPECT_TRUE(rec.calls.empty());
  application.endSession();
  EXPECT_TRUE(rec.calls.empty()) << "a refused start has nothing to unlock";
}

TEST_F(ApplicationTest, ListFailureAtStartUpIsShownAndEndsBeforeLockOrTray) {
  rec.failReload = true;
  EXPECT_EQ(application.startUp(false), app::StartResult::Failed);
  EXPECT_EQ(rec.calls, (std::vector<std::string>{"reload"}));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].message,
            (platform::Message{"Error 14: unable to open database file", "Quillmar Folder Vardel",
                               platform::MsgButtons::Ok, MsgIcon::Error}));
}

TEST_F(ApplicationTest, GateChoosesFirstRunOnlyForAnEmptyStoredPassword) {
  application.credentialGate();
  settings.qm("init") = "\xFF\xFE";  // not decodable, still a password
  application.credentialGate();
  settings.qm("cmds") = "";
  application.credentialGate();
  EXPECT_EQ(flow.events, (std::vector<std::string>{"show frmpassfirst", "show frmpass", "show frmpass"}));
}

TEST_F(ApplicationTest, OpenRefusesNonAdministratorsWithTheInformationIcon) {
  shell.admin = false;
  application.openCommand();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].message.text, "Error!!Only Administrators can run this program.");
  EXPECT_EQ(dialogs.shown[0].message.icon, MsgIcon::Information);
  EXPECT_TRUE(flow.events.empty());
  shell.admin = true;
  application.openCommand();
  EXPECT_EQ(flow.events, (std::vector<std::string>{"show frmpassfirst"}));
}

TEST_F(ApplicationTest, TrayCallbacksReactOnlyToLeftUpDoubleClickAndRightUp) {
  shell.admin = false;
  const struct {
    unsigned message;
    std::vector<std::string> flow;
    std::size_t boxes;
    std::vector<std::string> calls;
  } cases[] = {
      {512, {}, 0, {}},
      {513, {}, 0, {}},
      {514, {"show frmpassfirst"}, 0, {}},  // no administrator test on a single click
      {515, {}, 1, {}},
      {516, {}, 0, {}},
      {517, {}, 0, {"menu"}},
      {518, {}, 0, {}},
      {519, {}, 0, {}},
      {520, {}, 0, {}},
      {521, {}, 0, {}},
      {1024, {}, 0, {}},
  };
  for (const auto& c : cases) {
    flow.events.clear();
    dialogs.shown.clear();
    rec.calls.clear();
    application.trayCallback(c.message);
    EXPECT_EQ(flow.events, c.flow) << c.message;
    EXPECT_EQ(dialogs.shown.size(), c.boxes) << c.message;
    EXPECT_EQ(rec.calls, c.calls) << c.message;
  }
}

TEST_F(ApplicationTest, DoubleClickSequenceForNonAdministratorShowsWindowAndRefusal) {
  shell.admin = false;
  settings.qm("init") = "x";
  for (unsigned m : {513u, 514u, 515u, 514u}) application.trayCallback(m);
  EXPECT_EQ(flow.events, (std::vector<std::string>{"show frmpass", "show frmpass"}));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].message.text, app::kOnlyAdministrators);
}

TEST_F(ApplicationTest, SessionEndUnloadsTheMainWindowOnce) {
  application.startUp(false);
  rec.calls.clear();
  application.endSession();
  application.endSession();
  EXPECT_EQ(rec.calls, (std::vector<std::string>{"unload"}));
  EXPECT_TRUE(application.ended());
}

// A setup program waits for this answer before it leaves: true only while every folder is held.
TEST_F(ApplicationTest, ResidentOnlyFromACompleteStartUntilTheSessionEnds) {
  EXPECT_FALSE(application.resident());
  for (const bool refusedOrFailed : {true, false}) {
    Recorder other;
    other.failReload = !refusedOrFailed;
    app::Application app{{flow, dialogs, shell, settings, other, other}};
    app.startUp(refusedOrFailed);
    EXPECT_FALSE(app.resident()) << (refusedOrFailed ? "refused" : "failed");
  }
  application.startUp(false);
  EXPECT_TRUE(application.resident());
  application.endSession();
  EXPECT_FALSE(application.resident());
}

TEST_F(ApplicationTest, AdministratorDoubleClickShowsTheSameLoginWindowEachTime) {
  settings.qm("init") = "x";
  for (unsigned m : {513u, 514u, 515u, 514u}) application.trayCallback(m);
  EXPECT_EQ(flow.events, (std::vector<std::string>{"show frmpass", "show frmpass", "show frmpass"}));
  EXPECT_EQ(flow.created, (std::set<WindowId>{WindowId::frmpass}));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ApplicationTest, AboutShowsTheAboutWindow) {
  application.aboutCommand();
  EXPECT_EQ(flow.events, (std::vector<std::string>{"show frmSplash"}));
}

}  // namespace
