// Timed scenario under Windows or Wine (prints figures; not a test): ten lock all / unlock all
// cycles of 1,000 listed folders through the engine, with the process's handle count and private
// bytes after each cycle, and each against the first cycle's. Where the system leaves those
// figures out (Wine), the handles are counted in the system's handle table and the private bytes
// summed over the committed private pages.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/sqlite_db.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/text_win32.h"
#include "protect/lock_engine.h"
#include "support/win32/process_handles.h"

namespace {

struct Usage {
  DWORD handles = 0;
  SIZE_T privateBytes = 0;
};

// Committed private memory, summed over the address space: what private bytes counts.
SIZE_T committedPrivate() {
  SIZE_T total = 0;
  MEMORY_BASIC_INFORMATION info{};
  for (const char* at = nullptr; ::VirtualQuery(at, &info, sizeof info) == sizeof info;
       at = static_cast<const char*>(info.BaseAddress) + info.RegionSize) {
    if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
  }
  return total;
}

Usage usage() {
  Usage u;
  u.handles = testsupport::win32::processHandleCount();
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  u.privateBytes = counters.PrivateUsage ? counters.PrivateUsage : committedPrivate();
  return u;
}

}  // namespace

int main(int argc, char** argv) {
  const int folders = argc > 1 ? std::atoi(argv[1]) : 1000;
  const int cycles = argc > 2 ? std::atoi(argv[2]) : 10;
  platform::win32::FileSystemWin32 fs;
  platform::win32::ShellWin32 shell;
  wchar_t temp[MAX_PATH + 1] = {};
  const std::string root = platform::win32::narrow(std::wstring(temp, ::GetTempPathW(MAX_PATH + 1, temp))) +
                           "qfv-cycles-" + std::to_string(::GetCurrentProcessId());
  fs.createDirectory(root);
  const std::string database = root + "\\accum.lsb";
  ::CloseHandle(
      ::CreateFileW(platform::win32::widen(database).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  core::Database::openExisting(database).execute(
      "CREATE TABLE tab1 (ID INTEGER PRIMARY KEY AUTOINCREMENT, Foldername TEXT, Path TEXT, Handle INTEGER)");
  protect::SqliteFolderStore store(database);
  for (int i = 0; i < folders; ++i) {
    const std::string path = root + "\\folder " + std::to_string(i);
    fs.createDirectory(path);
    store.addFolder("folder " + std::to_string(i), path);
  }
  std::vector<protect::ListRow> rows;
  for (const auto& row : store.loadList()) rows.push_back({row.id, row.path});

  std::printf("folders %d; after each cycle of lock all and unlock all:\n", folders);
  std::printf("cycle  handles  private KiB  handles vs first  private vs first\n");
  Usage first;
  {
    protect::LockEngine engine(fs, shell, store, fs.systemDirectory());
    for (int cycle = 1; cycle <= cycles; ++cycle) {
      engine.lockAll(rows);
      const std::size_t held = engine.held().size();
      // The counter sees the folders while they are held.
      if (cycle == 1) std::printf("while held: %lu handles\n", static_cast<unsigned long>(usage().handles));
      engine.unlockAll();
      const Usage now = usage();
      if (cycle == 1) first = now;
      std::printf("%5d  %7lu  %11.0f  %+15.2f%%  %+15.2f%%%s\n", cycle, static_cast<unsigned long>(now.handles),
                  static_cast<double>(now.privateBytes) / 1024.0,
                  100.0 * (static_cast<double>(now.handles) - first.handles) / first.handles,
                  100.0 * (static_cast<double>(now.privateBytes) - static_cast<double>(first.privateBytes)) /
                      static_cast<double>(first.privateBytes),
                  held == rows.size() ? "" : "  (not every folder was held)");
    }
  }

  for (const auto& row : rows) {
    fs.deleteFile(row.path + "\\Desktop.ini");
    fs.removeDirectory(row.path);
  }
  for (const char* suffix : {"", "-wal", "-shm"}) fs.deleteFile(database + suffix);
  fs.removeDirectory(root);
  return 0;
}
