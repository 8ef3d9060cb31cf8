#pragma once
// The command-line option of sections: --section PLANE, with --info and with --textbook.

#include <functional>
#include <string>

#include "textbook_options.hpp"

namespace orrin {

struct SectionOptions {
    std::string plane;  // --section: "through:A,C,D1" or "point:X,Y,Z;normal:NX,NY,NZ"; empty: none
};

// Takes the argument when it is a section option; value() reads the option's value.
bool ParseSectionOption(const std::string& arg, const std::function<const std::string&()>& value,
                        SectionOptions& options);
// Throws UsageError when the section has nothing to go into: --info or a single-view --textbook.
void CheckSectionOptions(const SectionOptions& options, bool info, const TextbookOptions& textbook);

extern const char kSectionUsage[];

}  // namespace orrin
