#include "app/monitor_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "app/dialogs_qt.h"
#include "app/text_appearance_qt.h"
#include "app/window_place_qt.h"
#include "base/text_lines.h"
#include "host/text_area.h"
#include "shell/monitor_dump.h"

namespace {

constexpr int kToolBarHeight = 33;
constexpr int kPaneWidth = 160;
constexpr int kTokenHandle = 9;
constexpr int kMessageHandle = 7;
constexpr int kSmallest = 200;

QFont paneFont() {
    QFont font(QStringLiteral("ＭＳ 明朝"));
    font.setPixelSize(12);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

// One conversion for the whole pane: dumps run to thousands of lines.
QString joined(const zentra::TextArea& pane) {
    std::string text = zentra::joinLines(pane.lines());
    if (!text.empty()) text.pop_back();  // no empty line after the last one
    return QString::fromStdString(text);
}

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TFormMon::TFormMon(const Panes& panes, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), panes_(panes), dialogs_(dialogs) {
    setObjectName(QStringLiteral("FormMon"));
    setWindowTitle(QStringLiteral("デバッグモニタ"));
    setFont(designedWindowFont());
    setMinimumSize(kSmallest, kSmallest);
    // Opened at start-up beside the main window, which keeps the keyboard.
    setAttribute(Qt::WA_ShowWithoutActivating);

    memoToken_ = createPane("MemoToken", kPaneWidth);
    memoSymbol_ = createPane("MemoSymbol", kPaneWidth);
    memoMessage_ = createPane("MemoMessage", 0);
    memoMessage_->setTabChangesFocus(false);
    for (QPlainTextEdit* pane : {memoToken_, memoMessage_}) pane->setTabStopDistance(tabStopDistance(pane->font()));

    // Two splitters, as the two handles differ in width.
    leftSplitter_ = new QSplitter(Qt::Horizontal);
    leftSplitter_->setObjectName(QStringLiteral("Splitter1"));
    leftSplitter_->setHandleWidth(kTokenHandle);
    leftSplitter_->setChildrenCollapsible(false);
    leftSplitter_->addWidget(memoToken_);
    leftSplitter_->addWidget(memoSymbol_);
    splitter_ = new QSplitter(Qt::Horizontal);
    splitter_->setObjectName(QStringLiteral("Splitter2"));
    splitter_->setHandleWidth(kMessageHandle);
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(leftSplitter_);
    splitter_->addWidget(memoMessage_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createToolBar());
    layout->addWidget(splitter_, 1);
    resize(place_.width, place_.height);
}

QPlainTextEdit* TFormMon::createPane(const char* name, int width) {
    auto* pane = new QPlainTextEdit;
    pane->setObjectName(QString::fromLatin1(name));
    pane->setReadOnly(true);
    pane->setUndoRedoEnabled(false);
    pane->setFont(paneFont());
    // The dumps are columns: a wrapped line would break them.
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setMinimumWidth(40);
    if (width > 0) pane->resize(width, pane->height());
    return pane;
}

QWidget* TFormMon::createToolBar() {
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setFixedHeight(kToolBarHeight);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 6, 0);
    row->setSpacing(8);
    row->addSpacing(kToolBarHeight);

    checkToken_ = new QCheckBox(QStringLiteral("Token"), bar);
    checkToken_->setObjectName(QStringLiteral("checkToken"));
    checkToken_->setChecked(true);
    connect(checkToken_, &QCheckBox::toggled, memoToken_, &QWidget::setVisible);
    row->addWidget(checkToken_);

    stopGroup_ = new QButtonGroup(bar);
    const char* const names[] = {"RadioBtnNone", "RadioBtn1", "RadioBtn2", "RadioBtn3"};
    const char* const captions[] = {"None", "1", "2", "3"};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(captions[i]), bar);
        button->setObjectName(QString::fromLatin1(names[i]));
        stopGroup_->addButton(button, i);
        row->addWidget(button);
    }
    stopButton(0)->setChecked(true);

    button1_ = new QPushButton(QStringLiteral("SaveToFile"), bar);
    button1_->setObjectName(QStringLiteral("Button1"));
    connect(button1_, &QPushButton::clicked, this, &TFormMon::saveToFile);
    row->addWidget(button1_);
    row->addStretch(1);
    return bar;
}

QRadioButton* TFormMon::stopButton(int index) const {
    return qobject_cast<QRadioButton*>(stopGroup_->button(std::clamp(index, 0, 3)));
}

void TFormMon::open() {
    show();
    raise();
}

zentra::StopPoint TFormMon::stopPoint() const {
    if (!isVisible()) return zentra::StopPoint::None;
    switch (stopGroup_->checkedId()) {
    case 1: return zentra::StopPoint::AfterFunctionCheck;
    case 2: return zentra::StopPoint::AfterSourcePreparation;
    case 3: return zentra::StopPoint::AfterTokenDump;
    default: return zentra::StopPoint::None;
    }
}

void TFormMon::refresh() {
    if (isVisible()) fill();
}

void TFormMon::fill() {
    memoToken_->setPlainText(joined(panes_.tokens));
    memoSymbol_->setPlainText(joined(panes_.symbols));
    memoMessage_->setPlainText(joined(panes_.messages));
    // The newest messages are the last ones (F2 adds a line at the end).
    memoMessage_->verticalScrollBar()->setValue(memoMessage_->verticalScrollBar()->maximum());
}

void TFormMon::saveToFile() {
    const QString folder = dialogs_.folderName(this, QStringLiteral("保存先のフォルダ"), QDir::currentPath());
    if (folder.isEmpty()) return;
    const std::string error = zentra::writeFilesTogether(
        folder.toStdString(), {{std::string(zentra::kSymbolDumpName), zentra::crlfText(panes_.symbols.lines())},
                               {std::string(zentra::kMessageDumpName), zentra::crlfText(panes_.messages.lines())}});
    if (!error.empty()) {
        dialogs_.message(this, fromUtf8(error));
        return;
    }
    dialogs_.message(this, QStringLiteral("%1 と %2 を \"%3\" に保存しました")
                               .arg(QLatin1String(zentra::kSymbolDumpName.data()),
                                    QLatin1String(zentra::kMessageDumpName.data()), QDir::toNativeSeparators(folder)));
}

void TFormMon::setPlace(const zentra::WindowGeometry& place) {
    place_ = place;
    placed_ = false;
}

zentra::WindowGeometry TFormMon::place() const {
    if (!placed_) return place_;
    return placeOf(*this);
}

void TFormMon::showEvent(QShowEvent* event) {
    if (!placed_) {
        // A place kept from a screen that is gone comes back onto one.
        std::vector<zentra::ScreenRect> screens;
        for (const QScreen* screen : QGuiApplication::screens()) {
            const QRect r = screen->availableGeometry();
            screens.push_back({r.left(), r.top(), r.width(), r.height()});
        }
        const zentra::WindowGeometry g = zentra::keepOnScreens(place_, screens);
        setGeometry(g.left, g.top, std::max(g.width, kSmallest), std::max(g.height, kSmallest));
        placed_ = true;
        leftSplitter_->setSizes({kPaneWidth, kPaneWidth});
        splitter_->setSizes({2 * kPaneWidth + kTokenHandle, std::max(1, width() - 2 * kPaneWidth - kTokenHandle)});
    }
    QWidget::showEvent(event);
    fill();
}

void TFormMon::hideEvent(QHideEvent* event) {
    if (placed_) place_ = place();
    QWidget::hideEvent(event);
}
