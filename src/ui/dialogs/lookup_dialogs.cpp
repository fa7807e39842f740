#include "dialogs/lookup_dialogs.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "db/parameter_db.h"
#include "widgets/combo_choice_list.h"

namespace orv {

namespace {

std::string textOf(const QComboBox* combo) {
    return combo->currentText().toStdString();
}

QComboBox* listCombo(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setMinimumWidth(160);
    return combo;
}

// "Read" and "Cancel" under a dialog's fields.
void addReadAndCancel(QDialog* dialog, QVBoxLayout* layout, QHBoxLayout* row) {
    auto* read = new QPushButton("Read", dialog);
    auto* cancel = new QPushButton("Cancel", dialog);
    read->setDefault(true);
    row->addStretch();
    row->addWidget(read);
    row->addWidget(cancel);
    layout->addLayout(row);
    QObject::connect(read, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

}  // namespace

CtnLookupDialog::CtnLookupDialog(ParameterDb& db, QWidget* parent)
    : LookupDialog(parent),
      db(db),
      ctns(listCombo(this)),
      statuses(listCombo(this)),
      jobs(listCombo(this)),
      ptts(listCombo(this)),
      ctnList(std::make_unique<ComboChoiceList>(ctns)),
      statusList(std::make_unique<ComboChoiceList>(statuses)),
      jobList(std::make_unique<ComboChoiceList>(jobs)),
      pttList(std::make_unique<ComboChoiceList>(ptts)) {
    setWindowTitle("CTN / PTT ID Lookup");
    auto* form = new QFormLayout;
    form->addRow("PTT ID:", ptts);
    form->addRow("CTN:", ctns);
    form->addRow("Status:", statuses);
    form->addRow("Job Number:", jobs);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    auto* row = new QHBoxLayout;
    auto* byCtn = new QPushButton("Search by CTN", this);
    auto* byPtt = new QPushButton("Search by PTT ID", this);
    row->addWidget(byCtn);
    row->addWidget(byPtt);
    addReadAndCancel(this, layout, row);
    connect(byCtn, &QPushButton::clicked, this, &CtnLookupDialog::searchByCtn);
    connect(byPtt, &QPushButton::clicked, this, &CtnLookupDialog::searchByPttId);
    connect(ptts, &QComboBox::activated, this, &CtnLookupDialog::pttIdSelected);
    connect(ctns, &QComboBox::activated, this, &CtnLookupDialog::ctnSelected);
}

CtnLookupDialog::~CtnLookupDialog() = default;

void CtnLookupDialog::searchByCtn() {
    pttList->clear();
    if (fillList(*ctnList, db.lookupCtns()) == 0) ctnSelected();
}

void CtnLookupDialog::searchByPttId() {
    if (fillList(*pttList, db.lookupPttIds()) == 0) pttIdSelected();
}

void CtnLookupDialog::pttIdSelected() {
    if (fillList(*ctnList, db.lookupCtnsOfPttId(textOf(ptts))) == 0) ctnSelected();
}

void CtnLookupDialog::ctnSelected() {
    const std::string ctn = textOf(ctns);
    if (fillList(*statusList, db.lookupStatusesOfCtn(ctn)) == 0) fillList(*jobList, db.lookupJobsOfCtn(ctn));
}

std::string CtnLookupDialog::job() const {
    return textOf(jobs);
}
std::string CtnLookupDialog::ctn() const {
    return textOf(ctns);
}
std::string CtnLookupDialog::status() const {
    return textOf(statuses);
}

CustomerSearchDialog::CustomerSearchDialog(ParameterDb& db, const std::string& currentCustomer,
                                           QWidget* parent)
    : LookupDialog(parent),
      db(db),
      customers(listCombo(this)),
      jobs(listCombo(this)),
      ctns(listCombo(this)),
      statuses(listCombo(this)),
      customerList(std::make_unique<ComboChoiceList>(customers)),
      jobList(std::make_unique<ComboChoiceList>(jobs)),
      ctnList(std::make_unique<ComboChoiceList>(ctns)),
      statusList(std::make_unique<ComboChoiceList>(statuses)) {
    setWindowTitle("Customer Search");
    auto* form = new QFormLayout;
    form->addRow("Customer:", customers);
    form->addRow("Job Number:", jobs);
    form->addRow("CTN:", ctns);
    form->addRow("Status:", statuses);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    addReadAndCancel(this, layout, new QHBoxLayout);
    connect(customers, &QComboBox::activated, this, &CustomerSearchDialog::customerSelected);
    connect(jobs, &QComboBox::activated, this, &CustomerSearchDialog::jobSelected);
    connect(ctns, &QComboBox::activated, this, &CustomerSearchDialog::ctnSelected);

    if (fillList(*customerList, db.lookupCustomers()) != 0) return;
    const int current = customers->findText(QString::fromStdString(currentCustomer));
    customerList->select(current >= 0 ? current : 0);
    customerSelected();
}

CustomerSearchDialog::~CustomerSearchDialog() = default;

void CustomerSearchDialog::customerSelected() {
    if (fillList(*jobList, db.lookupJobsOfCustomer(customer())) == 0) jobSelected();
}

void CustomerSearchDialog::jobSelected() {
    if (fillList(*ctnList, db.lookupCtnsOfJobAndCustomer(job(), customer())) == 0) ctnSelected();
}

void CustomerSearchDialog::ctnSelected() {
    fillList(*statusList, db.lookupStatusesOfJobAndCtn(job(), ctn()));
}

std::string CustomerSearchDialog::customer() const {
    return textOf(customers);
}
std::string CustomerSearchDialog::job() const {
    return textOf(jobs);
}
std::string CustomerSearchDialog::ctn() const {
    return textOf(ctns);
}
std::string CustomerSearchDialog::status() const {
    return textOf(statuses);
}

}  // namespace orv
