// The start-up load of an events file in a fresh process, for bench_events_file's fresh-start
// cases: a load repeated in one process gets the memory of the last one back from the allocator,
// which a real start never does.
//
//   load_probe --write-events N [--windows-1252] FILE   writes a generated events file and ends
//   load_probe FILE                                    loads FILE as the start does (the load, the
//                                                      format check and the past-reminder pass),
//                                                      prints the milliseconds it took and ends

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/events_file.h"
#include "platform/file_io.h"
#include "support/event_file_generator.h"

namespace {

// The generator's reference day: the file has past and future events.
const orlevant::DateTime kToday{orlevant::DateSerial(2026, 6, 15), 9, 30, 0};

// The file as it stands after its first start, which cleared the past reminders: no later start
// saves.
int WriteEvents(int count, bool windows1252, const char* path) {
  std::vector<std::string> lines = orlevant::bench::GenerateEventLines(count, 20260615);
  if (!orlevant::bench::WriteEventFile(path, lines)) return 1;
  orlevant::EventStore store(path);
  if (!orlevant::LoadEvents(store) || orlevant::ClearPastReminders(store).SaveFailed()) return 1;
  if (!windows1252) return 0;
  const orlevant::FileReadResult read = orlevant::ReadWholeFile(path);
  const std::string_view text = read.content;
  lines.clear();
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find("\r\n", at);
    lines.push_back(orlevant::bench::ToWindows1252(std::string(text.substr(at, end - at))));
    at = end + 2;
  }
  return orlevant::bench::WriteEventFile(path, lines) ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  orlevant::FixedClock clock{kToday};
  orlevant::SetAppClock(&clock);
  if (argc >= 4 && std::strcmp(argv[1], "--write-events") == 0) {
    const bool windows1252 = argc == 5 && std::strcmp(argv[3], "--windows-1252") == 0;
    return WriteEvents(std::atoi(argv[2]), windows1252, argv[argc - 1]);
  }
  if (argc != 2) return 2;

  const auto start = std::chrono::steady_clock::now();
  orlevant::EventStore store(argv[1]);
  if (!orlevant::LoadEvents(store)) return 1;
  const bool current = orlevant::IsCurrentFormat(store);
  const orlevant::ChangeResult cleared = orlevant::ClearPastReminders(store);
  const auto took = std::chrono::steady_clock::now() - start;
  if (!current || cleared.SaveFailed()) return 1;
  std::printf("%.3f\n", std::chrono::duration<double, std::milli>(took).count());
  return 0;
}
