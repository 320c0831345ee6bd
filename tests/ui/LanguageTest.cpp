#include "MainWindowFixture.h"
#include "UiTestHelpers.h"

#include "common/Language.h"
#include "records/ArtificialBatch.h"
#include "spectrum/KavrelSpectrum.h"
#include "ui/AboutDialog.h"
#include "ui/ArtificialRecordsDialog.h"
#include "ui/CheckRecordsWindow.h"
#include "ui/DonationDialog.h"
#include "ui/GraphPanel.h"
#include "ui/LanguageSwitch.h"
#include "ui/QtUserDialogs.h"
#include "ui/RecordPropertiesDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>

namespace {

// Every text a person can read in `window`: its title, the labels, buttons,
// group titles, selection items, menu items, tool tips, the chart's axis
// titles and the grid's heading.
QStringList readableTexts(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        texts << widget->toolTip();
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts << group->title();
        if (auto* box = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
        }
        if (auto* chart = qobject_cast<ChartControl*>(widget))
            texts << chart->bottomAxis()->titleText() << chart->leftAxis()->titleText();
        if (auto* grid = qobject_cast<StringGrid*>(widget))
            texts << grid->text(0, 0);
    }
    // Menu titles are their menu actions' texts.
    for (QAction* action : window->findChildren<QAction*>()) {
        if (!action->isSeparator())
            texts << action->text();
    }
    texts.removeAll(QString());
    return texts;
}

// The words of `text` that are English: what is left of two or more Latin
// letters once the names (the program's, its authors', its English product
// name beside the Chinese one), symbols and units, code numbers, addresses,
// file patterns and the texts translated by design to themselves are taken out.
QStringList englishLeftIn(const QString& text)
{
    static const QRegularExpression untranslated(QStringLiteral(
        R"(\S*example\.com\S*|authors@\S*|\*\.\w+|Kavrel_Spect News|Kavrel_Spect authors|Kavrel Code Spectrum|)"
        R"(Kavrel_Spect|Kavrel|αmax|)"
        R"(GB/T|\bGB\b|\bTg\b|\bSa\b|\bcm\b|\bkN\b|\bCQC\b|\bSRSS\b|EXCEL|English|\b(PNG|SVG|PDF|CSV)\b|\b(I0|I1|II|III|IV)\b)"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    QString rest = text;
    rest.remove(untranslated);
    QStringList words;
    for (auto match = word.globalMatch(rest); match.hasNext();)
        words << match.next().captured();
    return words;
}

void expectNoEnglish(const QStringList& texts, const char* window)
{
    for (const QString& text : texts) {
        EXPECT_TRUE(englishLeftIn(text).isEmpty())
            << window << ": \"" << text.toStdString() << "\" keeps " << englishLeftIn(text).join(' ').toStdString();
    }
}

class LanguageTest : public MainWindowTest {
protected:
    void TearDown() override
    {
        installLanguage(Language::English);
        MainWindowTest::TearDown();
    }

    void choose(const char* actionName)
    {
        QAction* item = form->findChild<QAction*>(actionName);
        ASSERT_NE(item, nullptr) << actionName;
        item->trigger();
        // Qt posts the change to the windows.
        QCoreApplication::processEvents();
    }

    // The information windows, made as the menu makes them.
    template <class Dialog>
    QStringList dialogTexts()
    {
        Dialog dialog(form.get());
        return readableTexts(&dialog);
    }

    // The buttons of a message box asking about unsaved changes (Qt's own texts).
    QStringList questionButtons()
    {
        QStringList texts;
        QtUserDialogs dialogs;
        onNextModal<QMessageBox>([&texts](QMessageBox* box) {
            for (QAbstractButton* button : box->buttons())
                texts << button->text();
            box->reject();
        });
        dialogs.askSaveChanges(QStringLiteral("?"));
        return texts;
    }
};

} // namespace

TEST_F(LanguageTest, ChineseReachesEveryWindowAtOnceAndEnglishComesBackAsSpecified)
{
    type("edt4", "Frame A");
    QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton);
    ASSERT_EQ(form->spectra().size(), 1);
    type("edt1", "0.33");
    control<QComboBox>("cbb5")->setCurrentIndex(2);
    form->toggleGraphPanel();
    ASSERT_NE(form->graphPanel(), nullptr);

    const QStringList englishMain = readableTexts(form.get());
    const QStringList englishPanel = readableTexts(form->graphPanel());
    const QStringList englishAbout = dialogTexts<AboutDialog>();
    const QStringList englishDonation = dialogTexts<DonationDialog>();
    EXPECT_TRUE(form->findChild<QAction*>("Language_en")->isChecked());

    choose("Language_zh_CN");
    EXPECT_EQ(installedLanguage(), Language::SimplifiedChinese);
    EXPECT_TRUE(form->findChild<QAction*>("Language_zh_CN")->isChecked());
    EXPECT_FALSE(form->findChild<QAction*>("Language_en")->isChecked());
    EXPECT_EQ(userSettings().value("language").toString(), "zh_CN") << "remembered for the next start";
    expectNoEnglish(readableTexts(form.get()), "main window");
    expectNoEnglish(readableTexts(form->graphPanel()), "graph panel");
    expectNoEnglish(dialogTexts<AboutDialog>(), "About");
    expectNoEnglish(dialogTexts<DonationDialog>(), "donation");
    expectNoEnglish(questionButtons(), "question box");
    // The codes' own terms.
    EXPECT_EQ(control<QLabel>("lbl1")->text(), "抗震设防烈度");
    EXPECT_EQ(control<QLabel>("lbl7")->text(), "设计规范");
    EXPECT_EQ(control<QLabel>("lbl3")->text(), "场地类别");
    EXPECT_EQ(control<QComboBox>("cbb5")->itemText(0), "第一组");
    EXPECT_EQ(form->chart()->bottomAxis()->titleText(), "周期 T (s)");
    EXPECT_EQ(form->graphPanel()->windowTitle(), "图形面板");
    // What was typed and chosen stays, and so does the set.
    EXPECT_EQ(control<QLineEdit>("edt4")->text(), "Frame A");
    EXPECT_EQ(control<QLineEdit>("edt1")->text(), "0.33");
    EXPECT_EQ(control<QComboBox>("cbb5")->currentIndex(), 2);
    ASSERT_EQ(form->spectra().size(), 1);
    EXPECT_EQ(form->spectra().item(0).name(), "Frame A");

    choose("Language_en");
    EXPECT_EQ(userSettings().value("language").toString(), "en");
    EXPECT_EQ(readableTexts(form.get()), englishMain);
    EXPECT_EQ(readableTexts(form->graphPanel()), englishPanel);
    EXPECT_EQ(dialogTexts<AboutDialog>(), englishAbout);
    EXPECT_EQ(dialogTexts<DonationDialog>(), englishDonation);
    EXPECT_EQ(control<QLabel>("lbl1")->text(), "Seismic Intensity");
    EXPECT_EQ(form->chart()->leftAxis()->titleText(), "Spectral Accleration,Sa (g)");
    EXPECT_EQ(form->graphPanel()->windowTitle(), "GraphPanel");
    EXPECT_EQ(control<QLineEdit>("edt1")->text(), "0.33");
    form->toggleGraphPanel();
}

TEST_F(LanguageTest, MessagesShownByTheWindowFollowTheLanguage)
{
    FakeUserDialogs dialogs;
    installLanguage(Language::SimplifiedChinese);
    type("edt1", "-1");
    QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>("Button2"), Qt::LeftButton);
    installLanguage(Language::English);
    QTest::mouseClick(control<QPushButton>("Button2"), Qt::LeftButton);
    EXPECT_EQ(dialogs.texts(), QStringList({"αmax 必须为正数。", "尚未生成反应谱。", "No spectrum have been create."}));
}

// The record windows in Chinese: Artificial Records, Record Properties (of an
// artificial record, so that its match figures show) and Check Records.
TEST_F(LanguageTest, TheRecordWindowsSpeakChineseToo)
{
    type("edt4", "A");
    QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton);
    ArtificialRecord made;
    made.acceleration = {0.0, 0.1, -0.05, 0.0};
    made.step = 0.01;
    made.peak = 0.1;
    GeneratedRecords generated;
    generated.records.push_back({"A-A1", "A", made});
    form->addArtificialRecords(generated);
    choose("Language_zh_CN");

    QStringList artificial;
    onNextModal<ArtificialRecordsDialog>([&artificial](ArtificialRecordsDialog* d) {
        artificial = readableTexts(d);
        d->reject();
    });
    form->findChild<QAction*>("ArtificialRecords1")->trigger();
    ASSERT_FALSE(artificial.isEmpty());
    expectNoEnglish(artificial, "Artificial Records");

    // Window-modal, not waited for.
    form->checkList()->setCurrentRow(1);
    form->findChild<QAction*>("RecordProperties1")->trigger();
    auto* properties = form->findChild<RecordPropertiesDialog*>();
    ASSERT_NE(properties, nullptr);
    expectNoEnglish(readableTexts(properties), "Record Properties");
    properties->reject();

    form->findChild<QAction*>("CheckRecords1")->trigger();
    ASSERT_NE(form->checkRecordsWindow(), nullptr);
    expectNoEnglish(readableTexts(form->checkRecordsWindow()), "Check Records");
    form->checkRecordsWindow()->close();
}
