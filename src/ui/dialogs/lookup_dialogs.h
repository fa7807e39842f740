#pragma once

#include <QDialog>
#include <memory>
#include <string>

class QComboBox;

namespace orv {

class ComboChoiceList;
class ParameterDb;

// A lookup dialog hands back the device it found with its "Read" button.
class LookupDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    virtual std::string job() const = 0;
    virtual std::string ctn() const = 0;
    virtual std::string status() const = 0;
};

// "CTN / PTT ID Lookup": finds a device by its CTN or by its ARGOS PTT ID.
class CtnLookupDialog : public LookupDialog {
    Q_OBJECT
public:
    explicit CtnLookupDialog(ParameterDb& db, QWidget* parent = nullptr);
    ~CtnLookupDialog() override;

    std::string job() const override;
    std::string ctn() const override;
    std::string status() const override;

    void searchByCtn();
    void searchByPttId();
    void pttIdSelected();
    void ctnSelected();

    QComboBox* ctnCombo() const { return ctns; }
    QComboBox* pttCombo() const { return ptts; }
    QComboBox* statusCombo() const { return statuses; }
    QComboBox* jobCombo() const { return jobs; }

private:
    ParameterDb& db;
    QComboBox* ctns;
    QComboBox* statuses;
    QComboBox* jobs;
    QComboBox* ptts;
    std::unique_ptr<ComboChoiceList> ctnList, statusList, jobList, pttList;
};

// "Customer Search": finds a device by its customer.
class CustomerSearchDialog : public LookupDialog {
    Q_OBJECT
public:
    CustomerSearchDialog(ParameterDb& db, const std::string& currentCustomer, QWidget* parent = nullptr);
    ~CustomerSearchDialog() override;

    std::string job() const override;
    std::string ctn() const override;
    std::string status() const override;
    std::string customer() const;

    void customerSelected();
    void jobSelected();
    void ctnSelected();

    QComboBox* customerCombo() const { return customers; }
    QComboBox* jobCombo() const { return jobs; }
    QComboBox* ctnCombo() const { return ctns; }
    QComboBox* statusCombo() const { return statuses; }

private:
    ParameterDb& db;
    QComboBox* customers;
    QComboBox* jobs;
    QComboBox* ctns;
    QComboBox* statuses;
    std::unique_ptr<ComboChoiceList> customerList, jobList, ctnList, statusList;
};

}  // namespace orv
