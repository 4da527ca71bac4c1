#include "app/dialogs_qt.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMessageBox>

void WidgetDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QGuiApplication::applicationDisplayName(), text);
}

std::optional<QFont> WidgetDialogs::chooseFont(QWidget* parent, const QFont& initial) {
    bool ok = false;
    // Qt's own dialog: it lists what the font database really has, also
    // where the desktop's dialog would offer something else.
    const QFont font = QFontDialog::getFont(&ok, initial, parent, QString(), QFontDialog::DontUseNativeDialog);
    if (!ok) return std::nullopt;
    return font;
}

QString WidgetDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter);
}

QString WidgetDialogs::folderName(QWidget* parent, const QString& caption, const QString& initial) {
    return QFileDialog::getExistingDirectory(parent, caption, initial);
}
