#pragma once
// The current sheet on screen: the drawing list drawn by the drawing layer's writer into pixels the
// size of the widget, drawn again only when the sheet or the size changed.

#include <QImage>
#include <QWidget>
#include <vector>

#include "drawing/sheet.hpp"

namespace orrin {

class SheetView : public QWidget {
    Q_OBJECT
  public:
    explicit SheetView(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {480, 360}; }
    void ShowSheet(const quarn::Sheet& sheet);
    const QImage& Picture() const { return image_; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    quarn::Sheet sheet_;
    bool stale_ = true;
    std::vector<std::uint32_t> pixels_;
    QImage image_;
};

}  // namespace orrin
