// The lock engine against the real file system under Windows (or Wine): real folders, a real
// accum.lsb in the system directory, and a second process that tries to use a locked folder.
#include "protect/lock_engine.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>

#include "core/sqlite_db.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/text_win32.h"

namespace {

std::string tempRoot() {
  wchar_t buffer[MAX_PATH + 1] = {};
  const DWORD n = ::GetTempPathW(MAX_PATH + 1, buffer);
  std::wstring path(buffer, n);
  if (!path.empty() && path.back() == L'\\') path.pop_back();
  return platform::win32::narrow(path) + "\\qfv-lock-" + std::to_string(::GetCurrentProcessId()) + "-" +
         std::to_string(::GetTickCount());
}

std::string exeDirectory() {
  wchar_t buffer[MAX_PATH + 1] = {};
  const DWORD n = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH + 1);
  std::wstring path(buffer, n);
  return platform::win32::narrow(path.substr(0, path.find_last_of(L'\\')));
}

// Runs the probe as a second process and returns what it printed.
std::string probe(const std::string& folder, const std::string& other, const std::string& ops = "") {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readRaw = nullptr, writeRaw = nullptr;
  if (!::CreatePipe(&readRaw, &writeRaw, &inherit, 0)) return "no pipe";
  platform::win32::UniqueHandle readEnd(readRaw), writeEnd(writeRaw);
  ::SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);
  std::wstring command = L"\"" + platform::win32::widen(exeDirectory() + "\\protect_probe.exe") + L"\" \"" +
                         platform::win32::widen(folder) + L"\" \"" + platform::win32::widen(other) + L"\" " +
                         platform::win32::widen(ops);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd.get();
  startup.hStdError = writeEnd.get();
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &process)) {
    return "cannot start the probe: " + std::to_string(::GetLastError());
  }
  platform::win32::UniqueHandle processHandle(process.hProcess), thread(process.hThread);
  writeEnd.reset();
  std::string out;
  char buffer[256];
  DWORD got = 0;
  while (::ReadFile(readEnd.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) out.append(buffer, got);
  ::WaitForSingleObject(processHandle.get(), 10000);
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

std::string readAll(const std::string& path) {
  return platform::win32::FileSystemWin32().readFile(path).value_or("<missing>");
}

DWORD attributesOf(const std::string& path) {
  return ::GetFileAttributesW(platform::win32::extendedPath(path).c_str());
}

void removeTree(const std::string& path) {
  const std::wstring wide = platform::win32::extendedPath(path);
  WIN32_FIND_DATAW data{};
  HANDLE find = ::FindFirstFileW((wide + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::string child = path + "\\" + platform::win32::narrow(name);
      ::SetFileAttributesW(platform::win32::extendedPath(child).c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) removeTree(child);
      else ::DeleteFileW(platform::win32::extendedPath(child).c_str());
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
  }
  ::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
  ::RemoveDirectoryW(wide.c_str());
}

class LockOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    sysdir = fs.systemDirectory();
    ASSERT_FALSE(sysdir.empty());
    database = protect::databasePathIn(sysdir);
    // A store already there (from an install) is put aside and brought back afterwards.
    for (const char* suffix : {"", "-wal", "-shm"}) {
      const std::wstring from = platform::win32::widen(database + suffix);
      const std::wstring aside = platform::win32::widen(database + suffix + ".qfv-test-aside");
      if (::MoveFileExW(from.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING)) asides.push_back(suffix);
    }
    {
      platform::win32::UniqueFile create(
          ::CreateFileW(platform::win32::widen(database).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
      ASSERT_TRUE(create) << "cannot create " << database << ": " << ::GetLastError();
    }
    core::Database::openExisting(database).execute(
        "CREATE TABLE tab1 (ID INTEGER PRIMARY KEY AUTOINCREMENT, Foldername TEXT, Path TEXT, Handle INTEGER)");

    root = tempRoot();
    other = root + "\\elsewhere";
    ASSERT_TRUE(fs.createDirectory(root));
    ASSERT_TRUE(fs.createDirectory(other));
    plain = add("plain");
    // Cyrillic and CJK: no ANSI code page holds both.
    foreign = add("\xD0\x9F\xD0\xB0\xD0\xBF\xD0\xBA\xD0\xB0 \xE6\x96\x87\xE4\xBB\xB6");
    std::string deep = root;
    for (const char part : {'L', 'M'}) {
      deep += "\\" + std::string(100, part);
      ASSERT_TRUE(fs.createDirectory(deep));
    }
    longPath = deep + "\\" + std::string(70, 'N');
    ASSERT_GT(longPath.size(), 260u);
    ASSERT_TRUE(fs.createDirectory(longPath));
    store.addFolder(std::string(70, 'N'), longPath);
    own = add("own");
    ownIni = "[.ShellClassInfo]\r\nInfoTip=kept\r\n\r\n\r\n[ViewState]\r\nMode=4";
    ASSERT_TRUE(fs.replaceFile(own + "\\Desktop.ini", ownIni));
    ASSERT_TRUE(fs.setAttributes(own + "\\Desktop.ini", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    ownAttributes = attributesOf(own + "\\Desktop.ini");
    ASSERT_EQ(ownAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY),
              static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    for (const auto& row : store.loadList()) rows.push_back({row.id, row.path});
  }

  void TearDown() override {
    engine.unlockAll();
    ::DeleteFileW(platform::win32::widen(database).c_str());
    ::DeleteFileW(platform::win32::widen(database + "-wal").c_str());
    ::DeleteFileW(platform::win32::widen(database + "-shm").c_str());
    for (const auto& suffix : asides) {
      ::MoveFileExW(platform::win32::widen(database + suffix + ".qfv-test-aside").c_str(),
                    platform::win32::widen(database + suffix).c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    removeTree(root);
  }

  std::string add(const std::string& name) {
    const std::string path = root + "\\" + name;
    EXPECT_TRUE(fs.createDirectory(path)) << path;
    store.addFolder(name, path);
    return path;
  }

  std::vector<std::string> folders() const { return {plain, foreign, longPath, own}; }

  platform::win32::FileSystemWin32 fs;
  platform::win32::ShellWin32 shell;
  std::string sysdir, database, root, other, plain, foreign, longPath, own, ownIni;
  std::vector<std::string> asides;
  DWORD ownAttributes = 0;
  protect::SqliteFolderStore store{protect::databasePathIn(platform::win32::FileSystemWin32().systemDirectory())};
  protect::LockEngine engine{fs, shell, store, platform::win32::FileSystemWin32().systemDirectory()};
  std::vector<protect::ListRow> rows;
};

TEST_F(LockOnDisk, LockedFoldersRefuseASecondProcessAndCarryTheMark) {
  ASSERT_EQ(rows.size(), 4u);
  const auto buttons = engine.lockAll(rows);
  EXPECT_FALSE(buttons.lockEnabled);
  EXPECT_TRUE(buttons.unlockEnabled);
  ASSERT_EQ(engine.held().size(), 4u);

  const std::string mark = "[.ShellClassInfo]\r\nIconIndex=0\r\nIconFile=" + sysdir + "\\lock.ico\r\n";
  for (const auto& folder : folders()) {
    EXPECT_EQ(probe(folder, other), "open=32 list=32 rename=32 move=32 delete=32") << folder;
    EXPECT_EQ(attributesOf(folder), static_cast<DWORD>(FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY)) << folder;
    EXPECT_EQ(attributesOf(folder + "\\Desktop.ini"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE)) << folder;
    if (folder != own) {
      EXPECT_EQ(readAll(folder + "\\Desktop.ini"), mark) << folder;
    }
  }
  EXPECT_EQ(readAll(own + "\\Desktop.ini"), "[.ShellClassInfo]\r\nIconIndex=0\r\nIconFile=" + sysdir +
                                                "\\lock.ico\r\nInfoTip=kept\r\n\r\n[ViewState]\r\nMode=4\r\n");

  // The administrator's handles are in the table, one per row.
  ASSERT_TRUE(shell.isUserAnAdmin());
  std::map<std::string, std::string> recorded;
  for (const auto& row : store.readAllHandles()) recorded[row.path] = row.handle.value_or("NULL");
  for (const auto& [value, held] : engine.held()) EXPECT_EQ(recorded[held.path], std::to_string(value)) << held.path;
}

TEST_F(LockOnDisk, UnlockFreesEveryFolderAndGivesBackItsOwnDesktopIni) {
  engine.lockAll(rows);
  const auto buttons = engine.unlockAll();
  EXPECT_TRUE(buttons.lockEnabled);
  EXPECT_FALSE(buttons.unlockEnabled);
  EXPECT_TRUE(engine.held().empty());
  for (const auto& folder : folders()) {
    EXPECT_EQ(probe(folder, other, "open list rename move"), "open=0 list=0 rename=0 move=0") << folder;
    EXPECT_EQ(attributesOf(folder), static_cast<DWORD>(FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY)) << folder;
    if (folder != own) {
      EXPECT_EQ(attributesOf(folder + "\\Desktop.ini"), INVALID_FILE_ATTRIBUTES) << folder;
    }
  }
  EXPECT_EQ(readAll(own + "\\Desktop.ini"), ownIni);
  EXPECT_EQ(attributesOf(own + "\\Desktop.ini"), ownAttributes);
  // Its Desktop.ini gone, the free folder is empty again and anyone can delete it.
  EXPECT_EQ(probe(plain, other, "delete"), "delete=0");
}

TEST_F(LockOnDisk, OwnDesktopIniSurvivesARestartBetweenLockAndUnlock) {
  {
    protect::LockEngine first(fs, shell, store, sysdir);
    first.lockAll(rows);
    // The process ends without unlocking: its handles are closed, the marks stay.
  }
  protect::LockEngine second(fs, shell, store, sysdir);
  second.unlockAll();
  EXPECT_EQ(readAll(own + "\\Desktop.ini"), ownIni);
  EXPECT_EQ(attributesOf(own + "\\Desktop.ini"), ownAttributes);
  EXPECT_EQ(attributesOf(plain + "\\Desktop.ini"), INVALID_FILE_ATTRIBUTES);
}

TEST_F(LockOnDisk, AFolderHeldByAnotherProgramIsMarkedButNotRecorded) {
  platform::win32::UniqueFile other(::CreateFileW(platform::win32::extendedPath(plain).c_str(), FILE_LIST_DIRECTORY, 0,
                                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  ASSERT_TRUE(other);
  engine.lockAll(rows);
  EXPECT_EQ(engine.held().size(), 3u);
  for (const auto& row : store.readAllHandles()) {
    EXPECT_EQ(row.handle.has_value(), row.path != plain) << row.path;
  }
  EXPECT_NE(attributesOf(plain + "\\Desktop.ini"), INVALID_FILE_ATTRIBUTES);
}

}  // namespace

// The codes the probe printed, by operation.
std::map<std::string, std::string> codes(const std::string& printed) {
  std::map<std::string, std::string> out;
  std::size_t at = 0;
  while (at < printed.size()) {
    const std::size_t end = std::min(printed.find(' ', at), printed.size());
    const std::string item = printed.substr(at, end - at);
    const std::size_t eq = item.find('=');
    if (eq != std::string::npos) out[item.substr(0, eq)] = item.substr(eq + 1);
    at = end + 1;
  }
  return out;
}

void expectAll(const std::string& printed, bool work, const std::string& what) {
  const auto got = codes(printed);
  EXPECT_FALSE(got.empty()) << what << ": " << printed;
  for (const auto& [op, code] : got) {
    if (work) EXPECT_EQ(code, "0") << what << " " << op << " should work: " << printed;
    else EXPECT_NE(code, "0") << what << " " << op << " should fail: " << printed;
  }
}

TEST_F(LockOnDisk, ALockedFoldersContentsRefuseASecondProcessUntilUnlock) {
  const std::string one = plain + "\\one.txt";
  const std::string three = plain + "\\S\\T\\U\\three.txt";
  ASSERT_TRUE(fs.createDirectory(plain + "\\S"));
  ASSERT_TRUE(fs.createDirectory(plain + "\\S\\T"));
  ASSERT_TRUE(fs.createDirectory(plain + "\\S\\T\\U"));
  ASSERT_TRUE(fs.replaceFile(one, "first level\r\n"));
  ASSERT_TRUE(fs.replaceFile(three, std::string("third\0level", 11)));
  engine.lockAll(rows);
  EXPECT_EQ(engine.leftUnheld(), 0u);

  const std::string fileOps = "read write append fdelete rename move";
  for (const std::string& file : {one, three}) expectAll(probe(file, other, fileOps), false, file);
  for (const std::string& dir : {plain + "\\S", plain + "\\S\\T\\U"}) expectAll(probe(dir, other), false, dir);
  const std::string ini = plain + "\\Desktop.ini";
  EXPECT_EQ(codes(probe(ini, other, "read"))["read"], "0") << "the shell can read the lock icon";
  EXPECT_NE(codes(probe(ini, other, "write"))["write"], "0") << "no one can change the mark";
  EXPECT_NE(codes(probe(ini, other, "fdelete"))["fdelete"], "0") << "or delete it";
  EXPECT_EQ(codes(probe(plain + "\\S\\T", other, "create"))["create"], "0") << "new files can still be made";

  engine.unlockAll();
  EXPECT_EQ(engine.handlesHeld(), 0u);
  EXPECT_EQ(readAll(one), "first level\r\n");
  EXPECT_EQ(readAll(three), std::string("third\0level", 11));
  for (const std::string& file : {one, three}) expectAll(probe(file, other, "read write append rename move"), true, file);
  for (const std::string& dir : {plain + "\\S", plain + "\\S\\T\\U"}) {
    expectAll(probe(dir, other, "open list rename move"), true, dir);
  }
  EXPECT_EQ(readAll(three), std::string("third\0level", 11)) << "the probe only opened it";
  expectAll(probe(three, other, "fdelete"), true, three);
}
