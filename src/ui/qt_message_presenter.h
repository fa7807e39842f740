#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

#include "app/message_presenter.h"

class QMessageBox;
class QWidget;

namespace orv {

// The window's message boxes: task-modal, owned by the main window, with the
// caption, icon and buttons of their kind. A call from the worker thread is
// carried over to the GUI thread and waits there for the user's answer.
class QtMessagePresenter : public QObject, public MessagePresenter {
    Q_OBJECT
public:
    explicit QtMessagePresenter(QObject* parent = nullptr);

    // The window that owns the boxes (the main window once it exists).
    void setOwner(QWidget* owner);
    QWidget* owner() const { return boxOwner; }

    int present(BoxKind kind, const std::string& caption, const std::string& text) override;
    int presentWithDetails(BoxKind kind, const std::string& caption, const std::string& text,
                           const std::string& details) override;

protected:
    // Runs on the GUI thread; shows the box (with its "Show Details..." button
    // when there are details) and returns the answer code.
    virtual int showBox(BoxKind kind, const QString& caption, const QString& text, const QString& details);

private:
    QPointer<QWidget> boxOwner;
};

// The box of a kind, not yet shown; the text is plain text, never markup.
// Details, when there are any, wait behind the box's "Show Details..." button.
std::unique_ptr<QMessageBox> makeMessageBox(BoxKind kind, const QString& caption, const QString& text,
                                            QWidget* owner, const QString& details = QString());

// The answer code of a pressed standard button (OK 1, Cancel 2, Yes 6, No 7).
int answerCode(int standardButton);

}  // namespace orv
