// Timed scenario under Windows or Wine (prints figures; not a test): one listed folder holding
// 100 folders of 100 files (10,000 files), and one of 10 folders of 100 (1,000), locked through
// the engine against the floor measured in the same run: the raw opens of the same entries, each
// without sharing, from a list made beforehand. Also the process's handle count before lock all
// and after unlock all. Prints least and median of the rounds.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "core/sqlite_db.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/text_win32.h"
#include "protect/lock_engine.h"
#include "support/win32/process_handles.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}
using bench::least;
using bench::median;

struct Entry {
  std::wstring path;
  bool directory;
};

struct Tree {
  std::string root;
  std::vector<Entry> entries;  // what a lock holds inside root, in no particular order
};

Tree makeTree(platform::win32::FileSystemWin32& fs, const std::string& root, int folders, int files) {
  Tree tree{root, {}};
  fs.createDirectory(root);
  for (int d = 0; d < folders; ++d) {
    const std::string dir = root + "\\d" + std::to_string(d);
    fs.createDirectory(dir);
    tree.entries.push_back({platform::win32::widen(dir), true});
    for (int f = 0; f < files; ++f) {
      const std::string file = dir + "\\f" + std::to_string(f) + ".txt";
      fs.createFile(file, "x");
      tree.entries.push_back({platform::win32::widen(file), false});
    }
  }
  return tree;
}

void removeTree(platform::win32::FileSystemWin32& fs, const Tree& tree) {
  for (auto it = tree.entries.rbegin(); it != tree.entries.rend(); ++it) {
    if (it->directory) ::RemoveDirectoryW(it->path.c_str());
    else ::DeleteFileW(it->path.c_str());
  }
  fs.deleteFile(tree.root + "\\Desktop.ini");
  fs.removeDirectory(tree.root);
}

// The raw opens: the folder, then every entry, each without sharing; all closed afterwards.
double floorMs(const Tree& tree) {
  std::vector<HANDLE> held;
  held.reserve(tree.entries.size() + 1);
  const auto start = Clock::now();
  held.push_back(::CreateFileW(platform::win32::widen(tree.root).c_str(), FILE_LIST_DIRECTORY, 0, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  for (const Entry& e : tree.entries) {
    held.push_back(::CreateFileW(e.path.c_str(), e.directory ? FILE_LIST_DIRECTORY : FILE_READ_DATA, 0, nullptr,
                                 OPEN_EXISTING, e.directory ? FILE_FLAG_BACKUP_SEMANTICS : 0, nullptr));
  }
  const double ms = msSince(start);
  for (HANDLE h : held) ::CloseHandle(h);
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
  platform::win32::FileSystemWin32 fs;
  platform::win32::ShellWin32 shell;
  wchar_t temp[MAX_PATH + 1] = {};
  const std::string base = platform::win32::narrow(std::wstring(temp, ::GetTempPathW(MAX_PATH + 1, temp))) +
                           "qfv-contents-bench-" + std::to_string(::GetCurrentProcessId());
  fs.createDirectory(base);
  const std::string database = base + "\\accum.lsb";
  ::CloseHandle(
      ::CreateFileW(platform::win32::widen(database).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  core::Database::openExisting(database).execute(
      "CREATE TABLE tab1 (ID INTEGER PRIMARY KEY AUTOINCREMENT, Foldername TEXT, Path TEXT, Handle INTEGER)");
  {
    protect::SqliteFolderStore store(database);

    const struct {
      const char* name;
      int folders, files;
    } sizes[] = {{"10,000 files", 100, 100}, {"1,000 files", 10, 100}};
    std::vector<double> perEntry;
    std::printf(
        "tree | entries | lock all ms (least median) | raw opens ms | ratio (least median) | handles before, "
        "held, after unlock\n");
    for (const auto& size : sizes) {
      const Tree tree = makeTree(fs, base + "\\tree" + std::to_string(size.folders), size.folders, size.files);
      store.addFolder("tree", tree.root);
      std::vector<protect::ListRow> rows;
      for (const auto& row : store.loadList()) {
        if (row.path == tree.root) rows.push_back({row.id, row.path});
      }
      std::vector<double> locks, floors, ratios;
      unsigned long before = 0, during = 0, after = 0;
      for (int round = 0; round < rounds; ++round) {
        protect::LockEngine engine(fs, shell, store, fs.systemDirectory());
        before = testsupport::win32::processHandleCount();
        const auto start = Clock::now();
        engine.lockAll(rows);
        locks.push_back(msSince(start));
        during = static_cast<unsigned long>(engine.handlesHeld());
        engine.unlockAll();
        after = testsupport::win32::processHandleCount();
        floors.push_back(floorMs(tree));
        ratios.push_back(locks.back() / floors.back());
      }
      const std::size_t entries = tree.entries.size() + 2;  // with the folder and its mark
      std::printf("%s | %zu | %.1f %.1f | %.1f %.1f | %.2f %.2f | %lu, %lu, %lu\n", size.name, entries, least(locks),
                  median(locks), least(floors), median(floors), least(ratios), median(ratios), before, during, after);
      perEntry.push_back(median(locks) / static_cast<double>(entries));
      removeTree(fs, tree);
    }
    std::printf("lock all per entry: %.4f ms at 10,000 files, %.4f ms at 1,000 (1,000 files cost %.3f of 10,000)\n",
                perEntry[0], perEntry[1], perEntry[1] * 1002 / (perEntry[0] * 10002));
  }
  for (const char* suffix : {"", "-wal", "-shm"}) fs.deleteFile(database + suffix);
  fs.removeDirectory(base);
  return 0;
}
