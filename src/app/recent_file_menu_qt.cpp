#include "app/recent_file_menu_qt.h"

#include <QAction>
#include <QMenu>

RecentFileMenu::RecentFileMenu(QMenu* menu, QAction* anchor, QObject* parent)
    : QObject(parent), menu_(menu), anchor_(anchor) {}

void RecentFileMenu::restore(const std::vector<std::string>& stored, const std::string& current) {
    files_ = zentra::RecentFiles(stored);
    files_.restoreCurrent(current);
    rebuild();
}

void RecentFileMenu::setCurrent(const QString& path) {
    files_.setCurrent(path.toStdString());
    rebuild();
}

void RecentFileMenu::rebuild() {
    for (QAction* item : entries_) delete item;  // leaves the menu with it
    entries_.clear();
    delete separator_;
    separator_ = nullptr;
    const std::vector<std::string>& paths = files_.entries();
    if (paths.empty()) return;

    const QList<QAction*> items = menu_->actions();
    const qsizetype at = items.indexOf(anchor_);
    QAction* before = at >= 0 && at + 1 < items.size() ? items[at + 1] : nullptr;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        auto* item = new QAction(QString::fromStdString(zentra::recentEntryCaption(i, paths[i])), menu_);
        item->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        const QString path = QString::fromStdString(paths[i]);
        connect(item, &QAction::triggered, this, [this, path] {
            if (chosen) chosen(path);
        });
        menu_->insertAction(before, item);
        entries_.append(item);
    }
    separator_ = new QAction(menu_);
    separator_->setSeparator(true);
    menu_->insertAction(before, separator_);
}
