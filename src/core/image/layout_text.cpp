#include "image/layout_text.h"

#include "app/format_text.h"
#include "image/firmware_table.h"
#include "image/image_blocks.h"
#include "model/definitions.h"

namespace orv {

namespace {

std::string widthText(const LayoutField& row) {
    const std::size_t bytes = encodingBytes(row.encoding);
    if (row.encoding == EncodingFloat) return formatText("%zu float", bytes);
    if (row.encoding == EncodingBits) return formatText("%zu bits", bytes);
    return formatText("%zu", bytes);
}

std::string bitsText(const LayoutField& row) {
    if (row.encoding != EncodingBits) return "-";
    int high = row.shift;
    for (int mask = row.mask >> 1; mask > 0; mask >>= 1) ++high;
    return high == row.shift ? formatText("%d", row.shift) : formatText("%d-%d", row.shift, high);
}

std::string parameterText(const LayoutField& row, DefinitionTable table, int season) {
    std::string text;
    if (row.parameter >= 0) {
        const auto rows = definitionTable(table);
        text = std::string(rowName(rows[static_cast<std::size_t>(row.parameter)]));
        if (season > 0) text += formatText("[%d]", season);
    }
    if (!row.isConstant) return text;
    const std::string value = formatText("constant %g", row.constant);
    return text.empty() ? value : value + " in place of " + text;
}

void appendRow(std::string& out, std::size_t offset, const LayoutField& row, DefinitionTable table,
               int season) {
    out += formatText("0x%04zX  %-8s %-5s %s\n", offset, widthText(row).c_str(), bitsText(row).c_str(),
                      parameterText(row, table, season).c_str());
}

constexpr const char* kHeading = "offset  width    bits  parameter\n";

}  // namespace

std::optional<std::string> layoutText(std::string_view version) {
    const int row = findFirmware(version);
    if (row == kFirmwareNotSupported) return std::nullopt;
    const std::string name(firmwareTable()[static_cast<std::size_t>(row)].version);
    std::string out = formatText("configuration image of %s: %zu bytes\n", name.c_str(), imageSize(row));
    out += kHeading;
    for (const PlacedBlock& block : imageBlocks(row)) {
        walkLayout(
            block.rows, PackingRule::Configuration, block.base,
            [&](const LayoutField& f, std::size_t at) { appendRow(out, at, f, block.table, block.season); });
    }
    const int factory = findFactoryFirmware(version);
    if (factory == kFirmwareNotSupported) return out;
    out += formatText("\nfactory image of %s: %zu bytes\n", name.c_str(), factoryImageSize(factory));
    out += kHeading;
    const std::size_t notesAt = walkLayout(
        factoryLayoutFor(factory), PackingRule::Factory, 0, [&](const LayoutField& f, std::size_t at) {
            appendRow(out, at, f, isFactoryTextRow(f) ? DefinitionTable::String : DefinitionTable::General,
                      0);
        });
    const auto strings = stringDefinitions();
    out += formatText("0x%04zX  %-8zu %-5s %s\n", notesAt, kSstNotesBytes, "-",
                      std::string(rowName(strings[static_cast<std::size_t>(StringRow::SSTNotes)])).c_str());
    return out;
}

}  // namespace orv
