#pragma once
// The command-line options of textbook drawings: --textbook, --view, --labels, --lang, --no-aux and
// --as-built.

#include <functional>
#include <string>

namespace orrin {

struct TextbookOptions {
    bool enabled = false;  // --textbook: draw a line drawing instead of a frame
    std::string view;      // oblique, front, side, top or three; empty: the camera's orbit view
    bool labels = false;   // letters at the vertices of polyhedra and the centres of round solids
    std::string lang;      // of the views' captions: zh or en; empty: zh
    bool noAux = false;    // leave out axes, heights, centres and centre lines
    bool asBuilt = false;  // the mesh's own facets in the orientation it has, without captions or aids
};

// Takes the argument when it is a textbook option; value() reads the option's value.
bool ParseTextbookOption(const std::string& arg, const std::function<const std::string&()>& value,
                         TextbookOptions& options);
// Throws UsageError when the textbook options do not fit together with the output file.
void CheckTextbookOptions(const TextbookOptions& options, const std::string& output);

extern const char kTextbookUsage[];

}  // namespace orrin
