#pragma once
// What the credential windows talk to. Tests give fakes; the program gives the Win32 adapters.
#include "credentials/code_page.h"
#include "platform/dialogs.h"
#include "platform/registry.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/window_flow.h"

namespace credentials {

struct Ports {
  platform::SettingsStore& settings;
  platform::Dialogs& dialogs;
  platform::WindowFlow& flow;
  platform::Registry& registry;
  platform::Shell& shell;
  const CodePage& codePage;
};

// Registers the program to start with Windows: the application directory followed by
// "\QuillmarFolderVardel.exe" under the machine-wide Run key. The status is ignored: without
// rights on that key the windows work as usual.
void writeAutostart(const Ports& ports);

// A message box with the OK button and the application title.
void showError(const Ports& ports, platform::WindowId owner, const std::string& text);
void showInformation(const Ports& ports, platform::WindowId owner, const std::string& text);

}  // namespace credentials
