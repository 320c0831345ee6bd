#pragma once

#include "inputs/InputRules.h"
#include "ui/Retranslator.h"

#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// The inputs that define a spectrum, as read by Create.
struct SpectrumInputs {
    std::string name;  // narrow text, trimmed
    double alphaMax;
    double tg;
    double dampingRatio;
    std::int32_t codeType;
};

// The input panel: the name, the five selections, AlphaMax, Tg and the
// damping ratio, each with its label as buddy, and two code rules to apply
// on request. A change of any selection or rule fills AlphaMax and Tg from
// the code tables, replacing what was typed.
class InputPanel : public QWidget {
    Q_OBJECT
public:
    explicit InputPanel(QWidget* parent = nullptr);

    // Back to the first item of every selection, both rules off and the
    // table values.
    void resetSelections();
    // AlphaMax and Tg from the tables for the current selections.
    void applyCodeParameters();

    // Reads and checks the name and the three numbers in that order; at the
    // first refusal shows its warning, puts the focus on that box and gives
    // nothing. Values read before a refusal are kept, as the boxes show them.
    std::optional<SpectrumInputs> readInputs();
    void focusName();
    // AlphaMax and the damping ratio alone, read and checked as Create reads
    // them (a refusal shows its warning and moves the focus): what a record
    // added now is scaled and damped by.
    bool readAlphaMaxAndDamping(double& alphaMax, double& dampingRatio);

    std::int32_t codeType() const { return codeType_; }
    std::int32_t intensityIndex() const { return intensityIndex_; }
    std::int32_t seismicActionIndex() const { return seismicActionIndex_; }
    std::int32_t siteClassIndex() const { return siteClassIndex_; }
    std::int32_t groupIndex() const { return groupIndex_; }
    const std::string& responseName() const { return responseName_; }
    double alphaMax() const { return alphaMax_; }
    double tg() const { return tg_; }
    double dampingRatio() const { return dampingRatio_; }
    CodeSelection selection() const;
    CodeRuleOptions ruleOptions() const;

    // In tab order: the name, the selections, the three numbers, the rules.
    QList<QWidget*> inputsInTabOrder() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    // The notes of the code rules: why the rare-earthquake rule is off, how
    // Tg was found.
    void showNotes();
    void selectionChanged(QComboBox* box, std::int32_t& index);
    bool refuse(QLineEdit* field, const QString& message);
    bool readNumber(QLineEdit* field, NumberInput which, double& value);

    QLineEdit* nameEdit;
    QComboBox* codeBox;
    QComboBox* intensityBox;
    QComboBox* actionBox;
    QComboBox* siteBox;
    QComboBox* groupBox;
    QLineEdit* alphaMaxEdit;
    QLineEdit* tgEdit;
    QLineEdit* dampingEdit;
    QCheckBox* rareTgCheck;
    QCheckBox* verticalCheck;

    std::int32_t codeType_ = 0;
    std::int32_t intensityIndex_ = 0;
    std::int32_t seismicActionIndex_ = 0;
    std::int32_t siteClassIndex_ = 0;
    std::int32_t groupIndex_ = 0;
    std::string responseName_;
    double alphaMax_ = 0;
    double tg_ = 0;
    double dampingRatio_ = 0;
    Retranslator texts_;
};
