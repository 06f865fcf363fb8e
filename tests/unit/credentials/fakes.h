#pragma once
// Fakes for the ports the credential windows and the registry writer use. Each records what was
// asked of it, in order, so tests can compare whole sequences.
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "credentials/ports.h"

namespace fakes {

class Settings final : public platform::SettingsStore {
 public:
  std::map<std::string, std::string> values;  // "app/section/key" -> value
  std::vector<std::string> writes;            // keys, in order
  std::set<std::string> refuse;               // keys whose writes fail

  static std::string path(const std::string& app, const std::string& section, const std::string& key) {
    return app + "/" + section + "/" + key;
  }
  std::string get(const std::string& app, const std::string& section, const std::string& key,
                  const std::string& defaultValue) override {
    const auto it = values.find(path(app, section, key));
    return it == values.end() ? defaultValue : it->second;
  }
  bool save(const std::string& app, const std::string& section, const std::string& key,
            const std::string& value) override {
    if (refuse.count(key)) return false;
    writes.push_back(key);
    values[path(app, section, key)] = value;
    return true;
  }
  bool remove(const std::string& app, const std::string& section, const std::string& key) override {
    return values.erase(path(app, section, key)) > 0;
  }
  // The credential setting under QM/Settings, as stored.
  std::string& qm(const std::string& key) { return values[path("QM", "Settings", key)]; }
  bool hasQm(const std::string& key) const { return values.count(path("QM", "Settings", key)) > 0; }
};

// Message boxes and window changes, in the order they happened.
using Log = std::vector<std::string>;

class Dialogs final : public platform::Dialogs {
 public:
  explicit Dialogs(Log* log = nullptr) : log_(log) {}
  std::vector<std::pair<platform::WindowId, platform::Message>> shown;
  platform::MsgResult show(platform::WindowId owner, const platform::Message& message) override {
    shown.emplace_back(owner, message);
    if (log_) log_->push_back("message " + message.text);
    return platform::MsgResult::Ok;
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& [owner, message] : shown) out.push_back(message.text);
    return out;
  }

 private:
  Log* log_;
};

class Flow final : public platform::WindowFlow {
 public:
  explicit Flow(Log* log = nullptr) : log_(log) {}
  std::vector<std::string> events;  // "show frmpass", "hide frmpassfirst", ...
  std::set<platform::WindowId> visible;
  std::set<platform::WindowId> created;

  static std::string name(platform::WindowId id) {
    switch (id) {
      case platform::WindowId::frmTest:
        return "frmTest";
      case platform::WindowId::Form1:
        return "Form1";
      case platform::WindowId::frmpass:
        return "frmpass";
      case platform::WindowId::frmpassfirst:
        return "frmpassfirst";
      case platform::WindowId::frmpassforgot:
        return "frmpassforgot";
      case platform::WindowId::frmpasschange:
        return "frmpasschange";
      case platform::WindowId::frmSplash:
        return "frmSplash";
    }
    return "?";
  }
  void show(platform::WindowId id) override {
    events.push_back("show " + name(id));
    if (log_) log_->push_back(events.back());
    visible.insert(id);
    created.insert(id);
  }
  void hide(platform::WindowId id) override {
    events.push_back("hide " + name(id));
    if (log_) log_->push_back(events.back());
    visible.erase(id);
  }
  bool isVisible(platform::WindowId id) override { return visible.count(id) > 0; }
  bool isCreated(platform::WindowId id) override { return created.count(id) > 0; }

 private:
  Log* log_;
};

class Registry final : public platform::Registry {
 public:
  struct Value {
    std::uint32_t type;
    std::vector<std::uint8_t> data;
    friend bool operator==(const Value&, const Value&) = default;
  };
  std::vector<std::string> calls;  // in order, e.g. "create 80000002 Software\\X", "set v", "close"
  std::map<std::tuple<platform::RootKey, std::string, std::string>, Value> values;
  std::set<std::string> files;                 // paths that exist as files
  std::map<std::string, std::string> profile;  // "file|section|key" -> value
  long createError = 0, setError = 0, closeError = 0;

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

 private:
  static std::string hex(std::uint32_t v) {
    static const char* digits = "0123456789abcdef";
    std::string s;
    for (int shift = 28; shift >= 0; shift -= 4) s += digits[(v >> shift) & 0xF];
    return s;
  }
  std::vector<std::pair<platform::RootKey, std::string>> open_;
};

class Shell final : public platform::Shell {
 public:
  std::string directory = "C:\\Program Files\\Quillmar";
  bool isUserAnAdmin() override { return true; }
  bool open(const std::string&) override { return true; }
  void folderChanged(const std::string&) override {}
  std::string applicationDirectory() override { return directory; }
};

// Every port at once, wired the way the program wires the real ones.
struct World {
  Log log;
  Settings settings;
  Dialogs dialogs{&log};
  Flow flow{&log};
  Registry registry;
  Shell shell;
  credentials::Cp1252 codePage;
  credentials::Ports ports{settings, dialogs, flow, registry, shell, codePage};
};

}  // namespace fakes
