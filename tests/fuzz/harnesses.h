// The fuzz harnesses: each feeds one input to a reader of untrusted bytes and checks what came
// out. The libFuzzer programs and the regression test that replays kept inputs share them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace fuzzing {

using Input = std::span<const std::uint8_t>;

// Each returns nothing when the input was handled soundly, or which promise it broke.
// A crash or a sanitizer report is a failure too.
using Harness = const char *(*)(Input);

// A puzzle book: the reader, run derivation and a paint of the first puzzles on an image.
const char *book(Input data);
// A saved-game file restored into boards of three shapes, then written and read back.
const char *savedGame(Input data);
// A settings file read through the store's file back end.
const char *settingsFile(Input data);
// Text typed into a number field.
const char *typedNumberText(Input data);
// The book tool's verify, stats and show on one book.
const char *bookTool(Input data);

// Qt's decoders of stored objects trust the counts they read and may ask for gigabytes at once.
// Under the address sanitizer such a request would end the run as "out of memory"; this makes it
// fail the way it does on a machine that does not overcommit memory (the allocation returns
// nothing, and Qt gives up on the value), so that what is tested is that we survive it. The
// fuzzers and the replaying test name it in __asan_default_options.
#define KORVEL_FUZZ_ASAN_OPTIONS "allocator_may_return_null=1:max_allocation_size_mb=1024"

// A GUI application on the offscreen platform, made once, for harnesses that paint or decode
// values that need one; an application that already exists is used as it is.
void ensureGuiApplication();

} // namespace fuzzing
