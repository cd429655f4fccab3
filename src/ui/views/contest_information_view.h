#pragma once

#include <QTreeWidget>
#include <memory>
#include <optional>
#include <vector>

#include "model/band.h"
#include "platform/document_base.h"

class CQuillmarkDoc;

// The contest information tree of a contest window: the contest's description and totals,
// and under "周波数帯ごとの情報" one node per band with its defaults and counts. The node
// structure is rebuilt on hints -1 and -3 (and the first update); other hints only refresh
// the texts, so the operator's expanded and collapsed nodes stay as they were. It is where
// a band is chosen for deletion or activation, and every update makes its frame rebuild the
// contest information status bar (contestChanged).
class CQuillmarkContestInformationView : public QTreeWidget, public IDocumentListener {
    Q_OBJECT
public:
    CQuillmarkContestInformationView(std::shared_ptr<CQuillmarkDoc> document,
                                     QWidget* parent = nullptr);
    ~CQuillmarkContestInformationView() override;

    void OnUpdate(CDocumentBase& document, int hint) override;
    // A copy of the band of the selected band node, or nullopt when no band node is selected.
    std::optional<CQuillmarkData_BandItem> SelectedBand() const;
    // Selects the node of band i (tests and keyboard users).
    void SelectBand(int index);

signals:
    void contestChanged();
    // The right button on a band node: that band should become the active one.
    void bandActivationRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Rebuild();
    void FillTexts();
    void RefreshImages();

    std::shared_ptr<CQuillmarkDoc> document_;
    bool built_ = false;
    QTreeWidgetItem* root_ = nullptr;
    std::vector<QTreeWidgetItem*> value_nodes_;
    QTreeWidgetItem* bands_node_ = nullptr;
    struct BandNodes {
        QTreeWidgetItem* band = nullptr;
        std::vector<QTreeWidgetItem*> values;
    };
    std::vector<BandNodes> band_nodes_;
};
