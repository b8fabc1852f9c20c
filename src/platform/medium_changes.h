#pragma once
// Every operation of this layer that changes a medium (creating, writing,
// flushing, renaming or deleting a file, and giving a new version the hidden
// or system mark of the file it replaces) asks here first. A test can pull
// the stick at the k-th such operation: that one and every later one fails,
// as on a stick pulled at that moment.

#include <cstddef>

namespace platform {

// Counts the operation; false once the stick counts as pulled.
bool MayChangeMedium();

// From the k-th operation counted after this call on, every one fails; 0
// pulls never. Either way the count starts again.
void PullMediumAtChange(std::size_t k);

// The operations counted since the last PullMediumAtChange.
std::size_t MediumChangesCounted();

}  // namespace platform
