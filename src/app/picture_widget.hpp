#pragma once
// A picture area of the main window. It shows its canvas through a QImage that wraps the canvas's own
// pixels and hands mouse and key events to the shell's handlers, in the picture's own pixels.

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "shell/main_form.hpp"

namespace orrin {

using MouseHandler = void (*)(std::int16_t button, std::int16_t shift, float x, float y);
using KeyHandler = void (*)(std::int16_t keyCode, std::int16_t shift);
using EnterHandler = void (*)(float x, float y);
using FocusHandler = void (*)();

struct PictureHandlers {
    MouseHandler MouseDown = nullptr;
    MouseHandler MouseMove = nullptr;
    KeyHandler KeyDown = nullptr;  // pictures without key handlers leave keys to their parents
    KeyHandler KeyUp = nullptr;
    EnterHandler MouseEnter = nullptr;
    FocusHandler LostFocus = nullptr;
};

// Runs a shell handler the way the window runs every handler (guarded, then showing the new state).
using HandlerRunner = std::function<void(const std::function<void()>&)>;

class PictureWidget : public QWidget {
  public:
    PictureWidget(PictureBox& box, const PictureHandlers& handlers, HandlerRunner run, QWidget* parent);

    // Shows what the shell says about the picture: its place (twips to pixels), its pointer shape, and
    // its image at once when the shell marked it so.
    void SyncFromBox();
    // The image the widget paints: the canvas's pixels, not a copy.
    const QImage& Picture();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // Wraps the canvas again when its buffer or size changed since the last time.
    void WrapCanvas();
    void RunMouse(MouseHandler handler, std::int16_t button, QMouseEvent* event);
    bool RunKey(KeyHandler handler, QKeyEvent* event);

    PictureBox& box_;
    PictureHandlers handlers_;
    HandlerRunner run_;
    QImage image_;
    int shownPointer_ = -1;
};

}  // namespace orrin
