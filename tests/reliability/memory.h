#pragma once

// How much memory this process holds, where it can be measured.

#include <fstream>
#include <unistd.h>

namespace reliability {

// Resident memory of this process, in bytes.
inline long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// Memory use under AddressSanitizer grows with its quarantine of freed blocks,
// whatever the program does; its leak check stands in for the measurement.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryIsMeasurable = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kMemoryIsMeasurable = false;
#else
constexpr bool kMemoryIsMeasurable = true;
#endif
#else
constexpr bool kMemoryIsMeasurable = true;
#endif

}  // namespace reliability
