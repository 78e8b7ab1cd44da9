// Counts heap allocations in the whole process, so a benchmark can show what one frame allocates.
#pragma once

#include <cstdint>

struct AllocCounts {
    std::uint64_t cppNew;   // calls of the global operator new, from any library
    std::uint64_t cMalloc;  // malloc, calloc, realloc and the aligned forms, operator new's included
};

// A snapshot of the counters since the process started.
AllocCounts allocCounts();
