#pragma once
// The Ui orrin-render installs: each message goes to standard error as the console shows it, and is
// also kept for the --info report.

#include <optional>
#include <string>
#include <vector>

#include "platform/ui.hpp"

namespace orrin {

struct LoggedMessage {
    std::optional<int> code;  // the engine error's number, for engine errors
    std::string text;
    std::string caption;
};

class MessageLog : public quarn::ConsoleUi {
  public:
    // Installs itself; the destructor restores the console.
    MessageLog();
    ~MessageLog() override;
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    void ShowMessage(const std::string& text, const std::string& caption, quarn::MessageIcon icon) override;
    // Keeps a message that did not come through the Ui, such as the reason a run failed.
    void Keep(LoggedMessage message) { messages_.push_back(std::move(message)); }

    const std::vector<LoggedMessage>& Messages() const { return messages_; }

  private:
    std::vector<LoggedMessage> messages_;
};

}  // namespace orrin
