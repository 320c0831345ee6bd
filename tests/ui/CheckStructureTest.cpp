#include "MainWindowFixture.h"
#include "UiTestHelpers.h"
#include "support/FakeUserDialogs.h"
#include "support/FolderFiles.h"

#include "export/SetFile.h"
#include "spectrum/KavrelSpectrum.h"
#include "ui/CheckRecordsWindow.h"
#include "ui/StructurePanel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>

#include <cmath>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::pair<QString, QString>>;

// The window against a 5 %-damped target of GB 50011-2010, alphaMax 0.16,
// Tg 0.4 s: alpha is 0.16 on the plateau (0.3 s) and 0.16 (0.4 / T)^0.9 on
// the descending curve (1 s), gamma 0.9 and eta2 1 at 5 % damping.
class CheckStructureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setTargets({{"Target", &target, 3, 0}});
        QList<CheckRecordChoice> records;
        for (int r = 1; r <= 3; ++r)
            records << CheckRecordChoice{QStringLiteral("R%1").arg(r), true, std::vector<double>(801, 0.02 * r), 0.01};
        window.setRecords(records);
        window.show();
        window.findChild<QLineEdit*>("edtMainPeriods")->setText("1.0");
    }

    StructurePanel* panel() const { return window.findChild<StructurePanel*>("grpStructure"); }
    QTableWidget* table(const char* name) const { return window.findChild<QTableWidget*>(name); }
    QString cell(const char* name, int r, int c) const
    {
        const QTableWidgetItem* item = table(name)->item(r, c);
        return item ? item->text() : QString("(none)");
    }

    FakeUserDialogs dialogs;
    const KavrelSpectrum target{"Target", 0.16, 0.4, 0.05, 0};
    CheckRecordsWindow window;
};

const double alphaAt1s = 0.16 * std::pow(0.4, 0.9);  // 0.0701413

struct TwoModeCase {
    const char* name;
    double ratio1;
    ModeCombination combination;
    double v0;  // by hand
    bool massNote;
};

class CheckTwoModes : public CheckStructureTest, public testing::WithParamInterface<TwoModeCase> {};

// Modes of 1.0 s and 0.3 s, G = 1000 kN: V1 = alpha(1 s) r1 G, V2 = 0.16 x
// 0.2 x 1000 = 32 kN. SRSS: sqrt(V1^2 + V2^2). CQC, lambda = 0.3, zeta 0.05:
// rho = 8 (0.05^2)(1.3)(0.3^1.5) / ((1 - 0.09)^2 + 4 (0.05^2)(1.09)(0.3)
// + 8 (0.05^2)(0.09)) = 0.0042722 / 0.83317 = 0.0051277, and
// V0 = sqrt(V1^2 + V2^2 + 2 rho V1 V2).
TEST_P(CheckTwoModes, ComputesV0ByHandAndFillsTheBaseShears)
{
    const TwoModeCase& c = GetParam();
    table("tblBaseShears")->item(0, 0)->setText("999");
    panel()->setTyped({{{"1.0", QString::number(c.ratio1)}, {"0.3", "0.2"}}, "1000", c.combination, false});
    window.finishPendingCheck();
    ASSERT_TRUE(window.check().has_value()) << window.refusal().toStdString();
    EXPECT_NEAR(number(cell("tblBaseShears", 0, 0)), c.v0, 5e-4 * c.v0);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_GT(number(cell("tblBaseShears", r, 0)), 0) << r;
        EXPECT_FALSE(table("tblBaseShears")->item(r, 0)->flags() & Qt::ItemIsEditable) << r;
    }
    EXPECT_EQ(table("tblBaseShears")->horizontalHeaderItem(0)->text(), "Computed (kN)");
    const QString info = window.findChild<QLabel*>("lblModalShears")->text();
    EXPECT_TRUE(info.contains(c.combination == ModeCombination::Cqc ? "CQC of 2 modes" : "SRSS of 2 modes"))
        << info.toStdString();
    EXPECT_EQ(info.contains("at least 90 % of the mass"), c.massNote) << info.toStdString();

    // Each mode's part of V0 on demand: V_j by hand.
    window.findChild<QPushButton*>("btnModeContributions")->click();
    QTableWidget* parts = window.findChild<QTableWidget*>("tblModeContributions");
    ASSERT_NE(parts, nullptr);
    ASSERT_EQ(parts->rowCount(), 3) << parts->item(0, 0)->text().toStdString();
    EXPECT_NEAR(number(parts->item(0, 3)->text()), alphaAt1s * c.ratio1 * 1000, 0.01);
    EXPECT_NEAR(number(parts->item(1, 3)->text()), 32.0, 0.01);
    parts->window()->close();

    // Without the modes the typed base shear is back, and checked again.
    panel()->setTyped({});
    window.finishPendingCheck();
    EXPECT_EQ(cell("tblBaseShears", 0, 0), "999");
    EXPECT_TRUE(table("tblBaseShears")->item(0, 0)->flags() & Qt::ItemIsEditable);
}

INSTANTIATE_TEST_SUITE_P(CheckStructure, CheckTwoModes,
                         testing::Values(TwoModeCase{"Cqc", 0.7, ModeCombination::Cqc, 58.7437, false},
                                         TwoModeCase{"Srss", 0.7, ModeCombination::Srss, 58.6064, false},
                                         TwoModeCase{"CqcBelowNinetyPercent", 0.5, ModeCombination::Cqc, 47.5969,
                                                     true}),
                         [](const testing::TestParamInfo<TwoModeCase>& info) { return std::string(info.param.name); });

struct PasteCase {
    const char* name;
    const char* clipboard;
    Rows rows;       // the table after the paste
    const char* warning;  // empty: none
};

class CheckPasteModes : public CheckStructureTest, public testing::WithParamInterface<PasteCase> {};

TEST_P(CheckPasteModes, TakesTwoColumnsAsAnAnalysisProgramCopiesThem)
{
    panel()->setTyped({{{"2.5", "0.6"}}, "1000", ModeCombination::Cqc, false});
    QGuiApplication::clipboard()->setText(QString::fromUtf8(GetParam().clipboard));
    window.findChild<QPushButton*>("btnPasteModes")->click();
    EXPECT_EQ(panel()->typed().modes, GetParam().rows);
    EXPECT_EQ(dialogs.boxes.empty() ? QString() : dialogs.boxes.back().text, QString::fromUtf8(GetParam().warning));
}

INSTANTIATE_TEST_SUITE_P(
    CheckStructure, CheckPasteModes,
    testing::Values(PasteCase{"HeaderAndCommas", "Period (s), UX\r\n1.20, 0.70\r\n0.400,0.2\r\n",
                              {{"1.2", "0.7"}, {"0.4", "0.2"}}, ""},
                    PasteCase{"Tabs", "T\tRatio\n1.2\t0.7\n\n0.4\t0.2\n", {{"1.2", "0.7"}, {"0.4", "0.2"}}, ""},
                    PasteCase{"Blanks", "  1.2   0.7\n0.4 0.2", {{"1.2", "0.7"}, {"0.4", "0.2"}}, ""},
                    PasteCase{"ThreeColumns", "1.2, 0.7\n0.4, 0.2, 9\n", {{"2.5", "0.6"}},
                              "Line 2: give two columns, the period and the mass ratio, not 3."},
                    PasteCase{"Empty", "", {{"2.5", "0.6"}},
                              "The clipboard holds no modes: copy two columns, the period and the mass ratio."}),
    [](const testing::TestParamInfo<PasteCase>& info) { return std::string(info.param.name); });

TEST_F(CheckStructureTest, ABadModeIsRefusedByNameAndLeavesTheTyping)
{
    const StructureTyped typed{{{"1.0", "0.7"}, {"0", "0.1"}}, "1000", ModeCombination::Cqc, false};
    panel()->setTyped(typed);
    window.finishPendingCheck();
    EXPECT_FALSE(window.check().has_value());
    EXPECT_EQ(window.refusal(), "Mode 2: the period 0 s must be above 0 and at most 20 s.");
    EXPECT_TRUE(window.findChild<QLabel*>("lblRefusal")->isVisible());
    EXPECT_EQ(panel()->typed().modes, typed.modes);
}

TEST_F(CheckStructureTest, ThePrintedAndCopiedSheetListsTheModes)
{
    panel()->setTyped({{{"1.0", "0.7"}, {"0.3", "0.2"}}, "1000", ModeCombination::Srss, true});
    window.findChild<QLineEdit*>("edtMainPeriods")->setText("1.0");
    window.copySheet();
    const QString html = QGuiApplication::clipboard()->mimeData()->html();
    EXPECT_TRUE(html.contains("Structure: G 1000 kN, 2 modes combined by SRSS")) << html.toStdString();
    EXPECT_TRUE(html.contains("Modes (period, mass ratio): 1: 1 s, 0.7; 2: 0.3 s, 0.2"));
    EXPECT_TRUE(html.contains("held to their lower limits only"));
}

TEST_F(CheckStructureTest, EveryInputHasItsLabelAndEveryCommandAName)
{
    for (const char* name : {"tblModes", "edtWeight", "cmbCombination"}) {
        bool labelled = false;
        for (const QLabel* label : panel()->findChildren<QLabel*>())
            labelled = labelled || label->buddy() == panel()->findChild<QWidget*>(name);
        EXPECT_TRUE(labelled) << name;
    }
    for (const char* name : {"btnAddMode", "btnRemoveMode", "btnPasteModes", "btnModeContributions"})
        EXPECT_FALSE(window.findChild<QPushButton*>(name)->text().isEmpty()) << name;
    window.findChild<QPushButton*>("btnAddMode")->click();
    window.findChild<QPushButton*>("btnAddMode")->click();
    EXPECT_EQ(table("tblModes")->rowCount(), 2);
    window.findChild<QPushButton*>("btnRemoveMode")->click();
    EXPECT_EQ(table("tblModes")->rowCount(), 1);
}

// The modes go with the set: closed and opened again, and saved and opened.
// The set saved here leaves no recently used set behind for other tests.
class CheckStructureInSet : public MainWindowTest, protected FolderFiles {
protected:
    void TearDown() override
    {
        MainWindowTest::TearDown();
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Kavrel_Spect", "Kavrel_Spect").clear();
    }
};

TEST_F(CheckStructureInSet, TheModesOutlastTheWindowAndTravelInTheSetFile)
{
    create("Code");
    control<QAction>("CheckRecords1")->trigger();
    const StructureTyped typed{{{"1.5", "0.65"}, {"0.5", "0.2"}}, "52000", ModeCombination::Srss, true};
    form->checkRecordsWindow()->findChild<StructurePanel*>("grpStructure")->setTyped(typed);
    form->checkRecordsWindow()->findChild<QLineEdit*>("edtMainPeriods")->setText("1.5");
    form->checkRecordsWindow()->close();
    control<QAction>("CheckRecords1")->trigger();
    const auto shown = [this] { return form->checkRecordsWindow()->findChild<StructurePanel*>("grpStructure")->typed(); };
    EXPECT_EQ(shown().modes, typed.modes);
    EXPECT_EQ(shown().weight, "52000");

    dialogs.saveAnswers = {path("modes.kspect")};
    control<QAction>("SaveSet1")->trigger();
    const QJsonObject root = QJsonDocument::fromJson(read(path("modes.kspect"))).object();
    EXPECT_EQ(root.value("version").toInt(), 4);
    EXPECT_EQ(root.value("check").toObject().value("mainPeriods").toString(), "1.5");

    // The modes cleared are a change the program asks about before opening.
    form->checkRecordsWindow()->findChild<StructurePanel*>("grpStructure")->setTyped({});
    form->checkRecordsWindow()->close();
    dialogs.openAnswers = {path("modes.kspect")};
    dialogs.saveChangesAnswers = {UserDialogs::SaveChoice::Discard};
    control<QAction>("OpenSet1")->trigger();
    EXPECT_EQ(dialogs.saveChangesQuestions.size(), 1);
    control<QAction>("CheckRecords1")->trigger();
    EXPECT_EQ(shown().modes, typed.modes);
    EXPECT_EQ(shown().combination, ModeCombination::Srss);
    EXPECT_TRUE(shown().inelastic);
    EXPECT_EQ(form->checkRecordsWindow()->findChild<QLineEdit*>("edtMainPeriods")->text(), "1.5");

    // Opened, the set has nothing unsaved; another G is a change to save.
    EXPECT_FALSE(form->document().hasUnsavedChanges());
    form->checkRecordsWindow()->findChild<QLineEdit*>("edtWeight")->setText("53000");
    EXPECT_TRUE(form->document().hasUnsavedChanges());
}

} // namespace
