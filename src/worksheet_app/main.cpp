// orrin-worksheet: the teacher's worksheet window. An optional argument names a model file to open.

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "platform/ui.hpp"
#include "worksheet_app/worksheet_texts.hpp"
#include "worksheet_app/worksheet_window.hpp"

namespace {

// Messages of the engine and the model readers as message boxes over the window; the worksheet asks
// no questions of its own through it.
class WindowUi : public quarn::ConsoleUi {
  public:
    explicit WindowUi(QWidget* parent) : parent_(parent) {}
    void ShowMessage(const std::string& text, const std::string& caption, quarn::MessageIcon icon) override {
        QMessageBox box(icon == quarn::MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Warning,
                        QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok, parent_);
        box.exec();
    }

  private:
    QWidget* parent_;
};

bool HasDisplay() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fputs("no display: set DISPLAY, or use orrin-render for sheets\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    orrin::InstallWorksheetTranslation(app);
    orrin::WorksheetWindow window;
    WindowUi ui(&window);
    quarn::InstallUi(&ui);
    if (argc > 1) window.OpenModelFile(QFile::decodeName(argv[1]));
    window.show();
    const int status = QApplication::exec();
    quarn::InstallUi(nullptr);
    return status;
}
