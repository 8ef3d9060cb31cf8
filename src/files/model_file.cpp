#include "files/model_file.hpp"

#include <algorithm>
#include <bit>

#include "files/latin1_text.hpp"

namespace quarn {

ModelFile::ModelFile(std::span<const std::uint8_t> bytes) : bytes_(bytes.begin(), bytes.end()) {}

void ModelFile::Seek(std::int64_t position) { position_ = std::clamp<std::int64_t>(position, 1, Length() + 1); }

std::uint32_t ModelFile::ReadLittleEndian(int n) {
    if (Length() - position_ + 1 < n) {
        position_ = Length() + 1;
        return 0;
    }
    std::uint32_t value = 0;
    const std::size_t at = static_cast<std::size_t>(position_ - 1);
    for (int k = n - 1; k >= 0; --k) value = (value << 8) | bytes_[at + static_cast<std::size_t>(k)];
    position_ += n;
    return value;
}

void ModelFile::WriteLittleEndian(std::uint32_t value, int n) {
    for (int k = 0; k < n; ++k) {
        const auto byte = static_cast<std::uint8_t>(value >> (8 * k));
        const std::size_t at = static_cast<std::size_t>(position_ - 1);
        if (at < bytes_.size()) {
            bytes_[at] = byte;
        } else {
            bytes_.push_back(byte);
        }
        ++position_;
    }
}

std::uint8_t ModelFile::ReadByte() { return static_cast<std::uint8_t>(ReadLittleEndian(1)); }

std::int16_t ModelFile::ReadInt16() { return static_cast<std::int16_t>(ReadLittleEndian(2)); }

std::int32_t ModelFile::ReadInt32() { return static_cast<std::int32_t>(ReadLittleEndian(4)); }

float ModelFile::ReadFloat() { return std::bit_cast<float>(ReadLittleEndian(4)); }

std::string ModelFile::ReadCStringBefore(std::int64_t stop) {
    stop = std::min(stop, Length() + 1);
    std::string latin1;
    while (position_ < stop) {
        const std::uint8_t byte = bytes_[static_cast<std::size_t>(position_ - 1)];
        ++position_;
        if (byte == 0) break;
        latin1.push_back(static_cast<char>(byte));
    }
    return Latin1ToUtf8(latin1);
}

void ModelFile::WriteByte(std::uint8_t value) { WriteLittleEndian(value, 1); }

void ModelFile::WriteInt16(std::int16_t value) { WriteLittleEndian(static_cast<std::uint16_t>(value), 2); }

void ModelFile::WriteFloat(float value) { WriteLittleEndian(std::bit_cast<std::uint32_t>(value), 4); }

bool ModelFile::WriteCString(const std::string& text) {
    const auto latin1 = Utf8ToLatin1(text);
    if (!latin1) return false;
    for (const char c : *latin1) WriteByte(static_cast<std::uint8_t>(c));
    WriteByte(0);
    return true;
}

}  // namespace quarn
