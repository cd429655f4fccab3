#pragma once

#include <QPointer>
#include <memory>

#include "platform/document_base.h"
#include "ui/commands/command_rules.h"
#include "ui/frames/child_frame.h"

class QLabel;
class QSplitter;
class QStatusBar;
class CGraphSettingDialogWidget;
class CQuillmarkContestInformationView;
class CQuillmarkDoc;
class CQuillmarkGraphView;
class CQuillmarkLogView;
class IFrameServices;

// The window of one contest: the contest information tree (top left), the log list (top
// right) and the graph (bottom) in splitters, and the contest information status bar. It is
// where the contest commands arrive: it reduces itself to a command_rules::ContestWindow to
// say what is enabled, gathers the selected entries of the log list and hands the work to
// the document, a view or the settings. It holds no contest data of its own.
class CQuillmarkChildFrame : public CChildFrame, public IDocumentListener {
    Q_OBJECT
public:
    CQuillmarkChildFrame(std::shared_ptr<CQuillmarkDoc> document, IFrameServices& services,
                         QWidget* parent = nullptr);
    ~CQuillmarkChildFrame() override;

    menu_layout::Bar MenuBarKind() const override { return menu_layout::Bar::kContest; }
    CDocumentBase& Document() override;
    CQuillmarkDoc& QuillmarkDocument() const { return *document_; }
    std::shared_ptr<CQuillmarkDoc> SharedDocument() const { return document_; }

    CQuillmarkContestInformationView& ContestInformationView() const { return *tree_; }
    CQuillmarkLogView& LogView() const { return *log_; }
    CQuillmarkGraphView& GraphView() const { return *graph_; }
    QStatusBar& ContestStatusBar() const { return *status_bar_; }
    // The texts of the contest information status bar's panes, left to right.
    QStringList ContestStatusTexts() const;

    command_rules::ContestWindow State() const;
    command_rules::ContestWindow::View ActiveView() const { return active_view_; }
    void SetActiveView(command_rules::ContestWindow::View view);

    std::optional<CommandState> QueryCommand(int id) const override;
    void RunCommand(int id) override;

    void OnPathNameChanged(CDocumentBase& document, bool add_to_recent) override;
    void OnModifiedChanged(CDocumentBase& document) override;

private:
    void UpdateContestInformationStatusBar();
    void RunDocumentCommand(int id);
    bool RunViewCommand(int id);
    void OpenGraphSettings();
    void SetStatus(const char* utf8);
    QWidget* PaneOf(command_rules::ContestWindow::View view) const;

    std::shared_ptr<CQuillmarkDoc> document_;
    IFrameServices& services_;
    QSplitter* outer_;
    QSplitter* inner_;
    CQuillmarkContestInformationView* tree_;
    CQuillmarkLogView* log_;
    CQuillmarkGraphView* graph_;
    QStatusBar* status_bar_;
    std::vector<QLabel*> panes_;
    QPointer<CGraphSettingDialogWidget> graph_settings_;
    command_rules::ContestWindow::View active_view_ = command_rules::ContestWindow::kLog;
};
