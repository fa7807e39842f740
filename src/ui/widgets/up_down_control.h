#pragma once

#include <QWidget>

class QToolButton;

namespace orv {

// A pair of arrow buttons beside an edit box, holding a position in a range.
// A click first reports the position and the step it is about to take (the
// handler may move the position meanwhile), then takes the step from where
// the position is then, held inside the range.
class UpDownControl : public QWidget {
    Q_OBJECT
public:
    explicit UpDownControl(QWidget* parent = nullptr);

    void setRange(int low, int high);
    int low() const { return rangeLow; }
    int high() const { return rangeHigh; }
    int position() const { return pos; }
    void setPosition(int position);

    // What an arrow click does: the notification, then the step.
    void step(int delta);

Q_SIGNALS:
    void deltaRequested(int position, int delta);

private:
    int clamp(int value) const;

    QToolButton* upButton;
    QToolButton* downButton;
    int rangeLow = 0;
    int rangeHigh = 100;
    int pos = 0;
};

}  // namespace orv
