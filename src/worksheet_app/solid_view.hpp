#pragma once
// The live 3D view: the worksheet draws the solid through the frame pipeline onto a canvas the size
// of the widget, which paints its pixels. Left drag turns, right drag and the wheel zoom, and the
// pointer's face or edge is outlined and named. A left click without a drag goes to the worksheet
// (on the 截面 tab it picks a section point).

#include <QImage>
#include <QWidget>

#include "platform/canvas.hpp"
#include "worksheet/worksheet.hpp"

namespace orrin {

class SolidView : public QWidget {
    Q_OBJECT
  public:
    SolidView(Worksheet& worksheet, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {420, 360}; }
    // Draws again on the next paint when the worksheet says the view changed.
    void Refresh();
    const QImage& Picture() const { return image_; }

  signals:
    void HoverChanged(const QString& text);
    void ViewChanged();
    // A left click that was not a drag, after the worksheet took it.
    void Clicked();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent*) override;

  private:
    Worksheet& worksheet_;
    quarn::Canvas canvas_;
    QImage image_;
    QPointF last_;
    QPointF pressed_;
    bool dragged_ = false;
    QString hover_;
};

}  // namespace orrin
