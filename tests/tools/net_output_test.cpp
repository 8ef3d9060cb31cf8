// orrin-render --net: the printed size of a net in the PDF, the net in the --info JSON, folding as a
// frame, and the solids that have no net.

#include <gtest/gtest.h>
#include <zlib.h>

#include <cmath>
#include <filesystem>
#include <numbers>
#include <regex>

#include <nlohmann/json.hpp>

#include "run_program.hpp"

namespace orrin {
namespace {

// The inflated content streams of a PDF file.
std::string PdfContent(const std::string& pdf) {
    std::string content;
    const std::regex stream("stream\r?\n");
    for (std::sregex_iterator it(pdf.begin(), pdf.end(), stream), end; it != end; ++it) {
        const std::size_t start = it->position() + it->length();
        const std::size_t stop = pdf.find("endstream", start);
        if (stop == std::string::npos) break;
        std::string out(1 << 22, '\0');
        uLongf size = out.size();
        if (uncompress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(pdf.data() + start),
                       stop - start) == Z_OK)
            content += out.substr(0, size) + "\n";
    }
    return content;
}

// The lengths of every straight segment "x y m x y l" of the content, in points.
std::vector<double> SegmentLengths(const std::string& content) {
    std::vector<double> lengths;
    const std::regex segment(R"(([-0-9.]+)\s+([-0-9.]+)\s+m\s+([-0-9.]+)\s+([-0-9.]+)\s+l)");
    for (std::sregex_iterator it(content.begin(), content.end(), segment), end; it != end; ++it)
        lengths.push_back(std::hypot(std::stod((*it)[3]) - std::stod((*it)[1]), std::stod((*it)[4]) - std::stod((*it)[2])));
    return lengths;
}

int CountNear(const std::vector<double>& values, double target, double tolerance) {
    return int(std::count_if(values.begin(), values.end(), [&](double v) { return std::fabs(v - target) < tolerance; }));
}

TEST(NetOutputTest, TheCubesNetIsPrintedAtTrueSizeWithAHundredMillimetreCheckBar) {
    const std::string path = OutputPath("net-cube.pdf");
    std::filesystem::remove(path);
    const RunResult r = RunProgram({"cube", "--net", "--scale", "1", "-o", path});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string pdf = ReadFile(path);
    EXPECT_NE(pdf.find("/MediaBox [ 0 0 841.889764 595.275591 ]"), std::string::npos) << "A4 landscape";
    const std::vector<double> lengths = SegmentLengths(PdfContent(pdf));
    // 40 mm edges: 14 cut edges and 5 folds of the cross; one 100 mm bar.
    EXPECT_EQ(CountNear(lengths, 40 * 72 / 25.4, 0.01), 19);
    EXPECT_EQ(CountNear(lengths, 100 * 72 / 25.4, 0.01), 1);

    // Twice the size does not fit on A4 and is printed smaller, saying so.
    const RunResult big = RunProgram({"cube", "--net", "--scale", "2", "--paper", "Letter", "-o", OutputPath("net-big.svg")});
    ASSERT_EQ(big.exitCode, 0) << big.err;
    EXPECT_NE(ReadFile(OutputPath("net-big.svg")).find("<svg"), std::string::npos);
}

TEST(NetOutputTest, InfoDescribesTheNetsFacesFoldsPartsAndArea) {
    const auto json = [](const std::vector<std::string>& args) {
        const RunResult r = RunProgram(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return nlohmann::json::parse(r.out)["net"];
    };
    const auto cube = json({"cube", "--net", "--tabs", "--info"});
    EXPECT_EQ(cube["kind"], "polyhedral");
    ASSERT_EQ(cube["faces"].size(), 6u);
    EXPECT_EQ(cube["faces"][0]["outline"].size(), 4u);
    EXPECT_EQ(cube["faces"][0]["vertices"][0].size(), 3u);
    EXPECT_EQ(cube["folds"].size(), 5u);
    EXPECT_EQ(cube["pieces"], 1);
    EXPECT_EQ(cube["tabs"].size(), 7u);
    EXPECT_NEAR(double(cube["area"]), 6 * 40 * 40, 1e-6);

    const auto cylinder = json({"cylinder", "--net", "--info"});
    EXPECT_EQ(cylinder["kind"], "developed");
    ASSERT_EQ(cylinder["parts"].size(), 3u);
    EXPECT_EQ(cylinder["parts"][0]["shape"], "rectangle");
    EXPECT_NEAR(double(cylinder["parts"][0]["width"]), 2 * std::numbers::pi * 40, 1e-6);
    EXPECT_EQ(cylinder["parts"][1]["shape"], "disc");
    const auto frustum = json({"cone-frustum:r1=40,r2=20,h=30", "--net", "--info"});
    EXPECT_EQ(frustum["parts"][0]["shape"], "annular-sector");
    EXPECT_NEAR(double(frustum["parts"][0]["angle"]), 2 * std::numbers::pi * 20 / std::hypot(30, 20), 1e-6);
    EXPECT_EQ(json({"geodesic-sphere", "--net", "--info"})["kind"], "polyhedral");
}

TEST(NetOutputTest, FoldingDrawsAFrameAndSolidsWithoutANetAreRefused) {
    const std::string png = OutputPath("net-folding.png");
    std::filesystem::remove(png);
    const RunResult folded = RunProgram({"cone", "--net", "--fold", "0.5", "--pitch", "0.5", "-o", png});
    ASSERT_EQ(folded.exitCode, 0) << folded.err;
    EXPECT_EQ(ReadFile(png).substr(0, 4), "\x89PNG");
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* message;
    } refused[] = {
        {{"torus", "--net", "-o", OutputPath("torus.svg")}, 1, "torus"},
        {{"plane", "--net", "-o", OutputPath("plane.svg")}, 1, "flat"},
        {{"cube", "--net", "--fold", "0.5", "-o", OutputPath("cube.svg")}, 2, "FILE.png"},
        {{"cube", "--net", "-o", OutputPath("cube.tex")}, 2, ".svg, .pdf or .png"},
        {{"cube", "--tabs", "-o", OutputPath("cube.png")}, 2, "go with --net"},
    };
    for (const auto& c : refused) {
        const RunResult r = RunProgram(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace orrin
