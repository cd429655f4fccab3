#include "ui/app/quillmark_app.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QScreen>
#include <QTextStream>
#include <QWhatsThis>
#include <set>

#include "dialogs/operator.h"
#include "dialogs/summary_sheet_dialog.h"
#include "dialogs/system_setting_sheet.h"
#include "document/city_code_data_doc.h"
#include "document/program_folders.h"
#include "document/settings_commands.h"
#include "platform/document_base.h"
#include "settings/settings_store.h"
#include "ui/app/command_line.h"
#include "ui/app/crash_recovery.h"
#include "ui/app/help_window.h"
#include "ui/app/print_job.h"
#include "ui/app/title_logo.h"
#include "ui/app/window_placement.h"
#include "ui/commands/command_actions.h"
#include "ui/commands/command_ids.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/dialog_registry.h"
#include "ui/frames/child_frame.h"
#include "ui/frames/city_code_data_child_frame.h"
#include "ui/frames/main_frame.h"
#include "ui/frames/main_status_bar.h"
#include "ui/frames/quillmark_child_frame.h"
#include "ui/qt_operator.h"
#include "ui/qt_text.h"
#include "ui/rig/radio_follower.h"
#include "ui/views/city_code_data_list_view.h"
#include "ui/views/index_list_model.h"
#include "ui/views/quillmark_log_view.h"

namespace {

constexpr int kWarning = message_box::kOk | message_box::kIconExclamation;
constexpr int kStop = message_box::kOk | message_box::kIconStop;

Cp932 J(const QString& text) {
    return qt_text::ToCp932(text);
}

}  // namespace

CQuillmarkApp::CQuillmarkApp(std::unique_ptr<ISettingsStore> store, QSettings* recent_files,
                             QString program_folder, IOperator* op)
    : store_(std::move(store)),
      program_folder_(std::move(program_folder)),
      operator_(op),
      recent_files_(recent_files) {
    if (operator_ == nullptr) {
        qt_operator_ = std::make_unique<CQtOperator>();
        operator_ = qt_operator_.get();
        RegisterDialogs();
    }
}

CQuillmarkApp::~CQuillmarkApp() {
    // Windows (and the documents they hold) go before the services they use.
    delete help_.data();
    radio_.reset();
    main_frame_.reset();
}

void CQuillmarkApp::RegisterDialogs() {
    RegisterDialogWidgets(*qt_operator_, settings_);
}

CCommandActions& CQuillmarkApp::Commands() {
    return main_frame_->Commands();
}

std::optional<int> CQuillmarkApp::InitInstance(const QStringList& arguments) {
    const StartRequest request = ParseStartArguments(arguments);
    if (request.kind == StartRequest::kUsage || request.kind == StartRequest::kVersion ||
        request.kind == StartRequest::kUsageError) {
        QTextStream err(stderr);
        if (request.kind == StartRequest::kUsageError) {
            err << "quillmark: " << request.error << "\n";
        }
        err << (request.kind == StartRequest::kVersion ? CAboutDialog::VersionText() + "\n"
                                                       : StartUsageText());
        return request.kind == StartRequest::kUsageError ? 2 : 0;
    }

    recent_files_.Load();
    settings_.Load(*store_);
    settings_.Validate(false);
    rig_settings_.Load(*store_);

    main_frame_ = std::make_unique<CMainFrame>(settings_);
    if (qt_operator_ != nullptr) {
        qt_operator_->SetMainWindow(main_frame_.get());
    }
    main_frame_->SetApplicationTarget(this);
    main_frame_->SetDropHandler([this](const QStringList& paths) {
        for (const QString& path : paths) {
            if (QFileInfo(path).isDir()) {
                operator_->ShowMessage(
                    J(QStringLiteral("「%1」はフォルダのため、開くことができません。").arg(path)),
                    J(QStringLiteral("クイルマーク - 警告")), kWarning);
                continue;
            }
            OpenDocumentFile(path);
        }
    });
    main_frame_->SetCloseCheck([this] {
        if (!CloseAllDocuments()) {
            return false;
        }
        RecordPlacement();
        return true;
    });
    main_frame_->Commands().SetRecentFiles(recent_files_.Paths());

    if (settings_.GetIsDisplayingTitleLogoEnabled() == 1) {
        CTitleLogo::Show(settings_.GetnElapse());
    }
    if (!OpenDefaultCityCodeFile()) {
        return 1;
    }
    // --- Automatic saves that a crashed run left behind (crash_recovery.h). ---
    if (request.kind != StartRequest::kPrint) {
        crash_recovery::OfferLeftovers(
            *operator_,
            crash_recovery::AutomaticSaveFolder(qt_text::ToPath(program_folder_),
                                                program_folders::UserDataFolder()),
            settings_.GetPunctuationMarks(), settings_.GetDisplayTimeZoneRule(),
            [this](const std::string& path) { OpenDocumentFile(qt_text::FromPath(path)); });
    }
    if (!ProcessStartRequest(request)) {
        return 1;
    }
    if (request.kind == StartRequest::kPrint) {
        return 0;
    }
    StartRadio();
    RestorePlacement();
    return std::nullopt;
}

void CQuillmarkApp::ExitInstance() {
    radio_.reset();
    if (settings_.GetIsSavingSettingsEnabled() == 1) {
        rig_settings_.Save(*store_);
    }
    if (!settings_.Save(*store_) || !store_->Sync()) {
        QTextStream(stderr) << "quillmark: the settings could not be saved\n";
    }
    recent_files_.Save();
}

bool CQuillmarkApp::OpenDefaultCityCodeFile() {
    const QString path = QDir(program_folder_).filePath(QString::fromLatin1(kCityCodeFileName));
    const QFileInfo info(path);
    const bool opened = info.isFile() && OpenCityCodeFile(path) != nullptr;
    if (!opened) {
        operator_->ShowMessage(
            J(QStringLiteral("都市コードデータベースファイル「%1」を開くことができないため、"
                             "クイルマークを起動できません。\n\nフォルダ ： %2\n\n"
                             "このファイルをプログラムと同じフォルダに置いてから、"
                             "もう一度起動してください。")
                  .arg(QString::fromLatin1(kCityCodeFileName),
                       QDir::toNativeSeparators(info.absolutePath()))),
            J(QStringLiteral("クイルマーク - 起動")), kStop);
    }
    return opened;
}

bool CQuillmarkApp::ProcessStartRequest(const StartRequest& request) {
    if (request.kind == StartRequest::kOpen) {
        bool all = true;
        for (const QString& file : request.files) {
            all = OpenDocumentFile(file) && all;
        }
        return all;
    }
    if (request.kind == StartRequest::kPrint) {
        if (!OpenDocumentFile(request.files.constFirst())) {
            return false;
        }
        if (CChildFrame* frame = main_frame_->ActiveChildFrame()) {
            printing_from_shell_ = true;
            Print(*frame, false);
            printing_from_shell_ = false;
        }
        CloseAllDocuments();
    }
    return true;
}

void CQuillmarkApp::RestorePlacement() {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens << screen->availableGeometry();
    }
    const std::optional<window_placement::Placement> placement =
        window_placement::ToRestore(settings_, screens);
    if (!placement) {
        main_frame_->show();
        return;
    }
    main_frame_->setGeometry(placement->rect);
    switch (placement->show_state) {
        case 2:
            main_frame_->showMinimized();
            break;
        case 3:
            main_frame_->showMaximized();
            break;
        default:
            main_frame_->showNormal();
            break;
    }
}

void CQuillmarkApp::RecordPlacement() {
    window_placement::Placement placement;
    placement.show_state = main_frame_->isMinimized() ? 2 : main_frame_->isMaximized() ? 3 : 1;
    placement.rect = main_frame_->normalGeometry();
    if (!placement.rect.isValid()) {
        placement.rect = main_frame_->geometry();
    }
    window_placement::Record(settings_, placement);
}

std::optional<CommandState> CQuillmarkApp::QueryCommand(int id) const {
    command_rules::MainFrame state;
    state.child_count = main_frame_ ? static_cast<int>(main_frame_->ChildFrames().size()) : 0;
    state.recent_files = static_cast<int>(recent_files_.Paths().size());
    return command_rules::ForMainFrame(id, state);
}

void CQuillmarkApp::RunCommand(int id) {
    if (cmd::IsRecentFile(id)) {
        const size_t index = static_cast<size_t>(id - cmd::kFileMru1);
        if (index < recent_files_.Paths().size()) {
            const QString path = recent_files_.Paths()[index];
            if (!QFileInfo::exists(path)) {
                operator_->ShowMessage(
                    J(QStringLiteral(
                          "ファイル「%1」が見つからないため、最近使ったファイルの一覧から"
                          "削除しました。")
                          .arg(path)),
                    J(QStringLiteral("クイルマーク")), kWarning);
                recent_files_.Remove(path);
                main_frame_->Commands().SetRecentFiles(recent_files_.Paths());
            } else {
                OpenDocumentFile(path);
            }
        }
        return;
    }
    switch (id) {
        case cmd::kFileNew:
            NewContest();
            break;
        case cmd::kFileOpen:
            OpenFileCommand();
            break;
        case cmd::kFilePrintSetup:
            PrintSetup();
            break;
        case cmd::kAppExit:
            main_frame_->close();
            break;
        case cmd::kAppAbout:
            ShowAbout();
            break;
        case cmd::kHelpFinder:
            ShowHelp();
            break;
        case cmd::kContextHelp:
            QWhatsThis::enterWhatsThisMode();
            break;
        case cmd::kWindowNew:
            OpenNewWindow();
            break;
        case cmd::kSystemSettings:
            settings_commands::RunSettingsSheet(
                settings_, *operator_, [this] { RedrawAllViews(); }, &rig_settings_,
                [this] {
                    if (radio_ != nullptr) {
                        radio_->Apply(rig_settings_);
                    }
                });
            break;
        case cmd::kSummarySheetInformation:
            settings_commands::RunSummarySheetDialog(settings_, *operator_,
                                                     [this] { RedrawAllViews(); });
            break;
        default:
            break;
    }
}

void CQuillmarkApp::OpenFileCommand() {
    FileNameRequest request;
    request.title = J(QStringLiteral("開く"));
    request.filter = J(QStringLiteral(
        "クイルマーク データファイル(*.qmk)|*.qmk|クイルマーク 都市コードデータファイル(*.ini)|"
        "*.ini;*.INI|すべてのファイル (*.*)|*||"));
    request.file_must_exist = true;
    if (const std::optional<std::string> path = operator_->AskFileName(request)) {
        OpenDocumentFile(qt_text::FromPath(*path));
    }
}

void CQuillmarkApp::PrintSetup() {
    if (printer_ == nullptr) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    QPageSetupDialog dialog(printer_.get(), main_frame_.get());
    dialog.setWindowTitle(QStringLiteral("クイルマーク - プリンタの設定"));
    dialog.exec();
}

void CQuillmarkApp::ShowAbout() {
    operator_->Beep(message_box::kIconInformation);
    CAboutDialog dialog(main_frame_.get());
    dialog.exec();
}

void CQuillmarkApp::ShowHelp() {
    if (help_ == nullptr) {
        help_ = new CHelpWindow(main_frame_.get());
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void CQuillmarkApp::Print(CChildFrame& frame, bool preview) {
    if (printer_ == nullptr) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    const print_job::Request request{
        *printer_, main_frame_.get(), preview,
        printing_from_shell_ && settings_.GetIsPrintDialogBypassed() != 0};
    if (auto* contest = qobject_cast<CQuillmarkChildFrame*>(&frame)) {
        print_job::PrintContest(request, *operator_, settings_, contest->QuillmarkDocument(),
                                contest->LogView().Model()->Items());
    } else if (auto* city = qobject_cast<CCityCodeDataChildFrame*>(&frame)) {
        print_job::PrintCityCodes(request, *operator_, city->CityCodeDocument().GetDatabase(),
                                  city->ListView().Model()->Items());
    }
}

void CQuillmarkApp::RedrawAllViews() {
    std::set<CDocumentBase*> documents;
    for (CChildFrame* frame : main_frame_->ChildFrames()) {
        documents.insert(&frame->Document());
    }
    for (CDocumentBase* document : documents) {
        document->UpdateAllViews(CDocumentBase::kHintAll);
    }
}
