#pragma once

#include <memory>
#include <vector>

#include "platform/document_base.h"
#include "ui/views/index_list_view.h"

class CQuillmarkDoc;

// The log list of a contest window: one row per entry of the active band, the entry's index
// as the row's item data. A full update shows the band in band order (list state 1); an
// ordered fill (sorting) or keeping or removing the selected rows leaves the list as the
// operator arranged it (state 2), and the next update of any kind refills it in band order.
// Hint -2 appends the last entry, a hint n >= 0 refreshes the row of entry n. Never changes
// the document.
class CQuillmarkLogView : public CIndexListView, public IDocumentListener {
    Q_OBJECT
public:
    // List states.
    static constexpr int kNeverFilled = 0;
    static constexpr int kBandOrder = 1;
    static constexpr int kArranged = 2;

    CQuillmarkLogView(std::shared_ptr<CQuillmarkDoc> document, QWidget* parent = nullptr);
    ~CQuillmarkLogView() override;

    CQuillmarkDoc& Document() const { return *document_; }
    int GetListState() const { return list_state_; }

    void OnUpdate(CDocumentBase& document, int hint) override;
    // Shows exactly these entries of the active band, in this order (state 2).
    void FillInOrder(const std::vector<int>& indices);
    // Sorts the rows shown by key 1 .. 12 through the document; false when it did not sort.
    bool SortBy(int key);
    void KeepOnlySelected();
    void RemoveSelected();
    // Band order again, whatever the state.
    void ResetList();

private:
    std::shared_ptr<CQuillmarkDoc> document_;
    int list_state_ = kNeverFilled;
};
