#pragma once
// The command line of orrin-render.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "solids/school_solids.hpp"
#include "section_options.hpp"
#include "net_options.hpp"
#include "textbook_options.hpp"

namespace orrin {

struct RenderOptions {
    std::string source;           // a menu index, a solid's name, a family with parameters, or a model path
    std::optional<quarn::SchoolSolid> family;  // the source as a family with its parameters
    std::string outputPng;        // -o
    std::string saveQrn;          // --save SOURCE FILE
    int width = 488;
    int height = 369;
    float yaw = 0;
    float pitch = 0;
    float distance = 200;
    int style = 2;
    std::optional<std::int32_t> color;  // packed red + green * 256 + blue * 65536
    std::optional<std::uint64_t> seed;
    bool orthographic = false;
    bool background = false;
    bool info = false;
    bool frame = false;
    bool geometry = false;
    bool help = false;
    TextbookOptions textbook;
    SectionOptions section;
    NetOptions net;
};

// A command line that cannot be understood; the text says what is wrong.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parses the arguments after the program name.
RenderOptions ParseRenderOptions(const std::vector<std::string>& arguments);

std::string RenderUsage();

}  // namespace orrin
