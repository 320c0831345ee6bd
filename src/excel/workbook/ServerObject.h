#pragma once

#include "excel/Dispatch.h"
#include "excel/Variant.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <new>
#include <string>
#include <vector>

// The base of every object of the built-in workbook server. An object is a
// table of members (name, call kinds, argument counts, handler); a call
// through the dispatch interface is a lookup of the name in that table and a
// direct call of the handler. Handlers report a refused call by throwing
// ServerError, which reaches the caller as the application's exception.

namespace wb {

// Excel's code for an application-defined or object-defined error.
constexpr HResult ApplicationError = static_cast<HResult>(0x800A03EC);

// The source named in every exception this server raises.
extern const char16_t* const ServerName;

struct ServerError {
    HResult code;
    QString description;
};

[[noreturn]] void fail(const QString& description);
[[noreturn]] void fail(HResult code, const QString& description);

enum MemberKind : std::uint16_t {
    Method = DispatchMethod,
    Get = DispatchPropertyGet,
    Put = DispatchPropertyPut,
};

// One call as a handler sees it: the arguments in call order and, for a
// property write, the value written. Each accessor refuses a value of the
// wrong kind with a type mismatch.
class Call {
public:
    Call(const char* member, std::uint16_t flags, const DispParams& params, Variant* result)
        : member_(member), flags_(flags), params_(params), result_(result)
    {
    }

    const char* member() const { return member_; }
    bool isPut() const { return (flags_ & Put) != 0; }

    // Arguments of a read or a method call (a write has none besides its value).
    std::size_t count() const { return isPut() ? 0 : params_.args.size(); }
    const Variant& arg(std::size_t index) const { return params_.args[params_.args.size() - 1 - index]; }
    std::int32_t intArg(std::size_t index) const;
    const std::u16string& textArg(std::size_t index) const;

    // The value of a property write.
    const Variant& value() const { return params_.args.front(); }
    std::int32_t intValue() const;
    double numberValue() const;
    bool boolValue() const;
    const std::u16string& textValue() const;

    // The result of a read or a method call; dropped when the caller wants none.
    void answer(Variant value) const
    {
        if (result_)
            *result_ = std::move(value);
    }

    // Refuses a call whose kind, named arguments or argument count do not fit
    // a member of `kinds` that takes `minArgs` to `maxArgs` arguments.
    void check(std::uint16_t kinds, std::size_t minArgs, std::size_t maxArgs) const;

private:
    // `argument` is the argument's position from 1, or 0 for a written value.
    std::int32_t toInt(const Variant& value, std::size_t argument) const;
    double toNumber(const Variant& value, std::size_t argument) const;
    const std::u16string& toText(const Variant& value, std::size_t argument) const;
    [[noreturn]] void refuse(HResult code, std::size_t argument, const char* problem) const;

    const char* member_;
    std::uint16_t flags_;
    const DispParams& params_;
    Variant* result_;
};

// A member of Derived as its table lists it.
template <class Derived>
struct Member {
    const char* name;
    std::uint16_t kinds;
    std::uint8_t minArgs;
    std::uint8_t maxArgs;
    void (Derived::*handler)(const Call&);
};

// Member names are matched as the application matches them, ignoring case.
bool sameName(const std::u16string& name, const char* member);

// Fills the caller's exception information for a refused call.
HResult raise(const ServerError& error, ExcepInfo* excepInfo);

class ServerObject : public Dispatch {
public:
    std::uint32_t addRef() final { return ++refs_; }
    std::uint32_t release() final
    {
        const std::uint32_t left = --refs_;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    ServerObject() = default;
    ~ServerObject() override = default;
    ServerObject(const ServerObject&) = delete;
    ServerObject& operator=(const ServerObject&) = delete;

    // Told after a write or a method call that succeeded.
    virtual void modified() {}

private:
    std::uint32_t refs_ = 1;
};

// Derived provides `static const std::vector<Member<Derived>>& members()`.
template <class Derived>
class AutomationObject : public ServerObject {
public:
    HResult getIDsOfNames(const std::u16string& name, Lcid, DispId& id) final
    {
        const auto& table = Derived::members();
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (sameName(name, table[i].name)) {
                id = static_cast<DispId>(i + 1);
                return hresult::Ok;
            }
        }
        return hresult::UnknownName;
    }

    HResult invoke(DispId id, Lcid, std::uint16_t flags, const DispParams& params, Variant* result,
                   ExcepInfo* excepInfo) final
    {
        const auto& table = Derived::members();
        if (id < 1 || static_cast<std::size_t>(id) > table.size())
            return hresult::MemberNotFound;
        const Member<Derived>& member = table[static_cast<std::size_t>(id) - 1];
        try {
            const Call call(member.name, flags, params, result);
            call.check(member.kinds, member.minArgs, member.maxArgs);
            (static_cast<Derived*>(this)->*member.handler)(call);
            if (flags & (Put | Method))
                modified();
            return hresult::Ok;
        } catch (const ServerError& error) {
            return raise(error, excepInfo);
        } catch (const std::bad_alloc&) {
            return hresult::OutOfMemory;
        } catch (const std::exception& error) {
            // Nothing may leave the dispatch interface but its answer.
            return raise(ServerError{hresult::Fail, QString::fromLocal8Bit(error.what())}, excepInfo);
        }
    }
};

} // namespace wb
