// orvctl --set acting on the pages' controls: the handlers of the window run,
// with the rules of every page they redisplay; refused entries store nothing.

#include <gtest/gtest.h>

#include <string>

#include "engineer_login.h"
#include "json_text.h"
#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

class OrvctlSetPages : public ::testing::Test {
protected:
    ProcessResult show(std::vector<std::string> sets) {
        // The pages' Engineer-only controls are set by an Engineer, as in the window.
        std::vector<std::string> args = engineerLogin(folder.path().string());
        args.insert(args.begin(), {"show", "--json"});
        for (const auto& s : sets) {
            args.push_back("--set");
            args.push_back(s);
        }
        return runOrvctl(args, folder.path().string());
    }
    TempDir folder;
};

TEST_F(OrvctlSetPages, TransmitterTypeChannelAndEncryptionRunTheirHandlers) {
    const auto result = show({"XmitterEnblType=Petrel", "Select Table Frequency=1", "ArgosCh=S3",
                              "XmitEncryption=1", "Time Encode Type 2=1"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(jsonValue(result.out, "XmitnsEnabled"), "1");
    EXPECT_EQ(jsonValue(result.out, "SelectFreqIndex"), "2");
    EXPECT_EQ(jsonValue(result.out, "SpecifiedPTTFreq"), "401634000");
    EXPECT_EQ(jsonValue(result.out, "TimeEncode"), "2");
    EXPECT_EQ(jsonValue(result.out, "PN Time Encode"), "1");

    const auto off = show({"XmitterEnblType=Petrel", "XmitterEnblType=0"});
    ASSERT_EQ(off.status, 0) << off.err;
    EXPECT_EQ(jsonValue(off.out, "XmitnsEnabled"), "0");
}

TEST_F(OrvctlSetPages, PatternAddressAndIdTextsStoreTheirNumbers) {
    const auto result =
        show({"VHFPattern1=101", "NetIPAddr=10.20.30.40", "PttIdCode=40000", "IDHexValue=0001C3A5"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(jsonValue(result.out, "VHF Pattern Map 1"), "2560");
    EXPECT_EQ(jsonValue(result.out, "VHF Pattern Map 1 Len"), "3");
    EXPECT_EQ(jsonValue(result.out, "VHFPattern1"), "\"101\"");
    EXPECT_EQ(jsonValue(result.out, "Network IP Address Value"), "169090600");
    EXPECT_EQ(jsonValue(result.out, "NetIPAddr"), "\"010.020.030.040\"");
    EXPECT_EQ(jsonValue(result.out, "Root ID Code"), "7");
    EXPECT_EQ(jsonValue(result.out, "Extension & Protection Code"), "165");
}

TEST_F(OrvctlSetPages, SaltWaterBoxDataModeAndDifferentialCorrection) {
    const auto result = show({"SWSEnabled=1", "DataCollMode=1", "ActivitySenseInterval=1:30",
                              "DataCollMode=None (Off)", "DiffCorrection=1"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(jsonValue(result.out, "OOWThreshold"), "6");
    EXPECT_EQ(jsonValue(result.out, "SWSEnabled"), "1");
    EXPECT_EQ(jsonValue(result.out, "ActivitySenseInterval"), "0");
    EXPECT_EQ(jsonValue(result.out, "PosVelFilter"), "0");
    EXPECT_EQ(jsonValue(result.out, "AltitudeFilter"), "0");
}

TEST_F(OrvctlSetPages, DcbDayZeroClearsThatCycleInTheNamedSeasonOnly) {
    const auto result = show({"GpsDcbDay_1[3]=0"});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string third = "\"GpsDcbDay_1\": 0";
    const auto at = result.out.find(third);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(jsonValue(result.out.substr(at), "GpsNumHours_1"), "0");
    EXPECT_EQ(jsonValue(result.out.substr(at), "GpsFixInterval_1"), "0");
    EXPECT_EQ(jsonValue(result.out, "GpsNumHours_1"), "24");  // season 1
}

TEST_F(OrvctlSetPages, RefusedEntriesFailWithTheirMessageAndStoreNothing) {
    auto result = show({"VHFPattern1=11", "VHFPattern1=1021"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("Error: '1021' in field 'VHF Pattern Map 1' is not a pulse pattern."),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("Only the characters '0' and '1' may be entered"), std::string::npos);

    result = show({"NetHoldoffEnabled=1", "NetHoldoff=0"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("The Network Holdoff Delay value cannot be '0' when enabled!"),
              std::string::npos);

    result = show({"Dimension=4D"});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("'4D' is not a choice of 'Dimension'"), std::string::npos);
}

TEST_F(OrvctlSetPages, RawStaysAPlainStore) {
    const auto result = runOrvctl({"show", "--json", "--raw", "XmitterEnblType=1"}, folder.path().string());
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(jsonValue(result.out, "XmitterEnblType"), "1");
    EXPECT_EQ(jsonValue(result.out, "XmitnsEnabled"), "0");
}

}  // namespace
}  // namespace orv::test
