// The window definition file, damaged or edited by hand.
#include "fuzz_input.h"
#include "ui/uir_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ui::ParseUir(std::string(fuzz::Text(data, size)));
  return 0;
}
