#pragma once

#include <QLabel>
#include <functional>

namespace orv {

// A static text that acts as a link: underlined blue text, a hand cursor, and
// a click opens the target (the text itself, or the target given) with the
// desktop's default handler; a failed open beeps.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, const QString& target = {}, QWidget* parent = nullptr);

    QString target() const { return linkTarget.isEmpty() ? text() : linkTarget; }

    // How a target is opened; the desktop's handler unless replaced (tests).
    std::function<bool(const QString&)> open;

Q_SIGNALS:
    void opened(bool succeeded);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString linkTarget;
};

}  // namespace orv
