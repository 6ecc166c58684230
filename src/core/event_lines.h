#pragma once
// The table of event lines held in memory, numbered as the events file counts them: element 0 is
// unused, the lines follow from 1, and "" is a deleted line.
//
// A table read from the file keeps the file's own bytes as one block and, for each line, where it
// lies in it: 32000 lines cost one allocation instead of 32000, and a pass over every line reads
// memory in order. A line set afterwards is held on its own. Copies share the block, which never
// changes once read, so a copy taken before a change (to put the table back should a save fail)
// costs the positions and the changed lines only. Views of lines handed out stay good until that
// line is set again or the table is replaced.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orlevant {

class EventLines {
 public:
  EventLines() = default;
  // `count` elements, all empty.
  explicit EventLines(std::size_t count) : slots_(count) {}
  // A copy of `lines`, element for element.
  explicit EventLines(const std::vector<std::string>& lines);

  std::size_t size() const { return slots_.size(); }
  bool empty() const { return slots_.empty(); }

  // Const, so that `table[i] = text` (which would change nothing) does not compile: lines are set
  // with Set.
  const std::string_view operator[](std::size_t i) const {
    const Slot& s = slots_[i];
    if (s.own >= 0) return owned_[static_cast<std::size_t>(s.own)];
    return {block_data_ + s.at, s.length};
  }

  void Set(std::size_t i, std::string line);
  // Takes the line out, leaving "" in its place.
  std::string Take(std::size_t i);
  // Adds a line after the last element.
  void push_back(std::string line);
  // Drops elements past `count`, or adds empty ones up to it.
  void resize(std::size_t count);

  // Building a table over a block of text: each line is added as the piece [at, at + line.size())
  // of the block (`line` is that piece, wherever it is read from now), and Adopt then hands over
  // the block, whose bytes stay where they are.
  void reserve(std::size_t count) { slots_.reserve(count); }
  void AppendFromBlock(std::size_t at, std::string_view line) {
    if (at > kMaxAt || line.size() > kMaxAt - at) {
      push_back(std::string(line));
      return;
    }
    slots_.push_back({static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(line.size()), -1});
  }
  void Adopt(std::string block);

  friend bool operator==(const EventLines& a, const EventLines& b);

 private:
  static constexpr std::size_t kMaxAt = UINT32_MAX;
  struct Slot {
    std::uint32_t at = 0;      // where the line starts in the block
    std::uint32_t length = 0;  // its length there
    std::int32_t own = -1;     // >= 0: the line is owned_[own] instead
  };

  std::shared_ptr<const std::string> block_;
  const char* block_data_ = nullptr;
  std::vector<Slot> slots_;
  // A deque, so that holding one more line never moves the others: a view of a line stays good
  // until that line itself is set.
  std::deque<std::string> owned_;
};

}  // namespace orlevant
