#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "app/message_log.h"
#include "files/ppf_file.h"
#include "files/ppf_layout.h"
#include "image/firmware_selection.h"
#include "image/firmware_table.h"
#include "model/record.h"
#include "scripted_presenter.h"
#include "stored_values.h"
#include "temp_dir.h"

namespace orv {
namespace {

namespace G = GeneralRow;

ParameterRecord recordFor(const char* version) {
    ParameterRecord record;
    resetRecord(record);
    record.text(StringRow::FenmodFwVer) = version;
    return record;
}

struct PpfTest : ::testing::Test {
    test::TempDir dir;
    test::ScriptedPresenter presenter;
    MessageLog log{&presenter};

    ImageResult exportFile(ParameterRecord& record, const std::string& path) {
        RecordFirmwareSelection selection(record);
        return exportPpf(record, path, selection, log);
    }
    // Imports with the combo box at the record's version, then decodes as the window does.
    ImageResult importFile(ParameterRecord& record, const std::string& path) {
        RecordFirmwareSelection selection(record);
        PpfImages images;
        const ImageResult rc = importPpf(record, path, selection, log, images);
        return rc != ImageResult::Ok ? rc : decodePpfImages(record, images, log);
    }
};

std::string fieldText(const std::string& file, std::size_t at, std::size_t width) {
    return file.substr(at, width).c_str();
}

TEST_F(PpfTest, FileLayoutOfAnN4Export) {
    ParameterRecord record = recordFor("N4 040816");
    record.text(StringRow::RtcPicFwVer) = "N4 010203 04";
    record.text(StringRow::NavProcFwVer) = "01.07 11/28/2002";
    record.text(StringRow::SigProcFwVer) = "a text longer than its twenty bytes";
    record.text(StringRow::MiscDevFwVer) = "MX 050607 08";
    record.text(StringRow::CtnNumber) = "123456789012";
    record.general(G::PttIdCode) = 4321.9;
    record.text(StringRow::SSTNotes) = "notes";
    const std::string path = dir.file("out.ppf");
    ASSERT_EQ(exportFile(record, path), ImageResult::Ok);
    EXPECT_EQ(presenter.last().text, "Configuration Successfully exported!");

    const std::string file = dir.read(path);
    ASSERT_EQ(file.size(), 1176u);
    EXPECT_EQ(file.substr(0, 16), std::string("Orv .ppf Export\0", 16));
    EXPECT_EQ(fieldText(file, 16, 12), "3.07.0004");
    EXPECT_EQ(fieldText(file, 28, 20), "N4 040816");
    EXPECT_EQ(fieldText(file, 48, 20), "N4 010203 04");
    EXPECT_EQ(fieldText(file, 68, 20), "01.07 11/28/2002");
    EXPECT_EQ(file.substr(88, 20), "a text longer than i");
    EXPECT_EQ(fieldText(file, 108, 20), "MX 050607 08");
    EXPECT_EQ(file.substr(128, 10), "1234567890");
    EXPECT_EQ(fieldText(file, 138, 10), "4321");
    EXPECT_EQ(fieldText(file, 148, 20), "Scheduler 1");
    EXPECT_EQ(fieldText(file, 168, 8), "240");

    MemoryImage image;
    ASSERT_EQ(buildImage(record, image), ImageResult::Ok);
    EXPECT_EQ(file.substr(176, 744), std::string(image.begin(), image.end()));
    FactoryImage factory;
    ASSERT_EQ(buildFactoryImage(record, factory), ImageResult::Ok);
    EXPECT_EQ(file.substr(920, 223), std::string(factory.begin(), factory.end()));
    EXPECT_EQ(file.substr(1143), std::string(33, '\0'));
}

TEST_F(PpfTest, FileSizesByFamily) {
    const std::pair<const char*, std::size_t> cases[] = {
        {"N1 010803", 817}, {"N3 020604", 918}, {"N6 020513", 918}, {"DS 040325", 1172}, {"N4 031114", 1176}};
    for (const auto& [version, size] : cases) {
        ParameterRecord record = recordFor(version);
        std::string bytes;
        ASSERT_EQ(ppfFileBytes(record, false, bytes), ImageResult::Ok) << version;
        EXPECT_EQ(bytes.size(), size) << version;
    }
}

TEST_F(PpfTest, EveryExportableFirmwareRoundTripsThroughAFile) {
    int exported = 0;
    for (int row = 0; row < kFirmwareCount; ++row) {
        const char* version = firmwareTable()[static_cast<std::size_t>(row)].version;
        SCOPED_TRACE(version);
        ParameterRecord written = recordFor(version);
        const auto values = test::distinctStoredValues(row, test::WithFactory::Yes);
        test::applyStoredValues(written, values);
        written.text(StringRow::SSTNotes) = "notes";
        written.text(StringRow::RtcPicFwVer) = "RT 123456 78";
        const std::string path = dir.file("round.ppf");
        const ImageResult rc = exportFile(written, path);
        const bool noFactoryLayout = familyHasFactoryImage(version) && findFactoryFirmware(version) < 0;
        if (noFactoryLayout) {
            EXPECT_EQ(rc, ImageResult::UnsupportedFirmware);
            continue;
        }
        ASSERT_EQ(rc, ImageResult::Ok);
        ++exported;

        // Read back while the combo box shows another firmware.
        ParameterRecord read = recordFor(row == 9 ? "N4 040816" : "N3 020702");
        ASSERT_EQ(importFile(read, path), ImageResult::Ok);
        EXPECT_EQ(read.text(StringRow::FenmodFwVer), version);
        EXPECT_EQ(read.text(StringRow::RtcPicFwVer), "RT 123456 78");
        for (const auto& v : values) {
            if (v.table == DefinitionTable::String) {
                EXPECT_EQ(read.text(v.row), v.text);
            } else {
                const double got =
                    v.table == DefinitionTable::Season ? read.season(v.season, v.row) : read.general(v.row);
                EXPECT_NEAR(got, v.value, kCheckTolerance)
                    << definitionTable(v.table)[static_cast<std::size_t>(v.row)].label;
            }
        }
        EXPECT_EQ(read.text(StringRow::SSTNotes), familyHasFactoryImage(version) ? "notes" : "");
    }
    EXPECT_EQ(exported, 16);
}

TEST_F(PpfTest, ImportSwitchesTheFirmwareSelectionWithItsNotice) {
    ParameterRecord written = recordFor("N4 040816");
    written.text(StringRow::FactSysCTN) = "ABCDEF";
    written.text(StringRow::SSTNotes) = "deployed 2024";
    written.general(G::FixTimeout) = 123;
    const std::string path = dir.file("n4.ppf");
    ASSERT_EQ(exportFile(written, path), ImageResult::Ok);
    presenter.clear();

    ParameterRecord read = recordFor("N3 020702");
    RecordFirmwareSelection selection(read);
    PpfImages images;
    ASSERT_EQ(importPpf(read, path, selection, log, images), ImageResult::Ok);
    EXPECT_EQ(selection.selectedRow(), 14);
    ASSERT_EQ(presenter.count(), 1u);
    EXPECT_EQ(presenter.last().text,
              "The selected firmware version in the 'Firmware' combo box\nis being changed to match the "
              "connected GPS "
              "system device.");
    ASSERT_EQ(decodePpfImages(read, images, log), ImageResult::Ok);
    EXPECT_EQ(read.general(G::FixTimeout), 123);
    EXPECT_EQ(read.text(StringRow::FactSysCTN), "ABCDEF");
    EXPECT_EQ(read.text(StringRow::SSTNotes), "deployed 2024");
}

TEST_F(PpfTest, AForeignOrShortFileLoadsNothingOrZeros) {
    ParameterRecord record = recordFor("N3 020702");
    record.general(G::FixTimeout) = 55;
    const ParameterRecord before = record;
    EXPECT_EQ(importFile(record, dir.write("foreign.ppf",
                                           std::string("Other .ppf File\0", 16) + std::string(1000, 'x'))),
              ImageResult::NotPpfFile);
    EXPECT_EQ(importFile(record, dir.write("empty.ppf", "")), ImageResult::NotPpfFile);
    EXPECT_EQ(record.generalValues, before.generalValues);
    EXPECT_EQ(record.stringValues, before.stringValues);
    EXPECT_EQ(presenter.count(), 0u);

    // A header and a version, nothing else: refused with both lengths, nothing loaded.
    std::string shortFile(std::string("Orv .ppf Export\0", 16) + std::string(12, '\0') + "N3 020702");
    EXPECT_EQ(importFile(record, dir.write("short.ppf", shortFile)), ImageResult::FileFailed);
    EXPECT_EQ(presenter.last().text,
              "The file has 37 bytes, but a .ppf file of firmware 'N3 020702' has 918 bytes.\nThe "
              "configuration file was NOT read!");
    EXPECT_EQ(record.general(G::FixTimeout), 55);
    EXPECT_EQ(record.stringValues, before.stringValues) << "not even the version texts change";

    // An unsupported version ends the import before anything is loaded.
    shortFile.replace(28, 9, "N9 020702");
    EXPECT_EQ(importFile(record, dir.write("n9.ppf", shortFile)), ImageResult::UnsupportedFirmware);
    EXPECT_EQ(presenter.last().text,
              "The GPS system firmware version ('N9') is not supported.\nThe target memory was NOT read "
              "correctly.\n\nContact Halvorn support to get a Orv upgrade.\n");
}

// Every length but the layout's own is refused: a file cut anywhere, or run on.
TEST_F(PpfTest, AFileOfAnotherLengthThanItsLayoutIsRefused) {
    for (const char* version : {"N1 010803", "N3 020702", "N4 040628", "DS 030929"}) {
        ParameterRecord record = recordFor(version);
        record.general(G::FixTimeout) = 77;
        std::string bytes;
        ASSERT_EQ(ppfFileBytes(record, false, bytes), ImageResult::Ok);
        EXPECT_EQ(bytes.size(), ppfFileLength(version));
        for (const std::size_t length : {std::size_t{100}, ppf::kImageAt + 1, bytes.size() - 1,
                                         bytes.size() + 1, bytes.size() + 100000}) {
            std::string cut = bytes;
            cut.resize(length, 'z');
            ParameterRecord read = recordFor(version);
            EXPECT_EQ(importFile(read, dir.write("cut.ppf", cut)), ImageResult::FileFailed)
                << version << " " << length;
            EXPECT_NE(presenter.last().text.find("The file has " + std::to_string(length) + " bytes"),
                      std::string::npos);
            EXPECT_EQ(read.general(G::FixTimeout), recordFor(version).general(G::FixTimeout));
        }
        ParameterRecord read = recordFor(version);
        EXPECT_EQ(importFile(read, dir.write("whole.ppf", bytes)), ImageResult::Ok) << version;
        EXPECT_EQ(read.general(G::FixTimeout), 77);
    }
}

TEST_F(PpfTest, ANaNOrInfiniteValueRefusesTheFile) {
    for (const double bad : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        ParameterRecord record = recordFor("N4 040816");
        record.general(G::ElevAngle) = bad;  // a single-precision field of the image
        std::string bytes;
        ASSERT_EQ(ppfFileBytes(record, false, bytes), ImageResult::Ok);
        ParameterRecord read = recordFor("N4 040816");
        read.general(G::FixTimeout) = 66;
        EXPECT_EQ(importFile(read, dir.write("nan.ppf", bytes)), ImageResult::FileFailed);
        EXPECT_EQ(
            presenter.last().text,
            "The file holds no number for 'Elev. Mask Angle (deg)'.\nThe configuration file was NOT read!");
        EXPECT_EQ(read.general(G::FixTimeout), 66) << "nothing was loaded";
    }
}

TEST_F(PpfTest, AMissingFileIsReported) {
    ParameterRecord read = recordFor("N4 040628");
    EXPECT_EQ(importFile(read, dir.file("missing.ppf")), ImageResult::FileFailed);
    EXPECT_EQ(presenter.last().text, "Could not open '" + dir.file("missing.ppf") +
                                         "' for reading. \nThe configuration file was NOT read!");
}

TEST_F(PpfTest, ExportWithoutAFactoryLayoutFailsWithTheNotSupportedMessage) {
    for (const char* version : {"N4 050922", "DS 050505"}) {
        ParameterRecord record = recordFor(version);
        EXPECT_EQ(exportFile(record, dir.file("x.ppf")), ImageResult::UnsupportedFirmware);
        EXPECT_EQ(presenter.last().kind, BoxKind::Error);
        EXPECT_EQ(
            presenter.last().text,
            "The GPS system firmware version ('" + std::string(version, 2) +
                "') is not supported.\nThe target memory was NOT programmed correctly.\n\nContact Halvorn "
                "support to get a Orv upgrade.\n");
    }
    EXPECT_TRUE(dir.entries().empty());
}

TEST_F(PpfTest, ExportAsksBeforeChangingTheSelection) {
    ParameterRecord record = recordFor("N4 040816");
    RecordFirmwareSelection selection(record);
    selection.selectRow(9);                             // the combo box shows N3 020702 ...
    record.text(StringRow::FenmodFwVer) = "N4 040816";  // ... the record another version
    presenter.answer(kAnswerNo);
    EXPECT_EQ(exportPpf(record, dir.file("x.ppf"), selection, log), ImageResult::SelectionDeclined);
    EXPECT_EQ(presenter.last().text,
              "The firmware version selected in the 'Firmware' combo box\ndoes not match that read from the "
              "GPS device "
              "('N4').\nThe target memory was NOT programmed correctly.\n");
    EXPECT_TRUE(dir.entries().empty());
}

TEST_F(PpfTest, AFailedWriteKeepsTheEarlierFileAndLeavesNoTemporaryFile) {
    ParameterRecord record = recordFor("N3 020702");
    // The target is a folder, so the finished temporary file cannot be renamed onto it.
    const std::string target = dir.file("taken.ppf");
    std::filesystem::create_directory(target);
    EXPECT_EQ(exportFile(record, target), ImageResult::FileFailed);
    EXPECT_EQ(presenter.last().text,
              "Could not open '" + target + "' for writing. \nThe export file was NOT created!");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"taken.ppf"});
    EXPECT_EQ(exportFile(record, dir.file("no/such/folder.ppf")), ImageResult::FileFailed);

    // A successful export replaces an earlier file whole.
    const std::string path = dir.write("old.ppf", std::string(5000, 'o'));
    ASSERT_EQ(exportFile(record, path), ImageResult::Ok);
    EXPECT_EQ(dir.read(path).size(), 918u);
}

}  // namespace
}  // namespace orv
