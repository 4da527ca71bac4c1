#include "app/status_bar_widget.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

zentra::MouseButton buttonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return zentra::MouseButton::Left;
    case Qt::RightButton: return zentra::MouseButton::Right;
    default: return zentra::MouseButton::Other;
    }
}

}  // namespace

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    setMouseTracking(true);
    setMinimumHeight(21);
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        // The bar decides what a click or a move means.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        panels_[static_cast<std::size_t>(i)] = label;
    }
    panels_[0]->setMinimumWidth(1);
    addWidget(panels_[0], 1);
    for (int i = 1; i < 3; ++i) {
        panels_[static_cast<std::size_t>(i)]->setFixedWidth(zentra::kSettingPanelWidth);
        addPermanentWidget(panels_[static_cast<std::size_t>(i)]);
    }
}

void MainStatusBar::setPanelText(int panel, const QString& text) {
    if (panel < 0 || panel > 2) return;
    panels_[static_cast<std::size_t>(panel)]->setText(text);
    if (panel == 0) panels_[0]->setToolTip(text);
}

QString MainStatusBar::panelText(int panel) const {
    if (panel < 0 || panel > 2) return {};
    return panels_[static_cast<std::size_t>(panel)]->text();
}

zentra::StatusPanel MainStatusBar::panelAt(int x) const {
    // The rule measures from the right edge of the unit panel.
    const QRect precision = panels_[1]->geometry();
    const QRect unit = panels_[2]->geometry();
    const int right = unit.right() + 1;
    return zentra::panelAt(x, right, unit.left() - precision.left(), right - unit.left());
}

QPoint MainStatusBar::panelCentre(zentra::StatusPanel panel) const {
    return panels_[static_cast<std::size_t>(panel)]->geometry().center();
}

void MainStatusBar::mousePressEvent(QMouseEvent* e) {
    emit panelClicked(panelAt(e->position().toPoint().x()), buttonOf(e->button()));
    QStatusBar::mousePressEvent(e);
}

void MainStatusBar::mouseMoveEvent(QMouseEvent* e) {
    emit movedOver(panelAt(e->position().toPoint().x()));
    e->accept();
}
