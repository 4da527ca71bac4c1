// The output area: a view of the engine's output model. Rows are brought up
// to the model in bulk (sync) after each stage and at the end of a run:
// appended when only new lines came, reset when lines changed in place.
#pragma once

#include <QAbstractListModel>
#include <QFontMetrics>
#include <QListView>
#include <cstdint>

namespace zentra {
class OutputModel;
}

class OutputListModel : public QAbstractListModel {
public:
    explicit OutputListModel(const zentra::OutputModel& lines, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // True when rows were appended or reset.
    bool sync();
    // Row widths are measured with this font (the widest row sizes every row).
    void setFont(const QFont& font);

private:
    void measure(int from, int to);

    const zentra::OutputModel& lines_;
    int rows_ = 0;
    std::uint64_t generation_ = 0;
    QFontMetrics metrics_;
    int widest_ = 0;
};

class OutputViewWidget : public QListView {
    Q_OBJECT

public:
    explicit OutputViewWidget(const zentra::OutputModel& lines, QWidget* parent = nullptr);

    // Brings the rows up to the model; shows the end when something changed.
    void sync();
    void setTextFont(const QFont& font);
    // The selected rows, in order, one per line.
    QString selectedText() const;
    int rowCount() const { return model_->rowCount(); }

signals:
    void lineClicked(int row);
    void keyPressed(QKeyEvent* event);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    OutputListModel* model_;
};
