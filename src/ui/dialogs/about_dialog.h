#pragma once

#include <QDialog>
#include <QString>

namespace orv {

// "About Orv": the program version, the build, and the libraries it uses with
// their licences. Reached from the window's menu (right click) or F1.
class AboutDialog : public QDialog {
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

// "Orv 3.7.4 (build 93f24f4)": the version and build, as the support bundle names them.
QString programVersion();

// The dialog's text, one line a fact, the libraries with the versions they report.
QString aboutText();

}  // namespace orv
