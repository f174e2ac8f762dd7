#pragma once

#include <memory>

class CancelToken;

// Ctrl-C (SIGINT) while the tool runs: every link stops at its next frame or file and removes
// what it had begun, and the tool then exits with interruptedExit. A second Ctrl-C ends the
// process at once.
namespace Interruption {

constexpr int interruptedExit = 130; // 128 + SIGINT, as shells report it

// Installs the handler; call once, before any link is made.
void install();
// The token every link of the tool stops on.
std::shared_ptr<const CancelToken> token();
bool wasInterrupted();

} // namespace Interruption
