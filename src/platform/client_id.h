#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace platform {

// A stable identifier of this machine that reveals nothing of it: 16 bytes
// of SHA-256 over the machine id and a fixed application salt, zeros when
// the machine has no id.
std::array<uint8_t, 16> ClientId(const std::string& machineIdPath = "/etc/machine-id");

}  // namespace platform
