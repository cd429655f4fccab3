#include "ui/views/city_code_data_list_view.h"

#include <QIcon>

#include "document/city_code_data_doc.h"
#include "ui/qt_text.h"
#include "ui/views/index_list_model.h"

namespace {

class CCityCodeListModel : public CIndexListModel {
public:
    explicit CCityCodeListModel(const CCityCodeDataDoc& document, QObject* parent)
        : CIndexListModel({{QStringLiteral("都市コード"), 90, Qt::AlignLeft},
                           {QStringLiteral("都市名"), 200, Qt::AlignLeft},
                           {QStringLiteral("都市名の読み"), 200, Qt::AlignLeft}},
                          QIcon(QStringLiteral(":/icons/city_code.svg")), parent),
          document_(document) {}

    QString CellText(int item, int column) const override {
        const CCityCodeData_CityCodeDataItem* record = document_.GetDatabase().GetItemAt(item);
        return record != nullptr ? qt_text::FromCp932(record->GetField(column)) : QString();
    }

private:
    const CCityCodeDataDoc& document_;
};

}  // namespace

CCityCodeDataListView::CCityCodeDataListView(std::shared_ptr<CCityCodeDataDoc> document,
                                             QWidget* parent)
    : CIndexListView(new CCityCodeListModel(*document, nullptr), QStringLiteral("都市コード一覧"),
                     parent),
      document_(std::move(document)) {
    Model()->setParent(this);
    document_->AddListener(this);
    ResetList();
}

CCityCodeDataListView::~CCityCodeDataListView() {
    document_->RemoveListener(this);
}

void CCityCodeDataListView::ResetList() {
    Fill(document_->AllRows());
}

void CCityCodeDataListView::Fill(std::vector<int> rows) {
    Model()->SetItems(std::move(rows));
}

void CCityCodeDataListView::OnUpdate(CDocumentBase&, int) {
    ResetList();
}
