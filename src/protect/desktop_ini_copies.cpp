#include "protect/desktop_ini_copies.h"

#include <cstdint>
#include <cstdio>
#include <optional>

#include "core/text.h"

namespace protect {
namespace {

constexpr const char* kMagic = "QFV Desktop.ini copy";

std::string iniOf(const std::string& folder) { return folder + "\\Desktop.ini"; }

std::uint64_t fnv1a(const std::string& text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char ch : text) {
    hash ^= static_cast<unsigned char>(ch);
    hash *= 1099511628211ull;
  }
  return hash;
}

struct Copy {
  std::uint32_t attributes;
  std::string bytes;
};

// Layout: the magic line, the attributes in decimal, the folder path, then the file's bytes.
std::string encode(const std::string& folder, std::uint32_t attributes, const std::string& bytes) {
  return std::string(kMagic) + "\n" + std::to_string(attributes) + "\n" + folder + "\n" + bytes;
}

// folderKey: the folder's path as the file system compares names.
std::optional<Copy> decode(platform::FileSystem& fs, const std::string& stored, const std::string& folderKey) {
  const std::size_t a = stored.find('\n');
  if (a == std::string::npos || stored.compare(0, a, kMagic) != 0) return std::nullopt;
  const std::size_t b = stored.find('\n', a + 1);
  if (b == std::string::npos) return std::nullopt;
  const std::size_t c = stored.find('\n', b + 1);
  // Two paths may share a file name; the stored path must name this folder.
  if (c == std::string::npos || fs.nameKey(stored.substr(b + 1, c - b - 1)) != folderKey) return std::nullopt;
  std::uint32_t attributes = 0;
  for (std::size_t i = a + 1; i < b; ++i) {
    if (stored[i] < '0' || stored[i] > '9') return std::nullopt;
    attributes = attributes * 10 + static_cast<std::uint32_t>(stored[i] - '0');
  }
  return Copy{attributes, stored.substr(c + 1)};
}

}  // namespace

bool carriesLockMark(const std::string& iniBytes, const std::string& lockIconValue) {
  const std::string text = core::asciiLower("\n" + iniBytes);
  const std::string line = core::asciiLower("\niconfile=" + lockIconValue);
  for (std::size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) {
    const std::size_t end = at + line.size();
    if (end == text.size() || text[end] == '\r' || text[end] == '\n') return true;
  }
  return false;
}

std::string DesktopIniCopies::folderOfCopies() const {
  if (!root_) root_ = fs_.commonDataDirectory();
  if (root_->empty()) return {};
  return *root_ + "\\Quillmar Folder Vardel\\Desktop.ini copies";
}

std::string DesktopIniCopies::copyPath(const std::string& folder) const { return copyNamed(fs_.nameKey(folder)); }

std::string DesktopIniCopies::copyNamed(const std::string& text) const {
  const std::string dir = folderOfCopies();
  if (dir.empty()) return {};
  char name[17];
  std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(fnv1a(text)));
  return dir + "\\" + name + ".ini";
}

void DesktopIniCopies::keep(const std::string& folder, const std::string& lockIconValue) {
  const std::string ini = iniOf(folder);
  const auto attributes = fs_.attributes(ini);
  if (!attributes) return;  // nothing of the folder's own to keep
  const auto bytes = fs_.readFile(ini);
  if (!bytes || carriesLockMark(*bytes, lockIconValue)) return;
  const std::string copy = copyPath(folder);
  if (copy.empty()) return;
  fs_.createDirectory(*root_ + "\\Quillmar Folder Vardel");
  fs_.createDirectory(folderOfCopies());
  if (fs_.replaceFile(copy, encode(folder, *attributes, *bytes))) anyKept_ = true;
}

void DesktopIniCopies::restore(const std::string& folder, const std::string& lockIconValue, bool markedNow) {
  const std::string ini = iniOf(folder);
  const std::string key = fs_.nameKey(folder);
  std::string copyFile = copyNamed(key);
  if (!copyFile.empty() && !anyKept_) anyKept_ = fs_.exists(folderOfCopies());
  if (!copyFile.empty() && *anyKept_) {
    auto stored = fs_.readFile(copyFile);
    if (!stored) {
      // A copy kept by an earlier version is named by the path exactly as it was listed.
      copyFile = copyNamed(folder);
      stored = fs_.readFile(copyFile);
    }
    if (stored) {
      if (const auto copy = decode(fs_, *stored, key)) {
        // Attributes such as read-only or system would block the replacement.
        if (fs_.attributes(ini)) fs_.setAttributes(ini, platform::attr::kArchive);
        if (fs_.replaceFile(ini, copy->bytes)) {
          fs_.setAttributes(ini, copy->attributes);
          fs_.deleteFile(copyFile);
          // Gone when it was the last copy, which spares later unlocks the look for one.
          if (fs_.removeDirectory(folderOfCopies())) anyKept_ = false;
        }
        return;  // a failed restore keeps the copy for the next unlock
      }
    }
  }
  if (markedNow) {
    fs_.deleteFile(ini);
    return;
  }
  const auto bytes = fs_.readFile(ini);
  if (bytes && carriesLockMark(*bytes, lockIconValue)) fs_.deleteFile(ini);
}

}  // namespace protect
