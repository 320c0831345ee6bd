#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The late-bound automation interface, shaped like the platform's IDispatch,
// so that the call layer is the same whoever answers: the built-in workbook
// server, a test double or, on Windows, a COM object behind an adapter.

class Variant;

using HResult = std::int32_t;
using DispId = std::int32_t;
using Lcid = std::uint32_t;

namespace hresult {
constexpr HResult Ok = 0;
constexpr HResult NotImplemented = static_cast<HResult>(0x80004001);
constexpr HResult Pointer = static_cast<HResult>(0x80004003);
constexpr HResult Fail = static_cast<HResult>(0x80004005);
constexpr HResult OutOfMemory = static_cast<HResult>(0x8007000E);
constexpr HResult InvalidArg = static_cast<HResult>(0x80070057);
constexpr HResult UnknownInterface = static_cast<HResult>(0x80020001);
constexpr HResult MemberNotFound = static_cast<HResult>(0x80020003);
constexpr HResult ParamNotFound = static_cast<HResult>(0x80020004);
constexpr HResult TypeMismatch = static_cast<HResult>(0x80020005);
constexpr HResult UnknownName = static_cast<HResult>(0x80020006);
constexpr HResult NoNamedArgs = static_cast<HResult>(0x80020007);
constexpr HResult BadVarType = static_cast<HResult>(0x80020008);
constexpr HResult Exception = static_cast<HResult>(0x80020009);
constexpr HResult Overflow = static_cast<HResult>(0x8002000A);
constexpr HResult BadIndex = static_cast<HResult>(0x8002000B);
constexpr HResult BadParamCount = static_cast<HResult>(0x8002000E);
constexpr HResult ClassNotRegistered = static_cast<HResult>(0x80040154);

inline bool failed(HResult hr) { return hr < 0; }
} // namespace hresult

// Call kinds, as the platform's dispatch flags.
enum DispatchFlags : std::uint16_t {
    DispatchMethod = 1,
    DispatchPropertyGet = 2,
    DispatchPropertyPut = 4,
};

// The named-argument identifier that carries the value of a property write.
constexpr DispId DispIdPropertyPut = -3;

// Every lookup and call uses the system's default locale.
constexpr Lcid LocaleSystemDefault = 2048;

// Arguments of one call. As on the platform, `args` holds them last first.
struct DispParams {
    std::vector<Variant> args;
    std::vector<DispId> namedArgs;
};

// What an application reports when it answers a call with an exception.
struct ExcepInfo {
    std::uint16_t code = 0;
    std::u16string source;
    std::u16string description;
    std::u16string helpFile;
    std::uint32_t helpContext = 0;
    HResult scode = 0;
};

// An automation object: counted references, name lookup and invoke.
class Dispatch {
public:
    virtual std::uint32_t addRef() = 0;
    virtual std::uint32_t release() = 0;

    virtual HResult getIDsOfNames(const std::u16string& name, Lcid lcid, DispId& id) = 0;
    // `result` may be null for a call whose result is not wanted;
    // `excepInfo` is filled when the answer is hresult::Exception.
    virtual HResult invoke(DispId id, Lcid lcid, std::uint16_t flags, const DispParams& params, Variant* result,
                           ExcepInfo* excepInfo) = 0;

protected:
    virtual ~Dispatch() = default;
};
