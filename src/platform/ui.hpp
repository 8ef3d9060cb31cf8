#pragma once
// The user-facing services the engine and the shell need: message box, input box, file dialogs and
// the shell's "open". The window implements them with Qt; tests install a RecordingUi; command-line
// tools use the ConsoleUi, which is also what is installed when nothing else is.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quarn {

enum class MessageIcon { None, Error, Warning, Information };

// A dialog filter written as "description|pattern|description|pattern|...".
struct FileFilterEntry {
    std::string description;
    std::string pattern;
};
std::vector<FileFilterEntry> ParseFileFilter(const std::string& filter);

class Ui {
public:
    virtual ~Ui() = default;
    // A modal message with an OK button.
    virtual void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
    // Asks for a line of text; nothing when the user cancels.
    virtual std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<std::string> OpenFileDialog(const std::string& filter) = 0;
    virtual std::optional<std::string> SaveFileDialog(const std::string& filter) = 0;
    // Asks the desktop to open a document with its associated program; false when that failed.
    virtual bool ShellOpen(const std::string& document) = 0;
};

// Messages go to standard error; questions get their default answers; dialogs are cancelled.
class ConsoleUi : public Ui {
public:
    void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::optional<std::string> OpenFileDialog(const std::string& filter) override;
    std::optional<std::string> SaveFileDialog(const std::string& filter) override;
    bool ShellOpen(const std::string& document) override;
};

// Installs the Ui every later call goes to; nullptr restores the ConsoleUi. The caller keeps ownership.
void InstallUi(Ui* ui);
Ui& CurrentUi();

}  // namespace quarn
