#include "ui/InputPanel.h"

#include "common/UserDialogs.h"
#include "inputs/InputRules.h"
#include "spectrum/StartupDefaults.h"
#include "text/NumberText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

// The system's "gradient active caption" colour behind the main inputs.
const QColor inputBackground(0xB9, 0xD1, 0xEA);

} // namespace

InputPanel::InputPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName("inputPanel");
    auto label = [this](const char* name, const char* text, bool blue) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        texts_.add([l, text] { l->setText(tr(text)); });
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
    codeBox = combo("cbb1", boxTexts(codeChoices()));
    QPalette codePalette = codeBox->palette();
    codePalette.setColor(QPalette::Button, inputBackground);
    codePalette.setColor(QPalette::Base, inputBackground);
    codeBox->setPalette(codePalette);
    intensityBox = combo("cbb2", boxTexts(intensityChoices()));
    actionBox = combo("cbb3", boxTexts(actionChoices()));
    siteBox = combo("cbb4", boxTexts(siteChoices()));
    groupBox = combo("cbb5", boxTexts(groupChoices()));
    alphaMaxEdit = edit("edt1", QString());
    tgEdit = edit("edt2", QString());
    // Written in the user's own number form, so that it reads back as typed.
    dampingEdit = edit("edt5", formatGeneral(startup::dampingRatio));

    const std::tuple<const char*, const char*, bool, QWidget*> rows[] = {
        {"lbl8", QT_TR_NOOP("Response Name"), true, nameEdit},
        {"lbl7", QT_TR_NOOP("Design Code"), true, codeBox},
        {"lbl1", QT_TR_NOOP("Seismic Intensity"), false, intensityBox},
        {"lbl2", QT_TR_NOOP("Seismic Action"), false, actionBox},
        {"lbl3", QT_TR_NOOP("Site-Class"), false, siteBox},
        {"lbl4", QT_TR_NOOP("Earthquake Group "), false, groupBox},
        {"lbl5", QT_TR_NOOP("Max Influence Coefficient, AlphaMax "), true, alphaMaxEdit},
        {"lbl6", QT_TR_NOOP("Characteristic Ground Period, Tg (s)"), true, tgEdit},
        {"lbl9", QT_TR_NOOP("Damping Ratio, ζ "), true, dampingEdit},
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

    rareTgCheck = new QCheckBox(this);
    rareTgCheck->setObjectName("rareTgCheck");
    verticalCheck = new QCheckBox(this);
    verticalCheck->setObjectName("verticalCheck");
    texts_.add([this] {
        rareTgCheck->setText(tr("Rare earthquake: Tg + 0.05 s"));
        verticalCheck->setText(tr("Vertical: 65 % AlphaMax, 1st-group Tg"));
    });
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
    // The selections' items keep their places: only their texts change.
    texts_.add([this] {
        const std::pair<QComboBox*, const SelectionChoices*> boxes[] = {
            {codeBox, &codeChoices()},  {intensityBox, &intensityChoices()}, {actionBox, &actionChoices()},
            {siteBox, &siteChoices()}, {groupBox, &groupChoices()},
        };
        for (const auto& [box, choices] : boxes) {
            const QStringList texts = boxTexts(*choices);
            for (int i = 0; i < texts.size(); ++i)
                box->setItemText(i, texts[i]);
        }
        showNotes();
    });
}

void InputPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        texts_.apply();
    QWidget::changeEvent(event);
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

    const CodeParameters p = codeParameters(selection(), ruleOptions());
    alphaMax_ = p.alphaMax;
    alphaMaxEdit->setText(formatGeneral(alphaMax_));
    tg_ = p.tg;
    tgEdit->setText(formatGeneral(tg_));
    showNotes();
}

void InputPanel::showNotes()
{
    rareTgCheck->setToolTip(rareTgAvailable(codeType_) ? QString()
                                                       : tr("GB/T 51408-2021 sets its own characteristic "
                                                            "periods for rare earthquakes."));
    tgEdit->setToolTip(tgNote(codeParameters(selection(), ruleOptions())));
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

bool InputPanel::readNumber(QLineEdit* field, NumberInput which, double& value)
{
    const InputRead<double> read = ::readNumber(field->text(), which);
    if (!read.accepted())
        return refuse(field, read.refusal);
    value = read.value;
    return true;
}

bool InputPanel::readAlphaMaxAndDamping(double& alphaMax, double& dampingRatio)
{
    if (!readNumber(alphaMaxEdit, NumberInput::AlphaMax, alphaMax_)
        || !readNumber(dampingEdit, NumberInput::DampingRatio, dampingRatio_))
        return false;
    alphaMax = alphaMax_;
    dampingRatio = dampingRatio_;
    return true;
}

std::optional<SpectrumInputs> InputPanel::readInputs()
{
    const InputRead<std::string> name = readName(nameEdit->text());
    if (!name.accepted()) {
        refuse(nameEdit, name.refusal);
        return std::nullopt;
    }
    responseName_ = name.value;
    if (!readNumber(alphaMaxEdit, NumberInput::AlphaMax, alphaMax_)
        || !readNumber(tgEdit, NumberInput::Tg, tg_)
        || !readNumber(dampingEdit, NumberInput::DampingRatio, dampingRatio_))
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
