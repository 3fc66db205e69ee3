#include "platform/NamedMutex.h"

#include <map>

namespace platform {

namespace {

// Open names with their open counts: the headless system's named objects.
std::map<String, int>& namedMutexes()
{
    static std::map<String, int> names;
    return names;
}

} // namespace

NamedMutex::~NamedMutex()
{
    auto* name = static_cast<String*>(m_handle);
    auto& names = namedMutexes();
    if (--names[*name] == 0)
        names.erase(*name);
    delete name;
}

std::unique_ptr<NamedMutex> NamedMutex::open(StringView name)
{
    auto& names = namedMutexes();
    const auto found = names.find(String(name));
    if (found == names.end())
        return nullptr;
    ++found->second;
    return std::unique_ptr<NamedMutex>(new NamedMutex(new String(name)));
}

std::unique_ptr<NamedMutex> NamedMutex::create(StringView name)
{
    ++namedMutexes()[String(name)];
    return std::unique_ptr<NamedMutex>(new NamedMutex(new String(name)));
}

} // namespace platform
