#pragma once

#include <QCoreApplication>
#include <QString>

// Texts that several commands show, each written once.
namespace messages {

// A command that needs at least one spectrum was given none.
constexpr const char* noSpectrum = QT_TRANSLATE_NOOP("messages", "No spectrum have been create.");
// An addition to the set ran out of memory (and was undone).
constexpr const char* outOfMemory = QT_TRANSLATE_NOOP("messages", "Out of Memory.");

// One of the texts above in the installed language, as a window shows it.
inline QString shown(const char* message)
{
    return QCoreApplication::translate("messages", message);
}

} // namespace messages
