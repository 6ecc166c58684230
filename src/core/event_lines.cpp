#include "core/event_lines.h"

#include <utility>

namespace orlevant {

EventLines::EventLines(const std::vector<std::string>& lines) : EventLines() {
  shared_->pieces.reserve(lines.size());
  for (const std::string& line : lines) push_back(line);
}

void EventLines::AppendOwned(std::string_view line) { push_back(std::string(line)); }

void EventLines::Unshare() { shared_ = std::make_shared<Data>(*shared_); }

void EventLines::Set(std::size_t i, std::string line) {
  Data& d = Own();
  Slot& s = d.pieces[i];
  if (s.length == kOwned) {
    d.owned[s.at] = std::move(line);
    return;
  }
  s.at = static_cast<std::uint32_t>(d.owned.size());
  s.length = kOwned;
  d.owned.push_back(std::move(line));
}

std::string EventLines::Take(std::size_t i) {
  std::string line((*this)[i]);
  Set(i, {});
  return line;
}

void EventLines::push_back(std::string line) {
  Own().pieces.emplace_back();
  Set(size() - 1, std::move(line));
}

void EventLines::Adopt(std::string block) {
  auto held = std::make_shared<const std::string>(std::move(block));
  Adopt(std::shared_ptr<const char[]>(held, held->data()));
}

void EventLines::Adopt(std::shared_ptr<const char[]> block) {
  Data& d = Own();
  d.blockData = block.get();
  d.block = std::move(block);
}

bool operator==(const EventLines& a, const EventLines& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

}  // namespace orlevant
