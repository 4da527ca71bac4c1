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

zentra::QueryAnswer WidgetDialogs::askYesNoCancel(QWidget* parent, const QString& caption, const QString& text) {
    switch (QMessageBox::warning(parent, caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return zentra::QueryAnswer::Yes;
    case QMessageBox::No: return zentra::QueryAnswer::No;
    default: return zentra::QueryAnswer::Cancel;
    }
}

namespace {

QString askFileName(QWidget* parent, const FileQuestion& question, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, question.caption, question.start, question.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(question.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString WidgetDialogs::openFileName(QWidget* parent, const FileQuestion& question) {
    return askFileName(parent, question, QFileDialog::AcceptOpen);
}

QString WidgetDialogs::saveFileNameFor(QWidget* parent, const FileQuestion& question) {
    return askFileName(parent, question, QFileDialog::AcceptSave);
}

bool WidgetDialogs::askYesNo(QWidget* parent, const QString& caption, const QString& text) {
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}
