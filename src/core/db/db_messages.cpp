#include "db/db_messages.h"

#include "app/format_text.h"

namespace orv::dbtext {

std::string renameSourceMissing(const std::string& job, const std::string& ctn) {
    if (ctn.empty())
        return formatText(
            "There are no records in the database with Job number: '%s',\nusing the 'Save' button rather than the 'Change' button.",
            job.c_str());
    return formatText(
        "There are no records in the database with Job number: '%s',\nand CTN number: '%s'.  Create the record(s) in the database\nusing the 'Save' button rather than the 'Change' button.",
        job.c_str(), ctn.c_str());
}

}  // namespace orv::dbtext
