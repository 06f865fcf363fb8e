#include "protect/ini_write.h"

#include <gtest/gtest.h>

#include <random>

#include "unit/protect/fake_file_system.h"
#include "unit/protect/ini_invariants.h"

namespace {

using protecttest::ini::shown;

struct EditCase {
  const char* name;
  std::string content;
  std::string section, key, value;
  std::string expected;
};

const std::string kBig = [] {
  std::string filler = "[first]\r\n";
  for (int i = 0; i < 2000; ++i) filler += "Line" + std::to_string(i) + "=some value to fill the file\r\n";
  return filler;
}();

const EditCase kEditCases[] = {
    {"missing file gets header and key, no blank line before", "", ".ShellClassInfo", "IconFile",
     "C:\\Windows\\system32\\lock.ico", "[.ShellClassInfo]\r\nIconFile=C:\\Windows\\system32\\lock.ico\r\n"},
    {"absent key goes directly under the header", "[.ShellClassInfo]\r\nIconFile=C:\\lock.ico\r\n", ".ShellClassInfo",
     "IconIndex", "0", "[.ShellClassInfo]\r\nIconIndex=0\r\nIconFile=C:\\lock.ico\r\n"},
    {"other keys keep their order", "[a]\r\nx=1\r\ny=2\r\n", "a", "k", "v", "[a]\r\nk=v\r\nx=1\r\ny=2\r\n"},
    {"key in another case is replaced with the caller's spelling", "[.ShellClassInfo]\r\niconfile=old\r\nX=1\r\n",
     ".ShellClassInfo", "IconFile", "new", "[.ShellClassInfo]\r\nIconFile=new\r\nX=1\r\n"},
    {"section name in another case is found", "[.SHELLCLASSINFO]\r\nICONINDEX=5\r\n", ".ShellClassInfo", "IconIndex",
     "0", "[.SHELLCLASSINFO]\r\nIconIndex=0\r\n"},
    {"key only in a later section is inserted in the asked one", "[a]\r\nx=1\r\n[b]\r\nk=2\r\n", "a", "k", "9",
     "[a]\r\nk=9\r\nx=1\r\n[b]\r\nk=2\r\n"},
    {"key of an earlier section is not touched", "[b]\r\nk=2\r\n[a]\r\nk=1\r\n", "a", "k", "9",
     "[b]\r\nk=2\r\n[a]\r\nk=9\r\n"},
    {"space after [ is not a header", "[ a]\r\nk=1\r\n", "a", "k", "2", "[ a]\r\nk=1\r\n\r\n[a]\r\nk=2\r\n"},
    {"space before ] is not a header", "[a ]\r\nk=1\r\n", "a", "k", "2", "[a ]\r\nk=1\r\n\r\n[a]\r\nk=2\r\n"},
    {"space after ] is not a header", "[a] \r\nk=1\r\n", "a", "k", "2", "[a] \r\nk=1\r\n\r\n[a]\r\nk=2\r\n"},
    {"header on the last line without a line break is not recognised", "x=1\r\n[a]", "a", "k", "1",
     "x=1\r\n[a]\r\n\r\n[a]\r\nk=1\r\n"},
    {"[ in a value before the key hides the key", "[a]\r\nx=[1]\r\nk=1\r\n", "a", "k", "2",
     "[a]\r\nk=2\r\nx=[1]\r\nk=1\r\n"},
    {"space before = is another key", "[a]\r\nk =1\r\n", "a", "k", "2", "[a]\r\nk=2\r\nk =1\r\n"},
    {"a longer key with the same start is another key", "[a]\r\nkey2=1\r\nkey=1\r\n", "a", "key", "9",
     "[a]\r\nkey2=1\r\nkey=9\r\n"},
    {"runs of blank lines shrink to one, ends are trimmed", "\r\n\r\n[a]\r\n\r\n\r\n\r\nx=1\r\n\r\n\r\n", "a", "x", "2",
     "[a]\r\n\r\nx=2\r\n"},
    {"control characters at both ends go", "\r\n\t\r\n[a]\r\nk=1\r\n\x01", "a", "k", "2", "[a]\r\nk=2\r\n"},
    {"a new section is separated by one blank line", "[b]\r\nz=1\r\n\r\n\r\n", "a", "k", "v",
     "[b]\r\nz=1\r\n\r\n[a]\r\nk=v\r\n"},
    {"key on the last line without a line break is replaced", "[a]\r\nk=1", "a", "k", "2", "[a]\r\nk=2\r\n"},
    {"value with [ on the last line without a line break", "[a]\r\nx=1\r\nk=[old]", "a", "k", "new",
     "[a]\r\nx=1\r\nk=new\r\n"},
    {"bytes of the code page are kept", "[a]\r\n\xE9t\xE9=\xFF\r\nk=1\r\n", "a", "k", "\xE0",
     "[a]\r\n\xE9t\xE9=\xFF\r\nk=\xE0\r\n"},
    // The insertion follows the header's CR directly, as there is no LF to keep.
    {"header ending the file with a lone CR", "[a]\r", "a", "k", "1", "[a]\rk=1\r\n"},
    {"a file of one key and no section", "k=1", "a", "k", "2", "k=1\r\n\r\n[a]\r\nk=2\r\n"},
    {"a key far beyond 32,767 characters is found", kBig + "[a]\r\nk=1\r\n", "a", "k", "2", kBig + "[a]\r\nk=2\r\n"},
    {"a section far beyond 32,767 characters gets the key", kBig + "[a]\r\nx=1\r\n", "a", "k", "2",
     kBig + "[a]\r\nk=2\r\nx=1\r\n"},
};

TEST(IniEdit, Cases) {
  for (const EditCase& c : kEditCases) {
    const std::string got = protect::INIwrite::editText(c.content, c.section, c.key, c.value);
    EXPECT_EQ(shown(got), shown(c.expected)) << c.name;
  }
}

TEST(IniEdit, TheLockMarkOnAFolderWithoutDesktopIni) {
  const std::string first =
      protect::INIwrite::editText("", ".ShellClassInfo", "IconFile", "C:\\Windows\\system32\\lock.ico");
  const std::string second = protect::INIwrite::editText(first, ".ShellClassInfo", "IconIndex", "0");
  EXPECT_EQ(shown(second), shown("[.ShellClassInfo]\r\nIconIndex=0\r\nIconFile=C:\\Windows\\system32\\lock.ico\r\n"));
  // Marking again changes nothing.
  const std::string again = protect::INIwrite::editText(
      protect::INIwrite::editText(second, ".ShellClassInfo", "IconFile", "C:\\Windows\\system32\\lock.ico"),
      ".ShellClassInfo", "IconIndex", "0");
  EXPECT_EQ(shown(again), shown(second));
}

// The file through the file-system port.
class IniFile : public ::testing::Test {
 protected:
  void SetUp() override { fs.addDirectory("C:\\F"); }
  protecttest::FakeFileSystem fs;
  const std::string path = "C:\\F\\Desktop.ini";
};

TEST_F(IniFile, MissingFileIsCreatedWithArchiveAttribute) {
  protect::INIwrite::WriteINIKey(fs, path, "s", "k", "v");
  ASSERT_NE(fs.file(path), nullptr);
  EXPECT_EQ(fs.file(path)->bytes, "[s]\r\nk=v\r\n");
  EXPECT_EQ(fs.file(path)->attributes, platform::attr::kArchive);
}

TEST_F(IniFile, ReadOnlyHiddenSystemFileKeepsOnlyArchive) {
  fs.addFile(path, "[s]\r\nk=1\r\n", platform::attr::kReadOnly | platform::attr::kHidden | platform::attr::kSystem);
  protect::INIwrite::WriteINIKey(fs, path, "s", "k", "2");
  EXPECT_EQ(fs.file(path)->bytes, "[s]\r\nk=2\r\n");
  EXPECT_EQ(fs.file(path)->attributes, platform::attr::kArchive);
}

// The mark in one write gives the bytes of the two single-key writes, for every starting file.
TEST_F(IniFile, TwoKeysInOneWriteEqualTwoWrites) {
  const std::string icon = "C:\\Windows\\system32\\lock.ico";
  const std::optional<std::string> starts[] = {
      std::nullopt,
      "",
      "[.ShellClassInfo]\r\nIconIndex=0\r\nIconFile=" + icon + "\r\n",
      "[.shellclassinfo]\r\niconfile=old\r\nInfoTip=mine\r\n",
      "[Other]\r\nX=1\r\n\r\n\r\n\r\n[.ShellClassInfo]\r\nIconIndex=3",
      "\t\r\n[ViewState]\r\nMode=\r\n",
  };
  for (const auto& start : starts) {
    protecttest::FakeFileSystem two, one;
    for (auto* f : {&two, &one}) {
      f->addDirectory("C:\\F");
      if (start) f->addFile(path, *start, platform::attr::kHidden | platform::attr::kSystem);
    }
    protect::INIwrite::WriteINIKey(two, path, ".ShellClassInfo", "IconFile", icon);
    protect::INIwrite::WriteINIKey(two, path, ".ShellClassInfo", "IconIndex", "0");
    one.calls.clear();
    protect::INIwrite::WriteINIKeys(one, path, ".ShellClassInfo", {{"IconFile", icon}, {"IconIndex", "0"}});
    const std::string name = start ? shown(*start) : "(no file)";
    ASSERT_NE(one.file(path), nullptr) << name;
    EXPECT_EQ(shown(one.file(path)->bytes), shown(two.file(path)->bytes)) << name;
    EXPECT_EQ(one.file(path)->attributes, platform::attr::kArchive) << name;
    // A new file is created in place; an existing one is replaced through a temporary file, once.
    const std::vector<std::string> writes = start ? std::vector<std::string>{"attributes " + path + " 32", "write " + path}
                                                  : std::vector<std::string>{"create " + path};
    EXPECT_EQ(one.calls, writes) << name;
  }
}

TEST_F(IniFile, MissingDirectoryFailsAndCreatesNothing) {
  EXPECT_THROW(protect::INIwrite::WriteINIKey(fs, "C:\\Gone\\Desktop.ini", "s", "k", "v"), protect::INIwrite::IniError);
  EXPECT_EQ(fs.file("C:\\Gone\\Desktop.ini"), nullptr);
}

TEST_F(IniFile, UnreadableOrUnwritableFileFailsAndKeepsItsBytes) {
  for (const bool readFails : {true, false}) {
    fs.addFile(path, "[s]\r\nk=1\r\n");
    fs.unreadable.clear();
    fs.unwritable.clear();
    (readFails ? fs.unreadable : fs.unwritable).insert(protecttest::FakeFileSystem::key(path));
    EXPECT_THROW(protect::INIwrite::WriteINIKey(fs, path, "s", "k", "2"), protect::INIwrite::IniError) << readFails;
    EXPECT_EQ(fs.file(path)->bytes, "[s]\r\nk=1\r\n") << readFails;
  }
}

// Bounded random edits; the long and wide runs are ini_fuzz_tests and scripts/fuzz-ini.
TEST(IniEdit, RandomFilesKeepTheInvariants) {
  std::mt19937 rng(20261210);
  for (int round = 0; round < 20000; ++round) {
    const protecttest::ini::Edit e = protecttest::ini::randomEdit(rng);
    std::string got;
    const std::string why = protecttest::ini::brokenEdit(e, &got);
    ASSERT_EQ(why, "") << protecttest::ini::describe(e, got);
  }
}

}  // namespace
