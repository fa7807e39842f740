#include "widgets/field_width.h"

#include <QEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

#include "model/definitions.h"
#include "model/format_value.h"

namespace orv {

namespace {

// A long text row (notes, an ID of forty characters) is edited in a line of this many.
constexpr int kLongestLine = 24;
// Room for the caret after the last character.
constexpr int kCaretRoom = 1;

void applyWidth(QLineEdit* edit, int characters) {
    const QFontMetrics metrics = edit->fontMetrics();
    // Digits are what fields hold most; letters ("Mar 15", "no limit") are
    // covered by the caret's character to spare.
    const int text = metrics.horizontalAdvance(QString(characters, QLatin1Char('0')));
    const QMargins margins = edit->textMargins();
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth =
        edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    const QSize content(text + margins.left() + margins.right() + 4, metrics.height());
    const int width = edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, content, edit).width();
    edit->setMaximumWidth(width);
    edit->setMinimumWidth(std::min(width, metrics.horizontalAdvance(QLatin1Char('0')) * 4));
}

// The characters an edit was fitted to, kept on the edit.
constexpr const char* kCharactersProperty = "orvFieldCharacters";

// Measures the edit again when its font changes (the window's or the desktop's).
class WidthKeeper : public QObject {
public:
    explicit WidthKeeper(QLineEdit* edit) : QObject(edit) { edit->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            applyWidth(static_cast<QLineEdit*>(watched), watched->property(kCharactersProperty).toInt());
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int fieldCharacters(const ParameterDefinition& definition, int kind, bool textRow) {
    if (textRow) return std::clamp(definition.width, 4, kLongestLine);
    std::size_t longest = 1;
    for (const double value : {definition.minValue, definition.maxValue, definition.defaultValue})
        longest = std::max(longest, formatValue(value, kind).size());
    return static_cast<int>(longest) + kCaretRoom;
}

void fitEditWidth(QLineEdit* edit, int characters) {
    if (!edit->property(kCharactersProperty).isValid()) new WidthKeeper(edit);
    edit->setProperty(kCharactersProperty, characters);
    applyWidth(edit, characters);
}

}  // namespace orv
