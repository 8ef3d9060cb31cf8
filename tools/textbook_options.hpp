#pragma once
// The command-line options of textbook drawings: --textbook, --view and --labels.

#include <functional>
#include <string>

namespace orrin {

struct TextbookOptions {
    bool enabled = false;  // --textbook: draw a line drawing instead of a frame
    std::string view;      // oblique, front, side, top or three; empty: the camera's orbit view
    bool labels = false;   // letters at the vertices of polyhedra
};

// Takes the argument when it is a textbook option; value() reads the option's value.
bool ParseTextbookOption(const std::string& arg, const std::function<const std::string&()>& value,
                         TextbookOptions& options);
// Throws UsageError when the textbook options do not fit together with the output file.
void CheckTextbookOptions(const TextbookOptions& options, const std::string& output);

extern const char kTextbookUsage[];

}  // namespace orrin
