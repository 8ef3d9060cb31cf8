#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "byte_builder.hpp"
#include "files/native_model.hpp"
#include "scene/store_consistency.hpp"
#include "support/scene_fixture.hpp"

namespace quarn {
namespace {

using testing::ByteBuilder;
using testing::Bytes;
namespace fs = std::filesystem;

class NativeModel : public testing::SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        dir_ = fs::path(ORRIN_TEST_OUTPUT) / "native_model" /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        EXPECT_EQ(FindStoreInconsistency(), "");
        SceneTest::TearDown();
    }

    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    // A mesh with the given vertices and faces (corners counted from 0), each face in its own colour.
    Index MakeMesh(const std::string& name, const std::vector<Vector3D>& vertices,
                   const std::vector<std::array<int, 3>>& faces) {
        const Index m = CreateMesh(static_cast<int>(vertices.size()), static_cast<int>(faces.size()));
        MeshRecord& r = mesh(m);
        r.Name = name;
        for (std::size_t k = 0; k < vertices.size(); ++k) store().Vertices[r.FirstVertex + int(k)] = vertices[k];
        for (std::size_t k = 0; k < faces.size(); ++k) {
            const auto c = [&](int i) { return static_cast<Index>(r.FirstVertex + faces[k][i]); };
            const auto shade = static_cast<std::int16_t>(40 * k);
            store().Faces[r.FirstFace + int(k)] = {c(0), c(1), c(2), {shade, 255, 7}, 0.25f + 0.25f * float(k)};
        }
        return m;
    }

    static Bytes ReadBytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    static void WriteBytes(const std::string& path, const Bytes& bytes) {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
    }

    fs::path dir_;
};

const std::vector<Vector3D> kTriangle = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0.5f}};

TEST_F(NativeModel, ABoxOfThreeVerticesAndOneFaceIsSixtyBytes) {
    const Index m = MakeMesh("Box", kTriangle, {{0, 1, 2}});
    ASSERT_TRUE(SaveModel(m, PathOf("box.qrn")));
    const Bytes expected = ByteBuilder()
                               .Text("Box")
                               .I16(3)
                               .Vec(0, 0, 0)
                               .Vec(1, 0, 0)
                               .Vec(0, 1, 0.5f)
                               .I16(1)
                               .I16(0).I16(1).I16(2)
                               .I16(0).I16(255).I16(7)
                               .F32(0.25f);
    EXPECT_EQ(expected.size(), 60u);
    EXPECT_EQ(ReadBytes(PathOf("box.qrn")), expected);
}

TEST_F(NativeModel, SavingOverALongerFileLeavesExactlyTheNewFile) {
    const std::string path = PathOf("old.qrn");
    WriteBytes(path, Bytes(500, 0xEE));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(SaveModel(MakeMesh("Box", kTriangle, {{0, 1, 2}}), path));
    EXPECT_EQ(fs::file_size(path), 60u);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1);  // no temporary file left behind
}

TEST_F(NativeModel, ARoundTripKeepsGeometryColoursAndNameButNotTheTransform) {
    const std::vector<Vector3D> tetra = {{0, 0, 0}, {2, 0, 0}, {0, 2, 0}, {0, 0, 2}};
    const std::vector<std::array<int, 3>> faces = {{0, 2, 1}, {0, 1, 3}, {0, 3, 2}, {1, 2, 3}};
    const Index source = MakeMesh("T\xC3\xA9tra", tetra, faces);  // é is one byte in the file
    mesh(source).Position = {5, 6, 7};
    mesh(source).Scale = {2, 2, 2};
    mesh(source).RotationY = 1;
    ASSERT_TRUE(SaveModel(source, PathOf("tetra.qrn")));
    DeleteMesh(source);
    MakeMesh("spacer", {{9, 9, 9}, {8, 8, 8}, {7, 7, 7}}, {{0, 1, 2}});  // the load lands elsewhere

    const Index loaded = LoadModel(PathOf("tetra.qrn"));
    ASSERT_NE(loaded, 0);
    const MeshRecord& r = mesh(loaded);
    EXPECT_EQ(r.Name, "T\xC3\xA9tra");
    ASSERT_EQ(r.VertexCount, 4);
    ASSERT_EQ(r.FaceCount, 4);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(store().Vertices[r.FirstVertex + k], tetra[std::size_t(k)]);
        const FaceRecord& f = store().Faces[r.FirstFace + k];
        EXPECT_EQ(f.VertexA - r.FirstVertex, faces[std::size_t(k)][0]);
        EXPECT_EQ(f.VertexB - r.FirstVertex, faces[std::size_t(k)][1]);
        EXPECT_EQ(f.VertexC - r.FirstVertex, faces[std::size_t(k)][2]);
        EXPECT_EQ(f.Color, (ColorRGB16{std::int16_t(40 * k), 255, 7}));
        EXPECT_EQ(f.Diffuse, 0.25f + 0.25f * float(k));
    }
    EXPECT_EQ(r.Position, Vector3D{});
    EXPECT_EQ(r.Scale, OnesVector());
    EXPECT_EQ(r.RotationY, 0);
    EXPECT_EQ(r.Parent, 0);
    EXPECT_TRUE(r.Visible);
}

TEST_F(NativeModel, LoadingWeldsCoincidentVerticesAndKeepsAnEmptyName) {
    const Bytes file = ByteBuilder()
                           .Text("")
                           .I16(4)
                           .Vec(0, 0, 0).Vec(1, 0, 0).Vec(1.00005f, 0, 0).Vec(0, 1, 0)
                           .I16(2)
                           .I16(0).I16(1).I16(3).I16(1).I16(1).I16(1).F32(0.5f)
                           .I16(0).I16(3).I16(2).I16(2).I16(2).I16(2).F32(0.5f);
    const Index m = LoadModelFromBytes(file);
    ASSERT_NE(m, 0);
    EXPECT_EQ(mesh(m).Name, "");
    EXPECT_EQ(mesh(m).VertexCount, 3);
    EXPECT_EQ(mesh(m).FaceCount, 2);
    const FaceRecord& second = store().Faces[mesh(m).FirstFace + 1];
    // The weld kept the later of the two coincident vertices, and both faces now name it.
    EXPECT_EQ(store().Vertices[second.VertexC], (Vector3D{1.00005f, 0, 0}));
    EXPECT_EQ(store().Vertices[store().Faces[mesh(m).FirstFace].VertexB], (Vector3D{1.00005f, 0, 0}));
}

TEST_F(NativeModel, AMissingFileIsReportedAndNeverCreated) {
    const std::string path = PathOf("missing.qrn");
    EXPECT_EQ(LoadModel(path), 0);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(store().MeshSlots.Count, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find(path), std::string::npos);
    EXPECT_EQ(ui.messages[0].caption, "Error");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);

    EXPECT_EQ(LoadModel(dir_.string()), 0);  // a directory is no model file
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(NativeModel, AFailedSaveIsReportedAndLeavesTheOldFileAlone) {
    const std::string path = PathOf("keep.qrn");
    const Bytes old(77, 0x11);
    WriteBytes(path, old);

    const Index han = MakeMesh("\xE4\xB8\xAD", kTriangle, {{0, 1, 2}});  // a character outside Latin-1
    EXPECT_FALSE(SaveModel(han, path));
    EXPECT_EQ(ReadBytes(path), old);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("\xE4\xB8\xAD"), std::string::npos);

    const Index box = MakeMesh("Box", kTriangle, {{0, 1, 2}});
    EXPECT_FALSE(SaveModel(box, PathOf("no-such-folder/box.qrn")));
    fs::create_directory(PathOf("taken"));
    EXPECT_FALSE(SaveModel(box, PathOf("taken")));  // a directory cannot be replaced by a file
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_NE(ui.messages[1].text.find("no-such-folder/box.qrn"), std::string::npos);
    EXPECT_EQ(ui.messages[2].icon, MessageIcon::Error);
    EXPECT_TRUE(fs::is_directory(PathOf("taken")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 2);
}

// Damaged files: each either loads nothing with a message, or loads with its bad faces dropped.
TEST_F(NativeModel, DamagedFilesNeverLeaveAHalfMadeMesh) {
    const auto header = [](int vertexCount) {
        ByteBuilder b;
        b.Text("M").I16(vertexCount);
        for (int k = 0; k < vertexCount; ++k) b.Vec(float(k), float(k % 2), 0);
        return b;
    };
    const auto face = [](int a, int b, int c) { return ByteBuilder().I16(a).I16(b).I16(c).I16(1).I16(2).I16(3).F32(0.5f); };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        const char* name;
        Bytes file;
        int faces;            // faces of the loaded mesh, or -1 when nothing loads
        const char* message;  // part of the message shown, or "" for none
    };
    const Case cases[] = {
        {"empty file", {}, -1, "damaged"},
        {"name without its end", ByteBuilder().U8('M'), -1, "damaged"},
        {"negative vertex count", ByteBuilder().Text("M").I16(-1), -1, "negative vertex count"},
        {"vertex run past slot 10000", ByteBuilder().Text("M").I16(10001), -1, "Unable to allocate memory for mesh!"},
        {"vertices cut short", ByteBuilder().Text("M").I16(3).Add(Bytes(30, 0)), -1, "ends before its last vertex"},
        {"no face count", header(3), -1, "ends before its face count"},
        {"negative face count", ByteBuilder().Add(header(3)).I16(-32768), -1, "negative face count"},
        {"face run past slot 10000", ByteBuilder().Add(header(3)).I16(10001), -1, "Unable to allocate"},
        {"faces cut short", ByteBuilder().Add(header(3)).I16(2).Add(face(0, 1, 2)), -1, "ends before its last face"},
        {"vertex not a number", ByteBuilder().Text("M").I16(1).Vec(0, nan, 0).I16(0), -1, "not a finite number"},
        {"infinite diffuse",
         ByteBuilder().Add(header(3)).I16(1).I16(0).I16(1).I16(2).I16(0).I16(0).I16(0).F32(INFINITY), -1,
         "not a finite number"},
        {"corners outside the mesh",
         ByteBuilder().Add(header(4)).I16(5).Add(face(0, 1, 2)).Add(face(1, 2, 4)).Add(face(-1, 1, 2))
             .Add(face(32767, 1, 2)).Add(face(3, 2, 1)),
         2, ""},
        {"repeated corner", ByteBuilder().Add(header(3)).I16(2).Add(face(0, 1, 1)).Add(face(0, 1, 2)), 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.messages.clear();
        const Index m = LoadModelFromBytes(c.file, "damaged.qrn");
        EXPECT_EQ(FindStoreInconsistency(), "");
        if (c.faces < 0) {
            EXPECT_EQ(m, 0);
            EXPECT_EQ(store().MeshSlots.Count, 0);
        } else {
            ASSERT_NE(m, 0);
            EXPECT_EQ(mesh(m).FaceCount, c.faces);
            DeleteMesh(m);
        }
        if (*c.message == '\0') {
            EXPECT_TRUE(ui.messages.empty());
        } else {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_NE(ui.messages[0].text.find(c.message), std::string::npos) << ui.messages[0].text;
        }
    }
}

TEST_F(NativeModel, ColoursOutsideTheirRangeAreHeldToIt) {
    const Bytes file = ByteBuilder()
                           .Text("C")
                           .I16(3).Vec(0, 0, 0).Vec(1, 0, 0).Vec(0, 1, 0)
                           .I16(1).I16(0).I16(1).I16(2).I16(300).I16(-5).I16(128).F32(0.5f);
    const Index m = LoadModelFromBytes(file);
    ASSERT_NE(m, 0);
    EXPECT_EQ(store().Faces[mesh(m).FirstFace].Color, (ColorRGB16{255, 0, 128}));
}

TEST_F(NativeModel, AMeshWithoutRoomToRepackStaysWhereItWasBuilt) {
    ByteBuilder big;
    big.Text("Big").I16(6000);
    for (int k = 0; k < 6000; ++k) big.Vec(float(k), float(k % 2), 0);
    big.I16(5998);
    for (int k = 0; k < 5998; ++k) big.I16(k).I16(k + 1).I16(k + 2).I16(0).I16(0).I16(0).F32(0.5f);
    // A copy of 6000 vertices cannot fit beside the mesh itself.
    const Index m = LoadModelFromBytes(Bytes(big));
    ASSERT_EQ(m, 1);
    EXPECT_EQ(mesh(m).VertexCount, 6000);
    EXPECT_EQ(mesh(m).FaceCount, 5998);
    EXPECT_TRUE(ui.messages.empty());

    // In a full mesh table the last slot takes the mesh, but no copy could.
    for (int k = 1; k < kTableCapacity - 1; ++k) ASSERT_NE(CreateMesh(0, 0), 0);
    const Bytes small = ByteBuilder().Text("Z").I16(3).Vec(0, 0, 0).Vec(1, 0, 0).Vec(0, 1, 0).I16(1)
                            .I16(0).I16(1).I16(2).I16(0).I16(0).I16(0).F32(0);
    EXPECT_EQ(LoadModelFromBytes(small), kTableCapacity);
    EXPECT_EQ(mesh(kTableCapacity).FaceCount, 1);
    EXPECT_EQ(LoadModelFromBytes(small), 0);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Unable to allocate memory for mesh!"});
}

}  // namespace
}  // namespace quarn
