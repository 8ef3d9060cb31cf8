#include "worksheet_app/sheet_view.hpp"

#include <QPainter>

#include "drawing/sheet_writer.hpp"

namespace orrin {

SheetView::SheetView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(240, 180);
}

void SheetView::ShowSheet(const quarn::Sheet& sheet) {
    sheet_ = sheet;
    stale_ = true;
    update();
}

void SheetView::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const int w = qMax(1, qRound(width() * ratio)), h = qMax(1, qRound(height() * ratio));
    if (stale_ || image_.width() != w || image_.height() != h) {
        // A sheet at true scale is fitted on screen like any other; print and export keep the scale.
        quarn::Sheet fitted = sheet_;
        fitted.MillimetresPerUnit.reset();
        pixels_ = quarn::RenderSheetPixels(fitted, w, h);
        image_ = QImage(reinterpret_cast<const uchar*>(pixels_.data()), w, h, w * 4, QImage::Format_ARGB32);
        image_.setDevicePixelRatio(ratio);
        stale_ = false;
    }
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), image_);
}

}  // namespace orrin
