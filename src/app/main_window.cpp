#include "app/main_window.hpp"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QResizeEvent>
#include <map>

#include "shell/shell.hpp"

namespace orrin {
namespace {

// The window's client area: its size is the shell's form size, its children the three pictures.
class ClientWidget : public QWidget {
  public:
    ClientWidget(std::function<void(QSize)> resized, QWidget* parent)
        : QWidget(parent), resized_(std::move(resized)) {}
    QSize sizeHint() const override {
        return {TwipsToPixels(kStartClientWidth), TwipsToPixels(kStartClientHeight)};
    }

  protected:
    void resizeEvent(QResizeEvent* event) override { resized_(event->size()); }

  private:
    std::function<void(QSize)> resized_;
};

QString ActionName(const MenuItem& item) {
    return QString::fromStdString(item.Index < 0 ? item.Name : item.Name + "_" + std::to_string(item.Index));
}

// The local model file a drag carries, or an empty text.
std::string DroppedModelPath(const QMimeData* data) {
    if (data == nullptr || data->urls().size() != 1 || !data->urls().front().isLocalFile()) return {};
    const std::string path = QFile::encodeName(data->urls().front().toLocalFile()).toStdString();
    return ModelKindOf(path) == ModelKind::Unknown ? std::string() : path;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("form1"));
    setAcceptDrops(true);
    auto* client = new ClientWidget(
        [this](QSize size) {
            RunHandler(
                [size] { Form_Resize(size.width() * kTwipsPerPixel, size.height() * kTwipsPerPixel); });
        },
        this);
    setCentralWidget(client);

    const auto run = [this](const std::function<void()>& handler) { RunHandler(handler); };
    MainForm& form = Form1();
    // Created in this order, the panes lie on top of the view where they overlap it; the tab order
    // follows the creation order too.
    pictures_[0] = new PictureWidget(
        form.Picture1,
        {Picture1_MouseDown, Picture1_MouseMove, Picture1_KeyDown, Picture1_KeyUp, Picture1_MouseEnter,
         Picture1_LostFocus},
        run, client);
    pictures_[1] = new PictureWidget(form.Picture2, {Picture2_MouseDown, Picture2_MouseMove}, run, client);
    pictures_[2] = new PictureWidget(form.Picture3, {Picture3_MouseDown, Picture3_MouseMove}, run, client);
    const char* names[] = {"Picture1", "Picture2", "Picture3"};
    for (int i = 0; i < 3; ++i) pictures_[i]->setObjectName(QString::fromLatin1(names[i]));
    setTabOrder(pictures_[0], pictures_[1]);
    setTabOrder(pictures_[1], pictures_[2]);
    pictures_[0]->setFocus();

    frameTimer_.setSingleShot(true);
    frameTimer_.setInterval(0);  // fires once the events already queued have been handled
    connect(&frameTimer_, &QTimer::timeout, this, &MainWindow::RunFrame);

    BuildMenus();
    resize(sizeHint());
}

MainWindow::~MainWindow() {
    ended_ = true;
    // The view and the panes go while this is still a MainWindow: the view losing the keyboard as it
    // goes calls back into RunHandler, which ended_ turns away.
    delete takeCentralWidget();
}

void MainWindow::BuildMenus() {
    const std::vector<MenuItem>& items = Form1().Menus.Items();
    std::map<std::string, QMenu*> shownMenus;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = items[i];
        const QString caption = QString::fromStdString(item.Caption);
        QAction* action = nullptr;
        if (item.Parent.empty()) {
            if (item.Visible) {
                QMenu* menu = menuBar()->addMenu(caption);
                shownMenus[item.Name] = menu;
                action = menu->menuAction();
            } else {
                action = new QAction(caption, this);
            }
        } else {
            action = new QAction(caption, this);
            action->setCheckable(true);
            if (!item.Shortcut.empty())
                action->setShortcut(QKeySequence(QString::fromStdString(item.Shortcut)));
            connect(action, &QAction::triggered, this, [this, i] {
                RunHandler([i] {
                    const MenuItem chosen = Form1().Menus.Items()[i];
                    ClickMenuItem(chosen);
                });
            });
            // A hidden item, or one in a hidden menu, belongs to no widget: it cannot be seen and its
            // shortcut does not act, but it can still be triggered.
            const auto menu = shownMenus.find(item.Parent);
            if (item.Visible && menu != shownMenus.end()) menu->second->addAction(action);
        }
        action->setObjectName(ActionName(item));
        menuActions_.push_back(action);
    }
}

void MainWindow::Start(const std::string& commandLine) {
    RunHandler([&commandLine] { Form_Load(commandLine); });
}

void MainWindow::RunHandler(const std::function<void()>& handler) {
    if (ended_) return;
    // A handler that arrives while another one waits in a dialog's event loop (the view losing the
    // keyboard to the dialog, the window deactivated or resized) runs once that one has finished:
    // handlers never run inside one another, so none deletes a mesh under a command still at work.
    if (handlerDepth_ > 0) {
        deferred_.push_back(handler);
        return;
    }
    ++handlerDepth_;
    RunGuarded(handler);
    while (!deferred_.empty()) {
        const std::function<void()> next = std::move(deferred_.front());
        deferred_.erase(deferred_.begin());
        RunGuarded(next);
    }
    --handlerDepth_;
    Sync();
}

void MainWindow::Sync() {
    MainForm& form = Form1();
    setWindowTitle(QString::fromStdString(form.Caption));
    for (PictureWidget* picture : pictures_) picture->SyncFromBox();
    const std::vector<MenuItem>& items = form.Menus.Items();
    for (std::size_t i = 0; i < items.size() && i < menuActions_.size(); ++i) {
        if (menuActions_[i]->isCheckable()) menuActions_[i]->setChecked(items[i].Checked);
    }
    if (form.EndRequested) {
        if (!ended_) {
            ended_ = true;
            frameTimer_.stop();
            hide();
            emit EndRequested();
        }
        return;
    }
    if (FrameWanted() && !frameTimer_.isActive()) frameTimer_.start();
}

void MainWindow::RunFrame() {
    // Inside a handler (a dialog's event loop) the frame waits: the handler's sync arms it again.
    if (ended_ || handlerDepth_ > 0 || !FrameWanted()) return;
    RunHandler(FrameStep);  // the frame step marks the view to be shown at once
    ++framesDrawn_;
}

void MainWindow::Activate() {
    RunHandler([] { Form_Activate(); });
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Activate();
    if (event->type() == QEvent::WindowDeactivate) RunHandler(Form_Deactivate);
    return QMainWindow::event(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Ask for activation, and start anyway once shown: without a window manager nobody activates us.
    activateWindow();
    QTimer::singleShot(0, this, &MainWindow::Activate);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    RunHandler([] { Form_Unload(); });  // asks for the end, which the sync carries out
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedModelPath(event->mimeData()).empty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const std::string path = DroppedModelPath(event->mimeData());
    if (path.empty()) return;
    event->acceptProposedAction();
    RunHandler([&path] { OpenModelPath(path); });
}

}  // namespace orrin
