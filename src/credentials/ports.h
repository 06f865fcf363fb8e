#pragma once
// What the credential windows talk to. Tests give fakes; the program gives the Win32 adapters.
#include <cstdint>
#include <string>

#include "credentials/code_page.h"
#include "platform/dialogs.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/window_flow.h"

namespace credentials {

// Where the windows write the autostart value; the application hands its registry writer.
class RegistryWriter {
 public:
  virtual ~RegistryWriter() = default;
  // One string value under the named hive ("HKLM", ...). 0, or the failing call's error code.
  virtual std::uint32_t writeString(const std::string& hive, const std::string& keyPath, const std::string& valueName,
                                    const std::string& value) = 0;
};

struct Ports {
  platform::SettingsStore& settings;
  platform::Dialogs& dialogs;
  platform::WindowFlow& flow;
  RegistryWriter& registry;
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
