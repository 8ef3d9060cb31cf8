#pragma once
// The window's commands outside the solid and draw-style menus. They talk to the user only through
// the installed Ui and end by asking for a frame unless said otherwise.

#include <string>

#include "platform/numeric.hpp"

namespace orrin {

inline constexpr char kOpenFilter[] =
    "Quarn Files (*.qrn)|*.qrn|3D Studio Files (*.3ds)|*.3ds|All Files (*.*)|*.*";
inline constexpr char kSaveFilter[] = "Quarn Files (*.qrn)|*.qrn|All Files (*.*)|*.*";

// A dotted version with each part printed as a plain number: "3.00.0003" reads "3.0.3".
std::string FormatVersion(const std::string& dottedVersion);
// The program's name and version as the about box shows them.
std::string AboutText();

void ShowAbout();
void OpenHelp();       // no frame
void SaveModelFile();  // no frame
void RenameMesh();  // a name a model file cannot hold is refused and the old one kept
void ClearAll();
void ExitProgram();  // no frame; the program ends at once
void RequestRedraw();
void ToggleLight();
void ToggleOrthographic();
void PaintCommand(quarn::Index index);
void SubdivideCommand(quarn::Index index);
void RippleSurface();
void ChartDemo(quarn::Index index);
void ScatterDemo(quarn::Index index);

}  // namespace orrin
