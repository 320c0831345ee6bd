#pragma once

// Texts that several commands show, each written once.
namespace messages {

// A command that needs at least one spectrum was given none.
constexpr const char* noSpectrum = "No spectrum have been create.";
// An addition to the set ran out of memory (and was undone).
constexpr const char* outOfMemory = "Out of Memory.";

} // namespace messages
