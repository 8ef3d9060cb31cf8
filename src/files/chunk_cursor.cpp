#include "files/chunk_cursor.hpp"

namespace quarn {

ChunkCursor::ChunkCursor(ModelFile& file) : file_(file), limits_{file.Length() + 1}, cutLimits_{true} {}

bool ChunkCursor::Fits(std::int64_t count, std::int64_t recordSize) const {
    if (count < 0 || recordSize < 0) return false;
    // Both factors come from 16-bit counts and small record sizes, so the product cannot overflow.
    return count * recordSize <= BytesLeft();
}

template <class Read>
auto ChunkCursor::ReadWithin(int size, Read read) -> decltype(read()) {
    if (BytesLeft() < size) {
        overran_ = true;
        MoveToLimit();
        return {};
    }
    return read();
}

std::uint8_t ChunkCursor::ReadByte() {
    return ReadWithin(1, [this] { return file_.ReadByte(); });
}

std::int16_t ChunkCursor::ReadInt16() {
    return ReadWithin(2, [this] { return file_.ReadInt16(); });
}

std::int32_t ChunkCursor::ReadInt32() {
    return ReadWithin(4, [this] { return file_.ReadInt32(); });
}

float ChunkCursor::ReadFloat() {
    return ReadWithin(4, [this] { return file_.ReadFloat(); });
}

std::uint16_t ChunkCursor::PeekUInt16() const {
    if (BytesLeft() < 2) return 0;
    const auto& bytes = file_.Bytes();
    const auto at = static_cast<std::size_t>(Position() - 1);
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::optional<ChunkHeader> ChunkCursor::ReadHeader() {
    if (BytesLeft() < kChunkHeaderSize) {
        // Inside a chunk the file cuts short; a few stray bytes after the last top-level chunk are not.
        if (BytesLeft() > 0 && LimitIsFileEnd() && Depth() > 0) truncated_ = true;
        MoveToLimit();
        return std::nullopt;
    }
    ChunkHeader chunk;
    chunk.Start = Position();
    chunk.Id = static_cast<std::uint16_t>(file_.ReadInt16());
    // The length is unsigned on disk; read as such, a huge value simply reaches past the limit.
    const auto length = static_cast<std::uint32_t>(file_.ReadInt32());
    chunk.End = chunk.Start + length;
    if (length >= kChunkHeaderSize && chunk.End > Limit() && LimitIsFileEnd()) {
        chunk.End = Limit();
        chunk.Cut = true;
    }
    if (length < kChunkHeaderSize || chunk.End > Limit()) {
        MoveToLimit();
        return std::nullopt;
    }
    return chunk;
}

bool ChunkCursor::Enter(const ChunkHeader& chunk) {
    if (Depth() >= kMaxChunkDepth) {
        MoveTo(chunk.End);
        return false;
    }
    limits_.push_back(chunk.End < Limit() ? chunk.End : Limit());
    cutLimits_.push_back(chunk.Cut);
    if (chunk.Cut) truncated_ = true;
    return true;
}

void ChunkCursor::Leave() {
    if (limits_.size() < 2) return;
    MoveToLimit();
    limits_.pop_back();
    cutLimits_.pop_back();
}

void ChunkCursor::MoveTo(std::int64_t position) {
    // Never past the current limit.
    file_.Seek(position < Limit() ? position : Limit());
}

}  // namespace quarn
