// The real main window on the offscreen platform, driven through Qt events.

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <memory>
#include <optional>

#include "app/display_check.hpp"
#include "app/main_window.hpp"
#include "app/qt_ui.hpp"
#include "support/recording_ui.hpp"
#include "render/view_background.hpp"
#include "scene/face_picking.hpp"
#include "scene/scene.hpp"
#include "shell/shell.hpp"

using namespace orrin;

namespace {

// Records like RecordingUi and keeps the event loop running while a message is "open", as a modal box does.
class ModalRecordingUi : public quarn::RecordingUi {
  public:
    void ShowMessage(const std::string& text, const std::string& caption, quarn::MessageIcon icon) override {
        RecordingUi::ShowMessage(text, caption, icon);
        QTest::qWait(50);
    }
};

void SendMouse(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const Qt::MouseButton button =
        type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButton(buttons.toInt());
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

void Move(QWidget* widget, QPointF at, Qt::MouseButtons buttons = Qt::NoButton,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    SendMouse(widget, QEvent::MouseMove, at, buttons, modifiers);
}

QAction* Action(const QWidget* window, const char* name) {
    return window->findChild<QAction*>(name);
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ModalRecordingUi> ui_;
    std::unique_ptr<MainWindow> window_;

    PictureWidget* view() const { return window_->Picture(1); }
    QMenu* SolidMenu() const { return window_->menuBar()->actions().front()->menu(); }
    // Lets every armed frame run; returns the frames drawn so far.
    int Settle() {
        QTest::qWait(20);
        [&] { QTRY_VERIFY(!window_->FramePending()); }();
        return window_->FramesDrawn();
    }
    int RedPixels() {
        const QImage& image = view()->Picture();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                count += qRed(p) > qGreen(p) + 60 && qRed(p) > qBlue(p) + 60;
            }
        }
        return count;
    }
    int ChooseCube() {
        Action(window_.get(), "mnuBasicOption_0")->trigger();
        return Settle();
    }

  private slots:
    void init() {
        ResetShell();
        ui_ = std::make_unique<ModalRecordingUi>();
        window_ = std::make_unique<MainWindow>();
        window_->Start("");
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTRY_VERIFY(window_->FramesDrawn() >= 1);
        Settle();
    }
    void cleanup() {
        window_.reset();
        ui_.reset();
    }

    void startUpState() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("立体图形"));
        QCOMPARE(window_->ClientArea()->size(), QSize(488, 366));
        QCOMPARE(view()->geometry(), QRect(0, 0, 488, 369));
        QCOMPARE(window_->Picture(2)->geometry(), QRect(470, 0, 18, 348));
        QCOMPARE(window_->Picture(3)->geometry(), QRect(0, 348, 488, 18));
        QCOMPARE(QApplication::focusWidget(), view());
        QCOMPARE(view()->nextInFocusChain(), window_->Picture(2));
        QCOMPARE(window_->Picture(2)->nextInFocusChain(), window_->Picture(3));

        // The widget paints the canvas's own pixels, which show the background picture.
        const QImage& image = view()->Picture();
        QCOMPARE(image.constBits(), reinterpret_cast<const uchar*>(Form1().Picture1.Image.Pixels()));
        const auto background = quarn::ViewBackgroundPicture();
        for (int y = 0; y < quarn::kViewBackgroundHeight; y += 7) {
            for (int x = 0; x < quarn::kViewBackgroundWidth; x += 7) {
                QCOMPARE(image.pixel(x, y), background->Pixels()[y * background->Width() + x]);
            }
        }
        QCOMPARE(quarn::Scene().CameraSlots.Count, 1);
        QCOMPARE(quarn::Scene().LightSlots.Count, 1);
        QCOMPARE(quarn::Scene().MeshSlots.Count, 0);

        // One menu is shown: the six solids in order. Hidden items exist but belong to no widget.
        QCOMPARE(window_->menuBar()->actions().size(), 1);
        QCOMPARE(window_->menuBar()->actions().front()->text(), QStringLiteral("实体"));
        QStringList captions;
        for (const QAction* action : SolidMenu()->actions()) captions << action->text();
        QCOMPARE(captions, QStringList({"正方体", "圆锥", "圆柱", "三棱柱", "六棱柱", "六棱锥"}));
        for (const char* hidden : {"mnuView", "mnuDrawStyleOption_0", "mnuDrawStyleOption_2",
                                   "mnuBasicOption_2", "mnuBasicOption_10", "mnuOpen", "mnuExit"}) {
            QAction* action = Action(window_.get(), hidden);
            QVERIFY2(action != nullptr, hidden);
            QVERIFY2(action->associatedObjects().isEmpty(), hidden);
        }
        QCOMPARE(Action(window_.get(), "mnuDrawStyleOption_0")->shortcut(), QKeySequence(Qt::Key_F1));
        QVERIFY(Action(window_.get(), "mnuDrawStyleOption_2")->isChecked());
    }

    void eachSolidFromItsMenuAction() {
        const QImage background = view()->Picture().copy();
        for (QAction* chosen : SolidMenu()->actions()) {
            const int before = Settle();
            chosen->trigger();
            QCOMPARE(Settle(), before + 1);
            for (const QAction* other : SolidMenu()->actions()) QCOMPARE(other->isChecked(), other == chosen);
            QCOMPARE(quarn::Scene().MeshSlots.Count, 1);
            QVERIFY(quarn::Scene().CurrentMesh != 0);
            QVERIFY(view()->Picture().pixel(244, 184) != background.pixel(244, 184));
        }
    }

    // The button mask, the coordinates and the pointer shape of each picture.
    void mouseOverPictures_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<float>("yaw");
        QTest::addColumn<float>("distance");
        const int left = Qt::LeftButton, right = Qt::RightButton;
        QTest::newRow("left drag turns") << 1 << left << QPointF(100, 100) << QPointF(150, 100)
                                         << int(Qt::SizeAllCursor) << -0.5f << 200.0f;
        QTest::newRow("right drag up zooms in to 0")
            << 1 << right << QPointF(100, 350) << QPointF(100, 50) << int(Qt::SizeVerCursor) << 0.0f << 0.0f;
        QTest::newRow("both buttons only redraw") << 1 << (left | right) << QPointF(10, 10) << QPointF(90, 90)
                                                  << int(Qt::ArrowCursor) << 0.0f << 200.0f;
        QTest::newRow("hue strip") << 2 << 0 << QPointF(5, 5) << QPointF(6, 6) << int(Qt::CrossCursor) << 0.0f
                                   << 200.0f;
        QTest::newRow("shade strip") << 3 << 0 << QPointF(5, 5) << QPointF(6, 6) << int(Qt::SizeHorCursor)
                                     << 0.0f << 200.0f;
    }
    void mouseOverPictures() {
        QFETCH(int, picture);
        QFETCH(int, buttons);
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(int, cursor);
        QFETCH(float, yaw);
        QFETCH(float, distance);
        PictureWidget* widget = window_->Picture(picture);
        Move(widget, from);
        Move(widget, to, Qt::MouseButtons(buttons));
        QCOMPARE(Shell().OrbitYaw, yaw);
        QCOMPARE(Shell().OrbitDistance, distance);
        QCOMPARE(int(widget->cursor().shape()), cursor);
        QCOMPARE(Shell().LastMouseX, picture == 1 ? int(to.x()) : 0);
    }

    void shadeStripPress() {
        PictureWidget* strip = window_->Picture(3);
        const double width = strip->width();
        for (const auto& [x, amount] :
             {std::pair{width / 4, 0.5f}, {width * 3 / 4, 0.5f}, {width + 40, 1.0f}}) {
            SendMouse(strip, QEvent::MouseButtonPress, QPointF(x, 5), Qt::LeftButton);
            QCOMPARE(Shell().ShadeAmount, amount);
        }
        // Clicking a pane leaves the keyboard with the view, so Shift still reaches it.
        QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(10, 5));
        QTest::mouseClick(window_->Picture(2), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(QApplication::focusWidget(), view());
    }

    void shiftShowsMarkerAtNextFrame() {
        ChooseCube();
        Action(window_.get(), "mnuPaint_0")->trigger();  // a white cube: red pixels can only be the marker
        const int frames = Settle();
        QTest::keyPress(view(), Qt::Key_Shift);
        const quarn::Index marker = Shell().LightMarker;
        // A held key repeats as a release and a press, both marked as repeats: the marker stays as it is.
        QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier, QString(), true);
        QApplication::sendEvent(view(), &repeatUp);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, QString(), true);
        QApplication::sendEvent(view(), &repeat);
        QVERIFY(Shell().LightMarker != 0);
        QCOMPARE(Shell().LightMarker, marker);
        QVERIFY(Shell().LightMode);
        QCOMPARE(quarn::Scene().MeshSlots.Count, 2);
        QCOMPARE(Settle(), frames);  // the marker waits for the next frame
        QCOMPARE(RedPixels(), 0);
        Move(view(), QPointF(100, 100), Qt::NoButton, Qt::ShiftModifier);
        Move(view(), QPointF(400, 130), Qt::LeftButton, Qt::ShiftModifier);  // the light goes behind, above
        QCOMPARE(Settle(), frames + 1);
        QVERIFY(RedPixels() > 20);
        QTest::keyRelease(view(), Qt::Key_Shift);
        QCOMPARE(Shell().LightMarker, 0);
        QCOMPARE(quarn::Scene().MeshSlots.Count, 1);
        QCOMPARE(Settle(), frames + 2);
        QCOMPARE(RedPixels(), 0);
    }

    // Shift goes up where the view cannot hear it: light mode ends at once, and a left drag afterwards
    // turns the camera with no marker left.
    void shiftReleasedElsewhereEndsLightMode_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("in the open menu") << "menu";
        QTest::newRow("in another window") << "window";
        QTest::newRow("seen by a mouse move") << "move";
    }
    void shiftReleasedElsewhereEndsLightMode() {
        QFETCH(QString, where);
        ChooseCube();
        Action(window_.get(), "mnuPaint_0")->trigger();  // a white cube: red pixels can only be the marker
        Settle();
        QTest::keyPress(view(), Qt::Key_Shift);
        QVERIFY(Shell().LightMode && Shell().LightMarker != 0);
        QWidget other;
        if (where == "menu") {
            SolidMenu()->popup(view()->mapToGlobal(QPoint(20, 20)));
            QTRY_VERIFY(SolidMenu()->isVisible());
            QVERIFY(!Shell().LightMode);  // the menu took the keyboard
            QTest::keyRelease(SolidMenu(), Qt::Key_Shift);
            QTest::keyClick(SolidMenu(), Qt::Key_Escape);
            QTRY_VERIFY(!SolidMenu()->isVisible());
        } else if (where == "window") {
            other.setWindowTitle(QStringLiteral("other"));
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            QVERIFY(!Shell().LightMode);
            QTest::keyRelease(&other, Qt::Key_Shift);
            other.hide();
            window_->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        } else {
            Move(view(), QPointF(30, 30));  // no Shift among the modifiers
        }
        QVERIFY(!Shell().LightMode);
        QCOMPARE(Shell().LightMarker, quarn::Index(0));
        QCOMPARE(quarn::Scene().MeshSlots.Count, 1);
        const quarn::Vector3D cameraBefore = quarn::Scene().Cameras[1].Position;
        Move(view(), QPointF(100, 100));
        Move(view(), QPointF(150, 100), Qt::LeftButton);
        Settle();
        QCOMPARE(Shell().OrbitYaw, -0.5f);
        QVERIFY(quarn::Scene().Cameras[1].Position != cameraBefore);
        QCOMPARE(quarn::Scene().Lights[1].Position, quarn::Scene().Cameras[1].Position);
        QCOMPARE(RedPixels(), 0);
    }

    // The first step of a drag is measured from where it starts, not from the hover before the menu.
    void dragStartsWhereThePointerEntersOrPresses_data() {
        QTest::addColumn<bool>("byPress");
        QTest::newRow("entering after the menu") << false;
        QTest::newRow("pressing") << true;
    }
    void dragStartsWhereThePointerEntersOrPresses() {
        QFETCH(bool, byPress);
        ChooseCube();
        Move(view(), QPointF(10, 10));
        SolidMenu()->popup(view()->mapToGlobal(QPoint(10, 10)));
        QTRY_VERIFY(SolidMenu()->isVisible());
        QTest::keyClick(SolidMenu(), Qt::Key_Escape);
        QTRY_VERIFY(!SolidMenu()->isVisible());
        const QPointF start(300, 200);
        if (byPress) {
            SendMouse(view(), QEvent::MouseButtonPress, start, Qt::LeftButton);
        } else {
            QEnterEvent enter(start, start, view()->mapToGlobal(start));
            QApplication::sendEvent(view(), &enter);
        }
        Move(view(), start + QPointF(5, 0), Qt::LeftButton);
        QVERIFY(std::abs(Shell().OrbitYaw + 0.05f) < 1e-6f);
        QCOMPARE(Shell().OrbitPitch, 0.0f);
    }

    // Shift held while a solid is chosen: the marker comes back with the new solid, and hovering in light
    // mode outlines nothing; entering the view with Shift held keeps light mode.
    void lightModeKeepsItsMarkerAcrossASolidChoice() {
        Action(window_.get(), "mnuBasicOption_5")->trigger();
        Settle();
        QTest::keyPress(view(), Qt::Key_Shift);
        Action(window_.get(), "mnuBasicOption_0")->trigger();
        Action(window_.get(), "mnuPaint_0")->trigger();
        const int frames = Settle();
        QVERIFY(Shell().LightMode);
        QVERIFY(Shell().LightMarker != 0);
        QCOMPARE(quarn::Scene().MeshSlots.Count, 2);
        QEnterEvent enter(QPointF(100, 100), QPointF(100, 100), view()->mapToGlobal(QPointF(100, 100)));
        QApplication::sendEvent(view(), &enter);
        QVERIFY(Shell().LightMode);
        Move(view(), QPointF(400, 130), Qt::LeftButton, Qt::ShiftModifier);  // the light goes behind, above
        QCOMPARE(Settle(), frames + 1);
        QVERIFY(RedPixels() > 20);
        const QImage lit = view()->Picture().copy();
        Move(view(), QPointF(244, 184), Qt::NoButton, Qt::ShiftModifier);  // over the solid
        QCOMPARE(Shell().HighlightedFace, quarn::Index(0));
        QCOMPARE(view()->Picture(), lit);
        QTest::keyRelease(view(), Qt::Key_Shift);
        Settle();
        QCOMPARE(RedPixels(), 0);
        QCOMPARE(quarn::Scene().MeshSlots.Count, 1);
    }

    // A name typed without an extension is saved as a model file that Open finds again.
    void saveDialogAddsTheModelExtension_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no extension") << "cube" << "cube.qrn";
        QTest::newRow("the model's") << "cube.qrn" << "cube.qrn";
        QTest::newRow("in capitals") << "cube.QRN" << "cube.QRN";
    }
    void saveDialogAddsTheModelExtension() {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QTemporaryDir folder;
        QtUi ui(window_.get());
        // Types the name once the dialog shows and presses Save; a dialog that stays open is cancelled.
        QTimer typist;
        int ticks = 0;
        connect(&typist, &QTimer::timeout, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QFileDialog*>(widget);
                if (dialog == nullptr || !dialog->isVisible()) continue;
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                if (++ticks > 40 || name == nullptr) {
                    dialog->reject();
                } else {  // again at every tick until the dialog has taken it
                    dialog->setDirectory(folder.path());
                    name->setText(typed);
                    static_cast<QDialog*>(dialog)->accept();
                }
            }
        });
        typist.start(50);
        const std::optional<std::string> path = ui.SaveFileDialog(kSaveFilter);
        typist.stop();
        QVERIFY(path.has_value());
        QCOMPARE(QString::fromStdString(*path), folder.filePath(saved));
    }

    void hoverLeavesOneOutline() {
        ChooseCube();
        // Two points over different faces of the cube and one over the background, along the middle row.
        QPoint onA, onB, off;
        for (int x = 0; x < view()->width(); ++x) {
            const quarn::Index face = quarn::PickFace(quarn::MakePoint(x, 184));
            if (face == 0) off = QPoint(x, 184);
            if (face != 0 && onA.isNull()) onA = QPoint(x, 184);
            if (face != 0 && quarn::PickFace(quarn::MakePoint(onA.x(), 184)) != face) onB = QPoint(x, 184);
        }
        QVERIFY(!onA.isNull() && !onB.isNull() && !off.isNull());
        const int frames = window_->FramesDrawn();
        const QImage frame = view()->Picture().copy();
        Move(view(), onB);
        const QImage outlinedB = view()->Picture().copy();
        QVERIFY(outlinedB != frame);
        QCOMPARE(int(view()->cursor().shape()), int(Qt::CrossCursor));
        Move(view(), off);
        QCOMPARE(view()->Picture(), frame);
        Move(view(), onA);
        Move(view(), onB);
        QCOMPARE(view()->Picture(), outlinedB);
        QCOMPARE(Settle(), frames);
    }

    void hiddenShortcutsAndOtherKeysDoNothing() {
        const int frames = ChooseCube();
        for (Qt::Key key : {Qt::Key_F1, Qt::Key_F3, Qt::Key_Left, Qt::Key_A}) QTest::keyClick(view(), key);
        QCOMPARE(quarn::Scene().Cameras[quarn::Scene().CurrentCamera].DrawStyle, 2);
        QCOMPARE(Settle(), frames);
        // The hidden item still works when triggered, and its check mark follows the shell.
        Action(window_.get(), "mnuDrawStyleOption_0")->trigger();
        QCOMPARE(quarn::Scene().Cameras[quarn::Scene().CurrentCamera].DrawStyle, 0);
        QVERIFY(Action(window_.get(), "mnuDrawStyleOption_0")->isChecked());
        QVERIFY(!Action(window_.get(), "mnuDrawStyleOption_2")->isChecked());
        QCOMPARE(Settle(), frames + 1);
    }

    void burstOfMovesGivesOneFrameIdleAndActivationNone() {
        const int frames = ChooseCube();
        Move(view(), QPointF(100, 100));
        for (int i = 1; i <= 100; ++i) {
            const QPointF at(100 + i, 100);
            QCoreApplication::postEvent(
                view(), new QMouseEvent(QEvent::MouseMove, at, view()->mapToGlobal(at), Qt::NoButton,
                                        Qt::LeftButton, Qt::NoModifier));
        }
        QVERIFY(Settle() - frames <= 2);
        QCOMPARE(Shell().OrbitYaw, -1.0f);
        QTest::qWait(1000);
        QCOMPARE(window_->FramesDrawn(), frames + 1);
        QEvent activation(QEvent::WindowActivate);  // a later activation starts nothing
        QApplication::sendEvent(window_.get(), &activation);
        QCOMPARE(Settle(), frames + 1);
    }

    void faultIsReportedAndNoFrameRunsInsideItsMessage() {
        const int frames = ChooseCube();
        Action(window_.get(), "mnuBasicOption_4")->trigger();  // arms a frame
        QVERIFY(window_->FramePending());
        Move(view(), QPointF(1e12, 5));  // no 32-bit pointer position: the hover test faults
        QCOMPARE(ui_->messages.size(), std::size_t{1});
        QCOMPARE(ui_->messages[0].caption, std::string("Error"));
        QVERIFY(ui_->messages[0].icon == quarn::MessageIcon::Error);
        QCOMPARE(window_->FramesDrawn(), frames);  // the message's event loop ran no frame
        QCOMPARE(Settle(), frames + 1);
        Move(view(), QPointF(10, 10));
        Move(view(), QPointF(60, 10), Qt::LeftButton);
        QCOMPARE(Settle(), frames + 2);
    }

    void endsAtOnce_data() {
        QTest::addColumn<bool>("byClosing");
        QTest::newRow("exit command") << false;
        QTest::newRow("window closed") << true;
    }
    void endsAtOnce() {
        QFETCH(bool, byClosing);
        const int frames = ChooseCube();
        QSignalSpy ended(window_.get(), &MainWindow::EndRequested);
        Action(window_.get(), "mnuBasicOption_5")->trigger();  // a frame is pending
        if (byClosing) {
            window_->close();
        } else {
            Action(window_.get(), "mnuExit")->trigger();
        }
        QCOMPARE(ended.size(), 1);
        QVERIFY(window_->HasEnded() && !window_->isVisible());
        QTest::qWait(50);
        QCOMPARE(window_->FramesDrawn(), frames);
    }

    void droppedModelOpens() {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral(ORRIN_TEST_DATA "/3ds/fels.3ds"))});
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window_.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window_.get(), &drop);
        QVERIFY(quarn::Scene().MeshSlots.Count >= 1);
        QVERIFY(ui_->messages.empty());
    }

    void fileFiltersInQtSyntax() {
        QCOMPARE(QtFileFilter(kOpenFilter),
                 QStringLiteral("Quarn Files (*.qrn *.QRN);;3D Studio Files (*.3ds "
                                "*.3DS);;All Files (*)"));
        QCOMPARE(QtFileFilter("Pictures|*.png;*.bmp"), QStringLiteral("Pictures (*.png *.PNG *.bmp *.BMP)"));
        QCOMPARE(QtFileFilter(""), QString());
        QCOMPARE(DefaultSuffix(kSaveFilter), QStringLiteral("qrn"));
        QCOMPARE(DefaultSuffix("All Files (*.*)|*.*"), QString());
    }

    void displayFromEnvironment() {
        struct Case {
            const char* platform;
            const char* display;
            const char* wayland;
            bool expected;
        };
        for (const Case& c :
             {Case{nullptr, nullptr, nullptr, false}, Case{"", "", "", false},
              Case{nullptr, ":0", nullptr, true}, Case{nullptr, nullptr, "wayland-0", true},
              Case{"offscreen", nullptr, nullptr, true}, Case{"xcb", nullptr, "wayland-0", false},
              Case{"wayland;xcb", ":0", nullptr, false}}) {
            QCOMPARE(HasDisplay(c.platform, c.display, c.wayland), c.expected);
        }
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
