#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "citycode/city_code_organization.h"
#include "document/city_code_result_sink.h"
#include "document/open_documents.h"
#include "settings/quillmark_system.h"
#include "settings/rig_settings.h"
#include "ui/app/recent_file_list.h"
#include "ui/commands/command_target.h"
#include "ui/frames/frame_services.h"

class QMdiSubWindow;
class QPrinter;
class QSettings;
class CChildFrame;
class CCityCodeDataChildFrame;
class CCityCodeDataDoc;
class CHelpWindow;
class CMainFrame;
class CQtOperator;
class CRadioFollower;
class CQuillmarkChildFrame;
class CQuillmarkDoc;
class ISettingsStore;
struct StartRequest;

// The application object: it owns the settings and their store, the operator binding, the
// main frame and the list of open city code databases, runs the start-up in its order
// (settings, main frame, title logo, the default city code file, recent files, command line,
// window placement) and the shut-down (placement recorded, settings saved), opens, creates
// and closes documents in their windows, and handles the commands that belong to no window
// (new, open, printer setup, settings dialogs, help, version). Frames reach it only through
// IFrameServices.
class CQuillmarkApp : public QObject,
                      public ICommandTarget,
                      public IFrameServices,
                      public IOpenDocuments,
                      public ICityCodeResultSink {
    Q_OBJECT
public:
    static constexpr const char* kCityCodeFileName = "Qmk_Code.ini";

    // store holds the settings (the user's INI file in the program, memory in tests);
    // recent_files, when given, keeps the recent-file list; program_folder holds the default
    // city code file and receives automatic saves. An operator may be given (tests);
    // otherwise the Qt binding is used.
    CQuillmarkApp(std::unique_ptr<ISettingsStore> store, QSettings* recent_files,
                  QString program_folder, IOperator* op = nullptr);
    ~CQuillmarkApp() override;

    // The start-up: nullopt when the program runs on, else the exit status it ends with
    // (0 after a print request has been carried out).
    std::optional<int> InitInstance(const QStringList& arguments);
    // The shut-down after the main window has closed: the settings are saved.
    void ExitInstance();

    CMainFrame* MainFrame() const { return main_frame_.get(); }
    // Follows the transceiver once start-up is through; null before.
    CRadioFollower* RadioFollower() const { return radio_.get(); }
    CRigSettings& RigSettings() { return rig_settings_; }
    const CRecentFileList& RecentFiles() const { return recent_files_; }
    const QString& ProgramFolder() const { return program_folder_; }

    // --- Documents. ---
    // Opens a contest data file or (by its ".ini" ending) a city code file in a window of its
    // own; a file already open only gets its window activated. False when it cannot.
    bool OpenDocumentFile(const QString& path);
    // A new contest through the setup wizard; null when the operator cancelled.
    CQuillmarkChildFrame* NewContest();
    CCityCodeDataChildFrame* OpenCityCodeFile(const QString& path);
    // Asks every window to close (saving what the operator wants saved); false when one
    // stays.
    bool CloseAllDocuments();
    // Redraws every view of every open document (a setting they show changed).
    void RedrawAllViews();
    // Rebuilds the list of open databases from the open city code documents.
    void RebuildCityCodeOrganization();

    // --- ICommandTarget. ---
    std::optional<CommandState> QueryCommand(int id) const override;
    void RunCommand(int id) override;

    // --- IFrameServices. ---
    IOperator& Operator() override { return *operator_; }
    CQuillmarkSystem& Settings() override { return settings_; }
    CCommandActions& Commands() override;
    const IOpenDocuments& OpenDocuments() const override { return *this; }
    ICityCodeResultSink& CityCodeResults() override { return *this; }
    const CCityCodeData_MainDataOrganization* CityCodes() const override { return &city_codes_; }
    void Print(CChildFrame& frame, bool preview) override;
    std::string DisplayNameOf(const CDocumentBase& document) override;

    // --- IOpenDocuments and ICityCodeResultSink. ---
    std::vector<const CQuillmarkDoc*> GetContestDocuments() const override;
    ICityCodeResultDocument* OpenNewDocument() override;

    // The window of a frame (its MDI sub-window), for closing and activating.
    QMdiSubWindow* WindowOf(const CChildFrame* frame) const;

private:
    bool ProcessStartRequest(const StartRequest& request);
    bool OpenDefaultCityCodeFile();
    void RestorePlacement();
    void RecordPlacement();
    CQuillmarkChildFrame* AddContestFrame(std::shared_ptr<CQuillmarkDoc> document);
    CCityCodeDataChildFrame* AddCityCodeFrame(std::shared_ptr<CCityCodeDataDoc> document);
    std::shared_ptr<CQuillmarkDoc> CreateContestDocument();
    // Called by a window about to close: the last window of a modified contest asks first.
    bool CanCloseFrame(CChildFrame& frame);
    void FrameClosed();
    CChildFrame* FindFrameOfPath(const QString& path) const;
    void AddToRecentFiles(const QString& path);
    void OpenNewWindow();
    void ShowHelp();
    void ShowAbout();
    void PrintSetup();
    void OpenFileCommand();
    QString UntitledName(const CDocumentBase& document);
    void UpdateFrameTitles();
    void RegisterDialogs();
    void StartRadio();
    // The contest window most recently in front, for the radio.
    CQuillmarkDoc* ContestInFront() const;

    std::unique_ptr<ISettingsStore> store_;
    QString program_folder_;
    CQuillmarkSystem settings_;
    CRigSettings rig_settings_;
    std::unique_ptr<CQtOperator> qt_operator_;
    IOperator* operator_;
    CRecentFileList recent_files_;
    CCityCodeData_MainDataOrganization city_codes_;
    std::unique_ptr<CMainFrame> main_frame_;
    std::unique_ptr<CRadioFollower> radio_;
    std::unique_ptr<QPrinter> printer_;
    QPointer<CHelpWindow> help_;
    // Names of documents without a file ("Quillmark1", "CityCodeData1" …), kept per document.
    std::map<const CDocumentBase*, QString> untitled_names_;
    int untitled_contests_ = 0;
    int untitled_city_codes_ = 0;
    bool closing_all_ = false;
    // A print asked for on the command line, which may skip the print dialog.
    bool printing_from_shell_ = false;
    // The handle of the last city code window a search filled.
    std::unique_ptr<ICityCodeResultDocument> result_window_;
};
