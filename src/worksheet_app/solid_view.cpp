#include "worksheet_app/solid_view.hpp"

#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "platform/engine_fault.hpp"

namespace orrin {

namespace {

// Pixels the pointer may move between press and release for the press to count as a click.
constexpr qreal kClickSlack = 3;

}  // namespace

SolidView::SolidView(Worksheet& worksheet, QWidget* parent) : QWidget(parent), worksheet_(worksheet) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(200, 160);
}

void SolidView::Refresh() {
    if (worksheet_.ViewNeedsDrawing()) update();
}

void SolidView::paintEvent(QPaintEvent*) {
    if (canvas_.Width() != width() || canvas_.Height() != height() || worksheet_.ViewNeedsDrawing()) {
        canvas_.Resize(width(), height());
        try {
            worksheet_.DrawView(canvas_);
        } catch (const quarn::EngineFault&) {
            canvas_.Clear();  // a fault abandons the frame; the next change draws afresh
        }
        // The canvas stores 0xFFRRGGBB, Qt's RGB32: the image reads the pixels in place.
        image_ = QImage(reinterpret_cast<uchar*>(canvas_.Pixels()), canvas_.Width(), canvas_.Height(),
                        canvas_.Width() * 4, QImage::Format_RGB32);
    }
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), image_);
}

void SolidView::mousePressEvent(QMouseEvent* event) {
    last_ = pressed_ = event->position();
    dragged_ = false;
}

void SolidView::mouseReleaseEvent(QMouseEvent* event) {
    dragged_ = dragged_ || QLineF(pressed_, event->position()).length() > kClickSlack;
    if (event->button() != Qt::LeftButton || dragged_) return;
    worksheet_.ClickAt(event->position().x(), event->position().y());
    emit Clicked();
}

void SolidView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (event->buttons() != Qt::NoButton && !dragged_) {
        if (QLineF(pressed_, at).length() <= kClickSlack) return;  // still a click: the view stays
        dragged_ = true;
    }
    const QPointF by = at - last_;
    last_ = at;
    if (event->buttons() & Qt::LeftButton) {
        worksheet_.Turn(by.x(), by.y());
        emit ViewChanged();
    } else if (event->buttons() & Qt::RightButton) {
        worksheet_.Zoom(by.y());
        emit ViewChanged();
    } else {
        const HoverInfo info = worksheet_.HoverAt(at.x(), at.y());
        const QString text = QString::fromStdString(info.Text);
        setCursor(info.What == HoverInfo::Kind::Nothing ? Qt::ArrowCursor : Qt::CrossCursor);
        if (text != hover_) {
            hover_ = text;
            emit HoverChanged(text);
        }
    }
    Refresh();
}

void SolidView::wheelEvent(QWheelEvent* event) {
    worksheet_.Zoom(-event->angleDelta().y() / 8.0);
    emit ViewChanged();
    Refresh();
}

void SolidView::leaveEvent(QEvent*) {
    worksheet_.HoverAt(-1, -1);
    if (!hover_.isEmpty()) emit HoverChanged(hover_ = QString());
    Refresh();
}

}  // namespace orrin
