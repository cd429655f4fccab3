#include "ui/frames/quillmark_child_frame.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

#include "dialogs/operator.h"
#include "document/document_saving.h"
#include "document/log_sort.h"
#include "document/quillmark_doc.h"
#include "model/band_data.h"
#include "platform/cp932_convert.h"
#include "settings/quillmark_system.h"
#include "ui/commands/command_actions.h"
#include "ui/commands/command_ids.h"
#include "ui/dialogs/graph_setting_dialog_widget.h"
#include "ui/frames/frame_services.h"
#include "ui/qt_text.h"
#include "ui/views/contest_information_view.h"
#include "ui/views/contest_texts.h"
#include "ui/views/index_list_model.h"
#include "ui/views/quillmark_graph_view.h"
#include "ui/views/quillmark_log_view.h"
#include "ui/widgets/ui_metrics.h"

namespace {

using View = command_rules::ContestWindow::View;

// The sort commands and the keys they sort by.
int SortKeyOf(int id) {
    switch (id) {
        case cmd::kSortByDateTime:
            return log_sort::kDateTime;
        case cmd::kSortByCallSign:
            return log_sort::kCallSign;
        case cmd::kSortBySentContestNumber:
            return log_sort::kSentContestNumber;
        case cmd::kSortByReceivedContestNumber:
            return log_sort::kReceivedContestNumber;
        case cmd::kSortByFirst:
            return log_sort::kFirstStatus;
        case cmd::kSortByPoints:
            return log_sort::kPoints;
        case cmd::kSortByMode:
            return log_sort::kMode;
        case cmd::kSortByCallingMethod:
            return log_sort::kCallingMethod;
        case cmd::kSortByCardRequested:
            return log_sort::kCardRequested;
        case cmd::kSortByCardSent:
            return log_sort::kCardSent;
        case cmd::kSortByCardReceived:
            return log_sort::kCardReceived;
        case cmd::kSortByComment:
            return log_sort::kComment;
        default:
            return 0;
    }
}

int ListStyleOf(int id) {
    switch (id) {
        case cmd::kViewLargeIcons:
            return CIndexListView::kLargeIcons;
        case cmd::kViewSmallIcons:
            return CIndexListView::kSmallIcons;
        case cmd::kViewList:
            return CIndexListView::kList;
        case cmd::kViewDetails:
            return CIndexListView::kDetails;
        default:
            return -1;
    }
}

int PrintTypeOf(int id) {
    switch (id) {
        case cmd::kPrintNormalLog:
            return 1;
        case cmd::kPrintExtendedLog:
            return 2;
        case cmd::kPrintCardLabels:
            return 3;
        case cmd::kPrintSummarySheet:
            return 4;
        default:
            return 0;
    }
}

}  // namespace

CQuillmarkChildFrame::CQuillmarkChildFrame(std::shared_ptr<CQuillmarkDoc> document,
                                           IFrameServices& services, QWidget* parent)
    : CChildFrame(parent),
      document_(std::move(document)),
      services_(services),
      outer_(new QSplitter(Qt::Vertical, this)),
      inner_(new QSplitter(Qt::Horizontal, outer_)),
      tree_(nullptr),
      log_(nullptr),
      graph_(nullptr),
      status_bar_(new QStatusBar(this)) {
    status_bar_->setSizeGripEnabled(false);
    status_bar_->setAccessibleName(QStringLiteral("コンテスト情報ステータス バー"));
    for (size_t i = 0; i < contest_texts::StatusPaneKinds().size(); ++i) {
        auto* pane = new QLabel(status_bar_);
        pane->setFrameStyle(contest_texts::StatusPaneKinds()[i] == 0
                                ? QFrame::NoFrame
                                : QFrame::Panel | QFrame::Sunken);
        status_bar_->addWidget(pane);
        panes_.push_back(pane);
    }

    // The tree's first update rebuilds the status bar, so the bar exists before the views.
    tree_ = new CQuillmarkContestInformationView(document_, inner_);
    log_ = new CQuillmarkLogView(document_, inner_);
    graph_ = new CQuillmarkGraphView(document_, outer_);
    inner_->addWidget(tree_);
    inner_->addWidget(log_);
    inner_->setSizes({ui_metrics::Scaled(this, 150), ui_metrics::Scaled(this, 130) * 5});
    inner_->setStretchFactor(1, 1);
    outer_->addWidget(inner_);
    outer_->addWidget(graph_);
    outer_->setSizes({ui_metrics::Scaled(this, 200), ui_metrics::Scaled(this, 50)});
    outer_->setStretchFactor(1, 1);
    outer_->setChildrenCollapsible(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(outer_, 1);
    layout->addWidget(status_bar_);
    setFocusProxy(log_);

    connect(tree_, &CQuillmarkContestInformationView::contestChanged, this,
            &CQuillmarkChildFrame::UpdateContestInformationStatusBar);
    connect(tree_, &CQuillmarkContestInformationView::bandActivationRequested, this,
            [this] { RunCommand(cmd::kActivateBand); });
    connect(tree_, &QTreeWidget::currentItemChanged, this, &CChildFrame::commandStatesChanged);
    connect(log_, &CIndexListView::selectionChanged, this, &CChildFrame::commandStatesChanged);
    connect(log_, &CIndexListView::contextMenuRequested, this, [this](const QPoint& at) {
        services_.Commands().CreateContextMenu(menu_layout::LogListContextMenu(), this)->popup(at);
    });
    connect(graph_, &CQuillmarkGraphView::contextMenuWanted, this, [this](const QPoint& at) {
        services_.Commands().CreateContextMenu(menu_layout::GraphContextMenu(), this)->popup(at);
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (const View view : {View::kContestInformation, View::kLog, View::kGraph}) {
            const QWidget* pane = PaneOf(view);
            if (now != nullptr && (now == pane || pane->isAncestorOf(now))) {
                if (active_view_ != view) {
                    active_view_ = view;
                    emit commandStatesChanged();
                }
            }
        }
    });
    document_->AddListener(this);
    UpdateContestInformationStatusBar();
}

CQuillmarkChildFrame::~CQuillmarkChildFrame() {
    document_->RemoveListener(this);
    delete graph_settings_.data();
}

CDocumentBase& CQuillmarkChildFrame::Document() {
    return *document_;
}

QWidget* CQuillmarkChildFrame::PaneOf(View view) const {
    switch (view) {
        case View::kContestInformation:
            return tree_;
        case View::kGraph:
            return graph_;
        default:
            return log_;
    }
}

void CQuillmarkChildFrame::SetActiveView(View view) {
    PaneOf(view)->setFocus(Qt::OtherFocusReason);
    active_view_ = view;
    emit commandStatesChanged();
}

void CQuillmarkChildFrame::UpdateContestInformationStatusBar() {
    if (panes_.empty()) {
        return;
    }
    const std::vector<contest_texts::StatusPane> panes =
        contest_texts::StatusPanes(&document_->GetContest(), document_->GetSettings());
    for (size_t i = 0; i < panes_.size(); ++i) {
        QLabel* label = panes_[i];
        if (i >= panes.size()) {
            label->clear();
            label->setVisible(i == 0);
            label->setFixedWidth(1);
            continue;
        }
        label->setVisible(true);
        if (panes[i].kind == 0) {
            label->clear();
            label->setFixedWidth(2);
            continue;
        }
        const QString text = qt_text::FromCp932(panes[i].text);
        label->setText(text);
        label->setFixedWidth(label->fontMetrics().horizontalAdvance(text) + 2 +
                             2 * label->frameWidth() + 6);
    }
}

QStringList CQuillmarkChildFrame::ContestStatusTexts() const {
    QStringList texts;
    for (const QLabel* pane : panes_) {
        if (pane->isVisible() || !isVisible()) {
            texts << pane->text();
        }
    }
    return texts;
}

command_rules::ContestWindow CQuillmarkChildFrame::State() const {
    command_rules::ContestWindow state;
    const CQuillmarkData_MainData& contest = document_->GetContest();
    const CQuillmarkData_SubMainData* band = contest.IsValid() ? contest.GetActiveBand() : nullptr;
    state.active_view = active_view_;
    state.has_active_band = band != nullptr;
    state.active_band_entries = band != nullptr ? band->GetEntryCount() : 0;
    state.selected = log_->SelectedCount();
    state.band_node_selected = tree_->SelectedBand().has_value();
    state.modified = document_->IsModified();
    state.print_type = services_.Settings().GetCurrentPrintType();
    state.list_style = log_->GetStyle();
    state.contest_status_bar_visible = !status_bar_->isHidden();
    return state;
}

std::optional<CommandState> CQuillmarkChildFrame::QueryCommand(int id) const {
    return command_rules::ForContestWindow(id, State());
}

void CQuillmarkChildFrame::SetStatus(const char* utf8) {
    services_.Operator().SetStatusText(Utf8ToCp932(utf8));
}

void CQuillmarkChildFrame::RunCommand(int id) {
    if (!RunViewCommand(id)) {
        RunDocumentCommand(id);
    }
    emit commandStatesChanged();
}

bool CQuillmarkChildFrame::RunViewCommand(int id) {
    if (const int key = SortKeyOf(id)) {
        log_->SortBy(key);
        return true;
    }
    if (const int style = ListStyleOf(id); style >= 0) {
        log_->SetStyle(style);
        return true;
    }
    if (const int type = PrintTypeOf(id)) {
        services_.Settings().SetCurrentPrintType(type);
        return true;
    }
    switch (id) {
        case cmd::kViewContestInformation:
            SetActiveView(View::kContestInformation);
            return true;
        case cmd::kViewLog:
            SetActiveView(View::kLog);
            return true;
        case cmd::kViewGraph:
            SetActiveView(View::kGraph);
            return true;
        case cmd::kNextPane:
        case cmd::kPreviousPane: {
            const int step = id == cmd::kNextPane ? 1 : 2;
            SetActiveView(static_cast<View>((static_cast<int>(active_view_) + step) % 3));
            return true;
        }
        case cmd::kSelectAll:
            log_->SelectAll();
            return true;
        case cmd::kDeselectAll:
            log_->DeselectAll();
            return true;
        case cmd::kInvertSelection:
            log_->InvertSelection();
            return true;
        case cmd::kShowOnlySelected:
            log_->KeepOnlySelected();
            SetStatus("選択されているアイテムのみ表示しました。");
            return true;
        case cmd::kHideSelected:
            log_->RemoveSelected();
            SetStatus("選択されているアイテムを非表示にしました。");
            return true;
        case cmd::kViewContestStatusBar:
            status_bar_->setVisible(status_bar_->isHidden());
            return true;
        case cmd::kOptimizeColumnWidths:
            SetStatus("列幅を最適化しています。しばらくお待ちください．．．");
            services_.Operator().SetWaitCursor(true);
            log_->OptimizeColumnWidths();
            services_.Operator().SetWaitCursor(false);
            SetStatus("列幅の最適化を完了しました。");
            return true;
        case cmd::kResetList:
            SetStatus("ログ表示を最初の状態に戻しています。しばらくお待ちください．．．");
            log_->ResetList();
            SetStatus("ログ表示が最初の状態に戻りました。");
            return true;
        case cmd::kGraphSettings:
            OpenGraphSettings();
            return true;
        case cmd::kFileClose:
            if (parentWidget() != nullptr) {
                parentWidget()->close();
            }
            return true;
        case cmd::kFilePrint:
        case cmd::kFilePrintPreview:
            services_.Print(*this, id == cmd::kFilePrintPreview);
            return true;
        default:
            return false;
    }
}

void CQuillmarkChildFrame::RunDocumentCommand(int id) {
    CQuillmarkDoc& doc = *document_;
    switch (id) {
        case cmd::kInputLogData:
        case cmd::kManualInputLogData:
            doc.InputLogData(id == cmd::kManualInputLogData);
            break;
        case cmd::kChangeContest:
            doc.ChangeContest();
            break;
        case cmd::kChangeLogData:
        case cmd::kDeleteLogData:
            if (const int index = log_->FocusedSelectedItem(); index >= 0) {
                id == cmd::kChangeLogData ? doc.ChangeLogData(index) : doc.DeleteLogData(index);
            }
            break;
        case cmd::kChangeSentContestNumbers:
        case cmd::kChangePoints:
        case cmd::kChangeModes:
        case cmd::kChangeCallingMethods:
        case cmd::kChangeCardData: {
            const std::vector<int> indices = log_->SelectedItems();
            if (indices.empty()) {
                break;
            }
            if (id == cmd::kChangeSentContestNumbers) {
                doc.ChangeSentContestNumbers(indices);
            } else if (id == cmd::kChangePoints) {
                doc.ChangePoints(indices);
            } else if (id == cmd::kChangeModes) {
                doc.ChangeModes(indices);
            } else if (id == cmd::kChangeCallingMethods) {
                doc.ChangeCallingMethods(indices);
            } else {
                doc.ChangeCardData(indices);
            }
            break;
        }
        case cmd::kSearchLogData: {
            std::vector<int> found;
            if (doc.SearchLogData(found) && !found.empty()) {
                log_->FillInOrder(found);
                SetActiveView(View::kLog);
            }
            break;
        }
        case cmd::kSearchCityCodeDatabase:
            doc.SearchCityCodeDatabase(services_.CityCodeResults());
            break;
        case cmd::kCleanLogData:
            doc.CleanLogData();
            break;
        case cmd::kImportLogData:
            doc.ImportLogData(services_.OpenDocuments());
            break;
        case cmd::kAddNewBand:
            doc.AddNewBand();
            break;
        case cmd::kChangeBandSettings:
            doc.ChangeBandSettings();
            break;
        case cmd::kDeleteExistingBand:
        case cmd::kActivateBand:
            if (const std::optional<CQuillmarkData_BandItem> band = tree_->SelectedBand()) {
                id == cmd::kActivateBand ? doc.ActivateBand(*band) : doc.DeleteExistingBand(*band);
            }
            break;
        case cmd::kExportText:
            doc.ExportLogDataAsText();
            break;
        case cmd::kExportSubmission:
            doc.ExportLogDataForSubmission();
            break;
        case cmd::kFileSave:
        case cmd::kFileSaveAs:
            document_saving::DoSave(doc, services_.Operator(), id == cmd::kFileSaveAs,
                                    services_.DisplayNameOf(doc));
            break;
        default:
            break;
    }
    if (graph_settings_ != nullptr) {
        graph_settings_->Refresh();
    }
}

void CQuillmarkChildFrame::OpenGraphSettings() {
    if (!document_->GetContest().IsValid()) {
        return;
    }
    if (graph_settings_ == nullptr) {
        graph_settings_ = new CGraphSettingDialogWidget(*document_, this);
        graph_settings_->setAttribute(Qt::WA_DeleteOnClose);
        connect(graph_settings_, &CGraphSettingDialogWidget::seriesChanged, graph_,
                &CQuillmarkGraphView::Recompute);
    }
    graph_settings_->show();
    graph_settings_->raise();
    graph_settings_->activateWindow();
}

void CQuillmarkChildFrame::OnPathNameChanged(CDocumentBase&, bool) {
    emit documentNameChanged();
}

void CQuillmarkChildFrame::OnModifiedChanged(CDocumentBase&) {
    emit documentNameChanged();
}
