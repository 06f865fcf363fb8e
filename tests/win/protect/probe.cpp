// A second process that tries what another program would do to a folder or a file and prints the
// error code of each attempt (0 when it worked): probe <path> <other-parent> [ops...]
// ops on a folder: open list rename move delete (default: these five), create (a new file in it,
// deleted again); on a file: read write append fdelete, and rename and move as for a folder.
// rename and move put the path back when they worked, so it stays where it was unless a delete
// worked.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring longForm(const std::wstring& path) {
  return path.size() < 248 || path.rfind(L"\\\\?\\", 0) == 0 ? path : L"\\\\?\\" + path;
}

DWORD tryOpen(const std::wstring& folder) {
  HANDLE h =
      ::CreateFileW(longForm(folder).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return ::GetLastError();
  ::CloseHandle(h);
  return 0;
}

DWORD tryList(const std::wstring& folder) {
  WIN32_FIND_DATAW data{};
  HANDLE find = ::FindFirstFileW(longForm(folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return ::GetLastError();
  ::FindClose(find);
  return 0;
}

DWORD tryMove(const std::wstring& from, const std::wstring& to) {
  if (!::MoveFileExW(longForm(from).c_str(), longForm(to).c_str(), 0)) return ::GetLastError();
  ::MoveFileExW(longForm(to).c_str(), longForm(from).c_str(), 0);
  return 0;
}

DWORD tryDelete(const std::wstring& folder) {
  return ::RemoveDirectoryW(longForm(folder).c_str()) ? 0 : ::GetLastError();
}

// Opens with the given access as an ordinary program would, sharing everything.
DWORD tryAccess(const std::wstring& file, DWORD access) {
  HANDLE h = ::CreateFileW(longForm(file).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return ::GetLastError();
  DWORD code = 0;
  if (access == GENERIC_READ) {
    char byte = 0;
    DWORD got = 0;
    if (!::ReadFile(h, &byte, 1, &got, nullptr)) code = ::GetLastError();
  }
  ::CloseHandle(h);
  return code;
}

DWORD tryCreate(const std::wstring& folder) {
  const std::wstring file = folder + L"\\qfv-probe-new.txt";
  HANDLE h = ::CreateFileW(longForm(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return ::GetLastError();
  ::CloseHandle(h);
  ::DeleteFileW(longForm(file).c_str());
  return 0;
}

}  // namespace

int main() {
  int argc = 0;
  LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
  if (!argv || argc < 3) {
    std::printf("usage: probe <folder> <other-parent> [open|list|rename|move|delete...]\n");
    return 2;
  }
  const std::wstring folder = argv[1];
  const std::wstring other = argv[2];
  std::vector<std::wstring> ops;
  for (int i = 3; i < argc; ++i) ops.emplace_back(argv[i]);
  if (ops.empty()) ops = {L"open", L"list", L"rename", L"move", L"delete"};
  const std::wstring name = folder.substr(folder.find_last_of(L'\\') + 1);
  std::string out;
  for (const auto& op : ops) {
    DWORD code = 0xFFFFFFFF;
    if (op == L"open") code = tryOpen(folder);
    else if (op == L"list") code = tryList(folder);
    else if (op == L"rename") code = tryMove(folder, folder + L"-renamed");
    else if (op == L"move") code = tryMove(folder, other + L"\\" + name);
    else if (op == L"delete") code = tryDelete(folder);
    else if (op == L"create") code = tryCreate(folder);
    else if (op == L"read") code = tryAccess(folder, GENERIC_READ);
    else if (op == L"write") code = tryAccess(folder, GENERIC_WRITE);
    else if (op == L"append") code = tryAccess(folder, FILE_APPEND_DATA);
    else if (op == L"fdelete") code = ::DeleteFileW(longForm(folder).c_str()) ? 0 : ::GetLastError();
    if (!out.empty()) out.append(" ");
    for (const wchar_t ch : op) out.push_back(static_cast<char>(ch));
    out.append("=").append(std::to_string(code));
  }
  std::printf("%s\n", out.c_str());
  ::LocalFree(argv);
  return 0;
}
