// Timed scenario under Windows or Wine (prints figures; not a test): lock all and unlock all of
// 1,000 listed folders, each against its floor measured in the same run, the same file work
// without the store:
//   lock floor:   CreateFile without sharing, the two Desktop.ini key writes, the system attribute
//   unlock floor: CloseHandle and deleting Desktop.ini
// accum.lsb is created in the system directory (one already there is put aside and restored).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/sqlite_db.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/text_win32.h"
#include "protect/ini_write.h"
#include "protect/lock_engine.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double least(const std::vector<double>& v) { return v.empty() ? 0 : *std::min_element(v.begin(), v.end()); }

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : (v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2);
}

}  // namespace

int main(int argc, char** argv) {
  const int folders = argc > 1 ? std::atoi(argv[1]) : 1000;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
  platform::win32::FileSystemWin32 fs;
  platform::win32::ShellWin32 shell;
  const std::string sysdir = fs.systemDirectory();
  // A third argument puts the store in another directory, to compare.
  const std::string database = protect::databasePathIn(argc > 3 ? std::string(argv[3]) : sysdir);
  const std::string aside = database + ".bench-aside";
  const bool hadStore = ::MoveFileExW(platform::win32::widen(database).c_str(), platform::win32::widen(aside).c_str(),
                                      MOVEFILE_REPLACE_EXISTING);
  {
    HANDLE h =
        ::CreateFileW(platform::win32::widen(database).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
      std::printf("cannot create %s\n", database.c_str());
      return 1;
    }
    ::CloseHandle(h);
  }
  core::Database::openExisting(database).execute(
      "CREATE TABLE tab1 (ID INTEGER PRIMARY KEY AUTOINCREMENT, Foldername TEXT, Path TEXT, Handle INTEGER)");

  wchar_t temp[MAX_PATH + 1] = {};
  std::wstring tempDir(temp, ::GetTempPathW(MAX_PATH + 1, temp));
  const std::string root = platform::win32::narrow(tempDir) + "qfv-bench-" + std::to_string(::GetCurrentProcessId());
  fs.createDirectory(root);
  protect::SqliteFolderStore store(database);
  std::vector<protect::ListRow> rows;
  for (int i = 0; i < folders; ++i) {
    const std::string path = root + "\\folder " + std::to_string(i);
    fs.createDirectory(path);
    store.addFolder("folder " + std::to_string(i), path);
  }
  for (const auto& row : store.loadList()) rows.push_back({row.id, row.path});
  const std::string icon = sysdir + "\\lock.ico";

  std::vector<double> lockFloor, lockAll, unlockFloor, unlockAll, recordOnly, notifyOnly, adminOnly, iniLookOnly,
      recordBatched;
  for (int round = 0; round < rounds; ++round) {
    // Lock floor, then its unlock floor.
    std::vector<platform::HandleValue> handles;
    auto start = Clock::now();
    for (const auto& row : rows) {
      handles.push_back(fs.openDirectory(row.path, 0));
      const std::string ini = row.path + "\\Desktop.ini";
      protect::INIwrite::WriteINIKey(fs, ini, ".ShellClassInfo", "IconFile", icon);
      protect::INIwrite::WriteINIKey(fs, ini, ".ShellClassInfo", "IconIndex", "0");
      fs.setAttributes(row.path, platform::attr::kSystem);
    }
    lockFloor.push_back(msSince(start));
    start = Clock::now();
    for (std::size_t i = 0; i < rows.size(); ++i) {
      fs.closeHandle(handles[i]);
      fs.deleteFile(rows[i].path + "\\Desktop.ini");
    }
    unlockFloor.push_back(msSince(start));

    // The engine: store, kept copies and shell notices included.
    protect::LockEngine engine(fs, shell, store, sysdir);
    start = Clock::now();
    engine.lockAll(rows);
    lockAll.push_back(msSince(start));
    const std::size_t held = engine.held().size();
    start = Clock::now();
    engine.unlockAll();
    unlockAll.push_back(msSince(start));
    if (held != rows.size() || !engine.held().empty()) {
      std::printf("round %d: held %zu of %zu, %zu left after unlock\n", round, held, rows.size(), engine.held().size());
    }

    // Parts of the difference, for the record; once, as Wine's shell notices hold on to handles.
    if (round != rounds - 1) continue;
    start = Clock::now();
    for (const auto& row : rows) store.recordHandle(row.id, 4242);
    recordOnly.push_back(msSince(start));
    start = Clock::now();
    for (const auto& row : rows) shell.folderChanged(row.path);
    notifyOnly.push_back(msSince(start));
    // What the records would cost in one connection and one transaction instead.
    start = Clock::now();
    {
      auto db = core::Database::openExisting(database);
      db.execute("begin");
      for (const auto& row : rows) db.execute(protect::sql::recordHandle(row.id, 4343));
      db.execute("commit");
    }
    recordBatched.push_back(msSince(start));
    start = Clock::now();
    for (std::size_t i = 0; i < rows.size(); ++i) shell.isUserAnAdmin();
    adminOnly.push_back(msSince(start));
    start = Clock::now();
    for (const auto& row : rows) fs.readFile(row.path + "\\Desktop.ini");
    iniLookOnly.push_back(msSince(start));
  }

  // The machine is shared, so the least time of the rounds is the steadiest figure; the median
  // is printed beside it.
  std::printf("folders %d, rounds %d; ms as least / median\n", folders, rounds);
  std::printf("lock floor    %9.1f / %9.1f\n", least(lockFloor), median(lockFloor));
  std::printf("lock all      %9.1f / %9.1f   ratio %.2f / %.2f\n", least(lockAll), median(lockAll),
              least(lockAll) / least(lockFloor), median(lockAll) / median(lockFloor));
  std::printf("unlock floor  %9.1f / %9.1f\n", least(unlockFloor), median(unlockFloor));
  std::printf("unlock all    %9.1f / %9.1f   ratio %.2f / %.2f\n", least(unlockAll), median(unlockAll),
              least(unlockAll) / least(unlockFloor), median(unlockAll) / median(unlockFloor));
  std::printf(
      "parts (ms for %d): record handle %.1f, shell notice %.1f, administrator test %.1f, missing Desktop.ini read "
      "%.1f\n",
      folders, least(recordOnly), least(notifyOnly), least(adminOnly), least(iniLookOnly));
  std::printf("       record handle of every row in one connection and transaction %.1f\n", least(recordBatched));
  for (int i = 0; i < rounds; ++i) {
    std::printf("round %d: lock %.1f / %.1f, unlock %.1f / %.1f\n", i, lockAll[i], lockFloor[i], unlockAll[i],
                unlockFloor[i]);
  }

  for (const auto& row : rows) {
    fs.deleteFile(row.path + "\\Desktop.ini");
    ::RemoveDirectoryW(platform::win32::extendedPath(row.path).c_str());
  }
  ::RemoveDirectoryW(platform::win32::extendedPath(root).c_str());
  for (const char* suffix : {"", "-wal", "-shm"}) ::DeleteFileW(platform::win32::widen(database + suffix).c_str());
  if (hadStore)
    ::MoveFileExW(platform::win32::widen(aside).c_str(), platform::win32::widen(database).c_str(),
                  MOVEFILE_REPLACE_EXISTING);
  return 0;
}
