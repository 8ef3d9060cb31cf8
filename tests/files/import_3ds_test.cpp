#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "byte_builder.hpp"
#include "files/import_3ds.hpp"
#include "math/angles.hpp"
#include "scene/store_consistency.hpp"
#include "support/scene_fixture.hpp"

namespace quarn {
namespace {

using testing::ByteBuilder;
using testing::Bytes;
using testing::Chunk;
using testing::Concat;
using testing::FaceArray;
using testing::File3ds;
using testing::NamedObject;
using testing::Node;
using testing::PointArray;
using testing::TriangleMesh;

class Import3dsTest : public testing::SceneTest {
protected:
    void TearDown() override {
        EXPECT_EQ(FindStoreInconsistency(), "");
        SceneTest::TearDown();
    }

    static Bytes Triangle(const char* name) {
        return TriangleMesh(name, {PointArray({{0, 0, 1}, {1, 0, 1}, {0, 1, 1}}), FaceArray({{0, 1, 2}})});
    }
    static Bytes Light(const char* name, std::initializer_list<Bytes> children) {
        return NamedObject(name, Chunk(0x4600, {ByteBuilder().Vec(1, 2, 3), Concat(children)}));
    }
    static Bytes ColorF(float r, float g, float b) { return Chunk(0x0010, {ByteBuilder().Vec(r, g, b)}); }

    Vector3D Vertex(int mesh, int k) { return store().Vertices[this->mesh(mesh).FirstVertex + k]; }

    // Imports file into a fresh store, with no messages from before, and checks the store after it.
    void ImportAfresh(const Bytes& file, const std::string& source) {
        ResetScene();
        InitEngine();
        ui.messages.clear();
        Import3dsFromBytes(file, source);
        EXPECT_EQ(FindStoreInconsistency(), "");
    }
    std::vector<std::string> MeshNames() {
        std::vector<std::string> names;
        for (int i = 1; i <= store().MeshSlots.Count; ++i) names.push_back(mesh(i).Name);
        return names;
    }
};

TEST_F(Import3dsTest, AFileWithoutAMainChunkImportsNothing) {
    Import3dsFromBytes(Chunk(0x3D3D, {Triangle("A")}));
    EXPECT_EQ(store().MeshSlots.Count, 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Import3dsTest, MeshesSwapYAndZAndTheLastTwoCorners) {
    Import3dsFromBytes(File3ds({Triangle("Tri")}));
    ASSERT_EQ(store().MeshSlots.Count, 1);
    const MeshRecord& m = mesh(1);
    EXPECT_EQ(m.Name, "Tri");
    ASSERT_EQ(m.VertexCount, 3);
    EXPECT_EQ(Vertex(1, 0), (Vector3D{0, 1, 0}));
    EXPECT_EQ(Vertex(1, 1), (Vector3D{1, 1, 0}));
    EXPECT_EQ(Vertex(1, 2), (Vector3D{0, 1, 1}));
    ASSERT_EQ(m.FaceCount, 1);
    const FaceRecord& f = store().Faces[m.FirstFace];
    EXPECT_EQ(f, (FaceRecord{m.FirstVertex, Index(m.FirstVertex + 2), Index(m.FirstVertex + 1), {0, 0, 0}, 0}));
}

TEST_F(Import3dsTest, TheMeshMatrixOriginBecomesThePosition) {
    const Bytes matrix = Chunk(0x4160, {ByteBuilder().Vec(1, 0, 0).Vec(0, 1, 0).Vec(0, 0, 1).Vec(10, 20, 30)});
    Import3dsFromBytes(File3ds({TriangleMesh(
        "M", {PointArray({{10, 20, 31}, {11, 20, 30}, {10, 21, 30}}), matrix, FaceArray({{0, 1, 2}})})}));
    ASSERT_EQ(store().MeshSlots.Count, 1);
    EXPECT_EQ(mesh(1).Position, (Vector3D{10, 30, 20}));
    EXPECT_EQ(Vertex(1, 0), (Vector3D{0, 1, 0}));
    EXPECT_EQ(Vertex(1, 1), (Vector3D{1, 0, 0}));
}

TEST_F(Import3dsTest, LightsTakeTheirColourAndSpot) {
    const Bytes spot = Chunk(0x4610, {ByteBuilder().Vec(1, 2, 13).F32(60).F32(90)});
    Import3dsFromBytes(File3ds({Light("Sun", {ColorF(1.0f, 0.5f, 0.0f), spot})}));
    ASSERT_EQ(store().LightSlots.Count, 1);
    const LightRecord& l = store().Lights[1];
    EXPECT_EQ(l.Name, "Sun");
    EXPECT_EQ(l.Position, (Vector3D{1, 3, 2}));
    EXPECT_EQ(l.Color, (ColorRGB16{255, 128, 0}));  // 127.5 goes to the even 128
    EXPECT_TRUE(l.Enabled);
    // The target lies straight up (+y) from the light.
    EXPECT_NEAR(l.RotationX, -std::acos(0.0), 1e-6);
    EXPECT_NEAR(l.HotspotCos, 0.5, 1e-6);
    EXPECT_NEAR(l.FalloffCos, 0.0, 1e-6);
}

TEST_F(Import3dsTest, ASwitchedOffLightIsNotKeptWhereverItsOffChunkStands) {
    const Bytes off = Chunk(0x4620, {});
    Import3dsFromBytes(File3ds({Light("Off1", {ColorF(1, 1, 1), off}), Light("Off2", {off, ColorF(1, 1, 1)}),
                                Light("Off3", {off}), Light("On", {})}));
    ASSERT_EQ(store().LightSlots.Count, 1);
    EXPECT_EQ(store().Lights[1].Name, "On");
    EXPECT_EQ(store().Lights[1].Color, (ColorRGB16{255, 255, 255}));
}

TEST_F(Import3dsTest, CamerasHaveASixtyDegreeFieldOfViewWhateverTheirLens) {
    const Bytes camera = NamedObject("Cam", Chunk(0x4700, {ByteBuilder().Vec(0, 0, 0).Vec(0, 5, 0).F32(0).F32(200)}));
    Import3dsFromBytes(File3ds({camera}));
    ASSERT_EQ(store().CameraSlots.Count, 1);
    const CameraRecord& c = store().Cameras[1];
    EXPECT_EQ(c.Name, "Cam");
    EXPECT_NEAR(c.TanHalfFov, 0.57735, 1e-5);
    EXPECT_NEAR(c.RotationY, 0, 1e-6);  // looking along the file's +y, the engine's +z
    EXPECT_NEAR(c.RotationX, 0, 1e-6);
    EXPECT_TRUE(c.MatrixDirty);
}

TEST_F(Import3dsTest, KeyframerLinksEachNodeToThePreviousWhileParentNumbersGrow) {
    const auto positionOf = [&](const char* name) { return mesh(FindMeshByName(name)).Position; };
    const auto withOrigin = [](const char* name, float x) {
        return TriangleMesh(name, {PointArray({{x, 0, 0}, {x + 1, 0, 0}, {x, 1, 0}}),
                                   Chunk(0x4160, {ByteBuilder().Vec(1, 0, 0).Vec(0, 1, 0).Vec(0, 0, 1).Vec(x, 0, 0)}),
                                   FaceArray({{0, 1, 2}})});
    };
    Import3dsFromBytes(File3ds({withOrigin("A", 1), withOrigin("B", 3), withOrigin("C", 6)},
                               {Node("A", -1), Node("B", 0), Node("C", 1)}));
    EXPECT_EQ(mesh(FindMeshByName("A")).Parent, 0);
    EXPECT_EQ(mesh(FindMeshByName("B")).Parent, FindMeshByName("A"));
    EXPECT_EQ(mesh(FindMeshByName("C")).Parent, FindMeshByName("B"));
    EXPECT_EQ(positionOf("B"), (Vector3D{2, 0, 0}));
    EXPECT_EQ(positionOf("C"), (Vector3D{3, 0, 0}));

    DeleteMeshesExcept(0);
    Import3dsFromBytes(File3ds({Triangle("A"), Triangle("B"), Triangle("C"), Triangle("D")},
                               {Node("A", -1), Node("B", 0), Node("C", 0), Node("D", 1)}));
    EXPECT_EQ(mesh(FindMeshByName("B")).Parent, FindMeshByName("A"));
    EXPECT_EQ(mesh(FindMeshByName("C")).Parent, 0);
    EXPECT_EQ(mesh(FindMeshByName("D")).Parent, 0);  // no node after C is read
}

TEST_F(Import3dsTest, ANodeNamingNoMeshLinksNothingAndBreaksTheChain) {
    Import3dsFromBytes(File3ds({Triangle("A"), Triangle("B")}, {Node("Ghost", -1), Node("A", 0), Node("B", 1)}));
    EXPECT_EQ(mesh(FindMeshByName("A")).Parent, 0);
    EXPECT_EQ(mesh(FindMeshByName("B")).Parent, FindMeshByName("A"));
}

TEST_F(Import3dsTest, NodesNameMeshesAnywhereInTheStoreButNeverMakeALoop) {
    const Index earlier = CreateMesh(0, 0);
    mesh(earlier).Name = "a";
    Import3dsFromBytes(File3ds({Triangle("A"), Triangle("B")}, {Node("A", -1), Node("B", 0), Node("A", 1)}));
    ASSERT_EQ(store().MeshSlots.Count, 3);
    EXPECT_EQ(mesh(3).Name, "B");
    EXPECT_EQ(mesh(3).Parent, earlier);  // the lower slot of the two named A
    EXPECT_EQ(mesh(earlier).Parent, 0);  // A after B would make a loop

    Import3dsFromBytes(File3ds({}, {Node("B", -1), Node("B", 0)}));
    EXPECT_EQ(mesh(3).Parent, earlier);  // never its own parent
}

TEST_F(Import3dsTest, FilesLargerThan32767BytesImport) {
    const Bytes padding = Chunk(0x1234, {Bytes(40000, 0xCC)});
    Import3dsFromBytes(File3ds({padding, Triangle("Far")}));
    ASSERT_EQ(store().MeshSlots.Count, 1);
    EXPECT_EQ(mesh(1).Name, "Far");
}

TEST_F(Import3dsTest, CountsAreUnsignedAndRunsPastSlot10000AreError1) {
    const Bytes huge = Chunk(0x4110, {ByteBuilder().U16(40000)});
    Import3dsFromBytes(File3ds({TriangleMesh("Huge", {huge}), Triangle("Next")}));
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Unable to allocate memory for mesh!"});
    ASSERT_EQ(store().MeshSlots.Count, 1);
    EXPECT_EQ(mesh(1).Name, "Next");
}

// Damaged files: the damage stays inside the chunk that holds it; what follows it is still imported.
TEST_F(Import3dsTest, DamagedChunksLoseOnlyWhatTheyHold) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Bytes shortLength = ByteBuilder().U16(0x4000).U32(3);
    const Bytes pastParent = ByteBuilder().U16(0x4000).U32(500).Text("X");
    struct Case {
        const char* name;
        Bytes file;
        std::vector<std::string> meshes;  // names of the meshes imported, in order
        int faces;                        // faces of the last mesh
        const char* message;              // part of the message shown, or "" for none
    };
    const Case cases[] = {
        {"chunk length below 6 ends the editor",
         File3ds({Triangle("A"), shortLength, Triangle("B")}), {"A"}, 1, ""},
        {"chunk reaching past its parent ends the parent",
         Concat({File3ds({Triangle("A"), pastParent}), File3ds({Triangle("B")})}), {"A", "B"}, 1, ""},
        {"points cut short",
         File3ds({TriangleMesh("Cut", {Chunk(0x4110, {ByteBuilder().U16(3).Vec(0, 0, 0).Vec(1, 0, 0)})}),
                  Triangle("B")}),
         {"B"}, 1, "\"Cut\""},
        {"faces cut short",
         File3ds({TriangleMesh("Cut", {Chunk(0x4120, {ByteBuilder().U16(2).U16(0).U16(1).U16(2).U16(0)})})}), {}, 0,
         "\"Cut\""},
        {"vertex not a number",
         File3ds({TriangleMesh("NaN", {PointArray({{0, nan, 0}}), FaceArray({{0, 0, 0}})}), Triangle("B")}),
         {"B"}, 1, "\"NaN\""},
        {"corners outside the mesh or the tables",
         File3ds({TriangleMesh("Bad", {PointArray({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}}),
                                       FaceArray({{0, 1, 3}, {0, 1, 4}, {65535, 1, 2}, {1, 2, 3}})})}),
         {"Bad"}, 2, ""},
        {"faces before points",
         File3ds({TriangleMesh("Late", {FaceArray({{0, 1, 2}}), PointArray({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}})})}),
         {"Late"}, 1, ""},
        {"mesh matrix cut short", File3ds({TriangleMesh("Mat", {Chunk(0x4160, {ByteBuilder().Vec(1, 2, 3)})})}), {},
         0, "\"Mat\""},
        {"pivot so far away that moving to it overflows",
         File3ds({TriangleMesh("Far", {PointArray({{3e38f, 0, 0}, {1, 0, 0}, {0, 1, 0}}),
                                       Chunk(0x4160, {ByteBuilder().Vec(0, 0, 0).Vec(0, 0, 0).Vec(0, 0, 0).Vec(-3e38f, 0, 0)})})}),
         {}, 0, "\"Far\""},
        {"light without its position", File3ds({NamedObject("L", Chunk(0x4600, {ByteBuilder().F32(1).F32(2)}))}), {}, 0,
         "\"L\""},
        {"camera cut short", File3ds({NamedObject("C", Chunk(0x4700, {ByteBuilder().Vec(1, 2, 3)}))}), {}, 0, "\"C\""},
        {"node header cut short", File3ds({Triangle("A"), Triangle("B")},
                                          {Node("A", -1), Chunk(0xB002, {Chunk(0xB010, {ByteBuilder().Text("B").I16(0)})})}),
         {"A", "B"}, 1, ""},
        {"trailing bytes after the main chunk", Concat({File3ds({Triangle("A")}), ByteBuilder().U16(0x4D4D).U8(1)}), {"A"},
         1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImportAfresh(c.file, "damaged.3ds");
        const std::vector<std::string> names = MeshNames();
        EXPECT_EQ(names, c.meshes);
        if (!names.empty()) {
            EXPECT_EQ(mesh(store().MeshSlots.Count).FaceCount, c.faces);
        }
        if (*c.message == '\0') {
            EXPECT_TRUE(ui.messages.empty()) << ui.messages[0].text;
        } else {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_NE(ui.messages[0].text.find(c.message), std::string::npos) << ui.messages[0].text;
            EXPECT_NE(ui.messages[0].text.find("damaged.3ds"), std::string::npos);
        }
    }
}

// A file cut short (a download stopped, a disk ran full): every chunk that holds the cut reaches past
// the end of the file. What lies wholly before the cut is imported, and one message says the file ends
// early and names the objects that could not be read whole.
TEST_F(Import3dsTest, AFileThatEndsEarlyImportsItsCompleteObjectsAndSaysSoOnce) {
    const Bytes whole =
        File3ds({Triangle("Alpha"), TriangleMesh("Bravo", {PointArray({{7, 7, 7}, {8, 8, 8}, {9, 9, 9}}),
                                                           FaceArray({{0, 1, 2}, {2, 1, 0}})})},
                {Node("Alpha", -1), Node("Bravo", 0)});
    // The position of the first byte of pattern in the file.
    auto at = [&](const Bytes& pattern) {
        const auto found = std::search(whole.begin(), whole.end(), pattern.begin(), pattern.end());
        EXPECT_NE(found, whole.end());
        return static_cast<std::size_t>(found - whole.begin());
    };
    const std::size_t bravoName = at(ByteBuilder().Text("Bravo"));
    const std::size_t points = at(ByteBuilder().Vec(8, 8, 8));
    const std::size_t faces = at(ByteBuilder().U16(2).U16(1).U16(0));
    const std::size_t node = at(ByteBuilder().U16(0xB010));
    struct Case {
        const char* name;
        std::size_t length;               // bytes kept
        std::vector<std::string> meshes;  // imported
        const char* named;                // object named in the message, or "" for none
    };
    const Case cases[] = {
        {"inside the second name", bravoName + 2, {"Alpha"}, "\"Br\""},
        {"inside the point array", points + 5, {"Alpha"}, "\"Bravo\""},
        {"inside the face array", faces + 3, {"Alpha"}, "\"Bravo\""},
        {"inside a node header", node + 3, {"Alpha", "Bravo"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImportAfresh(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(c.length)), "cut.3ds");
        EXPECT_EQ(MeshNames(), c.meshes);
        EXPECT_EQ(mesh(1).FaceCount, 1);
        ASSERT_EQ(ui.messages.size(), 1u);
        const std::string& text = ui.messages[0].text;
        EXPECT_NE(text.find("\"cut.3ds\" ends early"), std::string::npos) << text;
        if (*c.named != '\0') {
            EXPECT_NE(text.find(c.named), std::string::npos) << text;
        }
    }

    // A real file cut in the middle: the meshes before the cut come in whole.
    std::ifstream in(std::string(ORRIN_TEST_DATA) + "/3ds/cubes_with_alpha.3DS", std::ios::binary);
    const Bytes sample{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ImportAfresh(Bytes(sample.begin(), sample.begin() + static_cast<std::ptrdiff_t>(sample.size() / 2)),
                 "half.3ds");
    ASSERT_GE(store().MeshSlots.Count, 1);
    EXPECT_LT(store().MeshSlots.Count, 5);
    for (int i = 1; i <= store().MeshSlots.Count; ++i) EXPECT_EQ(mesh(i).FaceCount, 12);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("ends early"), std::string::npos);
}

TEST_F(Import3dsTest, RealSampleFilesImportTheirMeshesAndCamera) {
    struct Sample {
        const char* file;
        int meshes, vertices, faces, cameras;  // vertices and faces of each mesh, after welding
    };
    for (const Sample& s : {Sample{"CameraRollAnimWithChildObject.3ds", 2, 8, 12, 1},
                            Sample{"cubes_with_alpha.3DS", 5, 8, 12, 0}, Sample{"fels.3ds", 1, 386, 768, 0}}) {
        SCOPED_TRACE(s.file);
        ResetScene();
        InitEngine();
        Import3ds(std::string(ORRIN_TEST_DATA) + "/3ds/" + s.file);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(FindStoreInconsistency(), "");
        ASSERT_EQ(store().MeshSlots.Count, s.meshes);
        EXPECT_EQ(store().CameraSlots.Count, s.cameras);
        for (int i = 1; i <= s.meshes; ++i) {
            EXPECT_EQ(mesh(i).VertexCount, s.vertices);
            EXPECT_EQ(mesh(i).FaceCount, s.faces);
        }
    }
    // The second box is the keyframer child of the first.
    ResetScene();
    InitEngine();
    Import3ds(std::string(ORRIN_TEST_DATA) + "/3ds/CameraRollAnimWithChildObject.3ds");
    EXPECT_EQ(mesh(FindMeshByName("Box02")).Parent, FindMeshByName("Box01"));
    EXPECT_EQ(store().Cameras[1].Name, "Camera01");

    Import3ds(std::string(ORRIN_TEST_DATA) + "/3ds/missing.3ds");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("missing.3ds"), std::string::npos);
}

}  // namespace
}  // namespace quarn
