// RecentFileMenu: the recent-documents list shown in the popup menu, one
// numbered item per entry after the separator N1 and a separator of its own
// after them. Choosing an item hands its path to `chosen`.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "shell/recent_files.h"

class QAction;
class QMenu;

class RecentFileMenu : public QObject {
public:
    // Entries go into `menu` right after `anchor`.
    RecentFileMenu(QMenu* menu, QAction* anchor, QObject* parent);

    // From the settings: the list ("History") and the current name ("LastFile").
    void restore(const std::vector<std::string>& stored, const std::string& current);
    // A document was loaded or saved under `path`; empty for New.
    void setCurrent(const QString& path);

    QString current() const { return QString::fromStdString(files_.current()); }
    const zentra::RecentFiles& files() const { return files_; }
    // The items now in the menu, top first.
    const QList<QAction*>& entryActions() const { return entries_; }

    std::function<void(const QString& path)> chosen;

private:
    void rebuild();

    zentra::RecentFiles files_;
    QMenu* menu_;
    QAction* anchor_;
    QAction* separator_ = nullptr;
    QList<QAction*> entries_;
};
