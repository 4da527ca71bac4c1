// The main window's status bar: panel 0 (messages, hints) takes the width
// the two fixed panels leave; panel 1 shows the precision, panel 2 the
// angle unit. Clicks and mouse moves are reported by the panel they hit.
#pragma once

#include <QStatusBar>
#include <array>

#include "shell/status_bar_rules.h"

class QLabel;

class MainStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit MainStatusBar(QWidget* parent = nullptr);

    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    // The panel under x (bar coordinates).
    zentra::StatusPanel panelAt(int x) const;
    // The middle of a panel, for tests and screenshots.
    QPoint panelCentre(zentra::StatusPanel panel) const;

signals:
    void panelClicked(zentra::StatusPanel panel, zentra::MouseButton button);
    void movedOver(zentra::StatusPanel panel);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    std::array<QLabel*, 3> panels_{};
};
