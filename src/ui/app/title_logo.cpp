#include "ui/app/title_logo.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPixmap LogoPixmap() {
    QSvgRenderer renderer(QStringLiteral(":/icons/title_logo.svg"));
    const QSize size = renderer.defaultSize().isValid() ? renderer.defaultSize() : QSize(480, 240);
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

}  // namespace

CTitleLogo::CTitleLogo(int seconds, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    auto* picture = new QLabel(this);
    picture->setPixmap(LogoPixmap());
    picture->setAccessibleName(QStringLiteral("クイルマーク"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    QTimer::singleShot(seconds * 1000, this, &QDialog::accept);
}

void CTitleLogo::Show(int seconds) {
    if (seconds < 1 || seconds > 9) {
        return;
    }
    CTitleLogo logo(seconds);
    logo.exec();
}

void CTitleLogo::keyPressEvent(QKeyEvent*) {
    accept();
}

void CTitleLogo::mousePressEvent(QMouseEvent*) {
    accept();
}
