#include "packet_builder.h"

namespace scantest {

namespace {

std::string Header(int pid) {
  std::string packet(192, '\xAA');
  packet[0] = packet[1] = packet[2] = packet[3] = 0;
  packet[4] = 0x47;
  packet[5] = static_cast<char>(0x40 | ((pid >> 8) & 0x1F));  // payload unit start + PID high bits
  packet[6] = static_cast<char>(pid & 0xFF);
  packet[7] = 0x10;
  return packet;
}

void Put16(std::string& bytes, int value) {
  bytes += static_cast<char>((value >> 8) & 0xFF);
  bytes += static_cast<char>(value & 0xFF);
}

std::string Segment(const Composition& c) {
  std::string body;
  Put16(body, 1920);
  Put16(body, 1080);
  body += '\x10';  // 23.976
  Put16(body, 7);  // composition number
  body += static_cast<char>(c.state);
  body += '\0';  // palette update
  body += '\0';  // palette id
  body += static_cast<char>(c.objects);
  for (int i = 0; i < c.objects; ++i) {
    Put16(body, i);
    body += '\0';  // window
    body += static_cast<char>((c.cropped ? 0x80 : 0) | (c.forced ? 0x40 : 0));
    Put16(body, 100);
    Put16(body, 900);
    if (c.cropped)
      for (int v : {0, 0, 400, 60}) Put16(body, v);
  }
  std::string segment(1, '\x16');
  Put16(segment, static_cast<int>(body.size()));
  return segment + body;
}

}  // namespace

std::string Packets(int pid, int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += Header(pid);
  return bytes;
}

std::string BadPacket() {
  std::string packet = Header(kVideoPid);
  packet[4] = 0x46;
  return packet;
}

std::string CompositionPacket(int pid, const Composition& composition) {
  std::string packet = Header(pid);
  const std::string segment = Segment(composition);
  packet.replace(static_cast<size_t>(composition.end) - segment.size(), segment.size(), segment);
  return packet;
}

}  // namespace scantest
