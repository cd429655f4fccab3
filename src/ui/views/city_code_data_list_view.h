#pragma once

#include <memory>

#include "platform/document_base.h"
#include "ui/views/index_list_view.h"

class CCityCodeDataDoc;

// The list of a city code window: one row per record of the database shown (code, name,
// reading), in the order the last sort, search or reset left it. Nothing it does changes
// the database; it refills itself when the document changes or a setting redraws all views.
class CCityCodeDataListView : public CIndexListView, public IDocumentListener {
    Q_OBJECT
public:
    CCityCodeDataListView(std::shared_ptr<CCityCodeDataDoc> document, QWidget* parent = nullptr);
    ~CCityCodeDataListView() override;

    CCityCodeDataDoc& Document() const { return *document_; }
    // Every record in file order.
    void ResetList();
    void Fill(std::vector<int> rows);

    void OnUpdate(CDocumentBase& document, int hint) override;

private:
    std::shared_ptr<CCityCodeDataDoc> document_;
};
