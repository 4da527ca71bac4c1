#include "window_fixture.h"

#include <QAbstractItemModel>
#include <QTest>

#include "app/code_edit_widget.h"
#include "app/main_window.h"
#include "app/output_view_widget.h"
#include "app/status_bar_widget.h"

std::optional<QFont> ScriptedDialogs::chooseFont(QWidget*, const QFont& initial) {
    *lastInitialFont = initial;
    if (fonts->empty()) return std::nullopt;
    const std::optional<QFont> answer = fonts->front();
    fonts->pop_front();
    return answer;
}

QString ScriptedDialogs::saveFileName(QWidget*, const QString& caption, const QString& filter) {
    *lastSaveQuestion = {caption, filter};
    return saveNames->isEmpty() ? QString() : saveNames->takeFirst();
}

QString ScriptedDialogs::folderName(QWidget*, const QString& caption, const QString& initial) {
    *lastFolderQuestion = {caption, initial};
    return folderNames->isEmpty() ? QString() : folderNames->takeFirst();
}

bool ScriptedDialogs::askYesNo(QWidget*, const QString& caption, const QString& text) {
    questions->append(caption + u'|' + text);
    if (answers->empty()) return false;
    const zentra::QueryAnswer answer = answers->front();
    answers->pop_front();
    return answer == zentra::QueryAnswer::Yes;
}

zentra::QueryAnswer ScriptedDialogs::askYesNoCancel(QWidget*, const QString& caption, const QString& text) {
    questions->append(caption + u'|' + text);
    if (answers->empty()) return zentra::QueryAnswer::Cancel;
    const zentra::QueryAnswer answer = answers->front();
    answers->pop_front();
    return answer;
}

QString ScriptedDialogs::openFileName(QWidget*, const FileQuestion& question) {
    *lastOpenQuestion = question;
    return openNames->isEmpty() ? QString() : openNames->takeFirst();
}

QString ScriptedDialogs::saveFileNameFor(QWidget*, const FileQuestion& question) {
    *lastSaveFileQuestion = question;
    return saveNames->isEmpty() ? QString() : saveNames->takeFirst();
}

WindowFixture::WindowFixture() = default;

WindowFixture::~WindowFixture() { window_.reset(); }

TFormMain& WindowFixture::open() {
    close();
    window_ = std::make_unique<TFormMain>(std::make_unique<ScriptedDialogs>(dialogs_), settingsPath());
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get())) qWarning("main window not exposed");
    return *window_;
}

void WindowFixture::close() {
    if (!window_) return;
    window_->close();
    window_.reset();
}

std::unique_ptr<QSettings> WindowFixture::readBack() const {
    return std::make_unique<QSettings>(settingsPath(), QSettings::IniFormat);
}

QStringList outputRows(TFormMain& window) {
    QStringList rows;
    const QAbstractItemModel* model = window.outputView()->model();
    for (int i = 0; i < model->rowCount(); ++i) rows << model->index(i, 0).data().toString();
    return rows;
}

QColor outputRowColour(TFormMain& window, int row) {
    const QVariant colour = window.outputView()->model()->index(row, 0).data(Qt::ForegroundRole);
    return colour.isValid() ? colour.value<QColor>() : QColor(Qt::black);
}

void typeInto(CodeEditWidget* editor, const QString& text) {
    editor->setFocus();
    QTest::keyClicks(editor, text);
}

void setText(CodeEditWidget* editor, const QString& text) { editor->setPlainText(text); }

QString selectedText(CodeEditWidget* editor) { return editor->textCursor().selectedText(); }

QString statusText(TFormMain& window, int panel) { return window.statusPanels()->panelText(panel); }

std::map<QString, WindowTestMaker>& windowTestRegistry() {
    static std::map<QString, WindowTestMaker> registry;
    return registry;
}

TFormMain& WindowFixture::openEmpty() {
    TFormMain& w = open();
    w.programEditor()->clear();
    w.parameterEditor()->clear();
    w.clearOutput();
    messages().clear();
    return w;
}
