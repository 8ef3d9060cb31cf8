#include <gtest/gtest.h>

#include "files/latin1_text.hpp"
#include "files/model_file.hpp"

namespace quarn {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ModelFile, WritesLittleEndianValuesAndReadsThemBack) {
    ModelFile file;
    EXPECT_TRUE(file.WriteCString("abc"));
    file.WriteInt16(-2);
    file.WriteFloat(1.0f);
    file.WriteByte(0xAB);
    EXPECT_EQ(file.Bytes(), (Bytes{0x61, 0x62, 0x63, 0x00, 0xFE, 0xFF, 0x00, 0x00, 0x80, 0x3F, 0xAB}));
    EXPECT_EQ(file.Position(), 12);

    file.Seek(1);
    EXPECT_EQ(file.ReadCString(), "abc");
    EXPECT_EQ(file.Position(), 5);  // just after the 0 byte
    EXPECT_EQ(file.ReadInt16(), -2);
    EXPECT_EQ(file.ReadFloat(), 1.0f);
    EXPECT_FALSE(file.AtEnd());
    EXPECT_EQ(file.ReadByte(), 0xAB);
    EXPECT_TRUE(file.AtEnd());
}

TEST(ModelFile, WritingInsideTheFileOverwritesAndPastItsEndExtends) {
    ModelFile file(Bytes{1, 2, 3});
    file.Seek(2);
    file.WriteInt16(0x0605);
    file.WriteByte(7);
    EXPECT_EQ(file.Bytes(), (Bytes{1, 5, 6, 7}));
}

TEST(ModelFile, ReadsPastTheEndGiveZeroAndTheEndOfFileCondition) {
    ModelFile file(Bytes{0x78, 0x56, 0x34, 0x12, 0x00, 0x80, 0x09});
    EXPECT_EQ(file.ReadInt32(), 0x12345678);
    EXPECT_EQ(file.ReadInt16(), -32768);
    EXPECT_FALSE(file.AtEnd());
    EXPECT_EQ(file.ReadFloat(), 0.0f);  // only one byte was left
    EXPECT_TRUE(file.AtEnd());
    EXPECT_EQ(file.Position(), 8);
    EXPECT_EQ(file.ReadByte(), 0);
    EXPECT_EQ(file.ReadInt32(), 0);
    EXPECT_EQ(file.ReadCString(), "");
    EXPECT_EQ(file.Position(), 8);
}

TEST(ModelFile, TextWithoutItsZeroByteEndsAtTheEndOfTheFile) {
    ModelFile file(Bytes{'a', 'b'});
    EXPECT_EQ(file.ReadCString(), "ab");
    EXPECT_TRUE(file.AtEnd());
}

TEST(ModelFile, TextIsLatin1InTheFileAndUtf8InMemory) {
    ModelFile in(Bytes{0xE9, 'a', 0xFF, 0x00});
    EXPECT_EQ(in.ReadCString(), "\xC3\xA9" "a\xC3\xBF");  // é a ÿ

    ModelFile out;
    EXPECT_TRUE(out.WriteCString("Caf\xC3\xA9"));
    EXPECT_EQ(out.Bytes(), (Bytes{'C', 'a', 'f', 0xE9, 0x00}));
    // A character outside Latin-1, broken UTF-8 and an embedded 0 write nothing.
    for (const std::string& bad : std::vector<std::string>{"\xE4\xB8\xAD", "ab\xC3", "\xC3(", std::string("a\0b", 3), "\xC4\x80"}) {
        EXPECT_FALSE(out.WriteCString(bad)) << bad;
        EXPECT_EQ(out.Length(), 5);
    }
    EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8("\x01\x7F\x80\xFF")), "\x01\x7F\x80\xFF");
}

}  // namespace
}  // namespace quarn
