#include "MainWindowFixture.h"

#include "spectrum/KavrelSpectrum.h"

#include <QCheckBox>

namespace {

class CodeRuleBoxesTest : public MainWindowTest {
protected:
    void click(const char* box) { QTest::mouseClick(control<QCheckBox>(box), Qt::LeftButton); }
    QString text(const char* edit) { return control<QLineEdit>(edit)->text(); }
};

} // namespace

TEST_F(CodeRuleBoxesTest, RulesStartOffAndFillOnlyWhatTheTablesFill)
{
    EXPECT_FALSE(control<QCheckBox>("rareTgCheck")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("verticalCheck")->isChecked());
    EXPECT_EQ(control<QCheckBox>("rareTgCheck")->text(), "Rare earthquake: Tg + 0.05 s");
    EXPECT_EQ(control<QCheckBox>("verticalCheck")->text(), "Vertical: 65 % AlphaMax, 1st-group Tg");

    // 7 (0.10 g), rare, site II, 2nd group.
    choose("cbb2", 1);
    choose("cbb3", 2);
    choose("cbb4", 2);
    choose("cbb5", 1);
    EXPECT_EQ(text("edt2"), "0.4");
    type("edt2", "0.5");  // typed values stand until a rule or selection changes
    click("rareTgCheck");
    EXPECT_EQ(text("edt1"), "0.5");
    EXPECT_EQ(text("edt2"), "0.45");
    EXPECT_EQ(control<QLineEdit>("edt2")->toolTip(), "0.40 s + 0.05 s, rare earthquake");

    click("verticalCheck");
    EXPECT_EQ(text("edt1"), "0.325");
    EXPECT_EQ(text("edt2"), "0.4");  // 0.35 s of the 1st group + 0.05 s, shown rounded

    // Create takes what the boxes show.
    create("V");
    EXPECT_EQ(form->spectra().spectrumAt(0)->alphaMax, 0.325);
    EXPECT_EQ(form->spectra().spectrumAt(0)->tg, 0.4);

    click("verticalCheck");
    click("rareTgCheck");
    EXPECT_EQ(text("edt2"), "0.4");
    EXPECT_TRUE(control<QLineEdit>("edt2")->toolTip().isEmpty());
}

TEST_F(CodeRuleBoxesTest, RareRuleIsOffAndDisabledForGbT51408)
{
    choose("cbb3", 2);
    click("rareTgCheck");
    EXPECT_EQ(text("edt2"), "0.25");  // I0, 1st group: 0.20 + 0.05
    choose("cbb1", 2);
    QCheckBox* rare = control<QCheckBox>("rareTgCheck");
    EXPECT_FALSE(rare->isEnabled());
    EXPECT_FALSE(rare->isChecked());
    EXPECT_FALSE(rare->toolTip().isEmpty());
    EXPECT_EQ(text("edt2"), "0.2");
    choose("cbb1", 0);
    EXPECT_TRUE(rare->isEnabled());
    EXPECT_FALSE(rare->isChecked());
}
