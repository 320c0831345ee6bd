#pragma once

#include "excel/Dispatch.h"
#include "excel/Variant.h"

#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

// A test double of an automation server. Every object it hands out records
// each name lookup and each call on one shared CallRecorder: the object's
// label, the member, the call kind, the arguments in call order (turned back
// from the last-first order of the dispatch call) and the named arguments.
//
// Answers: a property read of a member last written on the same object gives
// the written value (so HasTitle reads back what was set); otherwise a value
// scripted with answer(); otherwise a new child object labelled
// "parent.Member(args)". Members can be made to fail at the lookup, with a
// failure code, or with an application exception.
//
// The recorder owns every object, so counting mistakes are found without a
// crash: a release below zero or a call on a released object is noted in
// `faults`, and outstandingReferences() tells what was never released.

class CallRecorder;

struct RecordedLookup {
    std::string object;
    std::string name;
    Lcid lcid = 0;
};

struct RecordedCall {
    std::string object;
    std::string member;
    std::uint16_t flags = 0;
    Lcid lcid = 0;
    std::vector<Variant> args;  // in call order
    std::vector<DispId> namedArgs;
    std::uint32_t refsDuringCall = 0;

    // "get sheet.Cells(i16:1, i16:2)", "call chart.Axes(i32:1, i32:1)",
    // "put cell.Value = text:"X"". A write that is not exactly one value
    // with the property-put name is spelt out in full.
    std::string text() const;
};

// "i16:5", "i32:5", "u32:5", "f32:1.5", "f64:1.5", "bool:-1", "text:"ab"",
// "obj:label", "empty".
std::string typedText(const Variant& value);
// The same without the kind, as in child labels: 5, 1.5, "ab".
std::string plainText(const Variant& value);

class RecordingDispatch final : public Dispatch {
public:
    // Born with the one reference that its creator hands on.
    RecordingDispatch(CallRecorder& recorder, std::string label) : recorder_(recorder), label_(std::move(label)) {}

    std::uint32_t addRef() override;
    std::uint32_t release() override;
    HResult getIDsOfNames(const std::u16string& name, Lcid lcid, DispId& id) override;
    HResult invoke(DispId id, Lcid lcid, std::uint16_t flags, const DispParams& params, Variant* result,
                   ExcepInfo* excepInfo) override;

    const std::string& label() const { return label_; }
    std::uint32_t references() const { return refs_; }
    // The last values written to this object's properties.
    std::map<std::string, Variant> written;

private:
    CallRecorder& recorder_;
    std::string label_;
    std::uint32_t refs_ = 1;
};

class CallRecorder {
public:
    CallRecorder() = default;
    CallRecorder(const CallRecorder&) = delete;
    CallRecorder& operator=(const CallRecorder&) = delete;
    ~CallRecorder()
    {
        // Written values may hold other objects of this recorder.
        for (auto& object : objects_)
            object->written.clear();
        answers_.clear();
        calls.clear();
    }

    // A new object with one reference, owned by the caller (as a factory of
    // the class registry returns it).
    Dispatch* newObject(const std::string& label)
    {
        objects_.push_back(std::make_unique<RecordingDispatch>(*this, label));
        return objects_.back().get();
    }
    // A new object held by the returned value.
    Variant root(const std::string& label) { return Variant::adoptObject(newObject(label)); }

    // Reads and calls of `member` answer `value` (unless a written value applies).
    void answer(const std::string& member, Variant value) { answers_[member] = std::move(value); }
    // The lookup of `member` fails with `code` (e.g. hresult::UnknownName).
    void failLookup(const std::string& member, HResult code) { lookupFailures_[member] = code; }
    // Every call of `member` fails with `code`.
    void failCall(const std::string& member, HResult code) { callFailures_[member] = code; }
    // Every call of `member` is answered with the application exception `info`.
    void failWithException(const std::string& member, ExcepInfo info) { exceptions_[member] = std::move(info); }

    std::vector<RecordedLookup> lookups;
    std::vector<RecordedCall> calls;
    std::vector<std::string> faults;

    std::vector<std::string> texts() const
    {
        std::vector<std::string> list;
        for (const auto& call : calls)
            list.push_back(call.text());
        return list;
    }

    std::size_t objectCount() const { return objects_.size(); }
    // References not yet released, over all objects handed out.
    std::uint32_t outstandingReferences() const
    {
        std::uint32_t sum = 0;
        for (const auto& object : objects_)
            sum += object->references();
        return sum;
    }
    const RecordingDispatch& object(std::size_t index) const { return *objects_.at(index); }

private:
    friend class RecordingDispatch;

    DispId idOf(const std::string& name)
    {
        const auto found = ids_.find(name);
        if (found != ids_.end())
            return found->second;
        const DispId id = static_cast<DispId>(ids_.size()) + 1;
        ids_.emplace(name, id);
        names_.emplace(id, name);
        return id;
    }

    std::vector<std::unique_ptr<RecordingDispatch>> objects_;
    std::map<std::string, Variant> answers_;
    std::map<std::string, HResult> lookupFailures_;
    std::map<std::string, HResult> callFailures_;
    std::map<std::string, ExcepInfo> exceptions_;
    std::map<std::string, DispId> ids_;
    std::map<DispId, std::string> names_;
};

inline std::string plainText(const Variant& value)
{
    std::ostringstream out;
    switch (value.type()) {
    case Variant::Type::Empty:
        out << "empty";
        break;
    case Variant::Type::Int16:
    case Variant::Type::Bool:
        out << value.int16Value();
        break;
    case Variant::Type::Int32:
        out << value.int32Value();
        break;
    case Variant::Type::UInt32:
        out << value.uint32Value();
        break;
    case Variant::Type::Float:
        out << value.floatValue();
        break;
    case Variant::Type::Double:
        out << value.doubleValue();
        break;
    case Variant::Type::Text:
        out << '"' << QString::fromStdU16String(value.textValue()).toStdString() << '"';
        break;
    case Variant::Type::Object: {
        const auto* recording = dynamic_cast<const RecordingDispatch*>(value.objectValue());
        out << (recording ? recording->label() : std::string("foreign object"));
        break;
    }
    }
    return out.str();
}

inline std::string typedText(const Variant& value)
{
    switch (value.type()) {
    case Variant::Type::Empty:
        return "empty";
    case Variant::Type::Int16:
        return "i16:" + plainText(value);
    case Variant::Type::Int32:
        return "i32:" + plainText(value);
    case Variant::Type::UInt32:
        return "u32:" + plainText(value);
    case Variant::Type::Float:
        return "f32:" + plainText(value);
    case Variant::Type::Double:
        return "f64:" + plainText(value);
    case Variant::Type::Bool:
        return "bool:" + plainText(value);
    case Variant::Type::Text:
        return "text:" + plainText(value);
    case Variant::Type::Object:
        return "obj:" + plainText(value);
    }
    return "?";
}

inline std::string RecordedCall::text() const
{
    std::string list;
    for (std::size_t i = 0; i < args.size(); ++i)
        list += (i ? ", " : "") + typedText(args[i]);
    const std::string target = object + "." + member;
    const bool plainWrite = args.size() == 1 && namedArgs == std::vector<DispId>{DispIdPropertyPut};
    if (flags == DispatchPropertyPut && plainWrite)
        return "put " + target + " = " + list;
    std::string named;
    for (std::size_t i = 0; i < namedArgs.size(); ++i)
        named += (i ? ", " : "") + std::to_string(namedArgs[i]);
    std::string kind;
    switch (flags) {
    case DispatchMethod:
        kind = "call ";
        break;
    case DispatchPropertyGet:
        kind = "get ";
        break;
    case DispatchPropertyPut:
        kind = "put ";
        break;
    default:
        kind = "invoke#" + std::to_string(flags) + " ";
    }
    std::string text = kind + target;
    if (flags == DispatchMethod || !args.empty())
        text += "(" + list + ")";
    if (!named.empty())
        text += " named(" + named + ")";
    return text;
}

inline std::uint32_t RecordingDispatch::addRef()
{
    if (refs_ == 0)
        recorder_.faults.push_back("addRef on released " + label_);
    return ++refs_;
}

inline std::uint32_t RecordingDispatch::release()
{
    if (refs_ == 0) {
        recorder_.faults.push_back("release below zero of " + label_);
        return 0;
    }
    return --refs_;
}

inline HResult RecordingDispatch::getIDsOfNames(const std::u16string& name, Lcid lcid, DispId& id)
{
    const std::string member = QString::fromStdU16String(name).toStdString();
    recorder_.lookups.push_back({label_, member, lcid});
    if (refs_ == 0)
        recorder_.faults.push_back("lookup on released " + label_);
    const auto failure = recorder_.lookupFailures_.find(member);
    if (failure != recorder_.lookupFailures_.end())
        return failure->second;
    id = recorder_.idOf(member);
    return hresult::Ok;
}

inline HResult RecordingDispatch::invoke(DispId id, Lcid lcid, std::uint16_t flags, const DispParams& params,
                                         Variant* result, ExcepInfo* excepInfo)
{
    const auto name = recorder_.names_.find(id);
    if (name == recorder_.names_.end())
        return hresult::MemberNotFound;
    const std::string& member = name->second;

    RecordedCall call;
    call.object = label_;
    call.member = member;
    call.flags = flags;
    call.lcid = lcid;
    call.args.assign(params.args.rbegin(), params.args.rend());
    call.namedArgs = params.namedArgs;
    call.refsDuringCall = refs_;
    recorder_.calls.push_back(call);
    if (refs_ == 0)
        recorder_.faults.push_back("call on released " + label_);

    // What a dispatch implementation checks before it looks at the member.
    if (flags == DispatchPropertyPut) {
        if (params.args.size() != 1 || params.namedArgs != std::vector<DispId>{DispIdPropertyPut})
            return hresult::ParamNotFound;
    } else if (!params.namedArgs.empty()) {
        return hresult::NoNamedArgs;
    }

    const auto exception = recorder_.exceptions_.find(member);
    if (exception != recorder_.exceptions_.end()) {
        if (excepInfo)
            *excepInfo = exception->second;
        return hresult::Exception;
    }
    const auto failure = recorder_.callFailures_.find(member);
    if (failure != recorder_.callFailures_.end())
        return failure->second;

    if (flags == DispatchPropertyPut) {
        written[member] = params.args.front();
        return hresult::Ok;
    }
    if (!result)
        return hresult::Ok;
    const auto known = written.find(member);
    if (flags == DispatchPropertyGet && params.args.empty() && known != written.end()) {
        *result = known->second;
        return hresult::Ok;
    }
    const auto scripted = recorder_.answers_.find(member);
    if (scripted != recorder_.answers_.end()) {
        *result = scripted->second;
        return hresult::Ok;
    }
    std::string child = label_ + "." + member;
    if (!call.args.empty()) {
        child += "(";
        for (std::size_t i = 0; i < call.args.size(); ++i)
            child += (i ? "," : "") + plainText(call.args[i]);
        child += ")";
    }
    *result = Variant::adoptObject(recorder_.newObject(child));
    return hresult::Ok;
}
