#pragma once

// The maps recognise row names and check values with std::regex (ECMAScript), each pattern
// compiled once. libstdc++'s <regex> trips GCC's -Wmaybe-uninitialized inside its own automaton
// when built with the sanitizers; the warning concerns the library's code, not ours.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <regex>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
