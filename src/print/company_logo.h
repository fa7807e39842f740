#pragma once

#include <QImage>

namespace orv {

// The company logo of the printed reports (213 x 93 pixels): the collar mark
// and the company's name. A QImage, so the report thread may draw it.
QImage companyLogo();

// The picture of the beep pattern "1100" for the report's note: two beeps, two pauses.
QImage beepPatternPicture(int height);

}  // namespace orv
