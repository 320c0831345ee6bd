#include "excel/AutomationError.h"

namespace {

struct CodeText {
    HResult code;
    const char* text;
};

// The texts the platform gives for the codes a dispatch call can answer.
constexpr CodeText codeTexts[] = {
    {hresult::NotImplemented, "Not implemented."},
    {hresult::Pointer, "Invalid pointer."},
    {hresult::Fail, "Unspecified error."},
    {hresult::OutOfMemory, "Not enough storage is available to complete this operation."},
    {hresult::InvalidArg, "The parameter is incorrect."},
    {hresult::UnknownInterface, "Unknown interface."},
    {hresult::MemberNotFound, "Member not found."},
    {hresult::ParamNotFound, "Parameter not found."},
    {hresult::TypeMismatch, "Type mismatch."},
    {hresult::UnknownName, "Unknown name."},
    {hresult::NoNamedArgs, "No named arguments."},
    {hresult::BadVarType, "Bad variable type."},
    {hresult::Exception, "Exception occurred."},
    {hresult::Overflow, "Out of present range."},
    {hresult::BadIndex, "Invalid index."},
    {hresult::BadParamCount, "Invalid number of parameters."},
    {hresult::ClassNotRegistered, "Class not registered."},
};

// An application that fills in only the short code leaves the long one 0.
HResult exceptionCode(const ExcepInfo& info)
{
    if (info.scode != 0)
        return info.scode;
    return hresult::Exception;
}

QString exceptionMessage(const ExcepInfo& info)
{
    if (!info.description.empty())
        return QString::fromStdU16String(info.description);
    return AutomationError::systemText(exceptionCode(info));
}

} // namespace

AutomationError::AutomationError(HResult code) : AutomationError(code, systemText(code)) {}

AutomationError::AutomationError(HResult code, QString message) : KavrelError(std::move(message)), code_(code) {}

AutomationError::AutomationError(const ExcepInfo& info)
    : KavrelError(exceptionMessage(info)),
      code_(exceptionCode(info)),
      description_(QString::fromStdU16String(info.description)),
      source_(QString::fromStdU16String(info.source)),
      helpFile_(QString::fromStdU16String(info.helpFile)),
      helpContext_(info.helpContext)
{
}

QString AutomationError::systemText(HResult code)
{
    for (const CodeText& entry : codeTexts) {
        if (entry.code == code)
            return QString::fromLatin1(entry.text);
    }
    const QString digits = QString::number(static_cast<std::uint32_t>(code), 16).toUpper();
    return QStringLiteral("Unspecified error (0x%1).").arg(digits, 8, QLatin1Char('0'));
}
