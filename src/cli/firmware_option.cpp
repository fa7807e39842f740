#include "cli.h"

namespace orv::cli {

int selectFirmware(Session& session, const std::string& version) {
    session.record.text(StringRow::FenmodFwVer) = version;
    return kExitOk;
}

}  // namespace orv::cli
