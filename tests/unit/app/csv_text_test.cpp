#include "app/csv_text.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

std::vector<std::vector<std::string>> fieldsOf(const std::vector<CsvRow>& rows) {
    std::vector<std::vector<std::string>> fields;
    for (const CsvRow& row : rows) fields.push_back(row.fields);
    return fields;
}

TEST(CsvText, QuotedFieldsLineEndsMarkAndBlankLines) {
    const std::string text =
        "\xEF\xBB\xBFport,note\r\n"
        "/dev/a,\"one, \"\"two\"\"\r\nthree\"\r\n"
        "\r\n"
        "/dev/b,plain \"quote\"\n"
        "/dev/c,\"\"\n"
        "/dev/d";
    std::vector<CsvRow> rows;
    CsvProblem problem;
    ASSERT_TRUE(parseCsv(text, ',', rows, problem));
    EXPECT_EQ(fieldsOf(rows), (std::vector<std::vector<std::string>>{{"port", "note"},
                                                                     {"/dev/a", "one, \"two\"\r\nthree"},
                                                                     {"/dev/b", "plain \"quote\""},
                                                                     {"/dev/c", ""},
                                                                     {"/dev/d"}}));
    // Each record keeps the line it starts on, across the line end inside quotes.
    EXPECT_EQ(rows[1].line, 2);
    EXPECT_EQ(rows[2].line, 5);
    EXPECT_EQ(rows[4].line, 7);

    EXPECT_FALSE(parseCsv("a,b\nc,\"open\nd\n", ',', rows, problem));
    EXPECT_EQ(problem.line, 2);
}

TEST(CsvText, WrittenLinesReadBackWithEitherDelimiter) {
    const std::vector<std::string> fields{"a;b", "c,d", "say \"hi\"", "two\nlines", " padded", "", "plain"};
    for (const char delimiter : {',', ';'}) {
        std::vector<CsvRow> rows;
        CsvProblem problem;
        ASSERT_TRUE(
            parseCsv(csvLine(fields, delimiter) + csvLine({"x"}, delimiter), delimiter, rows, problem));
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0].fields, fields) << delimiter;
    }
}

TEST(CsvText, FormulaLookingCellsAreDisarmedButNumbersStay) {
    for (const char* formula : {"=1+1", "+A1", "-A1", "@SUM(A1)", "=HYPERLINK(\"x\")", "\t=1", "-", "-inf"})
        EXPECT_EQ(spreadsheetSafe(formula), std::string("'") + formula) << formula;
    for (const char* plain : {"-5", "+5", "-1.5e3", "12", "a=b", ""})
        EXPECT_EQ(spreadsheetSafe(plain), plain);
}

}  // namespace
}  // namespace orv
