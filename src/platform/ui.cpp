#include "platform/ui.hpp"

#include <iostream>

namespace quarn {
namespace {

Ui*& InstalledUi() {
    static Ui* installed = nullptr;
    return installed;
}

}  // namespace

std::vector<FileFilterEntry> ParseFileFilter(const std::string& filter) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (start <= filter.size()) {
        const auto bar = filter.find('|', start);
        const auto end = bar == std::string::npos ? filter.size() : bar;
        parts.push_back(filter.substr(start, end - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::vector<FileFilterEntry> entries;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) entries.push_back({parts[i], parts[i + 1]});
    return entries;
}

void ConsoleUi::ShowMessage(const std::string& text, const std::string& caption, MessageIcon) {
    std::cerr << (caption.empty() ? "" : caption + ": ") << text << '\n';
}

std::optional<std::string> ConsoleUi::InputBox(const std::string&, const std::string&,
                                               const std::string& defaultText) {
    return defaultText;
}

std::optional<std::string> ConsoleUi::OpenFileDialog(const std::string&) { return std::nullopt; }

std::optional<std::string> ConsoleUi::SaveFileDialog(const std::string&) { return std::nullopt; }

bool ConsoleUi::ShellOpen(const std::string&) { return false; }

void InstallUi(Ui* ui) { InstalledUi() = ui; }

Ui& CurrentUi() {
    static ConsoleUi console;
    Ui* ui = InstalledUi();
    return ui ? *ui : console;
}

}  // namespace quarn
