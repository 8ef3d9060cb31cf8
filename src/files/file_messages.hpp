#pragma once
// The messages the model readers and the writer show when a file cannot be used. Each goes to the
// installed Ui with the caption "Error" and the error icon.

#include <string>
#include <vector>

namespace quarn {

void ReportReadFailure(const std::string& path, const std::string& reason);
void ReportWriteFailure(const std::string& path, const std::string& reason);
// A mesh name that a model file cannot hold; nothing was written.
void ReportUnsavableName(const std::string& name);
// The model could not be loaded because its file is damaged. The source is the path, or empty for
// data that came from memory.
void ReportDamagedModel(const std::string& source, const std::string& detail);
// Some objects of an imported file were too damaged to import whole (they were left out, or not linked
// to their parent); the rest was imported.
void ReportDamagedObjects(const std::string& source, const std::vector<std::string>& names);
// The file ends early (cut short); the objects it holds whole were imported, the named ones were not.
void ReportTruncatedFile(const std::string& source, const std::vector<std::string>& names);

}  // namespace quarn
