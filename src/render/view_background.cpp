#include "render/view_background.hpp"

namespace quarn {
namespace {

constexpr std::int32_t Rgb(int r, int g, int b) { return r + g * 256 + b * 65536; }

void FillRect(Canvas& canvas, int left, int top, int right, int bottom, std::int32_t color) {
    canvas.SetRasterMode(kRopCopyPen);
    canvas.SetPenStyle(kPenNone);
    canvas.SetBrushStyle(kBrushSolid);
    canvas.SetBrushColor(color);
    const CanvasPoint corners[4] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    canvas.Polygon(corners, 4);
}

void FrameRect(Canvas& canvas, int left, int top, int right, int bottom, std::int32_t color) {
    canvas.SetRasterMode(kRopCopyPen);
    canvas.SetPenStyle(kPenSolid);
    canvas.SetPenColor(color);
    canvas.MoveToEx(left, top);
    canvas.LineTo(right, top);
    canvas.LineTo(right, bottom);
    canvas.LineTo(left, bottom);
    canvas.LineTo(left, top);
}

std::shared_ptr<const Canvas> DrawViewBackground() {
    auto picture = std::make_shared<Canvas>(kViewBackgroundWidth, kViewBackgroundHeight);
    Canvas& c = *picture;
    // A vertical blue gradient panel.
    const GradientVertex panel[2] = {{0, 0, 0x1000, 0x3000, 0x8000, 0},
                                     {kViewBackgroundWidth, kViewBackgroundHeight, 0x0800, 0x1800, 0x5000, 0}};
    const std::uint32_t rect[2] = {0, 1};
    c.GradientFill(panel, 2, rect, 1, GradientMode::RectVertical);

    c.SetPenColor(Rgb(255, 255, 255));
    c.TextOut(20, 16, "Orrin");
    FrameRect(c, 20, 36, kViewBackgroundWidth - 21, 36, Rgb(120, 160, 230));

    const int boxTop = kViewBackgroundHeight - 96;
    FillRect(c, 20, boxTop, kViewBackgroundWidth - 20, kViewBackgroundHeight - 16, Rgb(255, 255, 255));
    FrameRect(c, 20, boxTop, kViewBackgroundWidth - 21, kViewBackgroundHeight - 17, Rgb(60, 90, 160));
    c.SetPenColor(Rgb(20, 40, 110));
    c.TextOut(32, boxTop + 10, "操作说明：");
    c.SetPenColor(Rgb(0, 0, 0));
    c.TextOut(32, boxTop + 34, "1、先在〖菜单栏〗中选择好〖实体〗类型。");
    c.TextOut(32, boxTop + 56, "2、拖动鼠标左键可动态观察物体，拖动鼠标右键可改变物体大小。");
    return picture;
}

}  // namespace

std::shared_ptr<const Canvas> ViewBackgroundPicture() {
    static const std::shared_ptr<const Canvas> picture = DrawViewBackground();
    return picture;
}

}  // namespace quarn
