#pragma once

#include "excel/AutoArgs.h"
#include "excel/Variant.h"

#include <cstdint>
#include <string>
#include <string_view>

// Late-bound calls on an automation object: every member is looked up by its
// name at the moment of the call, with the system's default locale. Each
// function takes a Variant holding the object and holds a reference to it
// for the duration of the call. Failures raise AutomationError; so does a
// Variant that holds no object.

// The four primitives. The overloads with an argument pack leave the result
// in it as well.
Variant getProperty(const Variant& object, std::string_view name, AutoArgs& args);
Variant getProperty(const Variant& object, std::string_view name);
void setProperty(const Variant& object, std::string_view name, const Variant& value);
Variant callFunction(const Variant& object, std::string_view name, AutoArgs& args);
Variant callFunction(const Variant& object, std::string_view name);
void callProcedure(const Variant& object, std::string_view name);

// Property writes of one kind of value. Narrow texts are widened from the
// locale's encoding; a missing (null) text is sent as the empty text.
void putBool(const Variant& object, std::string_view name, bool flag);
void putInt(const Variant& object, std::string_view name, std::int32_t value);
void putColor(const Variant& object, std::string_view name, std::uint32_t value);
void putSingle(const Variant& object, std::string_view name, float value);
void putText(const Variant& object, std::string_view name, const char* text);
void putText(const Variant& object, std::string_view name, const std::string& text);

// Property reads and method calls with arguments of one kind.
Variant getWithText(const Variant& object, std::string_view name, const char* text);
Variant getWithText(const Variant& object, std::string_view name, const std::string& text);
Variant getWithShorts(const Variant& object, std::string_view name, std::int16_t a, std::int16_t b);
Variant getWithInts(const Variant& object, std::string_view name, std::int32_t a, std::int32_t b);
Variant callWithInt(const Variant& object, std::string_view name, std::int32_t a);
Variant callWithInts(const Variant& object, std::string_view name, std::int32_t a, std::int32_t b);
