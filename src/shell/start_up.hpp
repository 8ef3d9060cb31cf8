#pragma once
// The window's life cycle: start-up, layout, the activation that starts the frame loop, and the end.

#include <string>
#include <vector>

namespace orrin {

// The command-line arguments as the one model path they name: joined with single spaces, since the
// system shell has already split a path with blanks and removed its quotes.
std::string JoinCommandLine(const std::vector<std::string>& arguments);

// Start-up: prepares the store and the three pictures, makes the camera and the light, sets the orbit
// and opens the model the command line names (an empty text opens nothing). Runs once.
void Form_Load(const std::string& commandLine);

// Lays out the three pictures for a client area of width x height twips and asks for a frame. A pane
// whose size in twips changes is redrawn. A zero size is valid (a minimised window).
void Form_Resize(int width, int height);

// True when this activation starts the frame loop: the first one after Form_Load. Later activations
// (after a dialog closes, or when the user comes back to the window) start nothing.
bool Form_Activate();

// The window was closed: the program ends at once, nothing is saved.
void Form_Unload();

}  // namespace orrin
