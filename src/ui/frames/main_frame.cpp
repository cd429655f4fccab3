#include "ui/frames/main_frame.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

#include "settings/quillmark_system.h"
#include "ui/commands/command_actions.h"
#include "ui/commands/command_ids.h"
#include "ui/commands/menu_layout.h"
#include "ui/frames/child_frame.h"
#include "ui/frames/main_status_bar.h"

CMainFrame::CMainFrame(const CQuillmarkSystem& settings, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      mdi_area_(new QMdiArea(this)),
      status_bar_(new CMainStatusBar(this)),
      commands_(new CCommandActions(this)),
      standard_toolbar_(new QToolBar(QStringLiteral("ツール バー"), this)),
      log_toolbar_(new QToolBar(QStringLiteral("ログメニュー ツール バー"), this)),
      clock_(new QTimer(this)) {
    setWindowTitle(QStringLiteral("クイルマーク"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/quillmark.svg")));
    setAcceptDrops(true);
    setCentralWidget(mdi_area_);
    mdi_area_->setAccessibleName(QStringLiteral("ウィンドウ領域"));
    setStatusBar(status_bar_);

    for (QToolBar* toolbar : {standard_toolbar_, log_toolbar_}) {
        toolbar->setIconSize(QSize(16, 16));
        toolbar->setAllowedAreas(Qt::AllToolBarAreas);
        addToolBar(Qt::TopToolBarArea, toolbar);
    }
    standard_toolbar_->setObjectName(QStringLiteral("standard_toolbar"));
    log_toolbar_->setObjectName(QStringLiteral("log_menu_toolbar"));
    commands_->FillToolBar(standard_toolbar_, menu_layout::StandardToolbar());
    commands_->FillToolBar(log_toolbar_, menu_layout::LogMenuToolbar());

    commands_->SetTargetChain([this] {
        return std::vector<ICommandTarget*>{ActiveChildFrame(), this, application_};
    });
    commands_->SetWindowList([this] {
        std::vector<CCommandActions::WindowEntry> entries;
        QMdiSubWindow* current = mdi_area_->currentSubWindow();
        for (QMdiSubWindow* window : mdi_area_->subWindowList()) {
            entries.push_back({window->windowTitle().remove(QStringLiteral("[*]")),
                               window == current,
                               [this, window] { mdi_area_->setActiveSubWindow(window); }});
        }
        return entries;
    });
    connect(mdi_area_, &QMdiArea::subWindowActivated, this, [this] {
        UpdateMenuBar();
        commands_->RequestUpdate();
    });
    UpdateMenuBar();

    clock_->setInterval(kClockInterval);
    connect(clock_, &QTimer::timeout, this, &CMainFrame::OnClockTick);
    clock_->start();
    OnClockTick();
    resize(1024, 720);
}

CMainFrame::~CMainFrame() {
    // The child windows are destroyed after this frame has stopped being one; their signals
    // must not reach it any more.
    for (QMdiSubWindow* window : mdi_area_->subWindowList()) {
        disconnect(window, nullptr, this, nullptr);
    }
    disconnect(mdi_area_, nullptr, this, nullptr);
}

QMdiSubWindow* CMainFrame::AddChildFrame(CChildFrame* frame) {
    QMdiSubWindow* window = mdi_area_->addSubWindow(frame);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(frame, &CChildFrame::commandStatesChanged, commands_, &CCommandActions::RequestUpdate);
    connect(window, &QObject::destroyed, this, [this] {
        // After the last window the bar goes back to the one without a document.
        QTimer::singleShot(0, this, [this] {
            UpdateMenuBar();
            commands_->RequestUpdate();
        });
    });
    window->showMaximized();
    mdi_area_->setActiveSubWindow(window);
    UpdateMenuBar();
    commands_->RequestUpdate();
    return window;
}

CChildFrame* CMainFrame::ActiveChildFrame() const {
    QMdiSubWindow* window = mdi_area_->currentSubWindow();
    if (window == nullptr) {
        window = mdi_area_->activeSubWindow();
    }
    return window != nullptr ? qobject_cast<CChildFrame*>(window->widget()) : nullptr;
}

QList<CChildFrame*> CMainFrame::ChildFrames(bool activation_order) const {
    QList<CChildFrame*> frames;
    for (QMdiSubWindow* window : mdi_area_->subWindowList(
             activation_order ? QMdiArea::ActivationHistoryOrder : QMdiArea::CreationOrder)) {
        if (auto* frame = qobject_cast<CChildFrame*>(window->widget())) {
            frames << frame;
        }
    }
    return frames;
}

void CMainFrame::UpdateMenuBar() {
    menu_layout::Bar bar = menu_layout::Bar::kNoDocument;
    if (const CChildFrame* frame = ActiveChildFrame()) {
        bar = frame->MenuBarKind();
    }
    if (static_cast<int>(bar) != shown_bar_) {
        shown_bar_ = static_cast<int>(bar);
        commands_->FillMenuBar(menuBar(), menu_layout::MenuBar(bar));
    }
}

std::optional<CommandState> CMainFrame::QueryCommand(int id) const {
    command_rules::MainFrame state;
    state.toolbar_visible = !standard_toolbar_->isHidden();
    state.log_toolbar_visible = !log_toolbar_->isHidden();
    state.status_bar_visible = !status_bar_->isHidden();
    state.child_count = static_cast<int>(mdi_area_->subWindowList().size());
    // The recent files are the application's; the frame only knows windows and bars.
    switch (id) {
        case cmd::kViewToolbar:
        case cmd::kViewLogMenuToolbar:
        case cmd::kViewStatusBar:
        case cmd::kWindowCascade:
        case cmd::kWindowTileHorizontal:
        case cmd::kWindowArrange:
            return command_rules::ForMainFrame(id, state);
        default:
            return std::nullopt;
    }
}

void CMainFrame::RunCommand(int id) {
    switch (id) {
        case cmd::kViewToolbar:
            standard_toolbar_->setVisible(standard_toolbar_->isHidden());
            break;
        case cmd::kViewLogMenuToolbar:
            log_toolbar_->setVisible(log_toolbar_->isHidden());
            break;
        case cmd::kViewStatusBar:
            status_bar_->setVisible(status_bar_->isHidden());
            break;
        case cmd::kWindowCascade:
            mdi_area_->cascadeSubWindows();
            break;
        case cmd::kWindowTileHorizontal:
            mdi_area_->tileSubWindows();
            break;
        case cmd::kWindowArrange:
            // Minimised windows line up along the bottom of the area.
            for (QMdiSubWindow* window : mdi_area_->subWindowList()) {
                if (window->isMinimized()) {
                    window->showMinimized();
                }
            }
            break;
        default:
            break;
    }
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        status_bar_->ShowHelp(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (close_check_ && !close_check_()) {
        event->ignore();
        return;
    }
    clock_->stop();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            paths << url.toLocalFile();
        }
    }
    event->acceptProposedAction();
    if (drop_handler_ && !paths.isEmpty()) {
        // Opened after the drop has finished, so the source is not kept waiting by a message
        // box.
        QTimer::singleShot(0, this, [this, paths] { drop_handler_(paths); });
    }
}

void CMainFrame::OnClockTick() {
    status_bar_->Refresh(settings_);
    commands_->UpdateAll();
}
