#pragma once

#include <QSettings>
#include <QString>

#include <optional>

// The languages the window program speaks. English is the program's own:
// its texts are the source texts, so it needs no translation file.
enum class Language { English, SimplifiedChinese };

// "en" and "zh_CN", as the command line and the settings write them.
QString languageCode(Language language);
std::optional<Language> languageFromCode(const QString& code);
// Each language named in its own words, as the View > Language menu lists it.
QString languageNativeName(Language language);
// Every language, in the menu's order.
inline constexpr Language allLanguages[] = {Language::English, Language::SimplifiedChinese};

// The choice kept between runs; English when none was made or the settings
// hold something this version does not know.
Language rememberedLanguage(const QSettings& settings);
void rememberLanguage(QSettings& settings, Language language);
// The settings the program keeps for its user, where the recent sets are too.
QString settingsOrganization();
QString settingsApplication();
// Those settings: the language, the recent sets, the record library.
QSettings userSettings();
