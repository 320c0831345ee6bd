#include "excel/ClassRegistry.h"

#include "excel/AutomationError.h"

#include <algorithm>
#include <cctype>

namespace {

// Program identifiers are looked up as the platform does, ignoring case.
std::string registryKey(const std::string& progId)
{
    std::string key = progId;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

} // namespace

ClassRegistry::Factory ClassRegistry::registerClass(const std::string& progId, Factory factory)
{
    const std::string key = registryKey(progId);
    Factory previous;
    const auto found = factories_.find(key);
    if (found != factories_.end()) {
        previous = std::move(found->second);
        factories_.erase(found);
    }
    if (factory)
        factories_.emplace(key, std::move(factory));
    return previous;
}

bool ClassRegistry::isRegistered(const std::string& progId) const
{
    return factories_.count(registryKey(progId)) != 0;
}

Variant ClassRegistry::createInstance(const std::string& progId) const
{
    const auto found = factories_.find(registryKey(progId));
    if (found == factories_.end())
        throw AutomationError(hresult::ClassNotRegistered);
    Dispatch* object = found->second();
    if (!object)
        throw AutomationError(hresult::Fail);
    return Variant::adoptObject(object);
}

ClassRegistry& classRegistry()
{
    static ClassRegistry registry;
    return registry;
}
