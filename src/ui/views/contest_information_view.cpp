#include "ui/views/contest_information_view.h"

#include <QHeaderView>
#include <QIcon>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "document/quillmark_doc.h"
#include "model/band_data.h"
#include "ui/qt_text.h"
#include "ui/views/contest_texts.h"

namespace {

const QIcon& Icon(const char* name) {
    static std::map<std::string, QIcon> icons;
    auto found = icons.find(name);
    if (found == icons.end()) {
        found = icons.emplace(name, QIcon(QStringLiteral(":/icons/%1.svg").arg(name))).first;
    }
    return found->second;
}

QTreeWidgetItem* Label(QTreeWidgetItem* parent, const char* text) {
    auto* item = new QTreeWidgetItem(parent, {QString::fromUtf8(text)});
    item->setIcon(0, Icon("tree_closed"));
    return item;
}

QTreeWidgetItem* Value(QTreeWidgetItem* label) {
    auto* item = new QTreeWidgetItem(label);
    item->setIcon(0, Icon("tree_value"));
    return item;
}

void SetText(QTreeWidgetItem* item, const Cp932& text) {
    const QString shown = qt_text::FromCp932(text);
    if (item->text(0) != shown) {
        item->setText(0, shown);
    }
}

}  // namespace

CQuillmarkContestInformationView::CQuillmarkContestInformationView(
    std::shared_ptr<CQuillmarkDoc> document, QWidget* parent)
    : QTreeWidget(parent), document_(std::move(document)) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setAccessibleName(QStringLiteral("コンテスト情報"));
    setIconSize(QSize(16, 16));
    setUniformRowHeights(true);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    connect(this, &QTreeWidget::itemExpanded, this, [this] { RefreshImages(); });
    connect(this, &QTreeWidget::itemCollapsed, this, [this] { RefreshImages(); });
    document_->AddListener(this);
    OnUpdate(*document_, CDocumentBase::kHintAll);
}

CQuillmarkContestInformationView::~CQuillmarkContestInformationView() {
    document_->RemoveListener(this);
}

void CQuillmarkContestInformationView::OnUpdate(CDocumentBase&, int hint) {
    if (hint == CDocumentBase::kHintAll || hint == -3) {
        built_ = false;
    }
    if (!document_->GetContest().IsValid()) {
        clear();
        root_ = nullptr;
        built_ = false;
    } else {
        if (!built_) {
            Rebuild();
        }
        FillTexts();
    }
    emit contestChanged();
}

void CQuillmarkContestInformationView::Rebuild() {
    clear();
    value_nodes_.clear();
    band_nodes_.clear();
    root_ = new QTreeWidgetItem(this, {QStringLiteral("コンテスト情報")});
    root_->setIcon(0, Icon("tree_root"));
    const auto& labels = contest_texts::ContestLabels();
    value_nodes_.push_back(Value(Label(root_, labels[0])));
    QTreeWidgetItem* category = Label(root_, "コンテスト参加部門");
    value_nodes_.push_back(Value(Label(category, labels[1])));
    value_nodes_.push_back(Value(Label(category, labels[2])));
    for (size_t i = 3; i < labels.size(); ++i) {
        value_nodes_.push_back(Value(Label(root_, labels[i])));
    }
    bands_node_ = Label(root_, "周波数帯ごとの情報");
    const CQuillmarkData_MainData& contest = document_->GetContest();
    for (int b = 0; b < contest.GetBandCount(); ++b) {
        BandNodes nodes;
        nodes.band = Label(bands_node_, "");
        for (const char* label : contest_texts::BandLabels()) {
            nodes.values.push_back(Value(Label(nodes.band, label)));
        }
        band_nodes_.push_back(std::move(nodes));
    }
    {
        // One image pass after the whole tree is open, not one per node opened.
        const QSignalBlocker quiet(this);
        expandAll();
    }
    built_ = true;
    RefreshImages();
}

void CQuillmarkContestInformationView::FillTexts() {
    const contest_texts::ContestTree tree =
        contest_texts::TreeOf(document_->GetContest(), document_->GetSettings());
    for (size_t i = 0; i < value_nodes_.size() && i < tree.values.size(); ++i) {
        SetText(value_nodes_[i], tree.values[i]);
    }
    for (size_t b = 0; b < band_nodes_.size() && b < tree.bands.size(); ++b) {
        SetText(band_nodes_[b].band, tree.bands[b].title);
        for (size_t v = 0; v < band_nodes_[b].values.size(); ++v) {
            SetText(band_nodes_[b].values[v], tree.bands[b].values[v]);
        }
    }
}

void CQuillmarkContestInformationView::RefreshImages() {
    for (QTreeWidgetItemIterator it(this); *it != nullptr; ++it) {
        QTreeWidgetItem* item = *it;
        if (item->childCount() > 0 && item != root_) {
            // The image changes only when the state does; setting it anew would repaint.
            const bool open = item->isExpanded();
            if (item->data(0, Qt::UserRole).toInt() != (open ? 2 : 1)) {
                item->setData(0, Qt::UserRole, open ? 2 : 1);
                item->setIcon(0, Icon(open ? "tree_open" : "tree_closed"));
            }
        }
    }
}

std::optional<CQuillmarkData_BandItem> CQuillmarkContestInformationView::SelectedBand() const {
    QTreeWidgetItem* selected = currentItem();
    if (selected == nullptr || selected->parent() != bands_node_ || !selected->isSelected()) {
        return std::nullopt;
    }
    const CQuillmarkData_MainData& contest = document_->GetContest();
    for (size_t b = 0; b < band_nodes_.size(); ++b) {
        if (band_nodes_[b].band == selected && static_cast<int>(b) < contest.GetBandCount()) {
            return contest.GetBandAt(static_cast<int>(b))->GetBand();
        }
    }
    return std::nullopt;
}

void CQuillmarkContestInformationView::SelectBand(int index) {
    if (index >= 0 && index < static_cast<int>(band_nodes_.size())) {
        setCurrentItem(band_nodes_[static_cast<size_t>(index)].band);
    }
}

void CQuillmarkContestInformationView::mousePressEvent(QMouseEvent* event) {
    QTreeWidget::mousePressEvent(event);
    if (event->button() == Qt::RightButton) {
        if (QTreeWidgetItem* item = itemAt(event->position().toPoint())) {
            setCurrentItem(item);
            emit bandActivationRequested();
        }
    }
}
