#include "worksheet_app/worksheet_window.hpp"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

#include "drawing/sheet_writer.hpp"
#include "platform/engine_fault.hpp"
#include "platform/ui.hpp"
#include "worksheet_app/chooser_panel.hpp"
#include "worksheet_app/sheet_view.hpp"
#include "worksheet_app/solid_view.hpp"
#include "worksheet_app/worksheet_texts.hpp"

namespace orrin {

using namespace quarn;

namespace {

QByteArray Bytes(const std::string& bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool IsModelPath(const QString& path) {
    return path.endsWith(QStringLiteral(".qrn"), Qt::CaseInsensitive) ||
           path.endsWith(QStringLiteral(".3ds"), Qt::CaseInsensitive);
}

}  // namespace

WorksheetWindow::WorksheetWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(tr("Orrin Worksheets"));
    worksheet_.SetEnglishCaptions(!WorksheetSpeaksChinese());
    setAcceptDrops(true);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    chooser_ = new ChooserPanel(worksheet_, left);
    leftLayout->addWidget(chooser_);
    leftLayout->addWidget(new QLabel(tr("Measures"), left));
    measures_ = new QPlainTextEdit(left);
    measures_->setObjectName(QStringLiteral("measures"));
    measures_->setReadOnly(true);
    leftLayout->addWidget(measures_, 1);

    auto* middle = new QWidget(this);
    auto* middleLayout = new QVBoxLayout(middle);
    view_ = new SolidView(worksheet_, middle);
    middleLayout->addWidget(view_, 1);
    hover_ = new QLabel(middle);
    hover_->setObjectName(QStringLiteral("hover"));
    hover_->setWordWrap(true);
    middleLayout->addWidget(hover_);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(left);
    splitter->addWidget(middle);
    splitter->addWidget(CreateSheetArea());
    splitter->setStretchFactor(1, 1);
    splitter->setStretchFactor(2, 1);
    setCentralWidget(splitter);
    CreateActions();

    connect(chooser_, &ChooserPanel::SolidChanged, this, &WorksheetWindow::Refresh);
    connect(chooser_, &ChooserPanel::OpenRequested, this, &WorksheetWindow::AskOpen);
    connect(view_, &SolidView::HoverChanged, this, [this](const QString& text) { hover_->setText(text); });
    connect(view_, &SolidView::ViewChanged, this, [this] { view_->Refresh(); });
    // A click may have set a section point, or says in the status line why it did not.
    connect(view_, &SolidView::Clicked, this, &WorksheetWindow::Refresh);
    // Wide enough for the three parts side by side, within the screen.
    const QSize room = screen() != nullptr ? screen()->availableSize() : QSize(1280, 800);
    resize(qMin(1200, room.width() - 40), qMin(680, room.height() - 60));
    Refresh();
}

WorksheetWindow::~WorksheetWindow() = default;

QWidget* WorksheetWindow::CreateSheetArea() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    tabs_ = new QTabBar(area);
    tabs_->setObjectName(QStringLiteral("sheetTabs"));
    for (const QString& name : {tr("Oblique drawing"), tr("Three views"), tr("Net"), tr("Section")}) tabs_->addTab(name);
    layout->addWidget(tabs_);

    auto* common = new QHBoxLayout;
    letters_ = new QCheckBox(tr("Letters"), area);
    letters_->setChecked(worksheet_.Document().Letters);
    hidden_ = new QComboBox(area);
    hidden_->addItems({tr("Hidden edges dashed"), tr("Hidden edges left out"), tr("Hidden edges drawn solid")});
    auxiliary_ = new QCheckBox(tr("Auxiliary lines"), area);
    auxiliary_->setChecked(worksheet_.Document().Auxiliary);
    common->addWidget(letters_);
    common->addWidget(auxiliary_);
    common->addWidget(hidden_);
    common->addStretch(1);
    layout->addLayout(common);

    options_ = new QStackedWidget(area);
    options_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    options_->addWidget(new QWidget(options_));  // the oblique drawing: the common options only
    options_->addWidget(new QWidget(options_));  // the three views
    auto* net = new QWidget(options_);
    auto* netLayout = new QHBoxLayout(net);
    auto* foldLabel = new QLabel(tr("Fol&d"), net);
    netLayout->addWidget(foldLabel);
    fold_ = new QSlider(Qt::Horizontal, net);
    foldLabel->setBuddy(fold_);
    fold_->setObjectName(QStringLiteral("fold"));
    fold_->setRange(0, 100);
    netLayout->addWidget(fold_, 1);
    netTabs_ = new QCheckBox(tr("Glue tabs"), net);
    netTabs_->setChecked(worksheet_.Document().NetTabs);
    netLayout->addWidget(netTabs_);
    options_->addWidget(net);
    auto* section = new QWidget(options_);
    // The three points on one row, the two sliders on the next, each wide enough to be moved.
    auto* sectionLayout = new QGridLayout(section);
    sectionLayout->setContentsMargins(0, 0, 0, 0);
    sectionLayout->addWidget(new QLabel(tr("Through"), section), 0, 0);
    auto* pointRow = new QHBoxLayout;
    for (QComboBox*& point : points_) {
        point = new QComboBox(section);
        pointRow->addWidget(point);
    }
    pointRow->addStretch(1);
    sectionLayout->addLayout(pointRow, 0, 1, 1, 3);
    sectionLayout->addWidget(new QLabel(tr("Offset"), section), 1, 0);
    offset_ = new QSlider(Qt::Horizontal, section);
    offset_->setRange(-100, 100);
    sectionLayout->addWidget(offset_, 1, 1);
    sectionLayout->addWidget(new QLabel(tr("Tilt"), section), 1, 2);
    tilt_ = new QSlider(Qt::Horizontal, section);
    tilt_->setRange(-60, 60);
    sectionLayout->addWidget(tilt_, 1, 3);
    sectionLayout->setColumnStretch(1, 1);
    sectionLayout->setColumnStretch(3, 1);
    options_->addWidget(section);
    // Only the page shown asks for height, so that the section's second row does not push the other
    // tabs' sheets down.
    const auto fitOptions = [this](int shown) {
        for (int k = 0; k < options_->count(); ++k)
            options_->widget(k)->setSizePolicy(QSizePolicy::Preferred,
                                               k == shown ? QSizePolicy::Preferred : QSizePolicy::Ignored);
        options_->updateGeometry();
    };
    fitOptions(options_->currentIndex());
    connect(options_, &QStackedWidget::currentChanged, this, fitOptions);
    layout->addWidget(options_);

    note_ = new QLabel(area);
    note_->setObjectName(QStringLiteral("sheetNote"));
    note_->setWordWrap(true);  // a long reason wraps instead of widening the window
    layout->addWidget(note_);
    sheetView_ = new SheetView(area);
    layout->addWidget(sheetView_, 1);

    connect(tabs_, &QTabBar::currentChanged, this, [this](int tab) {
        worksheet_.SetTab(static_cast<SheetTab>(tab));
        Refresh();
    });
    connect(letters_, &QCheckBox::toggled, this, [this](bool on) {
        worksheet_.SetLetters(on);
        Refresh();
    });
    connect(auxiliary_, &QCheckBox::toggled, this, [this](bool on) {
        worksheet_.SetAuxiliary(on);
        Refresh();
    });
    connect(hidden_, &QComboBox::currentIndexChanged, this, [this](int item) {
        worksheet_.SetHiddenEdges(static_cast<HiddenEdges>(item));
        Refresh();
    });
    connect(fold_, &QSlider::valueChanged, this, [this](int v) {
        worksheet_.SetFold(v / 100.0);
        Refresh();
    });
    connect(netTabs_, &QCheckBox::toggled, this, [this](bool on) {
        worksheet_.SetNetTabs(on);
        Refresh();
    });
    for (QComboBox* point : points_) {
        connect(point, &QComboBox::activated, this, [this] {
            worksheet_.SetSectionPoints({points_[0]->currentData().toString().toStdString(),
                                         points_[1]->currentData().toString().toStdString(),
                                         points_[2]->currentData().toString().toStdString()});
            Refresh();
        });
    }
    for (QSlider* slider : {offset_, tilt_}) {
        connect(slider, &QSlider::valueChanged, this, [this] {
            worksheet_.SetSectionSliders(offset_->value() / 100.0, tilt_->value());
            Refresh();
        });
    }
    return area;
}

void WorksheetWindow::CreateActions() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* open = file->addAction(tr("&Open model…"), this, &WorksheetWindow::AskOpen);
    open->setShortcut(QKeySequence::Open);
    QAction* exportSheet = file->addAction(tr("&Export sheet…"), this, &WorksheetWindow::AskExport);
    exportSheet->setShortcut(QKeySequence::Save);
    QAction* print = file->addAction(tr("&Print sheet…"), this, &WorksheetWindow::AskPrint);
    print->setShortcut(QKeySequence::Print);
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
    // Ctrl+1 .. Ctrl+4 bring a sheet to the top.
    for (int tab = 0; tab < tabs_->count(); ++tab) {
        auto* show = new QAction(this);
        show->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + tab)));
        connect(show, &QAction::triggered, this, [this, tab] { tabs_->setCurrentIndex(tab); });
        addAction(show);
    }
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* copy = edit->addAction(tr("&Copy sheet"), this, &WorksheetWindow::CopySheet);
    copy->setShortcut(QKeySequence::Copy);
}

void WorksheetWindow::FillSectionPoints() {
    const std::vector<PointChoice> choices = SectionPointChoices(worksheet_.Facts());
    const auto& chosen = worksheet_.Document().Section.Points;
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker block(points_[i]);
        points_[i]->clear();
        for (const PointChoice& choice : choices)
            points_[i]->addItem(QString::fromStdString(choice.Caption), QString::fromStdString(choice.Text));
        points_[i]->setCurrentIndex(std::max(0, points_[i]->findData(QString::fromStdString(chosen[i]))));
    }
}

void WorksheetWindow::Refresh() {
    const WorksheetDocument& doc = worksheet_.Document();
    options_->setCurrentIndex(static_cast<int>(doc.Tab));
    {
        const QSignalBlocker a(tabs_), b(fold_);
        tabs_->setCurrentIndex(static_cast<int>(doc.Tab));
        fold_->setValue(static_cast<int>(doc.Fold * 100 + 0.5));
    }
    try {
        // A command that left the sheet as it was (the fold slider, a choice set to what it was)
        // leaves its picture as it is too.
        const quarn::Sheet& sheet = worksheet_.CurrentSheet();
        if (worksheet_.SheetRevision() != shownSheet_) {
            sheetView_->ShowSheet(sheet);
            shownSheet_ = worksheet_.SheetRevision();
        }
    } catch (const EngineFault& fault) {
        CurrentUi().ShowMessage(fault.what(), tr("Orrin Worksheets").toStdString(), MessageIcon::Error);
    }
    // Under the tabs: why the sheet is empty, or the section's name and area.
    std::string note = worksheet_.SheetNote(doc.Tab);
    if (note.empty() && doc.Tab == SheetTab::Section) note = worksheet_.SectionText();
    note_->setText(QString::fromStdString(note));
    note_->setVisible(!note.empty());
    for (QWidget* w : {static_cast<QWidget*>(fold_), static_cast<QWidget*>(netTabs_)}) w->setEnabled(worksheet_.SheetNote(SheetTab::Net).empty());
    for (QWidget* w : {static_cast<QWidget*>(points_[0]), static_cast<QWidget*>(points_[1]), static_cast<QWidget*>(points_[2]),
                       static_cast<QWidget*>(offset_), static_cast<QWidget*>(tilt_)})
        w->setEnabled(worksheet_.SheetNote(SheetTab::Section).empty());
    if (doc.Tab == SheetTab::Section) FillSectionPoints();
    QStringList lines;
    for (const std::string& line : worksheet_.MeasureLines()) lines << QString::fromStdString(line);
    if (measures_->toPlainText() != lines.join('\n')) measures_->setPlainText(lines.join('\n'));
    statusBar()->showMessage(QString::fromStdString(worksheet_.Status()));
    view_->Refresh();
}

bool WorksheetWindow::OpenModelFile(const QString& path) {
    const bool opened = worksheet_.OpenModel(QFile::encodeName(path).toStdString());
    if (!opened) CurrentUi().ShowMessage(worksheet_.Status(), tr("Open model").toStdString(), MessageIcon::Warning);
    chooser_->Sync();
    Refresh();
    return opened;
}

bool WorksheetWindow::ExportTo(const QString& path, int dpi) {
    const bool written = worksheet_.Export(QFile::encodeName(path).toStdString(), dpi);
    if (!written) CurrentUi().ShowMessage(worksheet_.Status(), tr("Export sheet").toStdString(), MessageIcon::Warning);
    statusBar()->showMessage(QString::fromStdString(worksheet_.Status()));
    return written;
}

void WorksheetWindow::CopySheet() {
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("image/svg+xml"), Bytes(worksheet_.SheetBytesOf(SheetFormat::Svg)));
    const QByteArray png = Bytes(worksheet_.SheetBytesOf(SheetFormat::Png, 150));
    mime->setData(QStringLiteral("image/png"), png);
    mime->setImageData(QImage::fromData(png, "PNG"));
    QGuiApplication::clipboard()->setMimeData(mime);
    statusBar()->showMessage(tr("The sheet is on the clipboard (SVG and PNG)."));
}

void WorksheetWindow::PrintSheet(QPrinter& printer) {
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    const double pixelsPerPoint = printer.resolution() / 72.0;
    std::vector<std::uint32_t> pixels = RenderSheetPixels(worksheet_.CurrentSheet(), page.width(), page.height(), pixelsPerPoint);
    const QImage image(reinterpret_cast<const uchar*>(pixels.data()), page.width(), page.height(), page.width() * 4,
                       QImage::Format_ARGB32);
    painter.drawImage(QPoint(0, 0), image);
}

void WorksheetWindow::AskOpen() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open model"), QString(),
                                                      tr("Models (*.qrn *.3ds *.QRN *.3DS)"));
    if (!path.isEmpty()) OpenModelFile(path);
}

void WorksheetWindow::AskExport() {
    QString filter;
    QString path = QFileDialog::getSaveFileName(this, tr("Export sheet"), QString(),
                                                tr("SVG (*.svg);;PDF (*.pdf);;PNG (*.png);;TikZ (*.tex)"), &filter);
    if (path.isEmpty()) return;
    if (!SheetFormatOf(QFile::encodeName(path).toStdString())) {
        const qsizetype star = filter.indexOf(QStringLiteral("*."));
        if (star >= 0) path += filter.mid(star + 1, 4);
    }
    int dpi = 300;
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        bool ok = false;
        dpi = QInputDialog::getInt(this, tr("PNG resolution"), tr("Dots per inch:"), 300, 36, 1200, 1, &ok);
        if (!ok) return;
    }
    ExportTo(path, dpi);
}

void WorksheetWindow::AskPrint() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(300);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) PrintSheet(printer);
}

void WorksheetWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls[0].isLocalFile() && IsModelPath(urls[0].toLocalFile())) event->acceptProposedAction();
}

void WorksheetWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls[0].isLocalFile()) {
        event->acceptProposedAction();
        OpenModelFile(urls[0].toLocalFile());
    }
}

}  // namespace orrin
