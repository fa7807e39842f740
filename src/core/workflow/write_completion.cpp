#include "workflow/write_completion.h"

#include "app/startup.h"
#include "db/parameter_db.h"
#include "model/record.h"
#include "reports/spr_text.h"
#include "workflow/archive_files.h"
#include "workflow/main_rules.h"

namespace orv {

int saveProgrammed(ParameterRecord& record, ParameterDb& db, const std::string& job, const std::string& ctn,
                   std::time_t when) {
    record.text(StringRow::ProgrammedBy) = record.text(StringRow::UserName);
    record.text(StringRow::ProgByDate) = dateTimeText(when);
    record.text(StringRow::DevStatus) = kStatusProgrammed;
    record.text(StringRow::JobNumber) = job;
    record.text(StringRow::CtnNumber) = ctn;
    return db.saveDevice(job, ctn, kStatusProgrammed, HistoryAction::Programmed) == DbResult::Ok &&
                   !db.saveDeclined()
               ? 0
               : 1;
}

}  // namespace orv
