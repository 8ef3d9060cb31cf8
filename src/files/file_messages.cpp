#include "files/file_messages.hpp"

#include "platform/ui.hpp"

namespace quarn {
namespace {

void ShowError(const std::string& text) {
    CurrentUi().ShowMessage(text, "Error", MessageIcon::Error);
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string DescribeSource(const std::string& source) {
    return source.empty() ? std::string("The model data") : "The file " + Quoted(source);
}

// Up to five names, quoted, then how many more there are.
std::string ListNames(const std::vector<std::string>& names) {
    constexpr std::size_t kNamesShown = 5;
    std::string list;
    for (std::size_t i = 0; i < names.size() && i < kNamesShown; ++i) {
        if (i > 0) list += ", ";
        list += names[i].empty() ? std::string("(unnamed)") : Quoted(names[i]);
    }
    if (names.size() > kNamesShown) list += " and " + std::to_string(names.size() - kNamesShown) + " more";
    return list;
}

}  // namespace

void ReportReadFailure(const std::string& path, const std::string& reason) {
    ShowError("Cannot read the file " + Quoted(path) + ": " + reason + ".");
}

void ReportWriteFailure(const std::string& path, const std::string& reason) {
    ShowError("Cannot save the file " + Quoted(path) + ": " + reason +
              ". Any earlier file there is unchanged.");
}

void ReportUnsavableName(const std::string& name) {
    ShowError("The name " + Quoted(name) +
              " has characters that a model file cannot hold (only Western European letters fit), so nothing "
              "was saved.");
}

void ReportDamagedModel(const std::string& source, const std::string& detail) {
    ShowError(DescribeSource(source) + " is damaged (" + detail + "); nothing was loaded.");
}

void ReportDamagedObjects(const std::string& source, const std::vector<std::string>& names) {
    ShowError(DescribeSource(source) +
              " is damaged; these objects could not be imported whole: " + ListNames(names) + ".");
}

void ReportTruncatedFile(const std::string& source, const std::vector<std::string>& names) {
    if (names.empty()) {
        ShowError(DescribeSource(source) + " ends early; everything before the end was imported.");
        return;
    }
    ShowError(DescribeSource(source) + " ends early; these objects could not be read whole: " +
              ListNames(names) + ". The rest was imported.");
}

}  // namespace quarn
