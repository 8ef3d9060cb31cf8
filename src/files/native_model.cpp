#include "files/native_model.hpp"

#include <cmath>
#include <variant>

#include "files/chunk_cursor.hpp"
#include "files/file_access.hpp"
#include "files/file_messages.hpp"
#include "files/loaded_mesh.hpp"
#include "files/model_file.hpp"
#include "scene/engine_error.hpp"
#include "scene/mesh_lifecycle.hpp"
#include "scene/scene_store.hpp"

namespace quarn {
namespace {

constexpr int kVertexEntrySize = 12;
constexpr int kFaceEntrySize = 16;

struct ReadResult {
    enum Kind { kComplete, kTooLarge, kDamaged } Kind = kComplete;
    std::string Detail;  // what is wrong with a damaged file
};

ReadResult Damaged(std::string detail) { return {ReadResult::kDamaged, std::move(detail)}; }

// Reads a count and checks it: present, not negative, its run inside the tables, and its records all in
// the file. Returns the count, or the reason to stop.
std::variant<int, ReadResult> ReadCount(ChunkCursor& in, int firstSlot, int recordSize, const char* what) {
    const int count = in.ReadInt16();
    if (in.Overran()) return Damaged(std::string("it ends before its ") + what + " count");
    if (count < 0) return Damaged(std::string("it gives a negative ") + what + " count");
    if (!RunFitsTable(firstSlot, count)) return ReadResult{ReadResult::kTooLarge, {}};
    if (!in.Fits(count, recordSize)) return Damaged(std::string("it ends before its last ") + what);
    return count;
}

ReadResult ReadModelInto(ChunkCursor& in, int mesh) {
    SceneStore& s = Scene();
    MeshRecord& m = s.Meshes[mesh];
    m.Name = in.ReadCString();

    const auto vertexCount = ReadCount(in, m.FirstVertex, kVertexEntrySize, "vertex");
    if (const auto* stop = std::get_if<ReadResult>(&vertexCount)) return *stop;
    m.VertexCount = static_cast<Index>(std::get<int>(vertexCount));
    for (int v = m.FirstVertex; v < m.FirstVertex + m.VertexCount; ++v) {
        Vector3D p;
        p.x = in.ReadFloat();
        p.y = in.ReadFloat();
        p.z = in.ReadFloat();
        if (!IsFiniteVector(p)) return Damaged("a vertex coordinate is not a finite number");
        s.Vertices[v] = p;
    }

    const auto faceCount = ReadCount(in, m.FirstFace, kFaceEntrySize, "face");
    if (const auto* stop = std::get_if<ReadResult>(&faceCount)) return *stop;
    m.FaceCount = static_cast<Index>(std::get<int>(faceCount));
    for (int f = m.FirstFace; f < m.FirstFace + m.FaceCount; ++f) {
        FaceRecord face;
        face.VertexA = CornerFromOffset(m.FirstVertex, in.ReadInt16());
        face.VertexB = CornerFromOffset(m.FirstVertex, in.ReadInt16());
        face.VertexC = CornerFromOffset(m.FirstVertex, in.ReadInt16());
        face.Color.Red = ClampColorComponent(in.ReadInt16());
        face.Color.Green = ClampColorComponent(in.ReadInt16());
        face.Color.Blue = ClampColorComponent(in.ReadInt16());
        face.Diffuse = in.ReadFloat();
        if (!std::isfinite(face.Diffuse)) return Damaged("a face's diffuse value is not a finite number");
        s.Faces[f] = face;
    }
    return {};
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodeModel(int mesh) {
    const SceneStore& s = Scene();
    const MeshRecord& m = s.Meshes[mesh];
    ModelFile out;
    if (!out.WriteCString(m.Name)) return std::nullopt;
    out.WriteInt16(m.VertexCount);
    for (int v = m.FirstVertex; v <= RangeLast(m.FirstVertex, m.VertexCount); ++v) {
        out.WriteFloat(s.Vertices[v].x);
        out.WriteFloat(s.Vertices[v].y);
        out.WriteFloat(s.Vertices[v].z);
    }
    out.WriteInt16(m.FaceCount);
    for (int f = m.FirstFace; f <= RangeLast(m.FirstFace, m.FaceCount); ++f) {
        const FaceRecord& face = s.Faces[f];
        out.WriteInt16(CheckedSub16(face.VertexA, m.FirstVertex));
        out.WriteInt16(CheckedSub16(face.VertexB, m.FirstVertex));
        out.WriteInt16(CheckedSub16(face.VertexC, m.FirstVertex));
        out.WriteInt16(face.Color.Red);
        out.WriteInt16(face.Color.Green);
        out.WriteInt16(face.Color.Blue);
        out.WriteFloat(face.Diffuse);
    }
    return out.Bytes();
}

bool SaveModel(int mesh, const std::string& path) {
    const auto bytes = EncodeModel(mesh);
    if (!bytes) {
        ReportUnsavableName(Scene().Meshes[mesh].Name);
        return false;
    }
    const std::string error = ReplaceWholeFile(path, *bytes);
    if (!error.empty()) {
        ReportWriteFailure(path, error);
        return false;
    }
    return true;
}

Index LoadModel(const std::string& path) {
    const FileReadResult file = ReadWholeFile(path);
    if (!file.Error.empty()) {
        ReportReadFailure(path, file.Error);
        return 0;
    }
    return LoadModelFromBytes(file.Bytes, path);
}

Index LoadModelFromBytes(std::span<const std::uint8_t> bytes, const std::string& source) {
    const Index created = CreateMesh(0, 0);
    if (created == 0) return 0;
    PendingMesh mesh(created);
    ModelFile file(bytes);
    ChunkCursor in(file);
    const ReadResult result = ReadModelInto(in, mesh.Get());
    if (result.Kind == ReadResult::kTooLarge) {
        ShowEngineError(kMeshAllocationError);
        mesh.Discard();
        return 0;
    }
    if (result.Kind == ReadResult::kDamaged) {
        mesh.Discard();
        ReportDamagedModel(source, result.Detail);
        return 0;
    }
    return mesh.Finish();
}

}  // namespace quarn
