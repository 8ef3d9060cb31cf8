#pragma once
// Builds little-endian test files byte by byte, and 3D Studio chunks from them.

#include <array>
#include <bit>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace quarn::testing {

using Bytes = std::vector<std::uint8_t>;

class ByteBuilder {
public:
    ByteBuilder& U8(unsigned v) {
        bytes_.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    ByteBuilder& U16(unsigned v) { return U8(v & 0xFF).U8((v >> 8) & 0xFF); }
    ByteBuilder& I16(int v) { return U16(static_cast<std::uint16_t>(v)); }
    ByteBuilder& U32(std::uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    ByteBuilder& F32(float v) { return U32(std::bit_cast<std::uint32_t>(v)); }
    ByteBuilder& Vec(float x, float y, float z) { return F32(x).F32(y).F32(z); }
    // Latin-1 text and its 0 byte.
    ByteBuilder& Text(std::string_view latin1) {
        for (const char c : latin1) U8(static_cast<unsigned char>(c));
        return U8(0);
    }
    ByteBuilder& Add(const Bytes& more) {
        bytes_.insert(bytes_.end(), more.begin(), more.end());
        return *this;
    }
    operator Bytes() const { return bytes_; }

private:
    Bytes bytes_;
};

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    ByteBuilder b;
    for (const Bytes& p : parts) b.Add(p);
    return b;
}

// A chunk whose length field covers the header and the body.
inline Bytes Chunk(std::uint16_t id, std::initializer_list<Bytes> body) {
    const Bytes data = Concat(body);
    return ByteBuilder().U16(id).U32(static_cast<std::uint32_t>(data.size() + 6)).Add(data);
}

inline Bytes PointArray(std::initializer_list<std::array<float, 3>> points) {
    ByteBuilder b;
    b.U16(static_cast<unsigned>(points.size()));
    for (const auto& p : points) b.Vec(p[0], p[1], p[2]);
    return Chunk(0x4110, {b});
}

inline Bytes FaceArray(std::initializer_list<std::array<unsigned, 3>> faces) {
    ByteBuilder b;
    b.U16(static_cast<unsigned>(faces.size()));
    for (const auto& f : faces) b.U16(f[0]).U16(f[1]).U16(f[2]).U16(7);
    return Chunk(0x4120, {b});
}

// A named object holding one chunk (a mesh, light or camera).
inline Bytes NamedObject(std::string_view name, const Bytes& object) {
    return Chunk(0x4000, {ByteBuilder().Text(name), object});
}

inline Bytes TriangleMesh(std::string_view name, std::initializer_list<Bytes> children) {
    return NamedObject(name, Chunk(0x4100, children));
}

// A whole file: the main chunk with its editor data and, when given, its keyframer data.
inline Bytes File3ds(std::initializer_list<Bytes> objects, std::initializer_list<Bytes> nodes = {}) {
    if (nodes.size() == 0) return Chunk(0x4D4D, {Chunk(0x3D3D, objects)});
    return Chunk(0x4D4D, {Chunk(0x3D3D, objects), Chunk(0xB000, nodes)});
}

inline Bytes Node(std::string_view name, int parent) {
    return Chunk(0xB002, {Chunk(0xB010, {ByteBuilder().Text(name).I16(0).I16(0).I16(parent)})});
}

}  // namespace quarn::testing
