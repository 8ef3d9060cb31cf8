#include "scene_report.hpp"

#include "json_writer.hpp"
#include "measures_report.hpp"
#include "scene/scene.hpp"

namespace orrin {
namespace {

using namespace quarn;

void WriteVector(JsonWriter& json, std::string_view name, const Vector3D& v) {
    json.Key(name).BeginArray().Number(v.x).Number(v.y).Number(v.z).EndArray();
}

void WriteColor(JsonWriter& json, std::string_view name, const ColorRGB16& c) {
    json.Key(name).BeginArray().Number(c.Red).Number(c.Green).Number(c.Blue).EndArray();
}

void WriteRun(JsonWriter& json, std::string_view name, int first, int count) {
    json.Key(name).BeginObject().Field("first", first).Field("count", count).EndObject();
}

void WriteAngles(JsonWriter& json, const EulerAngles& r) {
    json.Field("rotationZ", r.x).Field("rotationX", r.y).Field("rotationY", r.z);
}

void WriteMeshes(JsonWriter& json) {
    const SceneStore& s = Scene();
    json.Key("meshes").BeginArray();
    for (int i = s.MeshSlots.First; i <= RangeLast(s.MeshSlots); ++i) {
        const MeshRecord& m = s.Meshes[i];
        json.BeginObject().Field("slot", i).Field("name", std::string_view(m.Name));
        json.Field("vertexCount", m.VertexCount).Field("faceCount", m.FaceCount);
        WriteRun(json, "vertexRun", m.FirstVertex, m.VertexCount);
        WriteRun(json, "faceRun", m.FirstFace, m.FaceCount);
        json.Key("bounds").BeginObject();
        WriteVector(json, "min", GetMeshMinCorner(i));
        WriteVector(json, "max", GetMeshMaxCorner(i));
        json.EndObject();
        json.Field("parent", m.Parent);
        WriteVector(json, "position", m.Position);
        WriteAngles(json, m.Rotation());
        WriteVector(json, "scale", m.Scale);
        json.Field("visible", m.Visible);
        WriteMeshMeasures(json, i);
        json.EndObject();
    }
    json.EndArray();
}

void WriteCameras(JsonWriter& json) {
    const SceneStore& s = Scene();
    json.Key("cameras").BeginArray();
    for (int i = s.CameraSlots.First; i <= RangeLast(s.CameraSlots); ++i) {
        const CameraRecord& c = s.Cameras[i];
        json.BeginObject().Field("slot", i).Field("name", std::string_view(c.Name));
        json.Field("tanHalfFov", c.TanHalfFov).Field("nearClip", c.NearClip).Field("farClip", c.FarClip);
        json.Field("attenuationNear", c.AttenuationNear).Field("attenuationFar", c.AttenuationFar);
        WriteAngles(json, c.Rotation());
        WriteVector(json, "position", c.Position);
        json.Field("twoSided", c.TwoSided).Field("specularOn", c.SpecularOn).Field("attenuationOn", c.AttenuationOn);
        json.Field("faceColorLighting", c.FaceColorLighting);
        WriteColor(json, "depthCueColor", c.DepthCueColor);
        json.Field("drawStyle", c.DrawStyle).Field("orthographic", c.Orthographic).Field("orthoScale", c.OrthoScale);
        json.EndObject();
    }
    json.EndArray();
}

void WriteLights(JsonWriter& json) {
    const SceneStore& s = Scene();
    json.Key("lights").BeginArray();
    for (int i = s.LightSlots.First; i <= RangeLast(s.LightSlots); ++i) {
        const LightRecord& l = s.Lights[i];
        json.BeginObject().Field("slot", i).Field("name", std::string_view(l.Name));
        WriteColor(json, "color", l.Color);
        json.Field("nearRange", l.NearRange).Field("farRange", l.FarRange);
        WriteAngles(json, l.Rotation());
        WriteVector(json, "position", l.Position);
        json.Field("hotspotCos", l.HotspotCos).Field("falloffCos", l.FalloffCos).Field("enabled", l.Enabled);
        json.EndObject();
    }
    json.EndArray();
}

void WriteDrawList(JsonWriter& json) {
    const SceneStore& s = Scene();
    json.Key("drawList").BeginArray();
    for (int i = 0; i <= kTableCapacity && s.DrawList[i] != 0; ++i) {
        const int face = s.DrawList[i];
        const FaceRecord& f = s.Faces[face];
        json.BeginObject().Field("face", face).Key("corners").BeginArray();
        for (const int v : {f.VertexA, f.VertexB, f.VertexC}) {
            const Vector3D& p = s.ScreenVertices[v];
            json.BeginArray().Number(p.x).Number(p.y).Number(p.z).EndArray();
        }
        json.EndArray();
        json.Field("depthKey", s.FaceDepths[i]);
        WriteColor(json, "shade", s.FaceShades[face]);
        json.EndObject();
    }
    json.EndArray();
}

}  // namespace

void WriteSceneReport(std::ostream& out, bool withDrawList) {
    JsonWriter json(out);
    json.BeginObject();
    json.Field("currentMesh", Scene().CurrentMesh);
    WriteMeshes(json);
    WriteCameras(json);
    WriteLights(json);
    if (withDrawList) WriteDrawList(json);
    json.EndObject();
    out << '\n';
}

}  // namespace orrin
