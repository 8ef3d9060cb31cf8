#include "support/recording_ui.hpp"

namespace quarn {

RecordingUi::RecordingUi() { InstallUi(this); }

RecordingUi::~RecordingUi() {
    if (&CurrentUi() == this) InstallUi(nullptr);
}

void RecordingUi::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) {
    messages.push_back({text, caption, icon});
}

std::optional<std::string> RecordingUi::InputBox(const std::string& prompt, const std::string& title,
                                                 const std::string& defaultText) {
    prompts.push_back(prompt);
    inputTitles.push_back(title);
    inputDefaults.push_back(defaultText);
    if (inputAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

std::optional<std::string> RecordingUi::OpenFileDialog(const std::string& filter) {
    filters.push_back(filter);
    if (dialogAnswers.empty()) return std::nullopt;
    auto answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

std::optional<std::string> RecordingUi::SaveFileDialog(const std::string& filter) { return OpenFileDialog(filter); }

bool RecordingUi::ShellOpen(const std::string& document) {
    shellOpened.push_back(document);
    return shellOpenSucceeds;
}

std::vector<std::string> RecordingUi::MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages) texts.push_back(m.text);
    return texts;
}

}  // namespace quarn
