// orvctl chart: every output format, the JSON display list against the events
// orvctl simulate lists, the view options and the usage errors.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {
namespace {

class OrvctlChart : public ::testing::Test {
protected:
    ProcessResult run(std::vector<std::string> args) {
        args.insert(args.begin(), "chart");
        return runOrvctl(args, folder.path().string());
    }
    TempDir folder;
};

struct Mark {
    std::int64_t t;
    double x, h;
};

std::int64_t numberAfter(const std::string& json, const std::string& key) {
    const auto content = nlohmann::json::parse(json, nullptr, false);
    return content.is_object() && content.contains(key) ? content[key].get<std::int64_t>() : -1;
}

// The marks of the strip with that title.
std::vector<Mark> stripMarks(const std::string& json, const std::string& title) {
    std::vector<Mark> marks;
    const auto content = nlohmann::json::parse(json, nullptr, false);
    if (!content.is_object()) return marks;
    for (const auto& strip : content["strips"]) {
        if (strip["title"] != title) continue;
        for (const auto& mark : strip["marks"])
            marks.push_back(
                {mark["t"].get<std::int64_t>(), mark["x"].get<double>(), mark["h"].get<double>()});
    }
    return marks;
}

// The epochs of one channel in orvctl simulate's CSV.
std::vector<std::int64_t> simulated(const std::string& csv, const std::string& channel) {
    std::vector<std::int64_t> times;
    std::istringstream in(csv);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(channel + ",", 0) == 0) times.push_back(std::atoll(line.c_str() + channel.size() + 1));
    return times;
}

constexpr std::int64_t kMarch1 = 1772323200;  // 2026-03-01 00:00 UTC

TEST_F(OrvctlChart, DrawsEachFormatAtTheAskedSize) {
    for (const char* name : {"c.png", "c.pdf", "c.svg", "c.json"}) {
        const auto result = run({"--start", "2026-03-01", "--size", "640x360", "-o", folder.file(name)});
        ASSERT_EQ(result.status, 0) << name << result.err;
        EXPECT_EQ(result.err, "") << name;
    }
    const std::string png = folder.read("c.png");
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    const auto be32 = [&](std::size_t at) {
        return (static_cast<unsigned char>(png[at]) << 24) | (static_cast<unsigned char>(png[at + 1]) << 16) |
               (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
    };
    EXPECT_EQ(be32(16), 640);  // the IHDR's width and height
    EXPECT_EQ(be32(20), 360);
    EXPECT_EQ(folder.read("c.pdf").substr(0, 5), "%PDF-");
    const std::string svg = folder.read("c.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("GPS Fixes"), std::string::npos);
    EXPECT_EQ(numberAfter(folder.read("c.json"), "view_start"), 1772323200);
}

TEST_F(OrvctlChart, JsonMarksAreTheSimulatedEventsInsideTheView) {
    struct View {
        std::vector<std::string> options;
        std::int64_t start, span;
    };
    const std::vector<View> views = {
        {{}, kMarch1, 3024000},
        {{"--zoom", "1", "--view-start", "2027-07-04"}, 1814659200, 1209600},
        {{"--zoom", "2", "--view-start", "2026-03-03"}, kMarch1 + 2 * 86400, 172800},
    };
    const std::vector<std::string> config = {"--start", "2026-03-01", "--years",
                                             "2",       "--raw",      "XmitnsEnabled=1"};
    std::vector<std::string> simulate = {"simulate"};
    simulate.insert(simulate.end(), config.begin(), config.end());
    const auto events = runOrvctl(simulate, folder.path().string());
    ASSERT_EQ(events.status, 0) << events.err;
    for (const View& view : views) {
        std::vector<std::string> args = config;
        args.insert(args.end(), view.options.begin(), view.options.end());
        args.insert(args.end(), {"-o", folder.file("v.json")});
        const auto result = run(args);
        ASSERT_EQ(result.status, 0) << result.err;
        const std::string json = folder.read("v.json");
        EXPECT_EQ(numberAfter(json, "view_start"), view.start);
        EXPECT_EQ(numberAfter(json, "span"), view.span);
        for (const auto& [title, channel] :
             {std::pair{"GPS Fixes", "gps"}, std::pair{"Transmitter", "xmit"}}) {
            SCOPED_TRACE(title);
            std::vector<std::int64_t> expected;
            for (const std::int64_t t : simulated(events.out, channel))
                if (t >= view.start && t < view.start + view.span) expected.push_back(t);
            const std::vector<Mark> marks = stripMarks(json, title);
            ASSERT_EQ(marks.size(), expected.size());
            ASSERT_FALSE(marks.empty());
            for (std::size_t i = 0; i < marks.size(); ++i) {
                EXPECT_EQ(marks[i].t, expected[i]);
                const std::int64_t day = marks[i].t - marks[i].t % 86400;
                EXPECT_NEAR(marks[i].x, static_cast<double>(day - view.start) / view.span, 1e-12);
                EXPECT_NEAR(marks[i].h, 1 - static_cast<double>(marks[i].t % 86400) / 86400 - 0.001, 1e-12);
            }
        }
    }
}

TEST_F(OrvctlChart, AxisLabelsAndDisabledStrips) {
    const auto result = run({"--start", "2026-03-01", "--zoom", "2", "-o", folder.file("a.json")});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto json = nlohmann::json::parse(folder.read("a.json"));
    EXPECT_EQ(json["zoom"], 2);
    ASSERT_GE(json["lower_ticks"].size(), 2u);
    EXPECT_EQ(json["lower_ticks"][0], nlohmann::json::parse(R"({"t": 1772323200, "label": "0:00"})"));
    EXPECT_EQ(json["lower_ticks"][1], nlohmann::json::parse(R"({"t": 1772337600, "label": "4:00"})"));
    EXPECT_EQ(
        json["upper_labels"],
        nlohmann::json::parse(R"([{"t": 1772323200, "label": "3/1/26"}, {"t": 1772409600, "label": " 2"}])"));
    // The reset record's transmitter is off: its strip is listed, disabled and empty.
    EXPECT_EQ(json["strips"][1],
              nlohmann::json::parse(R"({"title": "Transmitter", "enabled": false, "marks": []})"));
}

TEST_F(OrvctlChart, RefusesBadOptionsWithoutWriting) {
    const std::vector<std::vector<std::string>> bad = {
        {"--start", "2026-03-01", "-o", folder.file("x.gif")},
        {"--start", "2026-03-01", "--zoom", "3", "-o", folder.file("x.png")},
        {"--start", "2026-03-01", "--size", "20x20", "-o", folder.file("x.png")},
        {"--start", "2026-03-01", "--size", "800", "-o", folder.file("x.png")},
        {"--start", "2026-03-01", "--view-start", "2026-02-30", "-o", folder.file("x.png")},
        {"--start", "2026-03-01"},
        {"-o", folder.file("x.png")},
    };
    for (const auto& args : bad) {
        const auto result = run(args);
        EXPECT_EQ(result.status, 2) << args.back();
        EXPECT_NE(result.err, "") << args.back();
    }
    EXPECT_EQ(folder.read("x.png"), "");
    const auto unwritable = run({"--start", "2026-03-01", "-o", folder.file("missing/x.png")});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("Could not write the chart"), std::string::npos);
}

}  // namespace
}  // namespace orv::test
