#pragma once
// The main window form1: the menu bar built from the shell's menu model, the three picture widgets
// placed by the shell's layout, and the event-driven frame loop. Every Qt event becomes one shell
// handler, run guarded; then one sync shows what the shell's data now says.

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/picture_widget.hpp"

class QAction;

namespace orrin {

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    // Events that taking the window down raises (the view losing the keyboard) reach no handler.
    ~MainWindow() override;

    // Start-up: the shell's Form_Load with the command-line text, then the first layout.
    void Start(const std::string& commandLine);

    PictureWidget* Picture(int number) const { return pictures_.at(number - 1); }  // 1, 2 or 3
    QWidget* ClientArea() const { return centralWidget(); }
    // Frame steps run since start-up.
    int FramesDrawn() const { return framesDrawn_; }
    bool FramePending() const { return frameTimer_.isActive(); }
    bool HasEnded() const { return ended_; }

  signals:
    // The shell asked for the end of the program (window closed or the exit command).
    void EndRequested();

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void BuildMenus();
    // Runs a handler guarded (a fault is reported and the window goes on), then syncs; one arriving
    // during another waits for it.
    void RunHandler(const std::function<void()>& handler);
    // Shows the shell's state: caption, pictures, check marks; ends the program or arms a frame step.
    void Sync();
    void RunFrame();
    void Activate();

    std::array<PictureWidget*, 3> pictures_{};
    std::vector<QAction*> menuActions_;  // one per menu model item, in the model's order
    QTimer frameTimer_;
    int handlerDepth_ = 0;  // handlers and frame steps under way (dialogs open nested event loops)
    std::vector<std::function<void()>> deferred_;  // handlers that arrived during one, in order
    int framesDrawn_ = 0;
    bool ended_ = false;
};

}  // namespace orrin
