#include "protect/form1_lists.h"

#include <algorithm>

#include "core/text.h"

namespace protect {

void DriveList::load(DirSource& source) {
  drives_ = source.drives();
  selected_ = drives_.empty() ? -1 : 0;
}

std::string DriveList::caption(const DriveInfo& drive) {
  std::string text = drive.root.substr(0, 2);
  if (!drive.label.empty()) text += " [" + drive.label + "]";
  return text;
}

bool DriveList::select(const std::string& root) {
  const std::string wanted = core::asciiLower(DirList::normalize(root));
  for (std::size_t i = 0; i < drives_.size(); ++i) {
    if (core::asciiLower(drives_[i].root) == wanted) {
      selected_ = static_cast<int>(i);
      return true;
    }
  }
  return false;
}

bool DriveList::select(int index) {
  if (index < 0 || index >= static_cast<int>(drives_.size())) return false;
  selected_ = index;
  return true;
}

std::string DriveList::drive() const {
  return selected_ < 0 ? std::string() : drives_[static_cast<std::size_t>(selected_)].root;
}

std::string DirList::normalize(const std::string& path) {
  const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  if (path.size() < 2 || !isLetter(path[0]) || path[1] != ':') return {};
  if (path.size() > 2 && path[2] != '\\') return {};
  std::string out = path;
  while (out.size() > 3 && out.back() == '\\') out.pop_back();
  if (out.size() == 2) out += '\\';
  // Empty components ("c:\a\\b") name no folder.
  if (out.find("\\\\") != std::string::npos) return {};
  return out;
}

bool DirList::setPath(const std::string& path, DirSource& source) {
  const std::string target = normalize(path);
  if (target.empty()) return false;
  auto children = source.subfolders(target);
  if (!children) return false;
  show(target, std::move(*children));
  return true;
}

bool DirList::open(const std::string& path, DirSource& source) {
  const std::string target = normalize(path);
  if (target.empty()) return false;
  show(target, source.subfolders(target).value_or(std::vector<std::string>{}));
  return true;
}

void DirList::show(const std::string& target, std::vector<std::string> children) {
  std::vector<DirItem> items;
  const std::string root = target.substr(0, 3);
  items.push_back({root, root, 0, true});
  std::string walked = root;
  int level = 0;
  for (std::size_t start = 3; start < target.size();) {
    std::size_t end = target.find('\\', start);
    if (end == std::string::npos) end = target.size();
    const std::string name = target.substr(start, end - start);
    walked += (walked.size() > 3 ? "\\" : "") + name;
    items.push_back({walked, name, ++level, true});
    start = end + 1;
  }
  std::sort(children.begin(), children.end(), [](const std::string& a, const std::string& b) {
    const std::string la = core::asciiLower(a);
    const std::string lb = core::asciiLower(b);
    return la != lb ? la < lb : a < b;
  });
  const std::string prefix = target.size() > 3 ? target + "\\" : target;
  for (const std::string& name : children) items.push_back({prefix + name, name, level + 1, false});

  path_ = target;
  items_ = std::move(items);
  current_ = level;
}

}  // namespace protect
