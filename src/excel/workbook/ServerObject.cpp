#include "excel/workbook/ServerObject.h"

#include <cmath>

namespace wb {

const char16_t* const ServerName = u"Kavrel_Spect workbook server";

void fail(const QString& description)
{
    throw ServerError{ApplicationError, description};
}

void fail(HResult code, const QString& description)
{
    throw ServerError{code, description};
}

bool sameName(const std::u16string& name, const char* member)
{
    std::size_t i = 0;
    for (; member[i] != '\0'; ++i) {
        if (i == name.size())
            return false;
        char16_t a = name[i];
        char16_t b = static_cast<unsigned char>(member[i]);
        if (a >= u'A' && a <= u'Z')
            a = static_cast<char16_t>(a - u'A' + u'a');
        if (b >= u'A' && b <= u'Z')
            b = static_cast<char16_t>(b - u'A' + u'a');
        if (a != b)
            return false;
    }
    return i == name.size();
}

HResult raise(const ServerError& error, ExcepInfo* excepInfo)
{
    if (excepInfo) {
        *excepInfo = ExcepInfo();
        excepInfo->source = ServerName;
        excepInfo->description = error.description.toStdU16String();
        excepInfo->scode = error.code;
    }
    return hresult::Exception;
}

namespace {

QString kindName(std::uint16_t flags)
{
    if (flags & Put)
        return QStringLiteral("written");
    if (flags & Get)
        return QStringLiteral("read");
    return QStringLiteral("called");
}

QString argumentWord(std::size_t count)
{
    return count == 1 ? QStringLiteral("argument") : QStringLiteral("arguments");
}

QString countText(std::size_t minArgs, std::size_t maxArgs)
{
    if (minArgs == maxArgs)
        return QStringLiteral("%1 %2").arg(minArgs).arg(argumentWord(minArgs));
    return QStringLiteral("%1 to %2 arguments").arg(minArgs).arg(maxArgs);
}

} // namespace

void Call::check(std::uint16_t kinds, std::size_t minArgs, std::size_t maxArgs) const
{
    if ((flags_ & kinds) == 0) {
        const QString name = QString::fromLatin1(member_);
        if (kinds == Method)
            fail(hresult::MemberNotFound, QStringLiteral("%1 is a method; it cannot be %2.").arg(name, kindName(flags_)));
        if ((kinds & Put) == 0)
            fail(hresult::MemberNotFound, QStringLiteral("%1 is read-only; it cannot be %2.").arg(name, kindName(flags_)));
        if ((kinds & Get) == 0)
            fail(hresult::MemberNotFound,
                 QStringLiteral("%1 can only be written; it cannot be %2.").arg(name, kindName(flags_)));
        fail(hresult::MemberNotFound, QStringLiteral("%1 is a property; it cannot be %2.").arg(name, kindName(flags_)));
    }
    if (isPut()) {
        // A write carries its one value as the named property-put argument.
        if (params_.namedArgs.size() != 1 || params_.namedArgs.front() != DispIdPropertyPut)
            fail(hresult::ParamNotFound,
                 QStringLiteral("A write of %1 must pass its value as the one named property-put argument.")
                     .arg(QLatin1String(member_)));
        if (params_.args.size() != 1)
            fail(hresult::BadParamCount, QStringLiteral("A write of %1 takes exactly one value, not %2.")
                                             .arg(QLatin1String(member_))
                                             .arg(params_.args.size()));
        return;
    }
    if (!params_.namedArgs.empty())
        fail(hresult::NoNamedArgs, QStringLiteral("%1 takes no named arguments.").arg(QLatin1String(member_)));
    const std::size_t given = params_.args.size();
    if (given < minArgs || given > maxArgs)
        fail(hresult::BadParamCount, QStringLiteral("%1 takes %2, not %3.")
                                         .arg(QLatin1String(member_), countText(minArgs, maxArgs))
                                         .arg(given));
}

void Call::refuse(HResult code, std::size_t argument, const char* problem) const
{
    const QString what =
        argument == 0 ? QStringLiteral("The value") : QStringLiteral("Argument %1").arg(argument);
    fail(code, QStringLiteral("%1 of %2 %3.").arg(what, QLatin1String(member_), QLatin1String(problem)));
}

std::int32_t Call::toInt(const Variant& value, std::size_t argument) const
{
    std::int32_t whole = 0;
    if (value.toInt32(whole))
        return whole;
    double number = 0;
    if (value.toDouble(number))
        refuse(hresult::Overflow, argument, "is out of range");
    refuse(hresult::TypeMismatch, argument, "must be a number");
}

double Call::toNumber(const Variant& value, std::size_t argument) const
{
    double number = 0;
    if (!value.toDouble(number))
        refuse(hresult::TypeMismatch, argument, "must be a number");
    if (!std::isfinite(number))
        refuse(hresult::Overflow, argument, "is not a finite number");
    return number;
}

const std::u16string& Call::toText(const Variant& value, std::size_t argument) const
{
    if (value.type() != Variant::Type::Text)
        refuse(hresult::TypeMismatch, argument, "must be a text");
    return value.textValue();
}

std::int32_t Call::intArg(std::size_t index) const
{
    return toInt(arg(index), index + 1);
}

const std::u16string& Call::textArg(std::size_t index) const
{
    return toText(arg(index), index + 1);
}

std::int32_t Call::intValue() const
{
    return toInt(value(), 0);
}

double Call::numberValue() const
{
    return toNumber(value(), 0);
}

bool Call::boolValue() const
{
    bool flag = false;
    if (!value().toBool(flag))
        refuse(hresult::TypeMismatch, 0, "must be true or false");
    return flag;
}

const std::u16string& Call::textValue() const
{
    return toText(value(), 0);
}

} // namespace wb
