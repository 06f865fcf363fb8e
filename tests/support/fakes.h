#pragma once
// In-memory stand-ins for the platform ports, recording what the code under test asked for.
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/dialogs.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/window_flow.h"

namespace testsupport {

class FakeDialogs : public platform::Dialogs {
 public:
  struct Shown {
    platform::WindowId owner;
    platform::Message message;
  };
  platform::MsgResult show(platform::WindowId owner, const platform::Message& message) override {
    shown.push_back({owner, message});
    if (answers.empty()) return message.buttons == platform::MsgButtons::YesNo ? platform::MsgResult::No
                                                                               : platform::MsgResult::Ok;
    const platform::MsgResult next = answers.front();
    answers.erase(answers.begin());
    return next;
  }
  std::vector<Shown> shown;
  std::vector<platform::MsgResult> answers;  // given in order to the boxes that ask
};

class FakeWindowFlow : public platform::WindowFlow {
 public:
  void show(platform::WindowId id) override {
    created[id] = true;
    visible[id] = true;
    log.push_back("show " + name(id));
  }
  void hide(platform::WindowId id) override {
    visible[id] = false;
    log.push_back("hide " + name(id));
  }
  bool isVisible(platform::WindowId id) override { return visible[id]; }
  bool isCreated(platform::WindowId id) override { return created[id]; }

  static std::string name(platform::WindowId id) {
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
  std::map<platform::WindowId, bool> visible;
  std::map<platform::WindowId, bool> created;
  std::vector<std::string> log;
};

class FakeShell : public platform::Shell {
 public:
  bool isUserAnAdmin() override { return admin; }
  bool open(const std::string& target) override {
    opened.push_back(target);
    return openResult;
  }
  void folderChanged(const std::string& path) override { changed.push_back(path); }
  std::string applicationDirectory() override { return appDir; }

  bool admin = true;
  bool openResult = true;
  std::string appDir = "C:\\Program Files\\Quillmar Folder Vardel";
  std::vector<std::string> opened;
  std::vector<std::string> changed;
};

class FakeSettings : public platform::SettingsStore {
 public:
  std::string get(const std::string& app, const std::string& section, const std::string& key,
                  const std::string& defaultValue) override {
    const auto it = values.find({app, section, key});
    return it == values.end() ? defaultValue : it->second;
  }
  bool save(const std::string& app, const std::string& section, const std::string& key,
            const std::string& value) override {
    if (refuseWrites) return false;
    values[{app, section, key}] = value;
    return true;
  }
  bool remove(const std::string& app, const std::string& section, const std::string& key) override {
    return values.erase({app, section, key}) > 0;
  }
  std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
  bool refuseWrites = false;
};

}  // namespace testsupport
