#include "shell/queue_listing.h"

#include "queue/job_lines.h"

void ListQueue(const JobQueue& queue, bool details, std::ostream& out) {
  for (const Job& job : queue) {
    if (LoadState(job) == JobFree) continue;
    out << JobLine(job) << "\n";
    if (details)
      for (const std::string& line : DetailLines(job)) out << "  " << line << "\n";
  }
}
