#pragma once
// The command-line options of nets: --net, --tabs, --scale, --paper and --fold (and --labels, shared
// with textbook drawings).

#include <functional>
#include <optional>
#include <string>

namespace orrin {

struct NetOptions {
    bool enabled = false;          // --net: the solid's net instead of a frame
    bool labels = false;           // vertex letters on the net's corners
    bool tabs = false;             // glue tabs, numbered with their edges
    double millimetresPerUnit = 1;  // --scale
    std::string paper = "A4";      // --paper A4 or Letter
    std::optional<double> fold;    // --fold T: the partly folded net drawn as a frame
};

// Takes the argument when it is a net option; value() reads the option's value.
bool ParseNetOption(const std::string& arg, const std::function<const std::string&()>& value, NetOptions& options);
// Throws UsageError when the net options do not fit together with the output file and --info.
void CheckNetOptions(const NetOptions& options, const std::string& output, bool info);

extern const char kNetUsage[];

}  // namespace orrin
