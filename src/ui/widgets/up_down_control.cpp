#include "widgets/up_down_control.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace orv {

UpDownControl::UpDownControl(QWidget* parent)
    : QWidget(parent), upButton(new QToolButton(this)), downButton(new QToolButton(this)) {
    upButton->setArrowType(Qt::UpArrow);
    downButton->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {upButton, downButton}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(16, 11);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(upButton);
    layout->addWidget(downButton);
    connect(upButton, &QToolButton::clicked, this, [this] { step(1); });
    connect(downButton, &QToolButton::clicked, this, [this] { step(-1); });
    setFixedWidth(16);
}

void UpDownControl::setRange(int low, int high) {
    rangeLow = std::min(low, high);
    rangeHigh = std::max(low, high);
    pos = clamp(pos);
}

void UpDownControl::setPosition(int position) {
    pos = clamp(position);
}

void UpDownControl::step(int delta) {
    Q_EMIT deltaRequested(pos, delta);
    pos = clamp(pos + delta);
}

int UpDownControl::clamp(int value) const {
    return std::clamp(value, rangeLow, rangeHigh);
}

}  // namespace orv
