#include "protect/ini_write.h"

#include <gtest/gtest.h>

#include <random>

#include "core/text.h"
#include "unit/protect/fake_file_system.h"

namespace {

std::string shown(const std::string& bytes) {
  std::string out;
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (c < 32 || c > 126) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else out += ch;
  }
  return out;
}

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

// Bounded random edits. The oracle works on lines, not on positions: it finds the section and the
// key line the way a reader of the file would, then checks the result against the expected line
// list; the tidy rules are applied to the expected text as a whole.
namespace fuzz {

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, at - start));
    start = at + 2;
  }
  lines.push_back(text.substr(start));
  return lines;
}

// What must remain equal: the non-empty lines of the text with control characters trimmed at
// both ends of the whole text.
std::vector<std::string> view(const std::string& text) {
  std::size_t b = 0, e = text.size();
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= 13) --e;
  while (b < e && static_cast<unsigned char>(text[b]) <= 13) ++b;
  std::vector<std::string> out;
  for (auto& line : splitLines(text.substr(b, e - b))) {
    if (!line.empty()) out.push_back(line);
  }
  return out;
}

std::string join(const std::vector<std::string>& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) out += (i ? "\r\n" : "") + lines[i];
  return out;
}

struct Found {
  int header = -1;   // line index of the section header
  int key = -1;      // line index of the key line in it
  int keyCount = 0;  // key lines in the section before its end
};

// A section and its key line as a reader finds them. Trimming and appending can turn a line that
// was no header (a leading tab, a missing line break) into one, so the result is searched for the
// first header of the section whose key line starts as wanted; the original for the first header.
Found locateFrom(const std::vector<std::string>& lines, std::size_t header, const std::string& key) {
  Found f;
  f.header = static_cast<int>(header);
  const std::string prefix = core::asciiLower(key) + "=";
  for (std::size_t i = header + 1; i < lines.size(); ++i) {
    if (core::asciiLower(lines[i]).rfind(prefix, 0) == 0) {
      if (f.key < 0) f.key = static_cast<int>(i);
      ++f.keyCount;
    }
    if (lines[i].find('[') != std::string::npos) break;  // the section's end for the search
  }
  return f;
}

Found locate(const std::string& text, const std::string& section, const std::string& key,
             const std::string& wanted = {}) {
  const auto lines = splitLines(text);
  Found first;
  // A header needs a line break after it: the last piece of the text has none.
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (core::asciiLower(lines[i]) != "[" + core::asciiLower(section) + "]") continue;
    const Found f = locateFrom(lines, i, key);
    if (wanted.empty()) return f;
    if (first.header < 0) first = f;
    if (f.key >= 0 && lines[static_cast<std::size_t>(f.key)].rfind(wanted, 0) == 0) return f;
  }
  return first;
}

std::string randomText(std::mt19937& rng) {
  static const std::vector<std::string> pieces = {
      "[a]", "[A]",  "[b]",  "[ a]", "k=",           "K=", "k =",  "x=", "1",    "v",    "=", "[",
      "]",   "\r\n", "\r\n", "\r\n", "\r\n\r\n\r\n", "\t", "\x01", " ",  "\xE9", "key=", "ab"};
  std::string out;
  const int n = static_cast<int>(rng() % 30);
  for (int i = 0; i < n; ++i) out += pieces[rng() % pieces.size()];
  return out;
}

}  // namespace fuzz

TEST(IniEdit, RandomFilesKeepTheInvariants) {
  std::mt19937 rng(20261210);
  const std::vector<std::string> sections = {"a", "A", "b"};
  const std::vector<std::string> keys = {"k", "K", "key", "x"};
  const std::vector<std::string> values = {"", "1", "C:\\lock.ico", "v w", "\xE9"};
  for (int round = 0; round < 20000; ++round) {
    const std::string content = fuzz::randomText(rng);
    const std::string& section = sections[rng() % sections.size()];
    const std::string& key = keys[rng() % keys.size()];
    const std::string& value = values[rng() % values.size()];
    const std::string got = protect::INIwrite::editText(content, section, key, value);
    const std::string where = "content \"" + shown(content) + "\" section " + section + " key " + key + " value \"" +
                              shown(value) + "\" gave \"" + shown(got) + "\"";

    ASSERT_GE(got.size(), 2u) << where;
    ASSERT_EQ(got.substr(got.size() - 2), "\r\n") << where;
    ASSERT_GT(static_cast<unsigned char>(got[got.size() - 3]), 13) << "more than one line break at the end: " << where;
    ASSERT_GT(static_cast<unsigned char>(got[0]), 13) << where;
    ASSERT_EQ(got.find("\r\n\r\n\r\n"), std::string::npos) << where;

    // The key line is the first key line of its section.
    const fuzz::Found before = fuzz::locate(content, section, key);
    const std::string line = key + "=" + value;
    const fuzz::Found after = fuzz::locate(got, section, key, line);
    ASSERT_GE(after.header, 0) << where;
    ASSERT_GE(after.key, 0) << where;
    const auto gotLines = fuzz::splitLines(got);
    ASSERT_EQ(gotLines[static_cast<std::size_t>(after.key)].substr(0, line.size()), line) << where;

    // Nothing else changes: the expected lines are the old ones with the one edit made.
    auto lines = fuzz::splitLines(content);
    if (before.header < 0) {
      lines.push_back("");
      lines.push_back("[" + section + "]");
      lines.push_back(line);
    } else if (before.key < 0) {
      lines.insert(lines.begin() + before.header + 1, line);
    } else {
      auto& old = lines[static_cast<std::size_t>(before.key)];
      // The old line is replaced up to its first CR; a lone CR cannot occur in these texts.
      old = line;
    }
    ASSERT_EQ(fuzz::view(got), fuzz::view(fuzz::join(lines))) << where;
    // No key line is added or lost beyond the one edit (a replaced line that held a "[" may
    // bring later lines into the section, in the expected text as well).
    const fuzz::Found expected = fuzz::locate(fuzz::join(lines), section, key, line);
    ASSERT_EQ(after.keyCount, expected.keyCount) << where;
    if (before.keyCount == 0) {
      ASSERT_EQ(after.keyCount, 1) << "the key is not once in its section: " << where;
    }
  }
}

}  // namespace
