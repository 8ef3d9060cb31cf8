// Reading a mesh of 10000 vertices and 9998 faces (a ribbon of 5000 x 2 vertices) from a native model
// file and from a 3D Studio file, both held in memory, and the share of the work that cleaning takes.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "files/import_3ds.hpp"
#include "files/model_file.hpp"
#include "files/native_model.hpp"
#include "platform/ui.hpp"
#include "scene/scene.hpp"

namespace quarn {
namespace {

constexpr int kColumns = 5000;
constexpr int kVertices = 2 * kColumns;
constexpr int kFaces = 2 * (kColumns - 1);

void ResetStore() {
    ResetScene();
    InitEngine();
}

// The ribbon, built straight into the store as mesh 1.
Index BuildRibbon() {
    const Index m = CreateMesh(kVertices, kFaces);
    SceneStore& s = Scene();
    const MeshRecord& r = s.Meshes[m];
    for (int i = 0; i < kColumns; ++i) {
        s.Vertices[r.FirstVertex + 2 * i] = {float(i), 0, 0};
        s.Vertices[r.FirstVertex + 2 * i + 1] = {float(i), 1, 0};
    }
    for (int i = 0; i + 1 < kColumns; ++i) {
        const auto v = [&](int k) { return static_cast<Index>(r.FirstVertex + k); };
        s.Faces[r.FirstFace + 2 * i] = {v(2 * i), v(2 * i + 1), v(2 * i + 2), {200, 100, 50}, 0.5f};
        s.Faces[r.FirstFace + 2 * i + 1] = {v(2 * i + 1), v(2 * i + 3), v(2 * i + 2), {200, 100, 50}, 0.5f};
    }
    return m;
}

std::vector<std::uint8_t> RibbonModelFile() {
    ResetStore();
    return *EncodeModel(BuildRibbon());
}

// Writes a chunk header whose length is patched once the body is written.
template <class Body>
void WriteChunk(ModelFile& out, std::uint16_t id, Body body) {
    const std::int64_t start = out.Position();
    out.WriteInt16(static_cast<std::int16_t>(id));
    out.WriteInt16(0);
    out.WriteInt16(0);
    body();
    const std::int64_t end = out.Position();
    const auto length = static_cast<std::uint32_t>(end - start);
    out.Seek(start + 2);
    out.WriteInt16(static_cast<std::int16_t>(length & 0xFFFF));
    out.WriteInt16(static_cast<std::int16_t>(length >> 16));
    out.Seek(end);
}

std::vector<std::uint8_t> RibbonFile3ds() {
    ResetStore();
    const Index m = BuildRibbon();
    const SceneStore& s = Scene();
    const MeshRecord& r = s.Meshes[m];
    ModelFile out;
    WriteChunk(out, 0x4D4D, [&] {
        WriteChunk(out, 0x3D3D, [&] {
            WriteChunk(out, 0x4000, [&] {
                out.WriteCString("Ribbon");
                WriteChunk(out, 0x4100, [&] {
                    WriteChunk(out, 0x4110, [&] {
                        out.WriteInt16(static_cast<std::int16_t>(kVertices));
                        for (int v = 0; v < kVertices; ++v) {
                            const Vector3D& p = s.Vertices[r.FirstVertex + v];
                            out.WriteFloat(p.x);
                            out.WriteFloat(p.z);
                            out.WriteFloat(p.y);
                        }
                    });
                    WriteChunk(out, 0x4120, [&] {
                        out.WriteInt16(static_cast<std::int16_t>(kFaces));
                        for (int f = 0; f < kFaces; ++f) {
                            const FaceRecord& face = s.Faces[r.FirstFace + f];
                            out.WriteInt16(static_cast<std::int16_t>(face.VertexA - r.FirstVertex));
                            out.WriteInt16(static_cast<std::int16_t>(face.VertexC - r.FirstVertex));
                            out.WriteInt16(static_cast<std::int16_t>(face.VertexB - r.FirstVertex));
                            out.WriteInt16(0);
                        }
                    });
                });
            });
        });
    });
    return out.Bytes();
}

// Runs read() once per iteration on an empty store and checks that it built the whole ribbon.
template <class Read>
void RunReader(benchmark::State& state, Read read) {
    for (auto _ : state) {
        state.PauseTiming();
        ResetStore();
        state.ResumeTiming();
        read();
        if (Scene().MeshSlots.Count != 1 || Scene().Meshes[1].VertexCount != kVertices ||
            Scene().Meshes[1].FaceCount != kFaces)
            state.SkipWithError("the ribbon did not load whole");
    }
    state.counters["vertices"] = kVertices;
}

void BM_LoadModel(benchmark::State& state) {
    const auto bytes = RibbonModelFile();
    RunReader(state, [&] { LoadModelFromBytes(bytes); });
}
BENCHMARK(BM_LoadModel)->Unit(benchmark::kMillisecond);

void BM_Import3ds(benchmark::State& state) {
    const auto bytes = RibbonFile3ds();
    RunReader(state, [&] { Import3dsFromBytes(bytes); });
}
BENCHMARK(BM_Import3ds)->Unit(benchmark::kMillisecond);

// The cleaning that both readers run on what they read, alone.
void BM_CleanMesh(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ResetStore();
        const Index m = BuildRibbon();
        state.ResumeTiming();
        CleanMesh(m);
    }
}
BENCHMARK(BM_CleanMesh)->Unit(benchmark::kMillisecond);

void BM_EncodeModel(benchmark::State& state) {
    ResetStore();
    const Index m = BuildRibbon();
    for (auto _ : state) benchmark::DoNotOptimize(EncodeModel(m));
}
BENCHMARK(BM_EncodeModel)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarn
