#include "terminal_services.h"

#include <iostream>

#include "shell/callbacks.h"
#include "shell/window_definition.h"

TerminalServices::TerminalServices(std::string programDir)
    : programDir_(std::move(programDir)), store_(platform::RegistryStore::DefaultPath()) {}

TerminalServices::~TerminalServices() = default;

std::string TerminalServices::Open(bool forRun) {
  if (forRun)
    if (std::string error = LoadWindowDefinition(programDir_, model_); !error.empty()) return error;
  toolkit_ = std::make_unique<ui::memory::MemoryToolkit>(model_, callbacks_, true);
  // Listing only reads: a store the user may not write still lists.
  std::string error;
  store_.SetLockWait(platform::RegistryStore::kDefaultLockWait,
                     [](const std::string& notice) { std::cerr << "quandrell: " << notice << std::endl; });
  if (!store_.Open(error, forRun ? platform::StoreAccess::ReadWrite : platform::StoreAccess::ReadOnly)) return error;
  app_ = std::make_unique<App>(*toolkit_, store_, opener_, power_, programDir_);
  callbacks_ = BindAllCallbacks(*app_);
  return "";
}
