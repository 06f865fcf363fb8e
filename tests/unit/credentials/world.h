#pragma once
// Every port the credential windows use, wired the way the program wires the real ones; message
// boxes and window changes go into one log, in the order they happened.
#include "app/module_registry.h"
#include "credentials/ports.h"
#include "support/fakes.h"

namespace credentialstest {

struct World {
  testsupport::Log log;
  testsupport::FakeSettings settings;
  testsupport::FakeDialogs dialogs{&log};
  testsupport::FakeWindowFlow flow{&log};
  testsupport::FakeRegistry registry;
  app::ModuleRegistry::Writer registryWriter{registry};
  testsupport::FakeShell shell;
  credentials::Cp1252 codePage;
  credentials::Ports ports{settings, dialogs, flow, registryWriter, shell, codePage};
};

}  // namespace credentialstest
