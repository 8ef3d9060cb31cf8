#include "scene_report.hpp"

#include "json_writer.hpp"
#include "measures_report.hpp"
#include "net_output.hpp"
#include "render/draw_style_table.hpp"
#include "scene/scene.hpp"
#include "section_output.hpp"

namespace orrin {
namespace {

using namespace quarn;

void WritePoint(JsonWriter& json, const Vector3D& v) {
    json.BeginArray().Number(v.x).Number(v.y).Number(v.z).EndArray();
}

void WriteVector(JsonWriter& json, std::string_view name, const Vector3D& v) {
    WritePoint(json.Key(name), v);
}

void WriteColorValue(JsonWriter& json, const ColorRGB16& c) {
    json.BeginArray().Number(c.Red).Number(c.Green).Number(c.Blue).EndArray();
}

void WriteColor(JsonWriter& json, std::string_view name, const ColorRGB16& c) {
    WriteColorValue(json.Key(name), c);
}

void WriteRun(JsonWriter& json, std::string_view name, int first, int count) {
    json.Key(name).BeginObject().Field("first", first).Field("count", count).EndObject();
}

void WriteAngles(JsonWriter& json, const EulerAngles& r) {
    json.Field("rotationZ", r.x).Field("rotationX", r.y).Field("rotationY", r.z);
}

// The mesh's vertices in order and its faces, with corners counted from the mesh's first vertex.
void WriteGeometry(JsonWriter& json, const MeshRecord& m) {
    const SceneStore& s = Scene();
    json.Key("vertices").BeginArray();
    for (int k = 0; k < m.VertexCount; ++k) WritePoint(json, s.Vertices[m.FirstVertex + k]);
    json.EndArray();
    json.Key("faces").BeginArray();
    for (int k = 0; k < m.FaceCount; ++k) {
        const FaceRecord& f = s.Faces[m.FirstFace + k];
        json.BeginObject().Key("corners").BeginArray();
        for (const int v : {f.VertexA, f.VertexB, f.VertexC}) json.Number(v - m.FirstVertex);
        json.EndArray();
        WriteColor(json, "color", f.Color);
        json.Field("diffuse", f.Diffuse).EndObject();
    }
    json.EndArray();
}

void WriteMeshes(JsonWriter& json, const SceneReportOptions& options) {
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
        WriteMeshMeasures(json, i, options.solid);
        if (options.geometry) WriteGeometry(json, m);
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
        json.Field("twoSided", c.TwoSided)
            .Field("specularOn", c.SpecularOn)
            .Field("attenuationOn", c.AttenuationOn);
        json.Field("faceColorLighting", c.FaceColorLighting);
        WriteColor(json, "depthCueColor", c.DepthCueColor);
        json.Field("drawStyle", c.DrawStyle)
            .Field("orthographic", c.Orthographic)
            .Field("orthoScale", c.OrthoScale);
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

// Each listed face with its corner vertices and their screen positions, its depth key and the colours
// the camera's style handed to the fill: the face's shade, the three corner shades of the smooth style,
// or none for the outline styles, which compute no colour.
void WriteDrawList(JsonWriter& json) {
    const SceneStore& s = Scene();
    const ShadingPass shading = LookUpDrawStyle(s.Cameras[s.CurrentCamera].DrawStyle).shading;
    json.Key("drawList").BeginArray();
    for (int i = 0; i <= kTableCapacity && s.DrawList[i] != 0; ++i) {
        const int face = s.DrawList[i];
        const FaceRecord& f = s.Faces[face];
        const int corners[3] = {f.VertexA, f.VertexB, f.VertexC};
        json.BeginObject().Field("face", face).Key("vertices").BeginArray();
        for (const int v : corners) json.Number(v);
        json.EndArray().Key("corners").BeginArray();
        for (const int v : corners) WritePoint(json, s.ScreenVertices[v]);
        json.EndArray();
        json.Field("depthKey", s.FaceDepths[i]);
        if (shading == ShadingPass::FaceColors || shading == ShadingPass::LitFaces) {
            WriteColor(json, "shade", s.FaceShades[face]);
        } else if (shading == ShadingPass::LitCorners) {
            json.Key("vertexShades").BeginArray();
            for (const int v : corners) WriteColorValue(json, s.VertexShades[v]);
            json.EndArray();
        }
        json.EndObject();
    }
    json.EndArray();
}

void WriteMessages(JsonWriter& json, const std::vector<LoggedMessage>& messages) {
    json.Key("messages").BeginArray();
    for (const LoggedMessage& m : messages) {
        json.BeginObject();
        if (m.code) json.Field("code", *m.code);
        json.Field("text", std::string_view(m.text))
            .Field("caption", std::string_view(m.caption))
            .EndObject();
    }
    json.EndArray();
}

}  // namespace

void WriteSceneReport(std::ostream& out, const SceneReportOptions& options,
                      const std::vector<LoggedMessage>& messages) {
    JsonWriter json(out);
    json.BeginObject();
    json.Field("currentMesh", Scene().CurrentMesh);
    WriteMeshes(json, options);
    WriteCameras(json);
    WriteLights(json);
    WriteMessages(json, messages);
    if (options.drawList) WriteDrawList(json);
    if (options.section) WriteSectionReport(json, *options.section);
    if (options.net) WriteNetReport(json, *options.net);
    json.EndObject();
    out << '\n';
}

}  // namespace orrin
