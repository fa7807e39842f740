#include "dialogs/about_dialog.h"

#include <libpq-fe.h>
#include <sodium.h>
#include <sqlite3.h>

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QtGlobal>

#include "widgets/logo.h"

namespace orv {

QString programVersion() {
    return QString("Orv %1 (build %2)").arg(ORV_VERSION, ORV_BUILD);
}

QString aboutText() {
    const int pq = PQlibVersion();
    const QString pqVersion = QString("%1.%2").arg(pq / 10000).arg(pq % 10000);
    QStringList lines;
    lines << QString("Orv %1").arg(ORV_VERSION) << QString("Build %1, %2").arg(ORV_BUILD, __DATE__)
          << "Configuration, programming and verification of GPS tracking collars."
          << ""
          << "Orv uses these libraries:"
          << QString("Qt %1 (Widgets, Print Support, Svg): GNU LGPL version 3").arg(qVersion())
          << QString("SQLite %1: public domain").arg(sqlite3_libversion())
          << QString("PostgreSQL client library (libpq) %1: PostgreSQL Licence").arg(pqVersion)
          << QString("libsodium %1: ISC licence").arg(sodium_version_string())
          << "CUPS, through Qt Print Support: Apache License 2.0"
          << "GCC's C++ runtime: GNU GPL version 3 with the GCC Runtime Library Exception";
    return lines.join('\n');
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About Orv");
    auto* logo = new QLabel;
    logo->setPixmap(drawOrvLogo(96));
    logo->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(aboutText());
    text->setTextFormat(Qt::PlainText);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* row = new QHBoxLayout;
    row->addWidget(logo);
    row->addSpacing(12);
    row->addWidget(text, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

}  // namespace orv
