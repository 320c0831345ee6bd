#include "common/Language.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Language, CodesAndNamesReadBackAndAnythingElseIsRefused)
{
    for (const Language language : allLanguages)
        EXPECT_EQ(languageFromCode(languageCode(language)), language);
    EXPECT_EQ(languageCode(Language::SimplifiedChinese), "zh_CN");
    EXPECT_EQ(languageCode(Language::English), "en");
    EXPECT_EQ(languageNativeName(Language::SimplifiedChinese), "简体中文");
    EXPECT_EQ(languageNativeName(Language::English), "English");
    for (const char* other : {"", "zh", "zh-CN", "ZH_CN", "EN", "en_US", "de", " en"})
        EXPECT_EQ(languageFromCode(other), std::nullopt) << other;
}

TEST(Language, TheRememberedChoiceIsEnglishUntilOneIsMadeAndSurvivesAnotherReading)
{
    QTemporaryDir folder;
    const QString file = folder.filePath("settings.ini");
    {
        QSettings settings(file, QSettings::IniFormat);
        EXPECT_EQ(rememberedLanguage(settings), Language::English) << "the first start";
        settings.setValue("language", "klingon");
        EXPECT_EQ(rememberedLanguage(settings), Language::English) << "a value this version does not know";
        rememberLanguage(settings, Language::SimplifiedChinese);
    }
    QSettings again(file, QSettings::IniFormat);
    EXPECT_EQ(rememberedLanguage(again), Language::SimplifiedChinese);
    EXPECT_EQ(again.value("language").toString(), "zh_CN");
}
