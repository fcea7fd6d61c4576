// The version check's answer, whatever the server sends.
#include "fuzz_input.h"
#include "online/version_reply.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::HttpResponse response;
  response.ok = true;
  response.status = 200;
  response.body.assign(fuzz::Text(data, size));
  ReadVersionReply(response);
  return 0;
}
