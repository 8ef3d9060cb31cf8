#include "render_options.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "json_writer.hpp"

namespace orrin {
namespace {

RenderOptions Parse(std::vector<std::string> args) {
    return ParseRenderOptions(args);
}

TEST(RenderOptionsTest, DefaultsAndEveryOption) {
    const RenderOptions plain = Parse({"cube", "-o", "c.png"});
    EXPECT_EQ(plain.source, "cube");
    EXPECT_EQ(plain.width, 488);
    EXPECT_EQ(plain.height, 369);
    EXPECT_EQ(plain.distance, 200);
    EXPECT_EQ(plain.style, 2);
    EXPECT_FALSE(plain.color.has_value());

    const RenderOptions all =
        Parse({"--size",  "640x480",      "--yaw", "-0.5",    "--pitch",   "0.25",       "--distance",
               "90",      "--style",      "5",     "--color", "255,128,0", "--seed",     "7",
               "--ortho", "--background", "torus", "--info",  "--frame",   "--geometry", "-o",
               "t.png"});
    EXPECT_EQ(all.width, 640);
    EXPECT_EQ(all.height, 480);
    EXPECT_EQ(all.yaw, -0.5f);
    EXPECT_EQ(all.pitch, 0.25f);
    EXPECT_EQ(all.distance, 90);
    EXPECT_EQ(all.style, 5);
    EXPECT_EQ(all.color, 255 + 128 * 256);
    EXPECT_EQ(all.seed, 7u);
    EXPECT_TRUE(all.orthographic && all.background && all.info && all.frame && all.geometry);
    EXPECT_EQ(all.source, "torus");

    const RenderOptions save = Parse({"--save", "sphere", "s.qrn"});
    EXPECT_EQ(save.source, "sphere");
    EXPECT_EQ(save.saveQrn, "s.qrn");
    EXPECT_TRUE(Parse({"--help"}).help);

    const RenderOptions drawing = Parse({"cone", "--textbook", "--view", "three", "--labels", "-o", "c.PDF"});
    EXPECT_TRUE(drawing.textbook.enabled && drawing.textbook.labels);
    EXPECT_EQ(drawing.textbook.view, "three");
    EXPECT_TRUE(Parse({"cone", "--textbook", "-o", "c.svg"}).textbook.view.empty());
    const RenderOptions asBuilt = Parse({"cone", "--textbook", "--as-built", "--no-aux", "--lang", "en", "-o", "c.svg"});
    EXPECT_TRUE(asBuilt.textbook.asBuilt && asBuilt.textbook.noAux);
    EXPECT_EQ(asBuilt.textbook.lang, "en");
}

TEST(RenderOptionsTest, BadCommandLinesSayWhatIsWrong) {
    const std::vector<std::vector<std::string>> bad = {
        {},                                         // no source
        {"cube"},                                   // nothing to do
        {"cube", "-o"},                             // missing value
        {"cube", "-o", "x.png", "--size", "0x10"},  // empty picture
        {"cube", "-o", "x.png", "--size", "big"},
        {"cube", "-o", "x.png", "--style", "6"},
        {"cube", "-o", "x.png", "--color", "1,2"},
        {"cube", "-o", "x.png", "--color", "1,2,300"},
        {"cube", "-o", "x.png", "--yaw", "nan"},
        {"cube", "-o", "x.png", "--distance", "1e30"},
        {"cube", "-o", "x.png", "--wobble"},
        {"cube", "cone", "-o", "x.png"},
        {"cube", "--frame", "-o", "x.png"},
        {"cube", "--geometry", "-o", "x.png"},
        {"cube", "--textbook", "--info"},          // a drawing needs a file
        {"cube", "--textbook", "-o", "x.jpg"},     // of a kind it can write
        {"cube", "--view", "top", "-o", "x.png"},  // views and letters belong to drawings
        {"cube", "--labels", "--info"},
        {"cube", "--textbook", "--view", "back", "-o", "x.svg"},
        {"cube", "--textbook", "--lang", "fr", "-o", "x.svg"},
        {"cube", "--as-built", "-o", "x.png"},  // so are the teacher's choices
        {"cube", "--no-aux", "-o", "x.png"},
    };
    for (const auto& args : bad) EXPECT_THROW(Parse(args), UsageError) << testing::PrintToString(args);
}

TEST(JsonWriterTest, NestsAndEscapes) {
    std::ostringstream out;
    JsonWriter json(out);
    json.BeginObject()
        .Field("name", "a\"b\\c\n\x01")
        .Key("list")
        .BeginArray()
        .Number(1.5)
        .Number(-2)
        .Bool(true);
    json.BeginObject().EndObject().EndArray().Field("实体", 3).EndObject();
    EXPECT_EQ(out.str(), "{\"name\":\"a\\\"b\\\\c\\n\\u0001\",\"list\":[1.5,-2,true,{}],\"实体\":3}");
}

}  // namespace
}  // namespace orrin
