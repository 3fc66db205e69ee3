#pragma once
// A named system mutex, used only for its name: whoever holds it open
// shows that a copy of the program runs.

#include "platform/Text.h"

#include <memory>

namespace platform {

class NamedMutex {
public:
    ~NamedMutex();
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

    // Opens an existing mutex of that name (full access, not inherited).
    static std::unique_ptr<NamedMutex> open(StringView name);
    // Creates a new, unowned mutex of that name.
    static std::unique_ptr<NamedMutex> create(StringView name);

private:
    explicit NamedMutex(void* handle) : m_handle(handle) {}
    void* m_handle;
};

} // namespace platform
