#pragma once
// A model file held whole in memory, read and written one value at a time at a current position.
// Positions count bytes from 1; multi-byte values are little-endian; floats are IEEE 754 single
// precision; text is one byte per character (Latin-1) ended by a 0 byte, and UTF-8 in memory.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quarn {

class ModelFile {
public:
    // An empty file, for writing.
    ModelFile() = default;
    // A file holding these bytes, positioned at its first byte.
    explicit ModelFile(std::span<const std::uint8_t> bytes);

    std::int64_t Length() const { return static_cast<std::int64_t>(bytes_.size()); }
    // 1 is the first byte; Length() + 1 is just past the last.
    std::int64_t Position() const { return position_; }
    // Moves to the position, held within 1..Length() + 1.
    void Seek(std::int64_t position);
    // True when no byte is left at the position: after the last value was read, or after a read that
    // ran past the end.
    bool AtEnd() const { return position_ > Length(); }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

    // A read that does not fit before the end gives zero and leaves the position just past the end.
    std::uint8_t ReadByte();
    std::int16_t ReadInt16();
    std::int32_t ReadInt32();
    float ReadFloat();
    // Characters up to a 0 byte (consumed) or the end of the file, whichever comes first.
    std::string ReadCString() { return ReadCStringBefore(Length() + 1); }
    // The same, but the text also ends at the position stop.
    std::string ReadCStringBefore(std::int64_t stop);

    // Writing overwrites the bytes at the position and extends the file past its end.
    void WriteByte(std::uint8_t value);
    void WriteInt16(std::int16_t value);
    void WriteFloat(float value);
    // Writes the text's Latin-1 bytes and a 0 byte. A text that has no Latin-1 form (see Utf8ToLatin1)
    // writes nothing and gives false.
    bool WriteCString(const std::string& text);

private:
    // The n bytes at the position as an unsigned little-endian number, or 0 when they do not fit.
    std::uint32_t ReadLittleEndian(int n);
    void WriteLittleEndian(std::uint32_t value, int n);

    std::vector<std::uint8_t> bytes_;
    std::int64_t position_ = 1;
};

}  // namespace quarn
