#include "core/event_lines.h"

#include <utility>

namespace orlevant {

EventLines::EventLines(const std::vector<std::string>& lines) {
  slots_.reserve(lines.size());
  for (const std::string& line : lines) push_back(line);
}

void EventLines::Set(std::size_t i, std::string line) {
  Slot& s = slots_[i];
  if (s.own >= 0) {
    owned_[static_cast<std::size_t>(s.own)] = std::move(line);
    return;
  }
  s.own = static_cast<std::int32_t>(owned_.size());
  owned_.push_back(std::move(line));
}

std::string EventLines::Take(std::size_t i) {
  std::string line((*this)[i]);
  Set(i, {});
  return line;
}

void EventLines::push_back(std::string line) {
  slots_.emplace_back();
  Set(slots_.size() - 1, std::move(line));
}

void EventLines::resize(std::size_t count) { slots_.resize(count); }

void EventLines::Adopt(std::string block) {
  auto held = std::make_shared<const std::string>(std::move(block));
  block_data_ = held->data();
  block_ = std::move(held);
}

bool operator==(const EventLines& a, const EventLines& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

}  // namespace orlevant
