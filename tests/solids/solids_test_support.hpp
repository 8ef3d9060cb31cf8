#pragma once
// Shared fixture and mesh measurements for the solid generator tests.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

#include "platform/random.hpp"
#include "support/recording_ui.hpp"
#include "scene/scene.hpp"

namespace quarn::testing {

using Point = std::array<double, 3>;

inline constexpr char kMeshAllocationMessage[] = "Unable to allocate memory for mesh!";

class SolidsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetScene();
        InitEngine();
        UseFixedRandomSeed(7);
    }

    RecordingUi ui;
};

inline const MeshRecord& MeshOf(Index mesh) { return Scene().Meshes[mesh]; }
inline int MeshCount() { return Scene().MeshSlots.Count; }
// Vertex k (from 0) of the mesh's run.
inline Vector3D VertexOf(Index mesh, int k) { return Scene().Vertices[MeshOf(mesh).FirstVertex + k]; }
std::vector<Vector3D> VerticesOf(Index mesh);
// Corner indices of face k (from 0) relative to the mesh's first vertex.
std::array<int, 3> RelativeCorners(Index mesh, int k);
// (B - A) x (C - A) of face k, and its centroid, in double precision.
Point FaceNormal(Index mesh, int k);
Point FaceCentroid(Index mesh, int k);

// Sum over the faces of A . (B x C) / 6: positive when a closed mesh's faces are wound outward.
double SignedVolume(Index mesh);
// Number of faces whose normal does not point away from interiorNear(face centroid).
int FacesNotFacingAway(Index mesh, const std::function<Point(const Point&)>& interiorNear);
// True when every face corner lies in the mesh's own vertex run and no face repeats a corner.
bool FacesWellFormed(Index mesh);
// True when every edge A->B of a face is met exactly once as B->A by another face: the surface is
// closed and consistently wound.
bool IsClosedSurface(Index mesh);
// True when some point of the list lies within tolerance of expected on every axis.
bool ContainsPoint(const std::vector<Vector3D>& points, const Vector3D& expected, float tolerance = 1e-3f);

// Gives a new mesh the vertex slots up to lastVertex and the face slots up to lastFace, so that
// whatever is built next has only the slots above them.
void OccupySlotsUpTo(int lastVertex, int lastFace);

}  // namespace quarn::testing
