// Native figures for the folder protection code: the INI edit and the folder store. In the
// sanitizer build the figures are for comparing with each other, not absolute.
#include <benchmark/benchmark.h>

#include <string>

#include "core/sqlite_db.h"
#include "protect/folder_store.h"
#include "protect/ini_write.h"
#include "support/temp_dir.h"

namespace {

void IniEditMark(benchmark::State& state) {
  // A Desktop.ini of the given size with the section last, as a large file would have it.
  std::string content;
  while (content.size() < static_cast<std::size_t>(state.range(0))) content += "Line=some text of a line\r\n";
  content = "[other]\r\n" + content + "[.ShellClassInfo]\r\nIconIndex=0\r\n";
  for (auto _ : state) {
    auto text = protect::INIwrite::editText(content, ".ShellClassInfo", "IconFile", "C:\\Windows\\system32\\lock.ico");
    benchmark::DoNotOptimize(text);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(content.size()));
}
BENCHMARK(IniEditMark)->Arg(100)->Arg(32 * 1024)->Arg(1024 * 1024);

class StoreFile {
 public:
  explicit StoreFile(int rows) {
    testsupport::writeBytes(path(), "");
    core::Database::openExisting(path()).execute(
        "CREATE TABLE tab1 (ID INTEGER PRIMARY KEY AUTOINCREMENT, Foldername TEXT, Path TEXT, Handle INTEGER)");
    protect::SqliteFolderStore store(path());
    for (int i = 0; i < rows; ++i)
      store.addFolder("folder " + std::to_string(i), "C:\\Data\\folder " + std::to_string(i));
  }
  std::string path() const { return dir_.file("accum.lsb"); }

 private:
  testsupport::TempDir dir_;
};

// One record-handle operation: a fresh connection and one committed update.
void StoreRecordHandle(benchmark::State& state) {
  StoreFile file(1000);
  protect::SqliteFolderStore store(file.path());
  int id = 0;
  for (auto _ : state) {
    ++id;
    store.recordHandle(std::to_string(id % 1000 + 1), 4000 + id);
  }
}
BENCHMARK(StoreRecordHandle);

void StoreReadAllHandles(benchmark::State& state) {
  StoreFile file(static_cast<int>(state.range(0)));
  protect::SqliteFolderStore store(file.path());
  for (auto _ : state) benchmark::DoNotOptimize(store.readAllHandles());
}
BENCHMARK(StoreReadAllHandles)->Arg(1000);

}  // namespace

BENCHMARK_MAIN();
