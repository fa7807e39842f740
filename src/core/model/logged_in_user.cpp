#include "model/logged_in_user.h"

#include "model/record.h"

namespace orv {

void recordLogin(ParameterRecord& record, const LoggedInUser& user) {
    record.text(StringRow::UserName) = user.name;
    record.text(StringRow::UserAccessLevel) = user.level;
}

}  // namespace orv
