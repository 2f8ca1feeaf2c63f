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

// A GUI application on the offscreen platform, made once, for harnesses that paint or decode
// values that need one; an application that already exists is used as it is.
void ensureGuiApplication();

} // namespace fuzzing
