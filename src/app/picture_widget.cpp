#include "app/picture_widget.hpp"

#include <QEnterEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "shell/view_interaction.hpp"

namespace orrin {
namespace {

Qt::CursorShape CursorOf(int pointer) {
    switch (pointer) {
        case kPointerCross:
            return Qt::CrossCursor;
        case kPointerUpDown:
            return Qt::SizeVerCursor;
        case kPointerLeftRight:
            return Qt::SizeHorCursor;
        case kPointerMove:
            return Qt::SizeAllCursor;
        default:
            return Qt::ArrowCursor;
    }
}

// The virtual-key number of a Qt key, 0 for keys the shell's handlers do not read: only Shift, which
// switches the view to light mode while it is held.
std::int16_t VirtualKeyCode(int qtKey) {
    return qtKey == Qt::Key_Shift ? kShiftKey : std::int16_t{0};
}

// The 1/2/4 masks of the mouse buttons and of Shift, Ctrl and Alt.
std::int16_t ButtonMask(Qt::MouseButtons buttons) {
    return static_cast<std::int16_t>((buttons & Qt::LeftButton ? 1 : 0) |
                                     (buttons & Qt::RightButton ? 2 : 0) |
                                     (buttons & Qt::MiddleButton ? 4 : 0));
}

std::int16_t ShiftMask(Qt::KeyboardModifiers modifiers) {
    return static_cast<std::int16_t>((modifiers & Qt::ShiftModifier ? 1 : 0) |
                                     (modifiers & Qt::ControlModifier ? 2 : 0) |
                                     (modifiers & Qt::AltModifier ? 4 : 0));
}

}  // namespace

PictureWidget::PictureWidget(PictureBox& box, const PictureHandlers& handlers, HandlerRunner run,
                             QWidget* parent)
    : QWidget(parent), box_(box), handlers_(handlers), run_(std::move(run)) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // the image covers the widget; nothing to erase first
    setMouseTracking(true);                 // moves without a button reach the handlers (hover)
    // Only the view reads keys: a click on a pane leaves the keyboard (and Shift) with the view, while
    // Tab still reaches the panes in order.
    setFocusPolicy(handlers_.KeyDown != nullptr ? Qt::StrongFocus : Qt::TabFocus);
}

void PictureWidget::SyncFromBox() {
    // Both edges rounded, as the shell sizes the canvas: the widget is exactly as large as its image.
    const int left = TwipsToPixels(box_.Left);
    const int top = TwipsToPixels(box_.Top);
    setGeometry(left, top, TwipsToPixels(box_.Left + box_.Width) - left,
                TwipsToPixels(box_.Top + box_.Height) - top);
    if (box_.MousePointer != shownPointer_) {
        shownPointer_ = box_.MousePointer;
        setCursor(CursorOf(shownPointer_));
    }
    WrapCanvas();
    if (box_.ShowNow) {
        box_.ShowNow = false;
        repaint();
    }
}

const QImage& PictureWidget::Picture() {
    WrapCanvas();
    return image_;
}

void PictureWidget::WrapCanvas() {
    quarn::Canvas& canvas = box_.Image;
    if (canvas.Width() <= 0 || canvas.Height() <= 0) {
        image_ = QImage();
        return;
    }
    auto* bits = reinterpret_cast<uchar*>(canvas.Pixels());
    if (!image_.isNull() && image_.constBits() == bits && image_.width() == canvas.Width() &&
        image_.height() == canvas.Height()) {
        return;
    }
    // The canvas stores 0xFFRRGGBB, which is Qt's RGB32 layout: the image reads the pixels in place.
    image_ = QImage(bits, canvas.Width(), canvas.Height(), canvas.Width() * 4, QImage::Format_RGB32);
}

void PictureWidget::paintEvent(QPaintEvent*) {
    WrapCanvas();  // a paint never reads a buffer the canvas has given up
    QPainter painter(this);
    if (image_.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    // In logical pixels: on a screen with a device pixel ratio above 1 the picture is scaled up.
    painter.drawImage(QPointF(0, 0), image_);
}

void PictureWidget::RunMouse(MouseHandler handler, std::int16_t button, QMouseEvent* event) {
    if (handler == nullptr) return;
    const auto shift = ShiftMask(event->modifiers());
    const auto x = static_cast<float>(event->position().x());
    const auto y = static_cast<float>(event->position().y());
    run_([=] { handler(button, shift, x, y); });
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    // The press names the button that went down; a move names every button held.
    RunMouse(handlers_.MouseDown, ButtonMask(event->button()), event);
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
    RunMouse(handlers_.MouseMove, ButtonMask(event->buttons()), event);
}

bool PictureWidget::RunKey(KeyHandler handler, QKeyEvent* event) {
    if (handler == nullptr) return false;
    const auto code = VirtualKeyCode(event->key());
    if (code != 0) {
        const auto shift = ShiftMask(event->modifiers());
        run_([=] { handler(code, shift); });
    }
    return true;
}

void PictureWidget::keyPressEvent(QKeyEvent* event) {
    if (!RunKey(handlers_.KeyDown, event)) QWidget::keyPressEvent(event);
}

void PictureWidget::keyReleaseEvent(QKeyEvent* event) {
    // A key held down repeats as a release and a press; only the press is passed on, as a key-down.
    if (event->isAutoRepeat() && handlers_.KeyUp != nullptr) return;
    if (!RunKey(handlers_.KeyUp, event)) QWidget::keyReleaseEvent(event);
}

void PictureWidget::enterEvent(QEnterEvent* event) {
    // Only the position: the keyboard modifiers of an enter event are not a Shift release.
    if (const EnterHandler enter = handlers_.MouseEnter) {
        const auto x = static_cast<float>(event->position().x());
        const auto y = static_cast<float>(event->position().y());
        run_([=] { enter(x, y); });
    }
    QWidget::enterEvent(event);
}

void PictureWidget::focusOutEvent(QFocusEvent* event) {
    // Also when a menu opens (popup reason): the keys then go to the menu.
    if (handlers_.LostFocus != nullptr) run_(handlers_.LostFocus);
    QWidget::focusOutEvent(event);
}

}  // namespace orrin
