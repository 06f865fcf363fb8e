#include "protect/form1_lists.h"

#include <gtest/gtest.h>

#include "unit/protect/form1_fakes.h"

namespace {

using protect::DirItem;
using protect::DirList;

class DirListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    source.folders["c:\\"] = {"Windows", "data", "Apps"};
    source.folders["c:\\data"] = {"photos", "Music", "archive"};
    source.folders["c:\\data\\photos"] = {};
  }
  protecttest::FakeDirSource source;
  DirList list;
};

TEST_F(DirListTest, ShowsThePathFromTheRootOpenedAndItsSubfoldersSortedOneLevelDeeper) {
  ASSERT_TRUE(list.setPath("c:\\data", source));
  EXPECT_EQ(list.path(), "c:\\data");
  const std::vector<DirItem> expected = {
      {"c:\\", "c:\\", 0, true},
      {"c:\\data", "data", 1, true},
      {"c:\\data\\archive", "archive", 2, false},
      {"c:\\data\\Music", "Music", 2, false},
      {"c:\\data\\photos", "photos", 2, false},
  };
  EXPECT_EQ(list.items(), expected);
  EXPECT_EQ(list.currentIndex(), 1) << "the current folder is the last opened one";
}

TEST_F(DirListTest, RootListsItsFoldersWithoutADoubleBackslash) {
  ASSERT_TRUE(list.setPath("c:", source));
  EXPECT_EQ(list.path(), "c:\\");
  ASSERT_EQ(list.items().size(), 4u);
  EXPECT_EQ(list.items()[1], (DirItem{"c:\\Apps", "Apps", 1, false}));
  EXPECT_EQ(list.currentIndex(), 0);
}

TEST_F(DirListTest, AFolderWithoutSubfoldersShowsOnlyItsPath) {
  ASSERT_TRUE(list.setPath("c:\\data\\photos\\", source));
  EXPECT_EQ(list.path(), "c:\\data\\photos");
  ASSERT_EQ(list.items().size(), 3u);
  EXPECT_EQ(list.currentIndex(), 2);
  EXPECT_TRUE(list.items()[2].opened);
}

TEST_F(DirListTest, AnUnreadableFolderLeavesTheListWhereItWas) {
  ASSERT_TRUE(list.setPath("c:\\data", source));
  const auto before = list.items();
  EXPECT_FALSE(list.setPath("e:\\", source));
  EXPECT_FALSE(list.setPath("c:\\gone", source));
  EXPECT_FALSE(list.setPath("not a path", source));
  EXPECT_EQ(list.path(), "c:\\data");
  EXPECT_EQ(list.items(), before);
}

// A double-click moves the list even to a folder it cannot read: the user picked that folder.
TEST_F(DirListTest, OpeningAnUnreadableFolderShowsItOpenedWithNothingBelow) {
  ASSERT_TRUE(list.setPath("c:\\data", source));
  ASSERT_TRUE(list.open("c:\\data\\Music", source));
  EXPECT_EQ(list.path(), "c:\\data\\Music");
  const std::vector<DirItem> expected = {
      {"c:\\", "c:\\", 0, true},
      {"c:\\data", "data", 1, true},
      {"c:\\data\\Music", "Music", 2, true},
  };
  EXPECT_EQ(list.items(), expected);
  EXPECT_EQ(list.currentIndex(), 2);

  ASSERT_TRUE(list.open("c:\\data", source)) << "a readable one lists its subfolders as before";
  EXPECT_EQ(list.items().size(), 5u);
  EXPECT_FALSE(list.open("not a path", source));
  EXPECT_EQ(list.path(), "c:\\data");
}

TEST(DirListNormalize, Cases) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"c:", "c:\\"},
      {"C:\\", "C:\\"},
      {"c:\\Data\\", "c:\\Data"},
      {"c:\\Data\\\\", "c:\\Data"},
      {"c:\\a\\b", "c:\\a\\b"},
      {"", ""},
      {"c", ""},
      {"1:\\", ""},
      {"c:Data", ""},
      {"\\\\srv\\s", ""},
      {"c:\\a\\\\b", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(DirList::normalize(c.in), c.out) << "'" << c.in << "'";
}

TEST(DriveList, CaptionsAndSelectionByRoot) {
  protecttest::FakeDirSource source;
  source.driveList = {{"a:\\", "", protect::DriveKind::Removable},
                      {"c:\\", "System", protect::DriveKind::Fixed},
                      {"d:\\", "Data", protect::DriveKind::Fixed}};
  protect::DriveList drives;
  drives.load(source);
  EXPECT_EQ(drives.selected(), 0);
  EXPECT_EQ(protect::DriveList::caption(source.driveList[0]), "a:");
  EXPECT_EQ(protect::DriveList::caption(source.driveList[1]), "c: [System]");
  EXPECT_TRUE(drives.select("C:\\"));
  EXPECT_EQ(drives.drive(), "c:\\");
  EXPECT_TRUE(drives.select("d:"));
  EXPECT_EQ(drives.selected(), 2);
  EXPECT_FALSE(drives.select("q:\\"));
  EXPECT_FALSE(drives.select(3));
  EXPECT_EQ(drives.drive(), "d:\\") << "a failed selection keeps the drive";
}

}  // namespace
