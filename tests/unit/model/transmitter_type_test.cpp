// The transmitter enable type: what each stored value names, exactly and cut
// to a whole number, and which types are ARGOS and which transmit.

#include "model/transmitter_type.h"

#include <gtest/gtest.h>

#include <limits>

namespace orv {
namespace {

using T = TransmitterType;

ParameterRecord withType(double stored) {
    ParameterRecord record;
    record.general(GeneralRow::XmitterEnblType) = stored;
    return record;
}

TEST(TransmitterType, ExactlyTheFourListValuesNameAType) {
    struct Case {
        double stored;
        T exact;
        T whole;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double huge = 1e12;
    for (const Case& c :
         {Case{0, T::None, T::None}, Case{1, T::Petrel, T::Petrel},
          Case{2, T::PetrelWithPowerSelect, T::PetrelWithPowerSelect},
          Case{3, T::SpreadSpectrum, T::SpreadSpectrum}, Case{-0.0, T::None, T::None},
          Case{0.5, T::Other, T::None}, Case{-0.5, T::Other, T::None}, Case{1.5, T::Other, T::Petrel},
          Case{2.5, T::Other, T::PetrelWithPowerSelect}, Case{3.9, T::Other, T::SpreadSpectrum},
          Case{4, T::Other, T::Other}, Case{7, T::Other, T::Other}, Case{-1, T::Other, T::Other},
          Case{huge, T::Other, T::Other}, Case{-huge, T::Other, T::Other}, Case{nan, T::Other, T::None},
          Case{std::numeric_limits<double>::infinity(), T::Other, T::Other}}) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(transmitterType(c.stored), c.exact);
        EXPECT_EQ(transmitterType(withType(c.stored)), c.exact);
        EXPECT_EQ(wholeTransmitterType(withType(c.stored)), c.whole);
    }
}

TEST(TransmitterType, OnlyThePetrelsAreArgosAndOnlyNoneIsSilent) {
    for (const T type : {T::None, T::Petrel, T::PetrelWithPowerSelect, T::SpreadSpectrum, T::Other}) {
        SCOPED_TRACE(static_cast<int>(type));
        EXPECT_EQ(isArgos(type), type == T::Petrel || type == T::PetrelWithPowerSelect);
        EXPECT_EQ(transmits(type), type != T::None);
    }
}

}  // namespace
}  // namespace orv
