#include "ui/LanguageSwitch.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QSettings>
#include <QTranslator>

namespace {

Language installed = Language::English;
// Owned by the application object, so that none outlives it.
QPointer<QTranslator> programTranslator;
QPointer<QTranslator> qtTranslator;

void removeTranslator(QPointer<QTranslator>& translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

QLocale localeOf(Language language)
{
    return language == Language::SimplifiedChinese ? QLocale(QLocale::Chinese, QLocale::China)
                                                   : QLocale(QLocale::English, QLocale::UnitedStates);
}

} // namespace

void installLanguage(Language language)
{
    removeTranslator(programTranslator);
    removeTranslator(qtTranslator);
    installed = language;
    // English is the source texts: removing the translators has told the
    // windows (Qt sends LanguageChange when a translator goes).
    if (language == Language::English)
        return;
    const QLocale locale = localeOf(language);
    // Qt's own texts first, so that the program's translation takes
    // precedence where both know a text (the last installed is asked first).
    qtTranslator = new QTranslator(QCoreApplication::instance());
    if (qtTranslator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator);
    programTranslator = new QTranslator(QCoreApplication::instance());
    if (programTranslator->load(locale, QStringLiteral("kavrel-spect"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(programTranslator);
}

Language installedLanguage()
{
    return installed;
}

void installStartLanguage(std::optional<Language> commandLineChoice)
{
    const Language language = commandLineChoice ? *commandLineChoice : rememberedLanguage(userSettings());
    if (language != Language::English || installed != Language::English)
        installLanguage(language);
}

void fillLanguageMenu(QMenu* menu)
{
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    // The check mark follows whatever installed the language, also a
    // choice made before this menu existed.
    const auto markInstalled = [group] {
        for (QAction* item : group->actions())
            item->setChecked(item->data().toString() == languageCode(installedLanguage()));
    };
    for (const Language language : allLanguages) {
        QAction* item = menu->addAction(languageNativeName(language));
        item->setObjectName(QStringLiteral("Language_") + languageCode(language));
        item->setCheckable(true);
        item->setData(languageCode(language));
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, menu, [language, markInstalled] {
            if (language != installedLanguage())
                installLanguage(language);
            QSettings settings = userSettings();
            rememberLanguage(settings, language);
            markInstalled();
        });
    }
    markInstalled();
    QObject::connect(menu, &QMenu::aboutToShow, menu, markInstalled);
}
