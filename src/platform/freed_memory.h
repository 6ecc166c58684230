#pragma once
// Memory the program has freed goes back to the system. The allocator keeps the pages of freed
// blocks for the next allocation, so after a dialog of 32000 rows closes the process would stay as
// large as it was while the dialog was open, though nothing is in use.

#include <functional>

namespace orlevant {

// Hands the free pages of every heap back to the system; nothing where the C library cannot.
void ReturnFreedMemory();

// Tests count the calls instead: `replacement` runs in place of the allocator's trim; an empty
// function brings the trim back.
void SetFreedMemoryReturner(std::function<void()> replacement);

}  // namespace orlevant
