#pragma once

#include <memory>

#include "ui/frames/child_frame.h"

class CCityCodeDataDoc;
class CCityCodeDataListView;
class IFrameServices;

// The window of one city code database: its list, the commands of the city code menu
// (search, step search, selection, styles, sorting, reset, column widths, the "有効" flag)
// and the Escape key that closes a window whose database is not included in searches.
// Several windows may show one document; the document lives as long as one of them.
class CCityCodeDataChildFrame : public CChildFrame {
    Q_OBJECT
public:
    CCityCodeDataChildFrame(std::shared_ptr<CCityCodeDataDoc> document, IFrameServices& services,
                            QWidget* parent = nullptr);
    ~CCityCodeDataChildFrame() override;

    menu_layout::Bar MenuBarKind() const override { return menu_layout::Bar::kCityCode; }
    CDocumentBase& Document() override;
    CCityCodeDataDoc& CityCodeDocument() const { return *document_; }
    std::shared_ptr<CCityCodeDataDoc> SharedDocument() const { return document_; }
    CCityCodeDataListView& ListView() const { return *list_; }

    std::optional<CommandState> QueryCommand(int id) const override;
    void RunCommand(int id) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Where a step search starts: the focused row when it is selected, else the first
    // selected row, else before the first row.
    int StepStartRow() const;
    void StepSearch(bool backwards, bool find_next_form);
    void Sort(int column);
    void SetStatus(const char* utf8);

    std::shared_ptr<CCityCodeDataDoc> document_;
    IFrameServices& services_;
    CCityCodeDataListView* list_;
};
