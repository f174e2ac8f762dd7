#include "cli/interruption.h"

#include "link/transferprogress.h"

#include <csignal>

namespace {

// Made before the handler is installed and never freed, so the handler can always reach it.
CancelToken *const stopAll = new CancelToken;

extern "C" void onInterrupt(int)
{
    // A lock-free atomic store: safe in a signal handler.
    stopAll->request();
}

} // namespace

namespace Interruption {

void install()
{
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    // Blocking reads go on after the handler; the next Ctrl-C gets the default action.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
}

std::shared_ptr<const CancelToken> token()
{
    // Shares the token without owning it: it lives as long as the process.
    return std::shared_ptr<const CancelToken>(stopAll, [](const CancelToken *) {});
}

bool wasInterrupted()
{
    return stopAll->isRequested();
}

} // namespace Interruption
