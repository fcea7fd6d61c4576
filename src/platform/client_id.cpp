#include "platform/client_id.h"

#include <QCryptographicHash>
#include <fstream>
#include <sstream>

namespace platform {

std::array<uint8_t, 16> ClientId(const std::string& machineIdPath) {
  std::array<uint8_t, 16> id{};
  std::ifstream in(machineIdPath);
  std::stringstream text;
  text << in.rdbuf();
  std::string machineId = text.str();
  while (!machineId.empty() && (machineId.back() == '\n' || machineId.back() == ' ')) machineId.pop_back();
  if (machineId.empty()) return id;
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(QByteArrayView("Quandrell client id salt 7c1e"));
  hash.addData(QByteArrayView(machineId.data(), static_cast<qsizetype>(machineId.size())));
  const QByteArray digest = hash.result();
  for (size_t i = 0; i < id.size(); ++i) id[i] = static_cast<uint8_t>(digest[static_cast<qsizetype>(i)]);
  return id;
}

}  // namespace platform
