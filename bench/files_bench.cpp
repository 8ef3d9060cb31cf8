// Reading a ribbon mesh of 2 x n vertices and 2 (n - 1) faces (10000 vertices and 9998 faces at most) from
// a native model file and from a 3D Studio file, both held in memory, and the share of the work that
// cleaning takes; the sizes show how that work grows.

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

struct Ribbon {
    int Columns;
    int Vertices() const { return 2 * Columns; }
    int Faces() const { return 2 * (Columns - 1); }
};

void ResetStore() {
    ResetScene();
    InitEngine();
}

// The ribbon, built straight into the store as mesh 1.
Index BuildRibbon(Ribbon ribbon) {
    const Index m = CreateMesh(ribbon.Vertices(), ribbon.Faces());
    SceneStore& s = Scene();
    const MeshRecord& r = s.Meshes[m];
    for (int i = 0; i < ribbon.Columns; ++i) {
        s.Vertices[r.FirstVertex + 2 * i] = {float(i), 0, 0};
        s.Vertices[r.FirstVertex + 2 * i + 1] = {float(i), 1, 0};
    }
    for (int i = 0; i + 1 < ribbon.Columns; ++i) {
        const auto v = [&](int k) { return static_cast<Index>(r.FirstVertex + k); };
        s.Faces[r.FirstFace + 2 * i] = {v(2 * i), v(2 * i + 1), v(2 * i + 2), {200, 100, 50}, 0.5f};
        s.Faces[r.FirstFace + 2 * i + 1] = {v(2 * i + 1), v(2 * i + 3), v(2 * i + 2), {200, 100, 50}, 0.5f};
    }
    return m;
}

std::vector<std::uint8_t> RibbonModelFile(Ribbon ribbon) {
    ResetStore();
    return *EncodeModel(BuildRibbon(ribbon));
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

std::vector<std::uint8_t> RibbonFile3ds(Ribbon ribbon) {
    ResetStore();
    const Index m = BuildRibbon(ribbon);
    const SceneStore& s = Scene();
    const MeshRecord& r = s.Meshes[m];
    ModelFile out;
    WriteChunk(out, 0x4D4D, [&] {
        WriteChunk(out, 0x3D3D, [&] {
            WriteChunk(out, 0x4000, [&] {
                out.WriteCString("Ribbon");
                WriteChunk(out, 0x4100, [&] {
                    WriteChunk(out, 0x4110, [&] {
                        out.WriteInt16(static_cast<std::int16_t>(ribbon.Vertices()));
                        for (int v = 0; v < ribbon.Vertices(); ++v) {
                            const Vector3D& p = s.Vertices[r.FirstVertex + v];
                            out.WriteFloat(p.x);
                            out.WriteFloat(p.z);
                            out.WriteFloat(p.y);
                        }
                    });
                    WriteChunk(out, 0x4120, [&] {
                        out.WriteInt16(static_cast<std::int16_t>(ribbon.Faces()));
                        for (int f = 0; f < ribbon.Faces(); ++f) {
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
void RunReader(benchmark::State& state, Ribbon ribbon, Read read) {
    for (auto _ : state) {
        state.PauseTiming();
        ResetStore();
        state.ResumeTiming();
        read();
        if (Scene().MeshSlots.Count != 1 || Scene().Meshes[1].VertexCount != ribbon.Vertices() ||
            Scene().Meshes[1].FaceCount != ribbon.Faces())
            state.SkipWithError("the ribbon did not load whole");
    }
    state.counters["vertices"] = ribbon.Vertices();
}

void BM_LoadModel(benchmark::State& state) {
    const Ribbon ribbon{int(state.range(0))};
    const auto bytes = RibbonModelFile(ribbon);
    RunReader(state, ribbon, [&] { LoadModelFromBytes(bytes); });
}
BENCHMARK(BM_LoadModel)->Arg(500)->Arg(2500)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_Import3ds(benchmark::State& state) {
    const Ribbon ribbon{int(state.range(0))};
    const auto bytes = RibbonFile3ds(ribbon);
    RunReader(state, ribbon, [&] { Import3dsFromBytes(bytes); });
}
BENCHMARK(BM_Import3ds)->Arg(5000)->Unit(benchmark::kMillisecond);

// The cleaning that both readers run on what they read, alone.
void BM_CleanMesh(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ResetStore();
        const Index m = BuildRibbon({int(state.range(0))});
        state.ResumeTiming();
        CleanMesh(m);
    }
}
BENCHMARK(BM_CleanMesh)->Arg(500)->Arg(2500)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_EncodeModel(benchmark::State& state) {
    ResetStore();
    const Index m = BuildRibbon({int(state.range(0))});
    for (auto _ : state) benchmark::DoNotOptimize(EncodeModel(m));
}
BENCHMARK(BM_EncodeModel)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarn
