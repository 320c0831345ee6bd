#include "common/Language.h"

#include <QSettings>

namespace {

const QString languageKey = QStringLiteral("language");

} // namespace

QString languageCode(Language language)
{
    return language == Language::SimplifiedChinese ? QStringLiteral("zh_CN") : QStringLiteral("en");
}

std::optional<Language> languageFromCode(const QString& code)
{
    for (const Language language : allLanguages) {
        if (code == languageCode(language))
            return language;
    }
    return std::nullopt;
}

QString languageNativeName(Language language)
{
    return language == Language::SimplifiedChinese ? QStringLiteral("简体中文") : QStringLiteral("English");
}

Language rememberedLanguage(const QSettings& settings)
{
    return languageFromCode(settings.value(languageKey).toString()).value_or(Language::English);
}

void rememberLanguage(QSettings& settings, Language language)
{
    settings.setValue(languageKey, languageCode(language));
}

QString settingsOrganization()
{
    return QStringLiteral("Kavrel_Spect");
}

QString settingsApplication()
{
    return QStringLiteral("Kavrel_Spect");
}

QSettings userSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, settingsOrganization(), settingsApplication());
}
