#include "ui/views/index_list_view.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QListView>
#include <QTableView>
#include <algorithm>

#include "ui/views/index_list_model.h"
#include "ui/widgets/ui_metrics.h"

namespace {

// Room the first column keeps for the small icon, and the margin every column gets.
constexpr int kIconRoom = 16;
constexpr int kMargin = 15;

}  // namespace

CIndexListView::CIndexListView(CIndexListModel* model, const QString& accessible_name,
                               QWidget* parent)
    : QStackedWidget(parent),
      model_(model),
      details_(new QTableView(this)),
      icons_(new QListView(this)) {
    setAccessibleName(accessible_name);
    details_->setAccessibleName(accessible_name);
    icons_->setAccessibleName(accessible_name);
    details_->setModel(model_);
    // A table rather than a tree: appending a row to a tree lays out every row again,
    // a table with rows of one height does not.
    details_->setShowGrid(false);
    details_->setWordWrap(false);
    details_->verticalHeader()->hide();
    details_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    details_->verticalHeader()->setDefaultSectionSize(details_->fontMetrics().height() + 4);
    details_->setCornerButtonEnabled(false);
    details_->setTabKeyNavigation(false);
    details_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    details_->setSelectionBehavior(QAbstractItemView::SelectRows);
    details_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    details_->setIconSize(QSize(16, 16));
    details_->horizontalHeader()->setSectionsClickable(true);
    details_->horizontalHeader()->setSectionsMovable(false);
    details_->horizontalHeader()->setStretchLastSection(false);
    ResetColumnWidths();

    icons_->setModel(model_);
    QItemSelectionModel* own = icons_->selectionModel();
    icons_->setSelectionModel(details_->selectionModel());
    delete own;
    icons_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    icons_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    icons_->setMovement(QListView::Static);
    icons_->setResizeMode(QListView::Adjust);
    icons_->setUniformItemSizes(true);
    icons_->setLayoutMode(QListView::Batched);
    icons_->setBatchSize(500);

    addWidget(details_);
    addWidget(icons_);
    setCurrentWidget(details_);

    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(details_), static_cast<QAbstractItemView*>(icons_)}) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& at) {
            emit contextMenuRequested(view->viewport()->mapToGlobal(at));
        });
    }
    connect(details_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &CIndexListView::headerClicked);
    connect(details_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CIndexListView::selectionChanged);
    connect(details_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CIndexListView::selectionChanged);
    setFocusProxy(details_);
}

QItemSelectionModel* CIndexListView::Selection() const {
    return details_->selectionModel();
}

QWidget* CIndexListView::CurrentView() const {
    return currentWidget();
}

bool CIndexListView::SetStyle(int style) {
    if (style < kLargeIcons || style > kList) {
        return false;
    }
    if (style == style_) {
        return true;
    }
    const bool had_focus = CurrentView()->hasFocus();
    style_ = style;
    if (style == kDetails) {
        setCurrentWidget(details_);
        setFocusProxy(details_);
    } else {
        switch (style) {
            case kLargeIcons:
                icons_->setViewMode(QListView::IconMode);
                icons_->setIconSize(QSize(32, 32));
                icons_->setFlow(QListView::LeftToRight);
                icons_->setWrapping(true);
                icons_->setWordWrap(true);
                icons_->setGridSize(QSize(120, 64));
                break;
            case kSmallIcons:
                icons_->setViewMode(QListView::ListMode);
                icons_->setIconSize(QSize(16, 16));
                icons_->setFlow(QListView::LeftToRight);
                icons_->setWrapping(true);
                icons_->setWordWrap(false);
                icons_->setGridSize(QSize(180, 20));
                break;
            default:
                icons_->setViewMode(QListView::ListMode);
                icons_->setIconSize(QSize(16, 16));
                icons_->setFlow(QListView::TopToBottom);
                icons_->setWrapping(true);
                icons_->setWordWrap(false);
                icons_->setGridSize(QSize());
                break;
        }
        setCurrentWidget(icons_);
        setFocusProxy(icons_);
    }
    if (had_focus) {
        CurrentView()->setFocus();
    }
    return true;
}

int CIndexListView::SelectedCount() const {
    return static_cast<int>(Selection()->selectedRows().size());
}

std::vector<int> CIndexListView::SelectedItems() const {
    QModelIndexList rows = Selection()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<int> items;
    items.reserve(static_cast<size_t>(rows.size()));
    for (const QModelIndex& index : rows) {
        items.push_back(model_->ItemAt(index.row()));
    }
    return items;
}

int CIndexListView::CurrentRow() const {
    const QModelIndex current = Selection()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

int CIndexListView::FocusedSelectedItem() const {
    const int row = CurrentRow();
    if (row < 0 || !Selection()->isRowSelected(row, {})) {
        return -1;
    }
    return model_->ItemAt(row);
}

bool CIndexListView::HasCurrentOrSelectedRow() const {
    return CurrentRow() >= 0 || Selection()->hasSelection();
}

void CIndexListView::SelectOnly(int row) {
    if (row < 0 || row >= model_->rowCount()) {
        return;
    }
    const QModelIndex index = model_->index(row, 0);
    Selection()->setCurrentIndex(index,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ScrollToRow(row);
}

void CIndexListView::ScrollToRow(int row) {
    if (row < 0 || row >= model_->rowCount()) {
        return;
    }
    const QModelIndex index = model_->index(row, 0);
    details_->scrollTo(index);
    if (style_ != kDetails) {
        icons_->scrollTo(index);
    }
}

void CIndexListView::SelectAll() {
    if (model_->rowCount() == 0) {
        return;
    }
    Selection()->select(
        QItemSelection(model_->index(0, 0), model_->index(model_->rowCount() - 1, 0)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void CIndexListView::DeselectAll() {
    Selection()->clearSelection();
}

void CIndexListView::InvertSelection() {
    if (model_->rowCount() == 0) {
        return;
    }
    Selection()->select(
        QItemSelection(model_->index(0, 0), model_->index(model_->rowCount() - 1, 0)),
        QItemSelectionModel::Toggle | QItemSelectionModel::Rows);
}

void CIndexListView::ReduceTo(bool keep_selected) {
    const int current_item = model_->ItemAt(CurrentRow());
    const int current_row = CurrentRow();
    std::vector<int> items;
    items.reserve(model_->Items().size());
    std::vector<bool> selected(model_->Items().size(), false);
    for (const QModelIndex& index : Selection()->selectedRows()) {
        selected[static_cast<size_t>(index.row())] = true;
    }
    for (size_t row = 0; row < selected.size(); ++row) {
        if (selected[row] == keep_selected) {
            items.push_back(model_->Items()[row]);
        }
    }
    model_->SetItems(std::move(items));
    if (keep_selected) {
        SelectAll();
        const int row = model_->RowOfItem(current_item);
        if (row >= 0) {
            Selection()->setCurrentIndex(model_->index(row, 0), QItemSelectionModel::NoUpdate);
        }
    } else if (model_->rowCount() > 0 && current_row >= 0) {
        // The row that now stands where the focus was is selected.
        SelectOnly(std::min(current_row, model_->rowCount() - 1));
    }
    CurrentView()->setFocus();
}

void CIndexListView::KeepOnlySelected() {
    ReduceTo(true);
}

void CIndexListView::RemoveSelected() {
    ReduceTo(false);
}

void CIndexListView::OptimizeColumnWidths() {
    const QFontMetrics header_metrics(details_->horizontalHeader()->font());
    const QFontMetrics metrics(details_->font());
    for (int column = 0; column < model_->columnCount(); ++column) {
        int width = header_metrics.horizontalAdvance(
            model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        if (column == 0) {
            width -= kIconRoom;
        }
        for (const int item : model_->Items()) {
            width = std::max(width, metrics.horizontalAdvance(model_->CellText(item, column)));
        }
        if (column == 0) {
            width += kIconRoom;
        }
        details_->setColumnWidth(column, width + kMargin);
    }
}

void CIndexListView::ResetColumnWidths() {
    const auto& columns = model_->Columns();
    const QFontMetrics header_metrics(details_->horizontalHeader()->font());
    for (size_t c = 0; c < columns.size(); ++c) {
        // Never narrower than the heading, so every heading can be read.
        const int heading =
            header_metrics.horizontalAdvance(columns[c].title) + kMargin + (c == 0 ? kIconRoom : 0);
        details_->setColumnWidth(static_cast<int>(c),
                                 std::max(ui_metrics::Scaled(details_, columns[c].width), heading));
    }
}
