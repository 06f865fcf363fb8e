#include "credentials/ports.h"

namespace credentials {

void writeAutostart(const Ports& ports) {
  // The file name is fixed, whatever the running executable is called.
  const auto directory = ports.codePage.toAnsi(ports.shell.applicationDirectory());
  // A path the ANSI code page cannot spell would register a file that does not exist.
  if (!directory) return;
  ports.registry.writeString("HKLM", "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "QuillmarFolderVardel",
                             *directory + "\\QuillmarFolderVardel.exe");
}

void showError(const Ports& ports, platform::WindowId owner, const std::string& text) {
  ports.dialogs.show(owner, {text, platform::kAppTitle, platform::MsgButtons::Ok, platform::MsgIcon::Error});
}

void showInformation(const Ports& ports, platform::WindowId owner, const std::string& text) {
  ports.dialogs.show(owner, {text, platform::kAppTitle, platform::MsgButtons::Ok, platform::MsgIcon::Information});
}

}  // namespace credentials
