#pragma once
// The main window as data: its caption, client size, the three picture areas with their images,
// positions and pointer shapes, and its menus. The front end shows what is here and turns its events
// into the handlers; it reads the flags below after each handler to know what to show.

#include <string>

#include "platform/canvas.hpp"
#include "shell/menu_model.hpp"

namespace orrin {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kStartClientWidth = 7320;   // twips: 488 pixels
inline constexpr int kStartClientHeight = 5490;  // twips: 366 pixels
inline constexpr int kViewWidth = 7455;          // twips; only the width follows the window
inline constexpr int kViewHeight = 5535;         // twips: 369 pixels, never changed
inline constexpr std::int32_t kViewBackColor = 192 + 192 * 256 + 192 * 65536;

// Pointer shapes by the toolkit's numbers.
enum PointerShape {
    kPointerDefault = 0,
    kPointerCross = 2,
    kPointerUpDown = 7,
    kPointerLeftRight = 9,
    kPointerMove = 15
};

// A picture area: a persistent image placed in the window. Position and size are in twips; the image is
// the area's inner size in pixels.
struct PictureBox {
    quarn::Canvas Image;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int MousePointer = kPointerDefault;
    bool ShowNow = false;  // the image changed between frames and must be shown at once
};

struct MainForm {
    std::string Caption = "Orrin";
    int ScaleWidth = kStartClientWidth;  // client area in twips
    int ScaleHeight = kStartClientHeight;
    PictureBox Picture1;  // the 3D view
    PictureBox Picture2;  // the hue strip along the right edge
    PictureBox Picture3;  // the shade strip along the bottom edge
    MenuModel Menus;
    bool EndRequested = false;  // the program is to end at once
};

MainForm& Form1();

// A length or position in twips as whole pixels, rounded half to even.
int TwipsToPixels(int twips);

// Places a picture area in twips and sizes its image to match; true when its size changed, in twips or
// in pixels (the picture's Resize event is due then).
bool MovePicture(PictureBox& picture, int left, int top, int width, int height);

// Returns the window, its globals and the store to their state before start-up (for tests and tools).
void ResetShell();

}  // namespace orrin
