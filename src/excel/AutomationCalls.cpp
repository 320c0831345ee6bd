#include "excel/AutomationCalls.h"

#include "excel/AutomationError.h"
#include "text/NarrowText.h"

namespace {

std::u16string widenName(std::string_view name)
{
    return widenNarrow(std::string(name));
}

QString nameText(std::string_view name)
{
    return QString::fromLocal8Bit(name.data(), static_cast<qsizetype>(name.size()));
}

// One lookup and one call; the result goes to `result` unless it is null.
void invokeMember(const Variant& object, std::string_view name, std::uint16_t flags, const DispParams& params,
                  Variant* result)
{
    if (!object.isObject()) {
        const QString what = object.isEmpty() ? QStringLiteral("the value is empty")
                                              : QStringLiteral("the value is not an automation object");
        throw AutomationError(hresult::Pointer,
                              QStringLiteral("Cannot call \"%1\": %2.").arg(nameText(name), what));
    }
    // Held so that a call which makes the caller drop its own reference
    // (say, by assigning the result over it) cannot pull the object away.
    const Variant held(object);
    Dispatch* target = held.objectValue();

    DispId id = 0;
    const HResult lookup = target->getIDsOfNames(widenName(name), LocaleSystemDefault, id);
    if (hresult::failed(lookup))
        throw AutomationError(lookup);

    ExcepInfo info;
    const HResult answer = target->invoke(id, LocaleSystemDefault, flags, params, result, &info);
    if (answer == hresult::Exception)
        throw AutomationError(info);
    if (hresult::failed(answer))
        throw AutomationError(answer);
}

} // namespace

Variant getProperty(const Variant& object, std::string_view name, AutoArgs& args)
{
    invokeMember(object, name, DispatchPropertyGet, args.params(), &args.result);
    return args.result;
}

Variant getProperty(const Variant& object, std::string_view name)
{
    TAutoArgs<0> args;
    return getProperty(object, name, args);
}

void setProperty(const Variant& object, std::string_view name, const Variant& value)
{
    // A property write passes its one value as the named property-put argument.
    DispParams params;
    params.args.push_back(value);
    params.namedArgs.push_back(DispIdPropertyPut);
    invokeMember(object, name, DispatchPropertyPut, params, nullptr);
}

Variant callFunction(const Variant& object, std::string_view name, AutoArgs& args)
{
    invokeMember(object, name, DispatchMethod, args.params(), &args.result);
    return args.result;
}

Variant callFunction(const Variant& object, std::string_view name)
{
    TAutoArgs<0> args;
    return callFunction(object, name, args);
}

void callProcedure(const Variant& object, std::string_view name)
{
    const TAutoArgs<0> args;
    invokeMember(object, name, DispatchMethod, args.params(), nullptr);
}

void putBool(const Variant& object, std::string_view name, bool flag)
{
    setProperty(object, name, Variant::fromBool(flag));
}

void putInt(const Variant& object, std::string_view name, std::int32_t value)
{
    setProperty(object, name, Variant::fromInt32(value));
}

void putColor(const Variant& object, std::string_view name, std::uint32_t value)
{
    setProperty(object, name, Variant::fromUInt32(value));
}

void putSingle(const Variant& object, std::string_view name, float value)
{
    setProperty(object, name, Variant::fromFloat(value));
}

void putText(const Variant& object, std::string_view name, const char* text)
{
    putText(object, name, std::string(text ? text : ""));
}

void putText(const Variant& object, std::string_view name, const std::string& text)
{
    setProperty(object, name, Variant::fromText(widenNarrow(text)));
}

Variant getWithText(const Variant& object, std::string_view name, const char* text)
{
    return getWithText(object, name, std::string(text ? text : ""));
}

Variant getWithText(const Variant& object, std::string_view name, const std::string& text)
{
    TAutoArgs<1> args;
    args[0] = Variant::fromText(widenNarrow(text));
    return getProperty(object, name, args);
}

Variant getWithShorts(const Variant& object, std::string_view name, std::int16_t a, std::int16_t b)
{
    TAutoArgs<2> args;
    args[0] = Variant::fromInt16(a);
    args[1] = Variant::fromInt16(b);
    return getProperty(object, name, args);
}

Variant getWithInts(const Variant& object, std::string_view name, std::int32_t a, std::int32_t b)
{
    TAutoArgs<2> args;
    args[0] = Variant::fromInt32(a);
    args[1] = Variant::fromInt32(b);
    return getProperty(object, name, args);
}

Variant callWithInt(const Variant& object, std::string_view name, std::int32_t a)
{
    TAutoArgs<1> args;
    args[0] = Variant::fromInt32(a);
    return callFunction(object, name, args);
}

Variant callWithInts(const Variant& object, std::string_view name, std::int32_t a, std::int32_t b)
{
    TAutoArgs<2> args;
    args[0] = Variant::fromInt32(a);
    args[1] = Variant::fromInt32(b);
    return callFunction(object, name, args);
}
