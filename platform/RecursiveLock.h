#pragma once
// A lock its holder may take again. The standard library's recursive mutex
// is no choice: the shipped build's runtime has no threading support of its
// own (so that the program starts on every Windows from XP), and the system
// lock lives in the platform layer.

#include <cstddef>

namespace platform {

class RecursiveLock {
public:
    RecursiveLock();
    ~RecursiveLock();
    RecursiveLock(const RecursiveLock&) = delete;
    RecursiveLock& operator=(const RecursiveLock&) = delete;

    void lock();
    void unlock();

private:
    // Room for the system lock, kept inline: every widget and each of its
    // channels owns one, so a separate allocation each would add up.
    static constexpr std::size_t kStorageBytes = 8 * sizeof(void*);
    alignas(void*) unsigned char m_storage[kStorageBytes];
};

} // namespace platform
