#include <QApplication>

#include "ui/main_frame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Halvard_Systems"));
    QApplication::setApplicationName(QStringLiteral("Quillmark"));

    CMainFrame frame;
    frame.show();
    return QApplication::exec();
}
