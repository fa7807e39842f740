#pragma once

#include <QLabel>

namespace orv {

// The label of a field. It carries the "* " change marker in front of its
// caption (its text is then "* Caption") but draws the marker in a margin it
// always keeps, so marking a field moves neither the caption nor anything
// beside it.
class MarkerLabel : public QLabel {
    Q_OBJECT
public:
    explicit MarkerLabel(const QString& text = {}, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int markerWidth() const;
};

}  // namespace orv
