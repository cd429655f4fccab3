// The document half of the application object: opening, creating and closing documents in
// their windows, the window titles, and the lists of open documents the operations ask for.

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <set>

#include "dialogs/operator.h"
#include "document/city_code_data_doc.h"
#include "document/document_saving.h"
#include "document/quillmark_doc.h"
#include "ui/app/document_lock.h"
#include "ui/app/quillmark_app.h"
#include "ui/commands/command_actions.h"
#include "ui/frames/city_code_data_child_frame.h"
#include "ui/frames/main_frame.h"
#include "ui/frames/quillmark_child_frame.h"
#include "ui/qt_text.h"
#include "ui/views/city_code_data_list_view.h"

namespace {

bool IsCityCodeFile(const QString& path) {
    return path.endsWith(QStringLiteral(".ini"), Qt::CaseInsensitive);
}

bool SamePath(const QString& a, const std::string& b) {
    if (b.empty()) {
        return false;
    }
    const QFileInfo first(a);
    const QFileInfo second(qt_text::FromPath(b));
    return first.exists() && second.exists()
               ? first.canonicalFilePath() == second.canonicalFilePath()
               : first.absoluteFilePath() == second.absoluteFilePath();
}

// A city code document that a search from a contest fills: its window shows the records as
// they arrive and takes the title the search gives it.
class CCityCodeResultWindow : public ICityCodeResultDocument {
public:
    CCityCodeResultWindow(CCityCodeDataChildFrame* frame, QMdiSubWindow* window)
        : frame_(frame), window_(window) {}

    void SetTitle(const Cp932& title) override {
        if (frame_ != nullptr) {
            frame_->setWindowTitle(qt_text::FromCp932(title));
        }
    }
    void AddItem(const CCityCodeData_CityCodeDataItem& item) override {
        if (frame_ != nullptr) {
            frame_->CityCodeDocument().GetDatabase().AddItem(item);
        }
    }
    void UpdateAllViews() override {
        if (frame_ != nullptr) {
            frame_->CityCodeDocument().UpdateAllViews(CDocumentBase::kHintAll);
        }
    }
    void Close() override {
        if (window_ != nullptr) {
            window_->close();
        }
    }

private:
    QPointer<CCityCodeDataChildFrame> frame_;
    QPointer<QMdiSubWindow> window_;
};

}  // namespace

CChildFrame* CQuillmarkApp::FindFrameOfPath(const QString& path) const {
    for (CChildFrame* frame : main_frame_->ChildFrames()) {
        if (SamePath(path, frame->Document().GetPathName())) {
            return frame;
        }
    }
    return nullptr;
}

QMdiSubWindow* CQuillmarkApp::WindowOf(const CChildFrame* frame) const {
    for (QMdiSubWindow* window : main_frame_->mdiArea()->subWindowList()) {
        if (window->widget() == frame) {
            return window;
        }
    }
    return nullptr;
}

bool CQuillmarkApp::OpenDocumentFile(const QString& path) {
    if (CChildFrame* open = FindFrameOfPath(path)) {
        main_frame_->mdiArea()->setActiveSubWindow(WindowOf(open));
        return true;
    }
    if (IsCityCodeFile(path)) {
        return OpenCityCodeFile(path) != nullptr;
    }
    const QFileInfo info(path);
    if (info.isDir()) {
        operator_->ShowMessage(
            qt_text::ToCp932(
                QStringLiteral("「%1」はフォルダのため、開くことができません。").arg(path)),
            qt_text::ToCp932(QStringLiteral("クイルマーク - 警告")),
            message_box::kOk | message_box::kIconExclamation);
        return false;
    }
    std::shared_ptr<CQuillmarkDoc> document = CreateContestDocument();
    const std::string file = qt_text::ToPath(path);
    // --- One writer per log (document_lock.h): the lock before the file is read. ---
    CDocumentLocks::Attempt lock = CDocumentLocks::TryLock(file);
    if (lock.result == CDocumentLocks::Result::held_elsewhere &&
        operator_->ShowMessage(
            document_lock::HeldElsewhereQuestion(file, lock.owner), document_lock::Caption(),
            message_box::kYesNo | message_box::kIconQuestion) != message_box::kIdYes) {
        return false;
    }
    const bool opened = info.exists() && info.isFile() && info.size() == 0
                            ? document->OpenEmptyFileAsNewContest(file)
                            : document->OnOpenDocument(file);
    if (!opened) {
        return false;
    }
    document->SetReadOnly(lock.result == CDocumentLocks::Result::held_elsewhere);
    CDocumentLocks::Of(*this).Keep(document, document->GetPathName(), std::move(lock.lock));
    // --- End of the lock. ---
    AddToRecentFiles(path);
    return AddContestFrame(std::move(document)) != nullptr;
}

std::shared_ptr<CQuillmarkDoc> CQuillmarkApp::CreateContestDocument() {
    auto document = std::make_shared<CQuillmarkDoc>(*operator_, settings_, &city_codes_);
    document->SetProgramFolder(qt_text::ToPath(program_folder_));
    return document;
}

CQuillmarkChildFrame* CQuillmarkApp::NewContest() {
    std::shared_ptr<CQuillmarkDoc> document = CreateContestDocument();
    if (!document->OnNewDocument()) {
        return nullptr;
    }
    return AddContestFrame(std::move(document));
}

CCityCodeDataChildFrame* CQuillmarkApp::OpenCityCodeFile(const QString& path) {
    if (CChildFrame* open = FindFrameOfPath(path)) {
        main_frame_->mdiArea()->setActiveSubWindow(WindowOf(open));
        return qobject_cast<CCityCodeDataChildFrame*>(open);
    }
    auto document = std::make_shared<CCityCodeDataDoc>(*operator_);
    if (!document->OnOpenDocument(qt_text::ToPath(path))) {
        return nullptr;
    }
    AddToRecentFiles(path);
    return AddCityCodeFrame(std::move(document));
}

CQuillmarkChildFrame* CQuillmarkApp::AddContestFrame(std::shared_ptr<CQuillmarkDoc> document) {
    auto* frame = new CQuillmarkChildFrame(std::move(document), *this);
    frame->SetCloseCheck([this](CChildFrame& closing) { return CanCloseFrame(closing); });
    connect(frame, &CChildFrame::documentNameChanged, this, [this, frame] {
        // A new name (Save As, the first automatic save) gets its lock.
        CDocumentLocks::Of(*this).FollowName(frame->SharedDocument(), *operator_);
        AddToRecentFiles(qt_text::FromPath(frame->Document().GetPathName()));
        UpdateFrameTitles();
    });
    connect(frame, &QObject::destroyed, this, [this] { FrameClosed(); });
    main_frame_->AddChildFrame(frame);
    UpdateFrameTitles();
    return frame;
}

CCityCodeDataChildFrame* CQuillmarkApp::AddCityCodeFrame(
    std::shared_ptr<CCityCodeDataDoc> document) {
    auto* frame = new CCityCodeDataChildFrame(std::move(document), *this);
    frame->SetCloseCheck([this](CChildFrame& closing) { return CanCloseFrame(closing); });
    connect(frame, &CChildFrame::documentNameChanged, this, [this] { UpdateFrameTitles(); });
    connect(frame, &QObject::destroyed, this, [this] { FrameClosed(); });
    main_frame_->AddChildFrame(frame);
    RebuildCityCodeOrganization();
    UpdateFrameTitles();
    return frame;
}

void CQuillmarkApp::OpenNewWindow() {
    CChildFrame* active = main_frame_->ActiveChildFrame();
    if (auto* contest = qobject_cast<CQuillmarkChildFrame*>(active)) {
        AddContestFrame(contest->SharedDocument());
    } else if (auto* city = qobject_cast<CCityCodeDataChildFrame*>(active)) {
        AddCityCodeFrame(city->SharedDocument());
    }
}

bool CQuillmarkApp::CanCloseFrame(CChildFrame& frame) {
    if (closing_all_) {
        return true;
    }
    int windows_of_document = 0;
    for (CChildFrame* other : main_frame_->ChildFrames()) {
        windows_of_document += &other->Document() == &frame.Document() ? 1 : 0;
    }
    auto* contest = qobject_cast<CQuillmarkChildFrame*>(&frame);
    if (windows_of_document > 1 || contest == nullptr) {
        return true;
    }
    return document_saving::SaveModified(contest->QuillmarkDocument(), *operator_,
                                         DisplayNameOf(frame.Document()));
}

bool CQuillmarkApp::CloseAllDocuments() {
    std::set<CDocumentBase*> asked;
    for (CChildFrame* frame : main_frame_->ChildFrames()) {
        auto* contest = qobject_cast<CQuillmarkChildFrame*>(frame);
        if (contest == nullptr || !asked.insert(&frame->Document()).second) {
            continue;
        }
        main_frame_->mdiArea()->setActiveSubWindow(WindowOf(frame));
        if (!document_saving::SaveModified(contest->QuillmarkDocument(), *operator_,
                                           DisplayNameOf(frame->Document()))) {
            return false;
        }
    }
    closing_all_ = true;
    main_frame_->mdiArea()->closeAllSubWindows();
    // Windows close at once; their documents go with the last of them.
    closing_all_ = false;
    return true;
}

void CQuillmarkApp::FrameClosed() {
    // The frame's own members are gone by now; the lists are rebuilt from what is left once
    // its window has finished closing.
    QTimer::singleShot(0, this, [this] {
        if (main_frame_ == nullptr) {
            return;
        }
        RebuildCityCodeOrganization();
        UpdateFrameTitles();
        // The last window of a contest has gone: so has its document, and its lock goes.
        CDocumentLocks::Of(*this).ReleaseClosed();
    });
}

void CQuillmarkApp::RebuildCityCodeOrganization() {
    city_codes_.RemoveAll();
    std::set<const CCityCodeData_MainData*> registered;
    for (CChildFrame* frame : main_frame_->ChildFrames()) {
        if (auto* city = qobject_cast<CCityCodeDataChildFrame*>(frame)) {
            const CCityCodeData_MainData* database = &city->CityCodeDocument().GetDatabase();
            if (registered.insert(database).second) {
                city_codes_.Register(database);
            }
        }
    }
}

QString CQuillmarkApp::UntitledName(const CDocumentBase& document) {
    auto found = untitled_names_.find(&document);
    if (found == untitled_names_.end()) {
        const bool contest = dynamic_cast<const CQuillmarkDoc*>(&document) != nullptr;
        const QString name = contest ? QStringLiteral("Quillmark%1").arg(++untitled_contests_)
                                     : QStringLiteral("CityCodeData%1").arg(++untitled_city_codes_);
        found = untitled_names_.emplace(&document, name).first;
    }
    return found->second;
}

std::string CQuillmarkApp::DisplayNameOf(const CDocumentBase& document) {
    return document.GetPathName().empty() ? qt_text::ToPath(UntitledName(document))
                                          : document.GetTitle();
}

void CQuillmarkApp::UpdateFrameTitles() {
    std::map<CDocumentBase*, std::vector<CChildFrame*>> windows;
    for (CChildFrame* frame : main_frame_->ChildFrames()) {
        windows[&frame->Document()].push_back(frame);
    }
    for (auto& [document, frames] : windows) {
        QString name = document->GetPathName().empty() ? UntitledName(*document)
                                                       : qt_text::FromPath(document->GetTitle());
        if (const auto* contest = dynamic_cast<const CQuillmarkDoc*>(document);
            contest != nullptr && contest->IsReadOnly()) {
            name += QStringLiteral(" [読み取り専用]");
        }
        for (size_t i = 0; i < frames.size(); ++i) {
            if (frames[i]->property("qm_fixed_title").toBool()) {
                continue;
            }
            QString title = name;
            if (frames.size() > 1) {
                title += QStringLiteral(":%1").arg(i + 1);
            }
            frames[i]->setWindowTitle(title + QStringLiteral("[*]"));
            frames[i]->setWindowModified(document->IsModified());
        }
    }
    // Names of documents that are gone are not kept.
    for (auto it = untitled_names_.begin(); it != untitled_names_.end();) {
        it = windows.count(const_cast<CDocumentBase*>(it->first)) == 0 ? untitled_names_.erase(it)
                                                                       : std::next(it);
    }
}

void CQuillmarkApp::AddToRecentFiles(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    recent_files_.Add(path);
    main_frame_->Commands().SetRecentFiles(recent_files_.Paths());
}

std::vector<const CQuillmarkDoc*> CQuillmarkApp::GetContestDocuments() const {
    std::vector<const CQuillmarkDoc*> documents;
    std::set<const CQuillmarkDoc*> seen;
    for (CChildFrame* frame : main_frame_->ChildFrames()) {
        if (auto* contest = qobject_cast<CQuillmarkChildFrame*>(frame)) {
            const CQuillmarkDoc* document = &contest->QuillmarkDocument();
            if (seen.insert(document).second) {
                documents.push_back(document);
            }
        }
    }
    return documents;
}

ICityCodeResultDocument* CQuillmarkApp::OpenNewDocument() {
    auto document = std::make_shared<CCityCodeDataDoc>(*operator_);
    document->OnNewDocument();
    CCityCodeDataChildFrame* frame = AddCityCodeFrame(std::move(document));
    frame->setProperty("qm_fixed_title", true);
    result_window_ = std::make_unique<CCityCodeResultWindow>(frame, WindowOf(frame));
    return result_window_.get();
}
