#pragma once
// A bounded cursor over a ModelFile: every read stays below the current limit. A chunk pushes its end
// as the limit while it is read and always leaves at its end, so a damaged length can neither reach
// outside the chunk that holds it nor move the walk backwards.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "files/model_file.hpp"

namespace quarn {

// Chunks nest no deeper than this; deeper chunks are stepped over unread.
inline constexpr int kMaxChunkDepth = 16;
// ID (2 bytes) and length (4 bytes, counting the header itself).
inline constexpr int kChunkHeaderSize = 6;

struct ChunkHeader {
    std::uint16_t Id = 0;
    std::int64_t Start = 0;  // position of the header's first byte
    std::int64_t End = 0;    // position just past the chunk, where the next sibling starts
    bool Cut = false;        // the file ends inside the chunk; End is the end of the file
};

class ChunkCursor {
  public:
    // The whole file is the first limit.
    explicit ChunkCursor(ModelFile& file);

    std::int64_t Position() const { return file_.Position(); }
    // The position just past the last byte that may be read now.
    std::int64_t Limit() const { return limits_.back(); }
    std::int64_t BytesLeft() const { return Limit() - Position(); }
    bool AtLimit() const { return Position() >= Limit(); }
    // True when count records of recordSize bytes fit before the limit; a count is trusted only then.
    bool Fits(std::int64_t count, std::int64_t recordSize) const;
    // True once any read has run into the limit (and given zero).
    bool Overran() const { return overran_; }
    int Depth() const { return static_cast<int>(limits_.size()) - 1; }

    // A read that does not fit before the limit gives zero, moves to the limit and sets Overran.
    std::uint8_t ReadByte();
    std::int16_t ReadInt16();
    std::uint16_t ReadUInt16() { return static_cast<std::uint16_t>(ReadInt16()); }
    std::int32_t ReadInt32();
    float ReadFloat();
    // Text up to a 0 byte or the limit.
    std::string ReadCString() { return file_.ReadCStringBefore(Limit()); }
    // The 16-bit value at the position without moving; 0 when it does not fit.
    std::uint16_t PeekUInt16() const;

    // True once the walk has found that the file ends early: it entered a chunk reaching past the end of
    // the file, or found a header cut by the end inside such a chunk.
    bool Truncated() const { return truncated_; }
    // True when the current limit is the end of the file (at the top, or in chunks the file cuts short).
    bool LimitIsFileEnd() const { return cutLimits_.back(); }

    // Reads a chunk header. A header that does not fit, a length below the header's own size or a
    // chunk reaching past the limit ends the enclosing chunk: the cursor moves to the limit and
    // nothing is returned. Where the limit is the end of the file, a chunk reaching past it is the
    // file ending early: the chunk is returned, cut at the end of the file, and entering it sets Truncated.
    std::optional<ChunkHeader> ReadHeader();
    // Makes the chunk's end the limit; false, having moved to the chunk's end, when nesting is full.
    bool Enter(const ChunkHeader& chunk);
    // Moves to the end of the innermost entered chunk and restores the enclosing limit.
    void Leave();
    void MoveTo(std::int64_t position);
    void MoveToLimit() { file_.Seek(Limit()); }

  private:
    template <class Read>
    auto ReadWithin(int size, Read read) -> decltype(read());

    ModelFile& file_;
    std::vector<std::int64_t> limits_;
    std::vector<bool> cutLimits_;  // per limit: it is the end of the file
    bool overran_ = false;
    bool truncated_ = false;
};

// Enters a chunk for the lifetime of the scope and leaves it at its end however the scope is left.
class ChunkScope {
  public:
    ChunkScope(ChunkCursor& cursor, const ChunkHeader& chunk)
        : cursor_(cursor), entered_(cursor.Enter(chunk)) {}
    ~ChunkScope() {
        if (entered_) cursor_.Leave();
    }
    ChunkScope(const ChunkScope&) = delete;
    ChunkScope& operator=(const ChunkScope&) = delete;

    bool Entered() const { return entered_; }

  private:
    ChunkCursor& cursor_;
    bool entered_;
};

}  // namespace quarn
