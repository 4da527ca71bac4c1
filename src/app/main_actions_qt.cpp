#include "app/main_actions_qt.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QToolBar>
#include <QWidget>

namespace {

QAction* make(QWidget* window, const char* name, const QString& caption) {
    auto* action = new QAction(caption, window);
    action->setObjectName(QString::fromLatin1(name));
    window->addAction(action);
    return action;
}

// A theme image where the desktop has one, else the one drawn for Zentra.
QIcon image(const char* themeName, const char* file) {
    return QIcon::fromTheme(QString::fromLatin1(themeName), QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(file))));
}

void hint(QAction* action, const QString& text) { action->setToolTip(text); }

}  // namespace

void MainActions::create(QWidget* window) {
    exec = make(window, "MenuExec", QStringLiteral("実行 (&E)"));
    exec->setShortcut(QKeySequence(Qt::Key_F9));
    exec->setIcon(image("media-playback-start", "exec"));
    hint(exec, QStringLiteral("処理開始"));

    help = make(window, "MenuHelp", QStringLiteral("ヘルプ (&H)"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setIcon(image("help-contents", "help"));
    hint(help, QStringLiteral("取扱説明"));

    // Document files come with their own commands; until then these stay
    // disabled.
    newDoc = make(window, "MenuNew", QStringLiteral("新規作成 (&N)"));
    open = make(window, "MenuOpen", QStringLiteral("ファイルから入力 (&L)"));
    save = make(window, "MenuSave", QStringLiteral("上書き保存 (&S)"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    save->setIcon(image("document-save", "save"));
    hint(save, QStringLiteral("上書き保存"));
    saveAs = make(window, "MenuSaveAs", QStringLiteral("名前をつけて保存 (&A)"));
    func = make(window, "MenuFunc", QStringLiteral("関数一覧の表示 (&F)"));
    func->setIcon(image("accessories-text-editor", "function"));
    hint(func, QStringLiteral("ユーザ関数の編集"));
    for (QAction* pending : {newDoc, open, save, saveAs}) pending->setEnabled(false);
    saveCsv = make(window, "MenuSaveCsv", QStringLiteral("CSVで保存 (&C)"));
    saveCsv->setEnabled(false);  // until a run completes

    reuse = make(window, "MenuReuse", QStringLiteral("入力再利用を無効にする (&D)"));
    reuse->setCheckable(true);

    font = make(window, "MenuFont", QStringLiteral("フォントの指定 (&T)"));
    monitor = make(window, "MenuMonitor", QStringLiteral("デバッグモニタ (&M)"));

    undo = make(window, "MenuUndo", QStringLiteral("元に戻す (&U)"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->setIcon(image("edit-undo", "undo"));
    hint(undo, QStringLiteral("入力の取消"));
    undo->setEnabled(false);

    redo = make(window, "MenuRedo", QStringLiteral("やり直す (&R)"));
    // Ctrl+Y first (the menu shows it), then the desktop's own redo keys;
    // a key bound twice would make the shortcut ambiguous.
    QList<QKeySequence> redoKeys{QKeySequence(Qt::CTRL | Qt::Key_Y)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Redo)) {
        if (!redoKeys.contains(key)) redoKeys << key;
    }
    redo->setShortcuts(redoKeys);
    redo->setIcon(image("edit-redo", "redo"));
    hint(redo, QStringLiteral("取消した入力のやり直し"));
    redo->setEnabled(false);

    quit = make(window, "MenuQuit", QStringLiteral("終了 (&Q)"));
    quit->setShortcut(QKeySequence(Qt::Key_F3));

    hex = make(window, "ToolBtn2", QStringLiteral("16進数表示"));
    hex->setIcon(image("zentra-hex", "hex"));
    hint(hex, QStringLiteral("16進数表示"));

    clear = make(window, "ToolBtn3", QStringLiteral("出力クリア"));
    clear->setIcon(image("edit-clear", "clear"));
    hint(clear, QStringLiteral("出力クリア"));
}

QMenu* MainActions::createPopup(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("PopupMenu"));
    menu->addAction(exec);
    menu->addAction(help);
    menu->addSeparator()->setObjectName(QStringLiteral("N5"));
    menu->addAction(newDoc);
    menu->addAction(open);
    menu->addAction(save);
    menu->addAction(saveAs);
    menu->addAction(saveCsv);
    menu->addSeparator()->setObjectName(QStringLiteral("N3"));
    menu->addAction(func);
    menu->addAction(reuse);
    menu->addAction(font);
    menu->addAction(monitor);
    menu->addSeparator()->setObjectName(QStringLiteral("N4"));
    menu->addAction(undo);
    menu->addAction(redo);
    recentSeparator = menu->addSeparator();
    recentSeparator->setObjectName(QStringLiteral("N1"));
    menu->addAction(quit);
    return menu;
}

void MainActions::fillToolBar(QToolBar* toolBar) const {
    for (QAction* action : {save, undo, redo, func, hex, clear, exec, help}) toolBar->addAction(action);
}
