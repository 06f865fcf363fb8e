#pragma once
// In-memory stand-ins for the platform ports. Each records what the code under test asked of it,
// in order; the dialogs and the window flow can also write into one log they share, so a test can
// compare the whole sequence of message boxes and window changes.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/dialogs.h"
#include "platform/registry.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/window_flow.h"

namespace testsupport {

using Log = std::vector<std::string>;

inline std::string windowName(platform::WindowId id) {
  switch (id) {
    case platform::WindowId::frmTest: return "frmTest";
    case platform::WindowId::Form1: return "Form1";
    case platform::WindowId::frmpass: return "frmpass";
    case platform::WindowId::frmpassfirst: return "frmpassfirst";
    case platform::WindowId::frmpassforgot: return "frmpassforgot";
    case platform::WindowId::frmpasschange: return "frmpasschange";
    case platform::WindowId::frmSplash: return "frmSplash";
  }
  return "?";
}

// Writes "message <text>" into the shared log.
class FakeDialogs : public platform::Dialogs {
 public:
  struct Shown {
    platform::WindowId owner;
    platform::Message message;
  };
  explicit FakeDialogs(Log* shared = nullptr) : shared_(shared) {}

  platform::MsgResult show(platform::WindowId owner, const platform::Message& message) override {
    shown.push_back({owner, message});
    if (shared_) shared_->push_back("message " + message.text);
    return message.buttons == platform::MsgButtons::YesNo ? answer : platform::MsgResult::Ok;
  }
  Log texts() const {
    Log out;
    for (const Shown& s : shown) out.push_back(s.message.text);
    return out;
  }

  std::vector<Shown> shown;
  platform::MsgResult answer = platform::MsgResult::No;  // to every Yes/No box

 private:
  Log* shared_;
};

// A window exists from its first show on, as with the real flow. Writes "show <window>" and
// "hide <window>" into its own events and the shared log.
class FakeWindowFlow : public platform::WindowFlow {
 public:
  explicit FakeWindowFlow(Log* shared = nullptr) : shared_(shared) {}

  void show(platform::WindowId id) override {
    record("show " + windowName(id));
    visible.insert(id);
    created.insert(id);
  }
  void hide(platform::WindowId id) override {
    record("hide " + windowName(id));
    visible.erase(id);
  }
  bool isVisible(platform::WindowId id) override { return visible.count(id) > 0; }
  bool isCreated(platform::WindowId id) override { return created.count(id) > 0; }

  Log events;
  std::set<platform::WindowId> visible;
  std::set<platform::WindowId> created;

 private:
  void record(const std::string& event) {
    events.push_back(event);
    if (shared_) shared_->push_back(event);
  }
  Log* shared_;
};

class FakeShell : public platform::Shell {
 public:
  bool isUserAnAdmin() override { return admin; }
  bool open(const std::string& target) override {
    opened.push_back(target);
    return openResult;
  }
  void folderChanged(const std::string& path) override { changed.push_back(path); }
  // Kept apart from folderChanged: the lock engine's tests tell one notice per directory from
  // one per folder.
  void directoryChanged(const std::string& path) override { directories.push_back(path); }
  std::string applicationDirectory() override { return appDir; }

  bool admin = true;
  bool openResult = true;
  std::string appDir = "C:\\Program Files\\Quillmar Folder Vardel";
  Log opened;
  Log changed;
  Log directories;
};

class FakeSettings : public platform::SettingsStore {
 public:
  using Key = std::tuple<std::string, std::string, std::string>;  // application, section, key

  std::string get(const std::string& app, const std::string& section, const std::string& key,
                  const std::string& defaultValue) override {
    const auto it = values.find({app, section, key});
    return it == values.end() ? defaultValue : it->second;
  }
  bool save(const std::string& app, const std::string& section, const std::string& key,
            const std::string& value) override {
    if (refuse.count(key)) return false;
    writes.push_back(key);
    values[{app, section, key}] = value;
    return true;
  }
  bool remove(const std::string& app, const std::string& section, const std::string& key) override {
    return values.erase({app, section, key}) > 0;
  }

  // A credential setting under QM\Settings, as stored.
  std::string& qm(const std::string& key) { return values[{"QM", "Settings", key}]; }
  bool hasQm(const std::string& key) const { return values.count({"QM", "Settings", key}) > 0; }

  std::map<Key, std::string> values;
  Log writes;                    // keys, in order
  std::set<std::string> refuse;  // keys whose writes fail
};

// Keys and values in memory; INI files as "file|section|key" -> value.
class FakeRegistry : public platform::Registry {
 public:
  struct Value {
    std::uint32_t type;
    std::vector<std::uint8_t> data;
    friend bool operator==(const Value&, const Value&) = default;
  };

  long createKey(platform::RootKey root, const std::string& path, Key& key) override {
    calls.push_back("create " + hex(static_cast<std::uint32_t>(root)) + " " + path);
    if (createError) return createError;
    open_.push_back({root, path});
    key = open_.size();
    return 0;
  }
  long setValue(Key key, const std::string& name, std::uint32_t type, const std::vector<std::uint8_t>& data) override {
    calls.push_back("set " + name);
    if (setError) return setError;
    const auto& [root, path] = open_.at(key - 1);
    values[{root, path, name}] = {type, data};
    return 0;
  }
  long closeKey(Key) override {
    calls.push_back("close");
    return closeError;
  }
  bool writeProfileString(const std::string& section, const std::string& key, const std::string& value,
                          const std::string& file) override {
    calls.push_back("profile " + file);
    profile[file + "|" + section + "|" + key] = value;
    return true;
  }
  bool fileExists(const std::string& path) override { return files.count(path) > 0; }

  Log calls;  // e.g. "create 80000002 Software\\X", "set v", "close"
  std::map<std::tuple<platform::RootKey, std::string, std::string>, Value> values;
  std::set<std::string> files;  // paths that exist as files
  std::map<std::string, std::string> profile;
  long createError = 0, setError = 0, closeError = 0;

 private:
  static std::string hex(std::uint32_t v) {
    static const char* digits = "0123456789abcdef";
    std::string s;
    for (int shift = 28; shift >= 0; shift -= 4) s += digits[(v >> shift) & 0xF];
    return s;
  }
  std::vector<std::pair<platform::RootKey, std::string>> open_;
};

}  // namespace testsupport
