#include "worksheet_app/chooser_panel.hpp"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "worksheet_app/worksheet_texts.hpp"

namespace orrin {

using namespace quarn;

namespace {

// Sizes a lesson uses lie well below the largest allowed; the slider covers them, the box the rest.
constexpr double kSliderLargestSize = 200;

}  // namespace

ChooserPanel::ChooserPanel(Worksheet& worksheet, QWidget* parent) : QWidget(parent), worksheet_(worksheet) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    families_ = new QComboBox(this);
    families_->setObjectName(QStringLiteral("families"));
    for (const SchoolFamilyInfo& family : SchoolFamilies())
        families_->addItem(Pick(family.Caption, family.EnglishCaption), static_cast<int>(family.Family));
    form->addRow(tr("&Solid"), families_);
    layout->addLayout(form);
    parameters_ = new QFormLayout;
    layout->addLayout(parameters_);

    auto* presetForm = new QFormLayout;
    presets_ = new QComboBox(this);
    presets_->setObjectName(QStringLiteral("presets"));
    presets_->addItem(tr("(choose)"), -1);
    for (const SolidPreset& preset : SolidPresets())
        presets_->addItem(Pick(preset.Caption, preset.EnglishName), preset.MenuIndex);
    presetForm->addRow(tr("&Preset"), presets_);
    layout->addLayout(presetForm);
    auto* open = new QPushButton(tr("Open model…"), this);
    open->setObjectName(QStringLiteral("openModel"));
    layout->addWidget(open);

    connect(families_, &QComboBox::activated, this, [this](int item) {
        worksheet_.ChooseFamily(static_cast<SchoolFamily>(families_->itemData(item).toInt()));
        Sync();
        emit SolidChanged();
    });
    connect(presets_, &QComboBox::activated, this, [this](int item) {
        const int index = presets_->itemData(item).toInt();
        if (index < 0) return;
        worksheet_.ChoosePreset(index);
        Sync();
        emit SolidChanged();
    });
    connect(open, &QPushButton::clicked, this, &ChooserPanel::OpenRequested);
    Sync();
}

QDoubleSpinBox* ChooserPanel::ParameterBox(const QString& key) const {
    for (const Row& row : rows_)
        if (row.Key == key) return row.Box;
    return nullptr;
}

void ChooserPanel::BuildParameterRows() {
    while (parameters_->rowCount() > 0) parameters_->removeRow(0);
    rows_.clear();
    const WorksheetDocument& doc = worksheet_.Document();
    if (doc.Source.Kind != SourceKind::Family) return;
    for (const FamilyParameter& p : FamilyInfoOf(doc.Source.Family.Family).Parameters) {
        auto* box = new QDoubleSpinBox(this);
        const QString key = QString::fromUtf8(p.Key.data(), static_cast<qsizetype>(p.Key.size()));
        box->setObjectName(QStringLiteral("parameter_") + key);
        box->setDecimals(p.Whole ? 0 : 1);
        box->setRange(p.Whole ? p.Min : 0.1, p.Max);
        box->setSingleStep(1);
        auto* slider = new QSlider(Qt::Horizontal, this);
        const double scale = p.Whole ? 1 : 2;
        slider->setRange(static_cast<int>(std::ceil((p.Whole ? p.Min : 0.5) * scale)),
                         static_cast<int>(std::min(p.Max, p.Whole ? p.Max : kSliderLargestSize) * scale));
        auto* row = new QWidget(this);
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        line->addWidget(box);
        line->addWidget(slider, 1);
        parameters_->addRow(Pick(p.Caption, p.Meaning) + QStringLiteral(" ") + key, row);
        rows_.push_back({key, box, slider, scale});
        connect(box, &QDoubleSpinBox::valueChanged, this, [this, key](double v) { ParameterEdited(key, v); });
        connect(slider, &QSlider::valueChanged, this, [this, key, scale](int v) { ParameterEdited(key, v / scale); });
    }
    // Tab goes from the family through each box and its slider to the presets.
    QWidget* previous = families_;
    for (const Row& row : rows_) {
        setTabOrder(previous, row.Box);
        setTabOrder(row.Box, row.Slider);
        previous = row.Slider;
    }
    setTabOrder(previous, presets_);
}

void ChooserPanel::ParameterEdited(const QString& key, double value) {
    if (syncing_) return;
    worksheet_.SetParameter(key.toStdString(), value);
    Sync();
    emit SolidChanged();
}

void ChooserPanel::Sync() {
    syncing_ = true;
    const WorksheetDocument& doc = worksheet_.Document();
    const bool family = doc.Source.Kind == SourceKind::Family;
    const int familyShown = family ? static_cast<int>(doc.Source.Family.Family) : -1;
    if (family) families_->setCurrentIndex(families_->findData(familyShown));
    if (familyShown != shownFamily_) {
        shownFamily_ = familyShown;
        BuildParameterRows();
    }
    if (family) {
        for (const FamilyParameter& p : FamilyInfoOf(doc.Source.Family.Family).Parameters) {
            const QString key = QString::fromUtf8(p.Key.data(), static_cast<qsizetype>(p.Key.size()));
            for (Row& row : rows_) {
                if (row.Key != key) continue;
                const double value = doc.Source.Family.*p.Field;
                const QSignalBlocker a(row.Box), b(row.Slider);
                row.Box->setValue(value);
                row.Slider->setValue(static_cast<int>(std::lround(value * row.Scale)));
            }
        }
    }
    if (doc.Source.Kind == SourceKind::Preset) {
        presets_->setCurrentIndex(std::max(0, presets_->findData(doc.Source.MenuIndex)));
    } else {
        presets_->setCurrentIndex(0);
    }
    syncing_ = false;
}

}  // namespace orrin
