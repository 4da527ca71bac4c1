// The user manual, offline: docs/manual.md shown as formatted text.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

class HelpWindow : public QWidget {
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Where the manual was found; empty when nowhere.
    QString manualPath() const { return manualPath_; }

    // The manual beside the installed program (`programDir`/../share/doc),
    // in the build's source tree, or nowhere (empty).
    static QString findManual();
    static QString findManual(const QString& programDir);

private:
    void openInBrowser();

    QTextBrowser* browser_ = nullptr;
    QString manualPath_;
};
