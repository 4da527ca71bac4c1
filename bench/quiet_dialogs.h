// Dialogs for the window benchmarks: every question answered at once as if
// cancelled, every message counted.
#pragma once

#include "app/dialogs_qt.h"
#include "shell/document_rules.h"

class QuietDialogs : public Dialogs {
public:
    void message(QWidget*, const QString&) override { ++messages; }
    std::optional<QFont> chooseFont(QWidget*, const QFont&) override { return std::nullopt; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString folderName(QWidget*, const QString&, const QString&) override { return {}; }
    zentra::QueryAnswer askYesNoCancel(QWidget*, const QString&, const QString&) override {
        return zentra::QueryAnswer::Cancel;
    }
    bool askYesNo(QWidget*, const QString&, const QString&) override { return false; }
    QString openFileName(QWidget*, const FileQuestion&) override { return {}; }
    QString saveFileNameFor(QWidget*, const FileQuestion&) override { return {}; }
    int messages = 0;
};
