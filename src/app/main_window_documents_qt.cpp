// The main window's calculation documents: New, Open, Save, Save As, the
// save query before the texts are replaced, and the recent-documents list.
// A document is read and checked whole before anything on screen changes.
#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <filesystem>

#include "app/code_edit_widget.h"
#include "app/editor_area_qt.h"
#include "app/graph_window.h"
#include "app/main_window.h"
#include "app/output_view_widget.h"
#include "app/recent_file_menu_qt.h"
#include "app/window_place_qt.h"
#include "session/session.h"
#include "shell/document_format.h"
#include "shell/document_rules.h"
#include "shell/main_window_rules.h"

namespace {

const QString kOpenFilter = QStringLiteral("Zentra source (*.qbxsrc);;テキスト (*.txt);;すべて (*)");
const QString kSaveFilter = QStringLiteral("Zentra source (*.qbxsrc)");

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::filesystem::path filePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Lines of an editor as a document holds them: a last empty line is no line.
std::vector<std::string> editorLines(CodeEditWidget& editor) { return EditorArea(editor).lines(); }

// The lines an editor shows after `lines` were put in (one last empty line goes).
std::vector<std::string> asShown(std::vector<std::string> lines) {
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

std::vector<zentra::ScreenRect> availableScreens() {
    std::vector<zentra::ScreenRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect r = screen->availableGeometry();
        screens.push_back({r.left(), r.top(), r.width(), r.height()});
    }
    return screens;
}

// Whatever dialog, drop or setting named the file: an absolute path with "/".
QString absolute(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

QString folderOf(const QString& path) { return QFileInfo(path).absolutePath(); }

// The one local document a drag carries; empty for anything else (which
// the editors then take as text, as before).
QString droppedDocument(const QMimeData* data) {
    if (data == nullptr || data->urls().size() != 1 || !data->urls().front().isLocalFile()) return {};
    const QString path = data->urls().front().toLocalFile();
    return QFileInfo(path).suffix() == QLatin1String("qbxsrc") ? path : QString();
}

// Watches the window and its areas for a dropped document. The drop is
// handled after the drag has ended, since the save query may ask.
class DocumentDrops : public QObject {
public:
    explicit DocumentDrops(TFormMain* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (droppedDocument(drag->mimeData()).isEmpty()) return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path = droppedDocument(drop->mimeData());
            if (path.isEmpty()) return false;
            drop->acceptProposedAction();
            QTimer::singleShot(0, window_, [window = window_, path] { window->openDocumentAfterQuery(path); });
            return true;
        }
        default: return false;
        }
    }

private:
    TFormMain* window_;
};

}  // namespace

void TFormMain::createDocuments() {
    recent_ = new RecentFileMenu(popup_, actions_.recentSeparator, this);
    recent_->chosen = [this](const QString& path) { openDocumentAfterQuery(path); };
    for (QAction* command : {actions_.newDoc, actions_.open, actions_.save, actions_.saveAs}) command->setEnabled(true);
    connect(actions_.newDoc, &QAction::triggered, this, &TFormMain::newDocument);
    connect(actions_.open, &QAction::triggered, this, &TFormMain::openDocument);
    connect(actions_.save, &QAction::triggered, this, &TFormMain::saveDocument);
    connect(actions_.saveAs, &QAction::triggered, this, &TFormMain::saveDocumentAs);

    setAcceptDrops(true);
    auto* drops = new DocumentDrops(this);
    for (QObject* target : {static_cast<QObject*>(this), static_cast<QObject*>(memoSrc_->viewport()),
                            static_cast<QObject*>(memoUsr_->viewport()), static_cast<QObject*>(memoOut_->viewport())}) {
        target->installEventFilter(drops);
    }
}

// At start-up the texts come from the settings, not from the current
// document; what that file holds tells whether they differ from it.
void TFormMain::restoreDocuments() {
    recent_->restore(settings_.recentFiles, settings_.currentFile);
    settings_.recentFiles = recent_->files().entries();
    savedTexts_.reset();
    if (settings_.currentFile.empty()) return;
    const zentra::DocumentReading reading = zentra::readDocument(filePath(fromUtf8(settings_.currentFile)));
    if (reading.document) {
        savedTexts_ = {asShown(reading.document->parameterLines), asShown(reading.document->programLines)};
    }
}

void TFormMain::setDocumentName(const QString& path) {
    recent_->setCurrent(path);
    settings_.currentFile = recent_->files().current();
    settings_.recentFiles = recent_->files().entries();
    setWindowTitle(fromUtf8(zentra::windowCaption(settings_.currentFile)));
}

void TFormMain::markDocumentSaved() {
    savedTexts_ = {editorLines(*memoUsr_), editorLines(*memoSrc_)};
}

bool TFormMain::textsDifferFromDocument() {
    return !savedTexts_ || *savedTexts_ != std::vector{editorLines(*memoUsr_), editorLines(*memoSrc_)};
}

bool TFormMain::askToSave() {
    const bool marked = memoSrc_->document()->isModified() || memoUsr_->document()->isModified();
    return runSaveQuery(zentra::saveQuestionFor(settings_.currentFile, marked, textsDifferFromDocument()));
}

// Closing keeps the texts in the settings: only a named document whose
// texts differ from its file is asked about.
bool TFormMain::mayCloseDocument() {
    if (settings_.currentFile.empty() || !textsDifferFromDocument()) return true;
    return runSaveQuery(zentra::SaveQuestion::Save);
}

bool TFormMain::runSaveQuery(zentra::SaveQuestion question) {
    return zentra::runSaveQuery(
        question,
        [this](zentra::SaveQuestion q) {
            return dialogs_->askYesNoCancel(this, fromUtf8(zentra::kSaveQueryCaption), fromUtf8(zentra::saveQuestionText(q)));
        },
        [this](zentra::SaveQuestion q) { return q == zentra::SaveQuestion::SaveAs ? saveDocumentAs() : saveDocument(); });
}

// ---- commands -----------------------------------------------------------

void TFormMain::newDocument() {
    if (running_ || !askToSave()) return;
    setDocumentName(QString());
    // Cleared with change tracking on: undo brings the texts back.
    memoSrc_->clear();
    memoUsr_->clear();
    memoSrc_->document()->setModified(false);
    memoUsr_->document()->setModified(false);
    savedTexts_.reset();
    refreshUndoRedo();
}

void TFormMain::openDocument() {
    if (running_ || !askToSave()) return;
    const FileQuestion question{QStringLiteral("ファイルから入力"), kOpenFilter, fromUtf8(settings_.lastDirectory),
                                fromUtf8(zentra::kDocumentFileExtension)};
    const QString path = dialogs_->openFileName(this, question);
    if (!path.isEmpty()) loadDocument(path);
}

void TFormMain::openDocumentAfterQuery(const QString& path) {
    if (running_ || !askToSave()) return;
    loadDocument(path);
}

bool TFormMain::saveDocument() {
    if (running_) return false;
    if (settings_.currentFile.empty()) return saveDocumentAs();
    return saveDocumentTo(fromUtf8(settings_.currentFile));
}

bool TFormMain::saveDocumentAs() {
    if (running_) return false;
    const QString start = settings_.currentFile.empty() ? fromUtf8(settings_.lastDirectory) : fromUtf8(settings_.currentFile);
    const FileQuestion question{QStringLiteral("名前をつけて保存"), kSaveFilter, start,
                                fromUtf8(zentra::kDocumentFileExtension)};
    QString path = dialogs_->saveFileNameFor(this, question);
    if (path.isEmpty()) return false;
    // A dialog that does not add the suffix itself would leave a name no filter shows.
    if (QFileInfo(path).suffix().isEmpty()) path += u'.' + question.defaultSuffix;
    return saveDocumentTo(path);
}

// Writes through a temporary file renamed over the target: on failure the
// file, the name and the caption stay as they were.
bool TFormMain::saveDocumentTo(const QString& path) {
    if (running_) return false;
    const QString file = absolute(path);
    zentra::Document d;
    d.parameterLines = editorLines(*memoUsr_);
    d.programLines = editorLines(*memoSrc_);
    d.radian = session_->radian;
    d.precision = session_->precision;
    d.loops = session_->loopLimit;
    d.mainWindow = placeOf(*this);
    d.parameterAreaHeight = memoUsr_->height();
    d.editorPanelWidth = panelCode_->width();
    d.graphWindow = graph_->place();
    std::string error = zentra::saveDocument(filePath(file), d);
    if (!error.empty()) {
        if (!error.starts_with("ファイル")) error = "ファイル \"" + file.toStdString() + "\" を保存できません\n" + error;
        dialogs_->message(this, fromUtf8(error));
        return false;
    }
    settings_.lastDirectory = folderOf(file).toStdString();
    setDocumentName(file);
    markDocumentSaved();
    return true;
}

bool TFormMain::loadDocument(const QString& path) {
    if (running_) return false;
    const QString file = absolute(path);
    // Read and checked whole first: a refused file changes nothing.
    const zentra::DocumentReading reading = zentra::readDocument(filePath(file));
    if (!reading.document) {
        dialogs_->message(this, fromUtf8(zentra::documentRefusal(reading.problem)));
        return false;
    }
    const zentra::Document d = zentra::clampDocument(*reading.document, availableScreens());

    changeTracking_ = false;
    for (auto [editor, lines] : {std::pair{memoUsr_, &d.parameterLines}, std::pair{memoSrc_, &d.programLines}}) {
        editor->clear();
        editor->applyFont();
        EditorArea(*editor).setLines(*lines);
    }
    settings_.lastDirectory = folderOf(file).toStdString();
    session_->radian = d.radian;
    session_->precision = d.precision;
    session_->loopLimit = d.loops;
    refreshSettingPanels();
    placeWindow(d.mainWindow);
    placeSplitters(d.parameterAreaHeight, d.editorPanelWidth);
    if (d.graphWindow) graph_->setPlace(*d.graphWindow);
    changeTracking_ = true;
    setDocumentName(file);

    // The comment colouring follows the texts as they go in.
    clearOutput();
    memoSrc_->document()->setModified(false);
    memoUsr_->document()->setModified(false);
    srcHistory_->reset();
    usrHistory_->reset();
    graph_->closeForRun();  // its plot belongs to the texts that went
    markDocumentSaved();
    refreshUndoRedo();
    return true;
}
