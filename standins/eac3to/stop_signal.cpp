#include "stop_signal.h"

#include <csignal>

namespace eac3to {
namespace {

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void NoteStop(int signal) { stopSignal = signal; }

}  // namespace

void InstallStopHandlers() {
  struct sigaction action {};
  action.sa_handler = NoteStop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a blocking read returns and sees the note
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

bool StopRequested() { return stopSignal != 0; }

int StopSignal() { return stopSignal; }

void ThrowIfStopped() {
  if (StopRequested()) throw Stopped();
}

}  // namespace eac3to
