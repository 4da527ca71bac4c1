#include "app/help_window.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char* const kCaption = "Zentra 取扱説明";
const char* const kMissing =
    "取扱説明書 (manual.md) が見つかりません。\n"
    "インストール先の share/doc/zentra またはソースの docs フォルダを確認してください。";

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QString::fromUtf8(kCaption));
    resize(760, 640);

    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    auto* browserButton = new QPushButton(QStringLiteral("ブラウザで開く (&B)"), this);
    auto* closeButton = new QPushButton(QStringLiteral("閉じる (&C)"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(browserButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addLayout(buttons);

    connect(browserButton, &QPushButton::clicked, this, &HelpWindow::openInBrowser);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    manualPath_ = findManual();
    QFile file(manualPath_);
    if (!manualPath_.isEmpty() && file.open(QIODevice::ReadOnly)) {
        // Relative links and images resolve beside the manual.
        browser_->setSearchPaths({QFileInfo(manualPath_).absolutePath()});
        browser_->setMarkdown(QString::fromUtf8(file.readAll()));
    } else {
        manualPath_.clear();
        browser_->setPlainText(QString::fromUtf8(kMissing));
        browserButton->setEnabled(false);
    }
}

QString HelpWindow::findManual() { return findManual(QCoreApplication::applicationDirPath()); }

QString HelpWindow::findManual(const QString& programDir) {
    QStringList candidates{
        programDir + QStringLiteral("/../share/doc/zentra/manual.md"),
        programDir + QStringLiteral("/docs/manual.md"),
        programDir + QStringLiteral("/../docs/manual.md"),
    };
#ifdef ZENTRA_SOURCE_DIR
    candidates << QStringLiteral(ZENTRA_SOURCE_DIR "/docs/manual.md");
#endif
    for (const QString& path : candidates) {
        if (QFileInfo::exists(path)) return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    }
    return {};
}

void HelpWindow::openInBrowser() {
    if (!manualPath_.isEmpty()) QDesktopServices::openUrl(QUrl::fromLocalFile(manualPath_));
}
