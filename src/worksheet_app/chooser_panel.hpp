#pragma once
// The solid chooser: the families with their parameters as spin boxes beside sliders, the solid
// menu's solids as presets, and a button that opens a model file. It sends commands to the worksheet
// and tells the window that the solid changed.

#include <QWidget>
#include <vector>

#include "worksheet/worksheet.hpp"

class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QSlider;

namespace orrin {

class ChooserPanel : public QWidget {
    Q_OBJECT
  public:
    ChooserPanel(Worksheet& worksheet, QWidget* parent = nullptr);
    // Shows the document's family and values (after a command from elsewhere).
    void Sync();
    QComboBox* Families() const { return families_; }
    QComboBox* Presets() const { return presets_; }
    // The spin box of a parameter of the family shown, by key; nullptr when it has none.
    QDoubleSpinBox* ParameterBox(const QString& key) const;

  signals:
    void SolidChanged();
    void OpenRequested();

  private:
    void BuildParameterRows();
    void ParameterEdited(const QString& key, double value);

    Worksheet& worksheet_;
    QComboBox* families_;
    QComboBox* presets_;
    QFormLayout* parameters_;
    struct Row {
        QString Key;
        QDoubleSpinBox* Box;
        QSlider* Slider;
        double Scale;  // slider steps per unit
    };
    std::vector<Row> rows_;
    int shownFamily_ = -2;  // whose rows are shown; -1 none
    bool syncing_ = false;
};

}  // namespace orrin
