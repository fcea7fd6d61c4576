#include "online/web_server.h"

#include <cstdlib>

#include "online/web_address.h"

namespace {

std::string ConfiguredValue() {
  if (const char* value = std::getenv("QUANDRELL_WEB_SERVER")) return value;
  return QUANDRELL_WEB_SERVER_DEFAULT;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

std::string ProductWebServer() {
  std::string address = Trimmed(ConfiguredValue());
  if (address.empty()) return {};
  if (address.find("://") == std::string::npos) address = "http://" + address;
  while (address.back() == '/') address.pop_back();
  // Paths are appended to it: a query or fragment of its own would swallow them.
  if (!IsWebAddress(address) || address.find_first_of("?#") != std::string::npos) return {};
  return address;
}

std::string ProductWebPage() { return ProductWebServer(); }
