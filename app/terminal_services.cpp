#include "terminal_services.h"

#include "shell/callbacks.h"
#include "shell/window_definition.h"

TerminalServices::TerminalServices(std::string programDir)
    : programDir_(std::move(programDir)), store_(platform::RegistryStore::DefaultPath()) {}

TerminalServices::~TerminalServices() = default;

std::string TerminalServices::Open(bool forRun) {
  if (forRun)
    if (std::string error = LoadWindowDefinition(programDir_, model_); !error.empty()) return error;
  toolkit_ = std::make_unique<ui::memory::MemoryToolkit>(model_, callbacks_, true);
  std::string error;
  if (!store_.Open(error)) return error;
  app_ = std::make_unique<App>(*toolkit_, store_, opener_, power_, programDir_);
  callbacks_ = BindAllCallbacks(*app_);
  return "";
}
