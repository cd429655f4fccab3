#include <QApplication>
#include <QIcon>

#include "settings/qt/settings_store_qt.h"
#include "ui/app/quillmark_app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(CQtSettingsStore::kOrganization));
    QApplication::setApplicationName(QString::fromLatin1(CQtSettingsStore::kApplication));
    QApplication::setApplicationDisplayName(QStringLiteral("クイルマーク"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quillmark.svg")));
    QApplication::setDesktopFileName(QStringLiteral("quillmark"));

    auto store = std::make_unique<CQtSettingsStore>();
    QSettings* recent_files = &store->Raw();
    CQuillmarkApp quillmark(std::move(store), recent_files, QCoreApplication::applicationDirPath());
    if (const std::optional<int> status = quillmark.InitInstance(QApplication::arguments())) {
        return *status;
    }
    const int status = QApplication::exec();
    quillmark.ExitInstance();
    return status;
}
