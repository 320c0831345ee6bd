#pragma once

#include "excel/Dispatch.h"

#include <cstdint>
#include <string>

// The tagged automation value. Texts are owned UTF-16; an object is a counted
// reference: copying adds one, assigning releases the old content first, and
// destroying releases it, so a reference is never leaked nor released twice.
class Variant {
public:
    // The platform's type codes.
    enum class Type : std::uint16_t {
        Empty = 0,
        Int16 = 2,
        Int32 = 3,
        Float = 4,
        Double = 5,
        Text = 8,
        Object = 9,
        Bool = 11,
        UInt32 = 19,
    };

    Variant() = default;
    Variant(const Variant& other);
    Variant(Variant&& other) noexcept;
    Variant& operator=(const Variant& other);
    Variant& operator=(Variant&& other) noexcept;
    ~Variant();

    static Variant fromInt16(std::int16_t value);
    static Variant fromInt32(std::int32_t value);
    static Variant fromUInt32(std::uint32_t value);
    static Variant fromFloat(float value);
    static Variant fromDouble(double value);
    static Variant fromBool(bool value);  // stored as -1 or 0
    static Variant fromText(std::u16string text);
    // Takes a new reference to `object` (null gives an empty value).
    static Variant fromObject(Dispatch* object);
    // Adopts a reference the caller already holds, without adding one.
    static Variant adoptObject(Dispatch* object);

    Type type() const { return type_; }
    bool isEmpty() const { return type_ == Type::Empty; }
    bool isObject() const { return type_ == Type::Object && object_ != nullptr; }

    // The stored value of the kind named; callers check type() first.
    std::int16_t int16Value() const { return scalar_.i16; }
    std::int32_t int32Value() const { return scalar_.i32; }
    std::uint32_t uint32Value() const { return scalar_.u32; }
    float floatValue() const { return scalar_.f32; }
    double doubleValue() const { return scalar_.f64; }
    std::int16_t boolValue() const { return scalar_.i16; }  // -1 or 0
    const std::u16string& textValue() const { return text_; }
    Dispatch* objectValue() const { return object_; }

    // Converts a numeric or boolean value as the platform's type change does:
    // to a whole number rounding half to even, failing (false) on overflow or
    // on a kind that has no number. Leaves `out` alone on failure.
    bool toInt32(std::int32_t& out) const;
    bool toDouble(double& out) const;
    bool toBool(bool& out) const;

    // Releases the content and becomes empty.
    void clear();

private:
    void copyFrom(const Variant& other);

    Type type_ = Type::Empty;
    union {
        std::int16_t i16;
        std::int32_t i32;
        std::uint32_t u32;
        float f32;
        double f64;
    } scalar_{};
    std::u16string text_;
    Dispatch* object_ = nullptr;
};
