#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace orv {

// The user guide (the "?" button): the HTML page made from the manual pages,
// installed beside the program in share/orv/ and present in the build.
class UserGuideWindow : public QDialog {
public:
    explicit UserGuideWindow(const QString& guideFile, QWidget* parent = nullptr);
    QTextBrowser* browser() const { return view; }

private:
    QTextBrowser* view;
};

// Where the guide of this program is: share/orv/user-guide.html beside its bin/ folder.
QString userGuideFile();

}  // namespace orv
