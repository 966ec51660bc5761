#pragma once
// Guard of the socket tests: true only inside the private loopback-only network namespace
// (scripts/netns-run), where loopback also carries 127.0.0.2/8 with broadcast 127.255.255.255.

namespace privatenetwork {

bool inside();

// True where a socket test must not skip: under CI (CI set) and in runs started through scripts/netns-run
// (scripts/test among them), which exports STATION_NETNS_INSIDE. A skip there would pass for green.
bool required();

} // namespace privatenetwork

// Outside the private network the calling test function skips, so that no broadcast can leave the machine;
// where the private network is required it fails instead.
#define REQUIRE_PRIVATE_NETWORK()                                                                                      \
    do {                                                                                                               \
        if (!privatenetwork::inside()) {                                                                               \
            if (privatenetwork::required())                                                                            \
                QFAIL("socket test outside the private network, where it must run (CI or scripts/netns-run)");         \
            QSKIP("socket test: run it through scripts/netns-run");                                                    \
        }                                                                                                              \
    } while (0)
