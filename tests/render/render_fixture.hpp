#pragma once
// Scenes for the renderer tests: meshes, marks and cameras built by hand in a fresh store.

#include <gtest/gtest.h>

#include <initializer_list>

#include "scene/scene.hpp"
#include "support/scene_fixture.hpp"

namespace quarn::test {

using RenderTest = quarn::testing::SceneTest;

struct Corner3 {
    int a, b, c;
};

// A mesh with the given vertices and faces (corners counted from the mesh's first vertex), every face
// coloured color with the given diffuse factor.
inline Index MakeMesh(std::initializer_list<Vector3D> vertices, std::initializer_list<Corner3> faces,
                      ColorRGB16 color = {200, 0, 0}, float diffuse = 0.5f) {
    const Index mesh = CreateMesh(static_cast<int>(vertices.size()), static_cast<int>(faces.size()));
    SceneStore& s = Scene();
    const MeshRecord& m = s.Meshes[mesh];
    int k = 0;
    for (const Vector3D& v : vertices) s.Vertices[m.FirstVertex + k++] = v;
    k = 0;
    for (const Corner3& f : faces) {
        s.Faces[m.FirstFace + k++] = {static_cast<Index>(m.FirstVertex + f.a), static_cast<Index>(m.FirstVertex + f.b),
                                      static_cast<Index>(m.FirstVertex + f.c), color, diffuse};
    }
    return mesh;
}

// An axis-aligned cube of edge 2h round the origin with outward faces. Faces 0 and 1 are the front
// (z = -h, facing a camera on the negative z axis), then back, left, right, bottom, top.
inline Index MakeCube(float h, ColorRGB16 color = {200, 0, 0}, float diffuse = 0.5f) {
    return MakeMesh({{-h, -h, -h}, {h, -h, -h}, {-h, h, -h}, {h, h, -h}, {-h, -h, h}, {h, -h, h}, {-h, h, h}, {h, h, h}},
                    {{0, 2, 3}, {0, 3, 1}, {4, 5, 7}, {4, 7, 6}, {0, 4, 6}, {0, 6, 2},
                     {1, 3, 7}, {1, 7, 5}, {0, 1, 5}, {0, 5, 4}, {2, 6, 7}, {2, 7, 3}},
                    color, diffuse);
}

// One camera on the negative z axis at the given distance, looking at the origin, and one white
// light at the camera.
inline Index MakeFrontCameraAndLight(float distance) {
    const Index camera = CreateCamera();
    OrbitCamera(camera, ZeroVector(), distance, 0, 0);
    const Index light = CreateLight();
    Scene().Lights[light].Position = Scene().Cameras[camera].Position;
    return camera;
}

// Number of entries before the first 0 of the draw list.
inline int DrawListLength() {
    int n = 0;
    while (n <= kTableCapacity && Scene().DrawList[n] != 0) ++n;
    return n;
}

}  // namespace quarn::test

namespace quarn::test {

// A mark mesh as the annotation builders make it: the given vertices and one face with corners 0.
inline Index MakeMark(std::initializer_list<Vector3D> vertices, ColorRGB16 color, const std::string& name = "") {
    const Index mesh = CreateMesh(static_cast<int>(vertices.size()), 1);
    SceneStore& s = Scene();
    MeshRecord& m = s.Meshes[mesh];
    int k = 0;
    for (const Vector3D& v : vertices) s.Vertices[m.FirstVertex + k++] = v;
    s.Faces[m.FirstFace] = {0, 0, 0, color, 0.5f};
    m.Name = name;
    return mesh;
}

}  // namespace quarn::test
