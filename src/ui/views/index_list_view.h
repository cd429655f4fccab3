#pragma once

#include <QStackedWidget>
#include <vector>

class QListView;
class QTableView;
class QItemSelectionModel;
class CIndexListModel;

// One list shown in any of the four styles of the old list control (large icons, details,
// small icons, list): a details view and an icon/list view over the same model and the same
// selection, of which one is shown. Carries the list operations both document lists share:
// selecting, keeping or removing the selected rows, fitting the column widths, and telling
// its owner about header clicks, the context menu and selection changes.
class CIndexListView : public QStackedWidget {
    Q_OBJECT
public:
    // Styles, numbered as the list's style command numbers them.
    enum Style { kLargeIcons = 0, kDetails = 1, kSmallIcons = 2, kList = 3 };

    CIndexListView(CIndexListModel* model, const QString& accessible_name,
                   QWidget* parent = nullptr);

    CIndexListModel* Model() const { return model_; }
    QTableView* DetailsView() const { return details_; }
    QListView* IconView() const { return icons_; }
    QItemSelectionModel* Selection() const;
    // The view shown now (it takes the focus).
    QWidget* CurrentView() const;

    // False for a style outside 0 .. 3; the style in force is accepted and changes nothing.
    bool SetStyle(int style);
    int GetStyle() const { return style_; }

    int SelectedCount() const;
    // The indices of the selected rows' items, in list order.
    std::vector<int> SelectedItems() const;
    // The row with the focus, -1 for none.
    int CurrentRow() const;
    // The item of the row that is both focused and selected, -1 for none.
    int FocusedSelectedItem() const;
    bool HasCurrentOrSelectedRow() const;
    // Selects only row, gives it the focus and scrolls it into view.
    void SelectOnly(int row);
    void ScrollToRow(int row);

    void SelectAll();
    void DeselectAll();
    void InvertSelection();
    // Rows that are not selected (keep) or that are (remove) leave the list.
    void KeepOnlySelected();
    void RemoveSelected();
    // Every column as wide as its widest text (header or cell), with room for the icon in
    // the first.
    void OptimizeColumnWidths();
    // The columns back to their first widths.
    void ResetColumnWidths();

signals:
    void headerClicked(int column);
    void contextMenuRequested(const QPoint& global_position);
    void selectionChanged();

private:
    void ReduceTo(bool keep_selected);

    CIndexListModel* model_;
    QTableView* details_;
    QListView* icons_;
    int style_ = kDetails;
};
