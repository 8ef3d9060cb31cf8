#include "shell/main_form.hpp"

#include "platform/numeric.hpp"
#include "scene/scene_store.hpp"
#include "shell/shell_state.hpp"

namespace orrin {

MainForm& Form1() {
    static MainForm form;
    return form;
}

int TwipsToPixels(int twips) {
    return quarn::RoundToInt32(static_cast<double>(twips) / kTwipsPerPixel);
}

bool MovePicture(PictureBox& picture, int left, int top, int width, int height) {
    // A change of size in twips is a resize even when the pixels stay: a pane's drawing depends on it.
    const bool resized = width != picture.Width || height != picture.Height;
    picture.Left = left;
    picture.Top = top;
    picture.Width = width;
    picture.Height = height;
    // Both edges are rounded, so pictures that meet in twips also meet in pixels.
    const int pixelWidth = TwipsToPixels(left + width) - TwipsToPixels(left);
    const int pixelHeight = TwipsToPixels(top + height) - TwipsToPixels(top);
    if (pixelWidth == picture.Image.Width() && pixelHeight == picture.Image.Height()) return resized;
    picture.Image.Resize(pixelWidth, pixelHeight);
    return true;
}

void ResetShell() {
    Shell() = ShellState{};
    Form1() = MainForm{};
    quarn::ResetScene();
}

}  // namespace orrin
