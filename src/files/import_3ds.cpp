#include "files/import_3ds.hpp"

#include "files/file_access.hpp"
#include "files/file_messages.hpp"
#include "files/import_3ds_chunks.hpp"
#include "files/import_3ds_objects.hpp"
#include "files/model_file.hpp"

namespace quarn {
namespace {

void ReadNamedObject(Import3dsContext& context) {
    ChunkCursor& in = context.Cursor;
    InChunk(in, [&] {
        const std::string name = in.ReadCString();
        // The file ends inside the name, or right after it: the object has nothing left to read.
        if (in.AtLimit() && in.LimitIsFileEnd()) context.Damaged.push_back(name);
        WalkChildren(in, [&](std::uint16_t id) {
            switch (id) {
                case kTriangleMesh:
                    ReadMeshChunk(context, name);
                    return ChildWalk::kHandled;
                case kDirectLight:
                    ReadLightChunk(context, name);
                    return ChildWalk::kHandled;
                case kCamera:
                    ReadCameraChunk(context, name);
                    return ChildWalk::kHandled;
                default:
                    return ChildWalk::kNotMine;
            }
        });
    });
}

void ReadEditorChunk(Import3dsContext& context) {
    ChunkCursor& in = context.Cursor;
    InChunk(in, [&] {
        WalkChildren(in, [&](std::uint16_t id) {
            if (id != kNamedObject) return ChildWalk::kNotMine;
            ReadNamedObject(context);
            return ChildWalk::kHandled;
        });
    });
}

void ReadMainChunk(Import3dsContext& context) {
    ChunkCursor& in = context.Cursor;
    InChunk(in, [&] {
        WalkChildren(in, [&](std::uint16_t id) {
            switch (id) {
                case kEditorData:
                    ReadEditorChunk(context);
                    return ChildWalk::kHandled;
                case kKeyframerData:
                    ReadKeyframerChunk(context);
                    return ChildWalk::kHandled;
                default:
                    return ChildWalk::kNotMine;
            }
        });
    });
}

}  // namespace

void Import3ds(const std::string& path) {
    const FileReadResult file = ReadWholeFile(path);
    if (!file.Error.empty()) {
        ReportReadFailure(path, file.Error);
        return;
    }
    Import3dsFromBytes(file.Bytes, path);
}

void Import3dsFromBytes(std::span<const std::uint8_t> bytes, const std::string& source) {
    ModelFile file(bytes);
    ChunkCursor in(file);
    Import3dsContext context{in, {}};
    WalkChildren(in, [&](std::uint16_t id) {
        if (id != kMainChunk) return ChildWalk::kNotMine;
        ReadMainChunk(context);
        return ChildWalk::kHandled;
    });
    if (in.Truncated()) {
        ReportTruncatedFile(source, context.Damaged);
    } else if (!context.Damaged.empty()) {
        ReportDamagedObjects(source, context.Damaged);
    }
}

}  // namespace quarn
