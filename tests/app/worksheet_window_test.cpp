// The worksheet window on the offscreen platform, driven through its widgets.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QDoubleSpinBox>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "support/recording_ui.hpp"
#include "support/worksheet_points.hpp"
#include "worksheet_app/chooser_panel.hpp"
#include "worksheet_app/sheet_view.hpp"
#include "worksheet_app/solid_view.hpp"
#include "worksheet_app/worksheet_window.hpp"

namespace orrin {

class WorksheetWindowTest : public QObject {
    Q_OBJECT

  private:
    // Pixels of the widget's picture that are not white.
    static int Inked(QWidget* widget) {
        const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += qGray(image.pixel(x, y)) < 200;
        return n;
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString Said() const {
        QStringList texts;
        for (const std::string& text : ui_->MessageTexts()) texts << QString::fromStdString(text);
        return texts.join(QStringLiteral(" | "));
    }

    std::unique_ptr<quarn::RecordingUi> ui_;
    std::unique_ptr<WorksheetWindow> window_;

  private slots:
    void init() {
        ui_ = std::make_unique<quarn::RecordingUi>();
        window_ = std::make_unique<WorksheetWindow>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() {
        window_.reset();
        ui_.reset();
    }

    // A parameter changed in its spin box: the measures, the solid and the sheet follow.
    void parameterChangesMeasuresAndSheet() {
        QDoubleSpinBox* height = window_->Chooser()->ParameterBox(QStringLiteral("c"));
        QVERIFY(height != nullptr);
        const QImage before = window_->SheetArea()->grab().toImage();
        height->setValue(80);
        QApplication::processEvents();
        QVERIFY(window_->MeasuresBox()->toPlainText().contains(QStringLiteral("60·40·80")));
        QCOMPARE(window_->Sheet().Document().Source.Family.Height, 80.0);
        QVERIFY(window_->SheetArea()->grab().toImage() != before);
        height->setValue(0);  // below the range of the box: held at its least value, never refused silently
        QVERIFY(window_->Sheet().Document().Source.Family.Height > 0);
    }

    // Each tab draws a sheet; the fold slider reaches both ends.
    void eachTabDrawsAndFoldSliderReachesBothEnds() {
        for (int tab = 0; tab < window_->Tabs()->count(); ++tab) {
            window_->Tabs()->setCurrentIndex(tab);
            QApplication::processEvents();
            QCOMPARE(static_cast<int>(window_->Sheet().Document().Tab), tab);
            QVERIFY2(Inked(window_->SheetArea()) > 30, qPrintable(QStringLiteral("tab %1").arg(tab)));
        }
        window_->Tabs()->setCurrentIndex(static_cast<int>(SheetTab::Net));
        for (const int end : {100, 0}) {
            window_->FoldSlider()->setValue(end);
            QCOMPARE(window_->Sheet().Document().Fold, end / 100.0);
        }
    }

    // A section through three letters of a cube names its shape.
    void sectionThroughThreeLetters() {
        window_->Chooser()->Presets()->setCurrentIndex(1);  // the cube
        emit window_->Chooser()->Presets()->activated(1);
        window_->Tabs()->setCurrentIndex(static_cast<int>(SheetTab::Section));
        const char* through[] = {"A1", "B", "D"};
        for (int i = 0; i < 3; ++i) {
            QComboBox* point = window_->SectionPoint(i);
            const int item = point->findData(QString::fromLatin1(through[i]));
            QVERIFY(item >= 0);
            point->setCurrentIndex(item);
            emit point->activated(item);
        }
        QCOMPARE(QString::fromStdString(window_->Sheet().SectionShapeName()), QString::fromUtf8("正三角形"));
        QVERIFY(window_->findChild<QLabel*>(QStringLiteral("sheetNote"))->text().contains(QString::fromUtf8("正三角形")));
        QVERIFY(Inked(window_->SheetArea()) > 30);
    }

    // A click on a corner of the cube in the 3D view sets the next section point: the list and the
    // status line follow.
    void clickOnACornerSetsASectionPoint() {
        window_->Chooser()->Presets()->setCurrentIndex(1);  // the cube
        emit window_->Chooser()->Presets()->activated(1);
        window_->Tabs()->setCurrentIndex(static_cast<int>(SheetTab::Section));
        QWidget* view = window_->View();
        view->grab();  // draws the frame the click is read against
        const quarn::Vector3D b = testing::CornerOnScreen(window_->Sheet(), "B");
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(qRound(b.x), qRound(b.y)));
        QCOMPARE(QString::fromStdString(window_->Sheet().Document().Section.Points[0]), QStringLiteral("B"));
        QCOMPARE(window_->SectionPoint(0)->currentData().toString(), QStringLiteral("B"));
        QVERIFY(window_->statusBar()->currentMessage().contains(QStringLiteral("B")));

        // A press dragged away turns the view and sets no point.
        const float yaw = window_->Sheet().Document().View.Yaw;
        QTest::mousePress(view, Qt::LeftButton, {}, QPoint(qRound(b.x), qRound(b.y)));
        QMouseEvent move(QEvent::MouseMove, QPointF(b.x + 40, b.y), view->mapToGlobal(QPointF(b.x + 40, b.y)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view, &move);
        QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(qRound(b.x + 40), qRound(b.y)));
        QVERIFY(window_->Sheet().Document().View.Yaw != yaw && window_->Sheet().NextSectionPoint() == 1);
    }

    // Export writes every format, each parsing as what it is; copy puts SVG and PNG on the clipboard.
    void exportAndCopy() {
        QTemporaryDir folder;
        const QString base = folder.filePath(QStringLiteral("sheet"));
        for (const char* extension : {".svg", ".pdf", ".png", ".tex"})
            QVERIFY(window_->ExportTo(base + extension, 100));
        QXmlStreamReader svg(Read(base + ".svg"));
        while (!svg.atEnd()) svg.readNext();
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        const QByteArray pdf = Read(base + ".pdf");
        QVERIFY(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"));
        const QImage png(base + ".png");
        QCOMPARE(png.width(), qRound(842 * 100 / 72.0));
        const QByteArray tex = Read(base + ".tex");
        QVERIFY(tex.contains("\\begin{tikzpicture}") && tex.trimmed().endsWith("\\end{tikzpicture}"));
        QVERIFY(!window_->ExportTo(folder.filePath(QStringLiteral("sheet.doc")), 100));
        QVERIFY2(ui_->messages.size() == 1, qPrintable(Said()));  // the refusal is said, not swallowed

        window_->CopySheet();
        const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
        QVERIFY(mime != nullptr);
        QVERIFY(mime->data(QStringLiteral("image/svg+xml")).startsWith("<?xml"));
        QVERIFY(!qvariant_cast<QImage>(mime->imageData()).isNull());
    }

    // A model that cannot be opened is said in a message and the solid shown stays.
    void modelThatCannotBeOpened() {
        QVERIFY(!window_->OpenModelFile(QStringLiteral("/nonexistent/model.qrn")));
        QVERIFY2(ui_->messages.size() == 1, qPrintable(Said()));
        QCOMPARE(window_->Sheet().Document().Source.Kind, SourceKind::Family);
        QVERIFY(window_->OpenModelFile(QStringLiteral(ORRIN_TEST_DATA "/3ds/fels.3ds")));
        QVERIFY(window_->MeasuresBox()->toPlainText().contains(QStringLiteral("V − E + F")));
    }
};

}  // namespace orrin

QTEST_MAIN(orrin::WorksheetWindowTest)
#include "worksheet_window_test.moc"
