#include "ui/views/quillmark_log_view.h"

#include <QIcon>
#include <numeric>

#include "document/quillmark_doc.h"
#include "model/band_data.h"
#include "ui/qt_text.h"
#include "ui/views/contest_texts.h"
#include "ui/views/index_list_model.h"

namespace {

std::vector<CIndexListModel::Column> LogColumns() {
    std::vector<CIndexListModel::Column> columns;
    for (const contest_texts::LogColumn& column : contest_texts::LogColumns()) {
        columns.push_back({QString::fromUtf8(column.title), column.width,
                           column.right_aligned ? Qt::AlignRight : Qt::AlignLeft});
    }
    return columns;
}

class CLogListModel : public CIndexListModel {
public:
    CLogListModel(const CQuillmarkDoc& document, QObject* parent)
        : CIndexListModel(LogColumns(), QIcon(QStringLiteral(":/icons/log_entry.svg")), parent),
          document_(document) {}

    QString CellText(int item, int column) const override {
        const CQuillmarkData_SubMainData* band = document_.GetContest().GetActiveBand();
        const CQuillmarkData_LogDataItem* entry =
            band != nullptr ? band->GetEntryAt(item) : nullptr;
        if (entry == nullptr) {
            return {};
        }
        return qt_text::FromCp932(contest_texts::LogCell(*entry, column, document_.GetContest(),
                                                         document_.GetSettings()));
    }

private:
    const CQuillmarkDoc& document_;
};

std::vector<int> BandOrder(int count) {
    std::vector<int> indices(static_cast<size_t>(std::max(count, 0)));
    std::iota(indices.begin(), indices.end(), 0);
    return indices;
}

}  // namespace

CQuillmarkLogView::CQuillmarkLogView(std::shared_ptr<CQuillmarkDoc> document, QWidget* parent)
    : CIndexListView(new CLogListModel(*document, nullptr), QStringLiteral("ログ"), parent),
      document_(std::move(document)) {
    Model()->setParent(this);
    document_->AddListener(this);
    connect(this, &CIndexListView::headerClicked, this, [this](int column) { SortBy(column + 1); });
    OnUpdate(*document_, CDocumentBase::kHintAll);
}

CQuillmarkLogView::~CQuillmarkLogView() {
    document_->RemoveListener(this);
}

void CQuillmarkLogView::OnUpdate(CDocumentBase&, int hint) {
    const CQuillmarkData_MainData& contest = document_->GetContest();
    const CQuillmarkData_SubMainData* band = contest.IsValid() ? contest.GetActiveBand() : nullptr;
    if (band == nullptr) {
        Model()->SetItems({});
        return;
    }
    if (list_state_ == kArranged) {
        hint = CDocumentBase::kHintAll;
    }
    const int count = band->GetEntryCount();
    if (hint == CDocumentBase::kHintAll) {
        Model()->SetItems(BandOrder(count));
    } else if (hint == -2) {
        if (count > 0) {
            Model()->AppendItem(count - 1);
            ScrollToRow(Model()->rowCount() - 1);
        }
    } else if (hint >= 0) {
        const int row = Model()->RowOfItem(hint);
        if (row >= 0) {
            Model()->RefreshRow(row);
            ScrollToRow(row);
        }
    }
    list_state_ = kBandOrder;
}

void CQuillmarkLogView::FillInOrder(const std::vector<int>& indices) {
    const CQuillmarkData_MainData& contest = document_->GetContest();
    if (!contest.IsValid() || contest.GetActiveBand() == nullptr) {
        Model()->SetItems({});
        return;
    }
    Model()->SetItems(indices);
    list_state_ = kArranged;
}

bool CQuillmarkLogView::SortBy(int key) {
    std::vector<int> sorted;
    if (!document_->SortLogDisplay(key, Model()->Items(), sorted)) {
        return false;
    }
    FillInOrder(sorted);
    return true;
}

void CQuillmarkLogView::KeepOnlySelected() {
    CIndexListView::KeepOnlySelected();
    list_state_ = kArranged;
}

void CQuillmarkLogView::RemoveSelected() {
    CIndexListView::RemoveSelected();
    list_state_ = kArranged;
}

void CQuillmarkLogView::ResetList() {
    list_state_ = kBandOrder;
    OnUpdate(*document_, CDocumentBase::kHintAll);
}
