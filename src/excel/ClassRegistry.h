#pragma once

#include "excel/Dispatch.h"
#include "excel/Variant.h"

#include <functional>
#include <map>
#include <string>

// Maps a program identifier such as "Excel.Application" to the factory of
// its automation objects, in place of the platform's class registry. The
// program registers the servers it carries; tests register their doubles.
class ClassRegistry {
public:
    // Returns a new object with one reference that the caller owns, or null
    // when it cannot create one. It may also throw.
    using Factory = std::function<Dispatch*()>;

    // Registers `factory` for `progId` (compared without regard to case) and
    // returns the factory it replaces, empty if there was none. An empty
    // factory removes the registration.
    Factory registerClass(const std::string& progId, Factory factory);
    bool isRegistered(const std::string& progId) const;

    // A new instance of the class: an AutomationError "Class not registered."
    // when no factory is known, or a failure when the factory gives null; an
    // exception of the factory passes unchanged.
    Variant createInstance(const std::string& progId) const;

private:
    std::map<std::string, Factory> factories_;
};

// The program's one registry.
ClassRegistry& classRegistry();
