#pragma once
// The engine's Ui shown with Qt's standard dialogs, owned by the main window.

#include <QString>
#include <QWidget>

#include "platform/ui.hpp"

namespace orrin {

// A "description|pattern|..." filter in Qt's "description (patterns);;..." syntax. Patterns separated by
// ';' become blank-separated, "*.*" becomes "*" (every file, also those without a dot), and each
// extension is offered in capitals too, since the program tells file kinds apart ignoring case.
QString QtFileFilter(const std::string& filter);
// The extension of the filter's first pattern ("*.qrn" gives "qrn"), empty when it names none.
QString DefaultSuffix(const std::string& filter);

class QtUi : public quarn::Ui {
  public:
    explicit QtUi(QWidget* parent) : parent_(parent) {}

    void ShowMessage(const std::string& text, const std::string& caption, quarn::MessageIcon icon) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::optional<std::string> OpenFileDialog(const std::string& filter) override;
    std::optional<std::string> SaveFileDialog(const std::string& filter) override;
    bool ShellOpen(const std::string& document) override;

  private:
    QWidget* parent_;
};

}  // namespace orrin
