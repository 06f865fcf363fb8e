// The floor of start-up and log-off: the end state the program leaves for every listed folder,
// made with the fewest raw calls, timed the way the timed program times itself. Held: the folder
// open without sharing and listed, its final Desktop.ini written once and held, the system attribute set. Freed: the
// handle closed and the Desktop.ini deleted. The folders come one per line from the file named
// by the first argument; the figures go to QFV_TIMING_FILE as "floor <held> <freed>", held in
// seconds from the process's start, freed in seconds from the start of the release. The release
// waits a second, as the program's comes long after its start: a process just started shares the
// machine with its own start-up's after-effects.
#include <windows.h>

#include <cstdint>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double secondsSinceProcessStart() {
  FILETIME created{}, exited{}, kernel{}, user{}, now{};
  ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
  ::GetSystemTimePreciseAsFileTime(&now);
  const auto ticks = [](FILETIME t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return static_cast<double>(ticks(now) - ticks(created)) / 1e7;
}

std::wstring wide(const std::string& utf8) {
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  HANDLE list = ::CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (list == INVALID_HANDLE_VALUE) return 1;
  std::string text(static_cast<std::size_t>(::GetFileSize(list, nullptr)), '\0');
  DWORD got = 0;
  ::ReadFile(list, text.data(), static_cast<DWORD>(text.size()), &got, nullptr);
  ::CloseHandle(list);
  std::vector<std::wstring> folders;
  for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
    end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) folders.push_back(wide(line));
  }
  wchar_t system[MAX_PATH + 1] = {};
  const std::wstring dir(system, ::GetSystemDirectoryW(system, MAX_PATH + 1));
  std::string mark = "[.ShellClassInfo]\r\nIconIndex=0\r\nIconFile=";
  for (const wchar_t ch : dir) mark += static_cast<char>(ch);
  mark += "\\lock.ico\r\n";

  // As the program does: every folder held, then its mark held with read sharing while fewer
  // than the program's ceiling of handles are held (16,384). Here the mark is written through
  // the handle that keeps it.
  constexpr std::size_t kMostHeld = 16384;
  std::vector<HANDLE> held;
  held.reserve(folders.size());
  for (const std::wstring& folder : folders) {
    held.push_back(::CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY, 0, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  }
  std::vector<HANDLE> marks(folders.size(), INVALID_HANDLE_VALUE);
  // A folder's contents are known only once it is listed: through the held handle, read to the end.
  std::vector<std::uint64_t> entries(64 * 1024 / sizeof(std::uint64_t));
  for (std::size_t i = 0; i < folders.size(); ++i) {
    FILE_INFO_BY_HANDLE_CLASS infoClass = FileIdBothDirectoryRestartInfo;
    while (::GetFileInformationByHandleEx(held[i], infoClass, entries.data(),
                                          static_cast<DWORD>(entries.size() * sizeof(std::uint64_t)))) {
      infoClass = FileIdBothDirectoryInfo;
    }
    HANDLE ini = ::CreateFileW((folders[i] + L"\\Desktop.ini").c_str(), GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_ARCHIVE, nullptr);
    DWORD written = 0;
    ::WriteFile(ini, mark.data(), static_cast<DWORD>(mark.size()), &written, nullptr);
    if (folders.size() + i < kMostHeld) marks[i] = ini;
    else ::CloseHandle(ini);
    ::SetFileAttributesW(folders[i].c_str(), FILE_ATTRIBUTE_SYSTEM);
  }
  const double heldAt = secondsSinceProcessStart();

  ::Sleep(argc > 2 ? static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)) : 1000);
  LARGE_INTEGER start{}, end{}, frequency{};
  ::QueryPerformanceCounter(&start);
  for (std::size_t i = 0; i < folders.size(); ++i) {
    ::CloseHandle(held[i]);
    if (marks[i] != INVALID_HANDLE_VALUE) ::CloseHandle(marks[i]);
    ::DeleteFileW((folders[i] + L"\\Desktop.ini").c_str());
  }
  ::QueryPerformanceCounter(&end);
  ::QueryPerformanceFrequency(&frequency);
  const double freed = static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);

  if (const char* path = std::getenv("QFV_TIMING_FILE")) {
    if (FILE* out = std::fopen(path, "w")) {
      std::fprintf(out, "floor %.6f %.6f\n", heldAt, freed);
      std::fclose(out);
    }
  }
  return 0;
}
