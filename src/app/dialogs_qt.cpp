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

Dialogs::Answer WidgetDialogs::ask(QWidget* parent, const QString& caption, const QString& text, bool withCancel) {
    QMessageBox box(withCancel ? QMessageBox::Warning : QMessageBox::Question, caption, text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    if (withCancel) box.addButton(QMessageBox::Cancel);
    box.setEscapeButton(withCancel ? QMessageBox::Cancel : QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return withCancel ? Answer::Cancel : Answer::No;
    }
}

QString WidgetDialogs::fileName(QWidget* parent, const FileQuestion& question) {
    QFileDialog dialog(parent, question.caption, question.directory, question.filter);
    dialog.setAcceptMode(question.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(question.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!question.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(question.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}
