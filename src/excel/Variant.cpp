#include "excel/Variant.h"

#include <cmath>
#include <limits>
#include <utility>

Variant::Variant(const Variant& other)
{
    copyFrom(other);
}

Variant::Variant(Variant&& other) noexcept
    : type_(other.type_), scalar_(other.scalar_), text_(std::move(other.text_)), object_(other.object_)
{
    other.type_ = Type::Empty;
    other.object_ = nullptr;
    other.text_.clear();
}

Variant& Variant::operator=(const Variant& other)
{
    if (this != &other) {
        // Copy first: `other` may be owned by the object released below.
        Variant copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Variant& Variant::operator=(Variant&& other) noexcept
{
    if (this != &other) {
        clear();
        type_ = other.type_;
        scalar_ = other.scalar_;
        text_ = std::move(other.text_);
        object_ = other.object_;
        other.type_ = Type::Empty;
        other.object_ = nullptr;
        other.text_.clear();
    }
    return *this;
}

Variant::~Variant()
{
    clear();
}

void Variant::copyFrom(const Variant& other)
{
    type_ = other.type_;
    scalar_ = other.scalar_;
    text_ = other.text_;
    object_ = other.object_;
    if (object_)
        object_->addRef();
}

void Variant::clear()
{
    Dispatch* object = object_;
    type_ = Type::Empty;
    scalar_ = {};
    text_.clear();
    object_ = nullptr;
    if (object)
        object->release();
}

Variant Variant::fromInt16(std::int16_t value)
{
    Variant v;
    v.type_ = Type::Int16;
    v.scalar_.i16 = value;
    return v;
}

Variant Variant::fromInt32(std::int32_t value)
{
    Variant v;
    v.type_ = Type::Int32;
    v.scalar_.i32 = value;
    return v;
}

Variant Variant::fromUInt32(std::uint32_t value)
{
    Variant v;
    v.type_ = Type::UInt32;
    v.scalar_.u32 = value;
    return v;
}

Variant Variant::fromFloat(float value)
{
    Variant v;
    v.type_ = Type::Float;
    v.scalar_.f32 = value;
    return v;
}

Variant Variant::fromDouble(double value)
{
    Variant v;
    v.type_ = Type::Double;
    v.scalar_.f64 = value;
    return v;
}

Variant Variant::fromBool(bool value)
{
    Variant v;
    v.type_ = Type::Bool;
    v.scalar_.i16 = value ? -1 : 0;
    return v;
}

Variant Variant::fromText(std::u16string text)
{
    Variant v;
    v.type_ = Type::Text;
    v.text_ = std::move(text);
    return v;
}

Variant Variant::fromObject(Dispatch* object)
{
    if (object)
        object->addRef();
    return adoptObject(object);
}

Variant Variant::adoptObject(Dispatch* object)
{
    Variant v;
    if (object) {
        v.type_ = Type::Object;
        v.object_ = object;
    }
    return v;
}

bool Variant::toDouble(double& out) const
{
    switch (type_) {
    case Type::Int16:
    case Type::Bool:
        out = scalar_.i16;
        return true;
    case Type::Int32:
        out = scalar_.i32;
        return true;
    case Type::UInt32:
        out = scalar_.u32;
        return true;
    case Type::Float:
        out = scalar_.f32;
        return true;
    case Type::Double:
        out = scalar_.f64;
        return true;
    default:
        return false;
    }
}

bool Variant::toInt32(std::int32_t& out) const
{
    double value = 0;
    if (!toDouble(value) || !std::isfinite(value))
        return false;
    const double rounded = std::nearbyint(value);  // half to even, as the platform rounds
    if (rounded < std::numeric_limits<std::int32_t>::min() || rounded > std::numeric_limits<std::int32_t>::max())
        return false;
    out = static_cast<std::int32_t>(rounded);
    return true;
}

bool Variant::toBool(bool& out) const
{
    double value = 0;
    if (!toDouble(value))
        return false;
    out = value != 0;
    return true;
}
