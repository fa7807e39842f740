#include "qt_message_presenter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QThread>

namespace orv {

QtMessagePresenter::QtMessagePresenter(QObject* parent) : QObject(parent) {}

void QtMessagePresenter::setOwner(QWidget* owner) {
    boxOwner = owner;
}

int QtMessagePresenter::present(BoxKind kind, const std::string& caption, const std::string& text) {
    return presentWithDetails(kind, caption, text, std::string());
}

int QtMessagePresenter::presentWithDetails(BoxKind kind, const std::string& caption, const std::string& text,
                                           const std::string& details) {
    const QString qCaption = QString::fromStdString(caption);
    const QString qText = QString::fromStdString(text);
    const QString qDetails = QString::fromStdString(details);
    if (QThread::currentThread() == thread()) return showBox(kind, qCaption, qText, qDetails);
    // From the worker: the box must live on the GUI thread, and the worker
    // needs the answer before it goes on.
    int answer = kAnswerCancel;
    QMetaObject::invokeMethod(
        this, [&] { return showBox(kind, qCaption, qText, qDetails); }, Qt::BlockingQueuedConnection,
        &answer);
    return answer;
}

int QtMessagePresenter::showBox(BoxKind kind, const QString& caption, const QString& text,
                                const QString& details) {
    auto box = makeMessageBox(kind, caption, text, boxOwner, details);
    return answerCode(box->exec());
}

namespace {

// A message's own line breaks are its only ones: Qt wraps a box's text at about
// 500 pixels, which broke "must be restarted by applying the magnet" in the
// middle of a line. The text label is made as wide as the widest line, up to
// four fifths of the screen, past which Qt may wrap after all.
void keepLinesWhole(QMessageBox& box, const QString& text, QWidget* owner) {
    auto* label = box.findChild<QLabel*>("qt_msgbox_label");
    if (label == nullptr) return;
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const QString& line : text.split('\n')) widest = qMax(widest, metrics.horizontalAdvance(line));
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    const int limit = screen != nullptr ? screen->availableGeometry().width() * 4 / 5 : widest;
    label->setMinimumWidth(qMin(widest + 2, limit));
}

}  // namespace

std::unique_ptr<QMessageBox> makeMessageBox(BoxKind kind, const QString& caption, const QString& text,
                                            QWidget* owner, const QString& details) {
    auto box = std::make_unique<QMessageBox>(owner);
    box->setWindowTitle(caption);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    if (!details.isEmpty()) box->setDetailedText(details);
    keepLinesWhole(*box, text, owner);
    box->setWindowModality(Qt::ApplicationModal);
    switch (kind) {
        case BoxKind::Error:
            box->setIcon(QMessageBox::Critical);
            box->setStandardButtons(QMessageBox::Ok);
            break;
        case BoxKind::Warning:
            box->setIcon(QMessageBox::Warning);
            box->setStandardButtons(QMessageBox::Ok);
            break;
        case BoxKind::Information:
            box->setIcon(QMessageBox::Information);
            box->setStandardButtons(QMessageBox::Ok);
            break;
        case BoxKind::Choice:
            box->setIcon(QMessageBox::Question);
            box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box->setDefaultButton(QMessageBox::Yes);
            box->setEscapeButton(QMessageBox::No);
            break;
        case BoxKind::YesNoCancel:
            box->setIcon(QMessageBox::Question);
            box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box->setDefaultButton(QMessageBox::Yes);
            box->setEscapeButton(QMessageBox::Cancel);
            break;
    }
    return box;
}

int answerCode(int standardButton) {
    switch (standardButton) {
        case QMessageBox::Yes:
            return kAnswerYes;
        case QMessageBox::No:
            return kAnswerNo;
        case QMessageBox::Ok:
            return kAnswerOk;
        default:
            return kAnswerCancel;
    }
}

}  // namespace orv
