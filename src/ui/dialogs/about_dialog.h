#pragma once

#include <QDialog>

// The version box "クイルマーク - バージョン情報": the program's icon, name, version and
// notice, and the "確認" button.
class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* parent = nullptr);
    static QString VersionText();
};
