#include "qt_page_host.h"

#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include "binding/page_set.h"
#include "qt_field_controls.h"

namespace orv {

QtPageHost::QtPageHost(PageSet& pages, const LoggedInUser& user, std::function<void()> launchBeacon,
                       std::function<void(FactoryOperation)> startFactory)
    : pages(pages),
      loggedIn(user),
      launchBeacon(std::move(launchBeacon)),
      startFactory(std::move(startFactory)) {}

void QtPageHost::setFocus(Page page, int controlId) {
    auto* controls = dynamic_cast<QtFieldControls*>(pages.controls(page));
    if (controls == nullptr) return;
    QWidget* widget = controls->widget(controlId);
    if (widget == nullptr) return;
    // After the focus change that is being handled now has finished. The text
    // the program put there is selected: what the user types replaces it.
    QTimer::singleShot(0, widget, [widget] {
        widget->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
    });
}

}  // namespace orv
