#include "ui/frames/city_code_data_child_frame.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QVBoxLayout>

#include "dialogs/operator.h"
#include "document/city_code_data_doc.h"
#include "platform/cp932_convert.h"
#include "ui/commands/command_actions.h"
#include "ui/commands/command_ids.h"
#include "ui/frames/frame_services.h"
#include "ui/views/city_code_data_list_view.h"
#include "ui/views/index_list_model.h"

CCityCodeDataChildFrame::CCityCodeDataChildFrame(std::shared_ptr<CCityCodeDataDoc> document,
                                                 IFrameServices& services, QWidget* parent)
    : CChildFrame(parent),
      document_(std::move(document)),
      services_(services),
      list_(new CCityCodeDataListView(document_, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    setFocusProxy(list_);
    connect(list_, &CIndexListView::headerClicked, this, [this](int column) { Sort(column); });
    connect(list_, &CIndexListView::selectionChanged, this, &CChildFrame::commandStatesChanged);
    connect(list_, &CIndexListView::contextMenuRequested, this, [this](const QPoint& at) {
        services_.Commands()
            .CreateContextMenu(menu_layout::CityCodeListContextMenu(), this)
            ->popup(at);
    });
}

CCityCodeDataChildFrame::~CCityCodeDataChildFrame() = default;

CDocumentBase& CCityCodeDataChildFrame::Document() {
    return *document_;
}

std::optional<CommandState> CCityCodeDataChildFrame::QueryCommand(int id) const {
    command_rules::CityCodeWindow state;
    state.has_current_row = list_->Model()->rowCount() > 0;
    state.selected = list_->SelectedCount();
    state.list_style = list_->GetStyle();
    state.included_in_search = document_->GetDatabase().IsIncludedInSearch();
    return command_rules::ForCityCodeWindow(id, state);
}

void CCityCodeDataChildFrame::SetStatus(const char* utf8) {
    services_.Operator().SetStatusText(Utf8ToCp932(utf8));
}

int CCityCodeDataChildFrame::StepStartRow() const {
    const int current = list_->CurrentRow();
    if (current >= 0 && list_->Selection()->isRowSelected(current, {})) {
        return current;
    }
    const QModelIndexList selected = list_->Selection()->selectedRows();
    int first = -1;
    for (const QModelIndex& index : selected) {
        first = first < 0 ? index.row() : std::min(first, index.row());
    }
    return first;
}

void CCityCodeDataChildFrame::StepSearch(bool backwards, bool find_next_form) {
    const int row = document_->StepSearch(
        backwards && StepStartRow() < 0 ? list_->Model()->rowCount() : StepStartRow(),
        list_->Model()->Items(), backwards, find_next_form);
    if (row >= 0) {
        list_->SelectOnly(row);
        list_->CurrentView()->setFocus();
    }
}

void CCityCodeDataChildFrame::Sort(int column) {
    std::vector<int> rows = list_->Model()->Items();
    if (document_->SortList(column, rows)) {
        list_->Fill(std::move(rows));
    }
}

void CCityCodeDataChildFrame::RunCommand(int id) {
    switch (id) {
        case cmd::kCitySearch: {
            std::vector<int> found;
            if (document_->SearchList(found)) {
                list_->Fill(std::move(found));
            }
            break;
        }
        case cmd::kCityNextCandidate:
            StepSearch(false, false);
            break;
        case cmd::kCityPreviousCandidate:
            StepSearch(true, false);
            break;
        case cmd::kCityFindNext:
            StepSearch(false, true);
            break;
        case cmd::kCityFindPrevious:
            StepSearch(true, true);
            break;
        case cmd::kSelectAll:
            list_->SelectAll();
            break;
        case cmd::kDeselectAll:
            list_->DeselectAll();
            break;
        case cmd::kInvertSelection:
            list_->InvertSelection();
            break;
        case cmd::kShowOnlySelected:
            list_->KeepOnlySelected();
            SetStatus("選択されているアイテムのみ表示しました。");
            break;
        case cmd::kHideSelected:
            list_->RemoveSelected();
            SetStatus("選択されているアイテムを非表示にしました。");
            break;
        case cmd::kViewLargeIcons:
            list_->SetStyle(CIndexListView::kLargeIcons);
            break;
        case cmd::kViewSmallIcons:
            list_->SetStyle(CIndexListView::kSmallIcons);
            break;
        case cmd::kViewList:
            list_->SetStyle(CIndexListView::kList);
            break;
        case cmd::kViewDetails:
            list_->SetStyle(CIndexListView::kDetails);
            break;
        case cmd::kCitySortByCode:
            Sort(0);
            break;
        case cmd::kCitySortByName:
            Sort(1);
            break;
        case cmd::kCitySortByReading:
            Sort(2);
            break;
        case cmd::kResetList:
            SetStatus("リストを最初の状態に戻しています。しばらくお待ちください．．．");
            list_->ResetList();
            SetStatus("リストが最初の状態に戻りました。");
            break;
        case cmd::kOptimizeColumnWidths:
            SetStatus("列幅を最適化しています。しばらくお待ちください．．．");
            services_.Operator().SetWaitCursor(true);
            list_->OptimizeColumnWidths();
            services_.Operator().SetWaitCursor(false);
            SetStatus("列幅の最適化を完了しました。");
            break;
        case cmd::kCityIncludedInSearch:
            document_->SetIncludedInSearch(!document_->GetDatabase().IsIncludedInSearch());
            break;
        case cmd::kFileClose:
            if (parentWidget() != nullptr) {
                parentWidget()->close();
            }
            break;
        case cmd::kFilePrint:
        case cmd::kFilePrintPreview:
            services_.Print(*this, id == cmd::kFilePrintPreview);
            break;
        default:
            break;
    }
    emit commandStatesChanged();
}

void CCityCodeDataChildFrame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !document_->GetDatabase().IsIncludedInSearch()) {
        RunCommand(cmd::kFileClose);
        return;
    }
    CChildFrame::keyPressEvent(event);
}
