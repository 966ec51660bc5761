#pragma once
// Guard of the socket tests: true only inside the private loopback-only network namespace
// (scripts/netns-run), where loopback also carries 127.0.0.2/8 with broadcast 127.255.255.255.

namespace privatenetwork {

bool inside();

} // namespace privatenetwork

// Skips the calling test function outside the private network, so that no broadcast can leave the machine.
#define REQUIRE_PRIVATE_NETWORK()                                                                                      \
    do {                                                                                                               \
        if (!privatenetwork::inside())                                                                                 \
            QSKIP("socket test: run it through scripts/netns-run");                                                    \
    } while (0)
