#include "ui/StructurePanel.h"

#include "common/UserDialogs.h"
#include "export/ModeContributions.h"
#include "text/NumberText.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QLabel* buddyLabel(QWidget* parent, QWidget* buddy)
{
    auto* label = new QLabel(parent);
    label->setBuddy(buddy);
    label->setWordWrap(true);
    return label;
}

QPushButton* button(QWidget* parent, const char* name)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    // Enter in an input box must not press a button.
    b->setAutoDefault(false);
    return b;
}

} // namespace

StructurePanel::StructurePanel(QWidget* parent) : QGroupBox(parent)
{
    setObjectName("grpStructure");
    auto* column = new QVBoxLayout(this);

    modes_ = new QTableWidget(0, 2, this);
    modes_->setObjectName("tblModes");
    modes_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    QLabel* modesLabel = buddyLabel(this, modes_);
    connect(modes_, &QTableWidget::itemChanged, this, [this] { emit changed(); });

    QPushButton* add = button(this, "btnAddMode");
    QPushButton* remove = button(this, "btnRemoveMode");
    QPushButton* paste = button(this, "btnPasteModes");
    connect(add, &QPushButton::clicked, this, [this] { addRow(); });
    connect(remove, &QPushButton::clicked, this, [this] { removeRow(); });
    connect(paste, &QPushButton::clicked, this, [this] { pasteModes(); });
    auto* rowButtons = new QHBoxLayout();
    rowButtons->addWidget(add);
    rowButtons->addWidget(remove);
    rowButtons->addWidget(paste);

    weight_ = new QLineEdit(this);
    weight_->setObjectName("edtWeight");
    QLabel* weightLabel = buddyLabel(this, weight_);
    connect(weight_, &QLineEdit::textChanged, this, [this] { emit changed(); });

    combination_ = new QComboBox(this);
    combination_->setObjectName("cmbCombination");
    combination_->addItems({QString(), QString()});
    QLabel* combinationLabel = buddyLabel(this, combination_);
    connect(combination_, &QComboBox::currentIndexChanged, this, [this] { emit changed(); });

    inelastic_ = new QCheckBox(this);
    inelastic_->setObjectName("chkInelastic");
    connect(inelastic_, &QCheckBox::toggled, this, [this] { emit changed(); });

    contributions_ = button(this, "btnModeContributions");
    connect(contributions_, &QPushButton::clicked, this, [this] { emit contributionsAsked(); });

    texts_.add([=, this] {
        setTitle(tr("Structure"));
        modesLabel->setText(tr("M&odes (optional; the base shears are then computed):"));
        modes_->setHorizontalHeaderLabels(modeColumnHeaders());
        modes_->setToolTip(tr("Each mode's period and its effective mass ratio in the direction checked, as the "
                              "analysis program's modal table lists them."));
        add->setText(tr("&Add Row"));
        remove->setText(tr("R&emove Row"));
        paste->setText(tr("Pa&ste"));
        paste->setToolTip(tr("Two columns from the clipboard, period and mass ratio, as copied from an analysis "
                             "program's modal table; a header line is skipped."));
        weightLabel->setText(tr("&G, representative value of gravity load (kN):"));
        combinationLabel->setText(tr("Combi&nation of the modes:"));
        combination_->setItemText(0, tr("CQC"));
        combination_->setItemText(1, tr("SRSS (no torsional coupling)"));
        inelastic_->setText(tr("&Inelastic analysis: upper limits off"));
        inelastic_->setToolTip(tr("The records are for an inelastic analysis: the base shears are held to their "
                                  "lower limits only (65 %, 80 %)."));
        contributions_->setText(tr("Mode Contrib&utions..."));
    });

    column->addWidget(modesLabel);
    column->addWidget(modes_, 1);
    column->addLayout(rowButtons);
    column->addWidget(weightLabel);
    column->addWidget(weight_);
    column->addWidget(combinationLabel);
    column->addWidget(combination_);
    column->addWidget(inelastic_);
    column->addWidget(contributions_);
}

StructureTyped StructurePanel::typed() const
{
    StructureTyped typed;
    for (int r = 0; r < modes_->rowCount(); ++r) {
        const QTableWidgetItem* period = modes_->item(r, 0);
        const QTableWidgetItem* ratio = modes_->item(r, 1);
        typed.modes.emplace_back(period ? period->text() : QString(), ratio ? ratio->text() : QString());
    }
    typed.weight = weight_->text();
    typed.combination = combination_->currentIndex() == 1 ? ModeCombination::Srss : ModeCombination::Cqc;
    typed.inelastic = inelastic_->isChecked();
    return typed;
}

void StructurePanel::setTyped(const StructureTyped& typed)
{
    {
        const QSignalBlocker quietWeight(weight_);
        const QSignalBlocker quietCombination(combination_);
        const QSignalBlocker quietInelastic(inelastic_);
        weight_->setText(typed.weight);
        combination_->setCurrentIndex(typed.combination == ModeCombination::Srss ? 1 : 0);
        inelastic_->setChecked(typed.inelastic);
    }
    setModeRows(typed.modes);
}

void StructurePanel::setModeRows(const std::vector<std::pair<QString, QString>>& rows)
{
    {
        const QSignalBlocker quiet(modes_);
        modes_->setRowCount(static_cast<int>(rows.size()));
        for (int r = 0; r < modes_->rowCount(); ++r) {
            const auto& [period, ratio] = rows[static_cast<std::size_t>(r)];
            modes_->setItem(r, 0, new QTableWidgetItem(period));
            modes_->setItem(r, 1, new QTableWidgetItem(ratio));
        }
    }
    emit changed();
}

StructureReading StructurePanel::reading() const
{
    const StructureTyped typed = this->typed();
    return readStructureCells(typed.modes, typed.weight, typed.combination);
}

bool StructurePanel::shearUpperLimits() const
{
    return !inelastic_->isChecked();
}

void StructurePanel::addRow()
{
    const int row = modes_->currentRow() >= 0 ? modes_->currentRow() + 1 : modes_->rowCount();
    {
        const QSignalBlocker quiet(modes_);
        modes_->insertRow(row);
    }
    modes_->setCurrentCell(row, 0);
    emit changed();
}

void StructurePanel::removeRow()
{
    const int row = modes_->currentRow() >= 0 ? modes_->currentRow() : modes_->rowCount() - 1;
    if (row < 0)
        return;
    {
        const QSignalBlocker quiet(modes_);
        modes_->removeRow(row);
    }
    emit changed();
}

void StructurePanel::pasteModes()
{
    const QString text = QGuiApplication::clipboard()->text();
    const ModeTableReading read = readModeTable(text, QLocale());
    if (!read.accepted()) {
        userDialogs().warning(read.refusal);
        return;
    }
    if (read.modes.empty()) {
        userDialogs().warning(tr("The clipboard holds no modes: copy two columns, the period and the mass ratio."));
        return;
    }
    std::vector<std::pair<QString, QString>> rows;
    for (const StructureMode& mode : read.modes)
        rows.emplace_back(formatGeneral(mode.period), formatGeneral(mode.massRatio));
    setModeRows(rows);
}

void StructurePanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        texts_.apply();
    QGroupBox::changeEvent(event);
}
