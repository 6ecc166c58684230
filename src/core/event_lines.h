#pragma once
// The table of event lines held in memory, numbered as the events file counts them: element 0 is
// unused, the lines follow from 1, and "" is a deleted line.
//
// A table read from the file keeps the file's own bytes as one block and, for each line, where it
// lies in it: 32000 lines cost one allocation instead of 32000, and a pass over every line reads
// memory in order. A line set afterwards is held on its own. Copies share the block, which never
// changes once read, so a copy taken before a change (to put the table back should a save fail)
// costs nothing until either is changed. A view of a line handed out stays good until the table
// is changed or replaced (or, for a line of the block, as long as any copy holds the block).

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
  EventLines() : shared_(std::make_shared<Data>()) {}
  // `count` elements, all empty.
  explicit EventLines(std::size_t count) : EventLines() { shared_->pieces.resize(count); }
  // A copy of `lines`, element for element.
  explicit EventLines(const std::vector<std::string>& lines);
  // Copies share everything until one of them changes (and so need no moves).
  EventLines(const EventLines&) = default;
  EventLines& operator=(const EventLines&) = default;

  std::size_t size() const { return shared_->pieces.size(); }
  bool empty() const { return shared_->pieces.empty(); }

  // Const, so that `table[i] = text` (which would change nothing) does not compile: lines are set
  // with Set.
  const std::string_view operator[](std::size_t i) const {
    const Data& d = *shared_;
    const Slot& s = d.pieces[i];
    if (s.length == kOwned) return d.owned[s.at];
    return {d.blockData + s.at, s.length};
  }

  void Set(std::size_t i, std::string line);
  // Takes the line out, leaving "" in its place.
  std::string Take(std::size_t i);
  // Adds a line after the last element.
  void push_back(std::string line);
  // Drops elements past `count`, or adds empty ones up to it.
  void resize(std::size_t count) { Own().pieces.resize(count); }

  // Building a table over a block of text: each line is added as the piece [at, at + line.size())
  // of the block (`line` is that piece, wherever it is read from now), and Adopt then hands over
  // the block, whose bytes stay where they are.
  void reserve(std::size_t count) { Own().pieces.reserve(count); }
  void AppendFromBlock(std::size_t at, std::string_view line) {
    if (at > kMaxAt || line.size() > kMaxAt - at) [[unlikely]]
      return AppendOwned(line);
    Own().pieces.push_back({static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(line.size())});
  }
  void Adopt(std::string block);
  // The same for a block held elsewhere too (the bytes of the file as read, which the lines past
  // the table's limit share).
  void Adopt(std::shared_ptr<const char[]> block);

  friend bool operator==(const EventLines& a, const EventLines& b);

 private:
  // A piece ends before this; a slot of this length holds the index of a line of its own.
  static constexpr std::uint32_t kOwned = UINT32_MAX;
  static constexpr std::size_t kMaxAt = kOwned - 1;
  struct Slot {
    std::uint32_t at = 0;      // where the line starts in the block, or its index in owned
    std::uint32_t length = 0;  // its length there, or kOwned
  };
  struct Data {
    std::shared_ptr<const char[]> block;
    const char* blockData = nullptr;
    std::vector<Slot> pieces;
    // A deque, so that holding one more line never moves the others.
    std::deque<std::string> owned;
  };

  // The data, no longer shared with a copy: the first change after a copy copies it.
  Data& Own() {
    if (shared_.use_count() > 1) [[unlikely]]
      Unshare();
    return *shared_;
  }
  void Unshare();
  void AppendOwned(std::string_view line);

  std::shared_ptr<Data> shared_;
};

}  // namespace orlevant
