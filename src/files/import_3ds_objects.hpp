#pragma once
// The handlers of the 3D Studio importer for the chunks that create objects. Each is called with the
// cursor at the chunk's header (its ID just peeked) and leaves the cursor at the chunk's end.

#include <string>
#include <vector>

#include "files/chunk_cursor.hpp"

namespace quarn {

struct Import3dsContext {
    ChunkCursor& Cursor;
    std::vector<std::string> Damaged;  // names of objects that could not be imported whole
};

void ReadMeshChunk(Import3dsContext& context, const std::string& name);
void ReadLightChunk(Import3dsContext& context, const std::string& name);
void ReadCameraChunk(Import3dsContext& context, const std::string& name);
void ReadKeyframerChunk(Import3dsContext& context);

}  // namespace quarn
