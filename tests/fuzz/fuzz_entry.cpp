// The libFuzzer entry point of one harness, chosen by KORVEL_FUZZ_HARNESS when it is built.
#include "harnesses.h"

#include <cstdio>

extern "C" const char *__asan_default_options()
{
    return KORVEL_FUZZ_ASAN_OPTIONS;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (const char *broken = KORVEL_FUZZ_HARNESS(fuzzing::Input(data, size))) {
        std::fprintf(stderr, "fuzz harness: %s\n", broken);
        __builtin_trap();
    }
    return 0;
}
