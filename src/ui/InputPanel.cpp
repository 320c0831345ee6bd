#include "ui/InputPanel.h"

#include "common/UserDialogs.h"
#include "spectrum/SpectrumSet.h"
#include "spectrum/StartupDefaults.h"
#include "text/NarrowText.h"
#include "text/NumberText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

const QStringList codeItems = {"GB 50011-2010", "GB 50011-2001", "GB/T 51408-2021"};
const QStringList intensityItems = {"6 ( 0.05 g )", "7 ( 0.10 g)", "7 ( 0.15 g)",
                                    "8 ( 0.20 g)",  "8 ( 0.30 g)", "9 ( 0.40 g)"};
const QStringList actionItems = {QString::fromUtf8("多遇地震"), QString::fromUtf8("设防地震"),
                                 QString::fromUtf8("罕遇地震"), QString::fromUtf8("极罕遇地震")};
const QStringList siteItems = {"I0", "I1", "II", "III", "IV"};
const QStringList groupItems = {"1st Group", "2nd Group", "3th Group"};

// The system's "gradient active caption" colour behind the main inputs.
const QColor inputBackground(0xB9, 0xD1, 0xEA);

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

InputPanel::InputPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName("inputPanel");
    auto label = [this](const char* name, const QString& text, bool blue) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        if (blue) {
            QPalette p = l->palette();
            p.setColor(QPalette::WindowText, Qt::blue);
            l->setPalette(p);
        }
        return l;
    };
    auto edit = [this](const char* name, const QString& text) {
        auto* e = new QLineEdit(text, this);
        e->setObjectName(name);
        QPalette p = e->palette();
        p.setColor(QPalette::Base, inputBackground);
        e->setPalette(p);
        return e;
    };
    auto combo = [this](const char* name, const QStringList& items) {
        auto* c = new QComboBox(this);
        c->setObjectName(name);
        c->addItems(items);
        c->setEditable(false);
        return c;
    };

    nameEdit = edit("edt4", QString::fromLatin1(startup::spectrumName));
    codeBox = combo("cbb1", codeItems);
    QPalette codePalette = codeBox->palette();
    codePalette.setColor(QPalette::Button, inputBackground);
    codePalette.setColor(QPalette::Base, inputBackground);
    codeBox->setPalette(codePalette);
    intensityBox = combo("cbb2", intensityItems);
    actionBox = combo("cbb3", actionItems);
    siteBox = combo("cbb4", siteItems);
    groupBox = combo("cbb5", groupItems);
    alphaMaxEdit = edit("edt1", QString());
    tgEdit = edit("edt2", QString());
    // Written in the user's own number form, so that it reads back as typed.
    dampingEdit = edit("edt5", formatGeneral(startup::dampingRatio));

    const std::tuple<const char*, QString, bool, QWidget*> rows[] = {
        {"lbl8", "Response Name", true, nameEdit},
        {"lbl7", "Design Code", true, codeBox},
        {"lbl1", "Seismic Intensity", false, intensityBox},
        {"lbl2", "Seismic Action", false, actionBox},
        {"lbl3", "Site-Class", false, siteBox},
        {"lbl4", "Earthquake Group ", false, groupBox},
        {"lbl5", "Max Influence Coefficient, AlphaMax ", true, alphaMaxEdit},
        {"lbl6", "Characteristic Ground Period, Tg (s)", true, tgEdit},
        {"lbl9", QString::fromUtf8("Damping Ratio, ζ "), true, dampingEdit},
    };
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(3);
    int row = 0;
    for (const auto& [name, text, blue, input] : rows) {
        QLabel* l = label(name, text, blue);
        l->setBuddy(input);
        // The numbers take the whole width under their long captions.
        if (qobject_cast<QLineEdit*>(input) && input != nameEdit) {
            layout->addWidget(l, row++, 0, 1, 2);
            layout->addWidget(input, row++, 0, 1, 2);
        } else {
            layout->addWidget(l, row, 0);
            layout->addWidget(input, row++, 1);
        }
    }

    rareTgCheck = new QCheckBox("Rare earthquake: Tg + 0.05 s", this);
    rareTgCheck->setObjectName("rareTgCheck");
    verticalCheck = new QCheckBox(QString::fromUtf8("Vertical: 65 % AlphaMax, 1st-group Tg"), this);
    verticalCheck->setObjectName("verticalCheck");
    layout->addWidget(rareTgCheck, row++, 0, 1, 2);
    layout->addWidget(verticalCheck, row++, 0, 1, 2);
    for (QCheckBox* rule : {rareTgCheck, verticalCheck})
        connect(rule, &QCheckBox::toggled, this, &InputPanel::applyCodeParameters);

    const std::pair<QComboBox*, std::int32_t*> selections[] = {
        {codeBox, &codeType_},      {intensityBox, &intensityIndex_}, {actionBox, &seismicActionIndex_},
        {siteBox, &siteClassIndex_}, {groupBox, &groupIndex_},
    };
    for (const auto& [box, index] : selections) {
        connect(box, &QComboBox::activated, this,
                [this, box = box, index = index] { selectionChanged(box, *index); });
    }
    resetSelections();
}

void InputPanel::resetSelections()
{
    codeType_ = startup::codeType;
    intensityIndex_ = startup::intensityIndex;
    seismicActionIndex_ = startup::seismicActionIndex;
    siteClassIndex_ = startup::siteClassIndex;
    groupIndex_ = startup::groupIndex;
    codeBox->setCurrentIndex(codeType_);
    intensityBox->setCurrentIndex(intensityIndex_);
    actionBox->setCurrentIndex(seismicActionIndex_);
    siteBox->setCurrentIndex(siteClassIndex_);
    groupBox->setCurrentIndex(groupIndex_);
    const QSignalBlocker quietRare(rareTgCheck);
    const QSignalBlocker quietVertical(verticalCheck);
    rareTgCheck->setChecked(false);
    verticalCheck->setChecked(false);
    applyCodeParameters();
    dampingRatio_ = startup::dampingRatio;
    responseName_ = startup::responseName;
}

CodeSelection InputPanel::selection() const
{
    return {codeType_, intensityIndex_, seismicActionIndex_, siteClassIndex_, groupIndex_};
}

CodeRuleOptions InputPanel::ruleOptions() const
{
    return {rareTgCheck->isChecked() && rareTgCheck->isEnabled(), verticalCheck->isChecked()};
}

void InputPanel::applyCodeParameters()
{
    // GB/T 51408 has rules of its own for rare earthquakes: the box is off there.
    const bool rareAvailable = rareTgAvailable(codeType_);
    if (!rareAvailable && rareTgCheck->isChecked()) {
        const QSignalBlocker quiet(rareTgCheck);
        rareTgCheck->setChecked(false);
    }
    rareTgCheck->setEnabled(rareAvailable);
    rareTgCheck->setToolTip(rareAvailable ? QString()
                                          : QStringLiteral("GB/T 51408-2021 sets its own characteristic "
                                                           "periods for rare earthquakes."));

    const CodeParameters p = codeParameters(selection(), ruleOptions());
    alphaMax_ = p.alphaMax;
    alphaMaxEdit->setText(formatGeneral(alphaMax_));
    tg_ = p.tg;
    tgEdit->setText(formatGeneral(tg_));
    tgEdit->setToolTip(QString::fromStdString(p.tgNote));
}

void InputPanel::selectionChanged(QComboBox* box, std::int32_t& index)
{
    index = box->currentIndex();
    applyCodeParameters();
}

bool InputPanel::refuse(QLineEdit* field, const QString& message)
{
    userDialogs().warning(message);
    field->setFocus();
    return false;
}

bool InputPanel::readNumber(QLineEdit* field, const QString& negativeMessage, double& value)
{
    double parsed = 0;
    if (!parseLocaleDouble(field->text(), parsed))
        return refuse(field, quoted(field->text()) + " is not a valid floating number!");
    if (parsed < 0)
        return refuse(field, negativeMessage);
    // A typed "-0" is zero; its sign would not survive a set file.
    value = parsed + 0.0;
    return true;
}

std::optional<SpectrumInputs> InputPanel::readInputs()
{
    const std::string name = toNarrow(trimControls(nameEdit->text()));
    switch (SpectrumSet::checkNameForm(name)) {
    case SpectrumSet::NameCheck::TooLong:
        refuse(nameEdit, "Response Name must be less than 20 letters.");
        return std::nullopt;
    case SpectrumSet::NameCheck::Empty:
        refuse(nameEdit, "Please Input Response Name.");
        return std::nullopt;
    default:
        break;
    }
    responseName_ = name;
    if (!readNumber(alphaMaxEdit, "AlphaMax must be postive.", alphaMax_)
        || !readNumber(tgEdit, "Characteristic Groud Period must be postive.", tg_)
        || !readNumber(dampingEdit, "Damping ratio must be postive.", dampingRatio_))
        return std::nullopt;
    return SpectrumInputs{responseName_, alphaMax_, tg_, dampingRatio_, codeType_};
}

void InputPanel::focusName()
{
    nameEdit->setFocus();
}

QList<QWidget*> InputPanel::inputsInTabOrder() const
{
    return {nameEdit,     codeBox, intensityBox, actionBox,   siteBox,      groupBox,
            alphaMaxEdit, tgEdit,  dampingEdit,  rareTgCheck, verticalCheck};
}
