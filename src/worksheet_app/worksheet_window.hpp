#pragma once
// The worksheet's main window: the solid chooser and the measures on the left, the live 3D view in
// the middle, the sheet tabs (直观图, 三视图, 展开图, 截面) with their options on the right; Export,
// Print and Copy of the current sheet; a status line. Every action is a command of the worksheet.

#include <QMainWindow>
#include <memory>

#include "worksheet/worksheet.hpp"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPrinter;
class QSlider;
class QStackedWidget;
class QTabBar;

namespace orrin {

class ChooserPanel;
class SheetView;
class SolidView;

class WorksheetWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit WorksheetWindow(QWidget* parent = nullptr);
    ~WorksheetWindow() override;

    Worksheet& Sheet() { return worksheet_; }
    ChooserPanel* Chooser() const { return chooser_; }
    QTabBar* Tabs() const { return tabs_; }
    QSlider* FoldSlider() const { return fold_; }
    QComboBox* SectionPoint(int i) const { return points_[i]; }
    QPlainTextEdit* MeasuresBox() const { return measures_; }
    SheetView* SheetArea() const { return sheetView_; }
    SolidView* View() const { return view_; }

    // Opens a model file as the Open command and a drop do; a refusal is said in a message.
    bool OpenModelFile(const QString& path);
    // Writes the current sheet; the format from the extension, dpi for a PNG.
    bool ExportTo(const QString& path, int dpi);
    // The current sheet on the clipboard as SVG and PNG.
    void CopySheet();
    // The current sheet through the printer, at true scale when the sheet has a scale.
    void PrintSheet(QPrinter& printer);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void CreateActions();
    QWidget* CreateSheetArea();
    // Brings every part up to the document after a command.
    void Refresh();
    void FillSectionPoints();
    void AskOpen();
    void AskExport();
    void AskPrint();

    Worksheet worksheet_;
    ChooserPanel* chooser_ = nullptr;
    SolidView* view_ = nullptr;
    QLabel* hover_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QStackedWidget* options_ = nullptr;
    QCheckBox* letters_ = nullptr;
    QCheckBox* auxiliary_ = nullptr;
    QComboBox* hidden_ = nullptr;
    QSlider* fold_ = nullptr;
    QCheckBox* netTabs_ = nullptr;
    QComboBox* points_[3] = {};
    QSlider* offset_ = nullptr;
    QSlider* tilt_ = nullptr;
    QLabel* note_ = nullptr;
    SheetView* sheetView_ = nullptr;
    int shownSheet_ = -1;  // the worksheet's sheet revision the sheet area shows
    QPlainTextEdit* measures_ = nullptr;
};

}  // namespace orrin
