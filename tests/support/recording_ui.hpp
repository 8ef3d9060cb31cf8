#pragma once
// A Ui for tests: it records every message and shell request and answers questions from queues.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui.hpp"

namespace quarn {

struct RecordedMessage {
    std::string text;
    std::string caption;
    MessageIcon icon;
};

class RecordingUi : public Ui {
public:
    // Installs itself on construction and restores the ConsoleUi when destroyed.
    RecordingUi();
    ~RecordingUi() override;
    RecordingUi(const RecordingUi&) = delete;
    RecordingUi& operator=(const RecordingUi&) = delete;

    void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::optional<std::string> OpenFileDialog(const std::string& filter) override;
    std::optional<std::string> SaveFileDialog(const std::string& filter) override;
    bool ShellOpen(const std::string& document) override;

    // Texts of the messages shown so far, in order.
    std::vector<std::string> MessageTexts() const;

    std::vector<RecordedMessage> messages;
    std::vector<std::string> prompts;       // every InputBox prompt
    std::vector<std::string> inputTitles;   // every InputBox title
    std::vector<std::string> inputDefaults; // every InputBox default answer
    std::vector<std::string> filters;       // every dialog filter
    std::vector<std::string> shellOpened;   // every ShellOpen document
    bool shellOpenSucceeds = true;
    std::deque<std::optional<std::string>> inputAnswers;  // empty queue or nothing: the input box is cancelled
    std::deque<std::optional<std::string>> dialogAnswers;  // empty queue: the dialog is cancelled
};

}  // namespace quarn
