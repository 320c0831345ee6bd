#pragma once

#include "excel/ClassRegistry.h"

#include <string>
#include <utility>

// Registers a factory in the program's class registry for the lifetime of
// the object and puts back what was registered before.
class ScopedClassRegistration {
public:
    ScopedClassRegistration(std::string progId, ClassRegistry::Factory factory)
        : progId_(std::move(progId)), previous_(classRegistry().registerClass(progId_, std::move(factory)))
    {
    }
    ~ScopedClassRegistration() { classRegistry().registerClass(progId_, std::move(previous_)); }
    ScopedClassRegistration(const ScopedClassRegistration&) = delete;
    ScopedClassRegistration& operator=(const ScopedClassRegistration&) = delete;

private:
    std::string progId_;
    ClassRegistry::Factory previous_;
};
