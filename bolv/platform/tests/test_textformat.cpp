// Number and date text in the Italian locale, and the fixed-pitch column layout.
#include "data.h"
#include "textcolumns.h"
#include "textformat.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

const QLocale italiano(QLocale::Italian, QLocale::Italy);

TEST(TextFormat, PlainTextHasLeadingBlankUnlessNegative) {
    EXPECT_EQ(plainText(12), QStringLiteral(" 12"));
    EXPECT_EQ(plainText(0), QStringLiteral(" 0"));
    EXPECT_EQ(plainText(-3), QStringLiteral("-3"));
}

TEST(TextFormat, LeadingValueReadsTheNumberATextBeginsWith) {
    struct Caso {
        const char* testo;
        double valore;
    } casi[] = {{"  12abc", 12}, {"abc", 0}, {"", 0}, {" 3.5", 3.5}, {"-7 x", -7}, {" 95", 95}};
    for (const Caso& c : casi)
        EXPECT_DOUBLE_EQ(leadingValue(QString::fromUtf8(c.testo)), c.valore) << c.testo;
}

TEST(TextFormat, NumberPatternsInItalian) {
    struct Caso {
        double valore;
        const char* schema;
        const char* atteso;
    } casi[] = {
        {5, "00", "05"},
        {123, "00", "123"},
        {0, "00", "00"},
        {7, "#0", "7"},
        {0, "#0", "0"},
        {1234567, "#,###", "1.234.567"},
        {0, "#,###", ""},
        {528000, "###,###,###", "528.000"},
        {999, "###,###,###", "999"},
        {0, "#,##0", "0"},
        {12345, "#,##0", "12.345"},
        {3.14159, "##0.00", "3,14"},
        {0.5, "##0.00", "0,50"},
        {2.675, "##0.00", "2,68"}, // half away from zero, not the binary value
        {1234.5, "#,##0.00", "1.234,50"},
        {-1234.5, "#,##0.00", "-1.234,50"},
        {99.95, "##0.0", "100,0"},
        {2.5, "#0", "3"},
        {-2.5, "#0", "-3"},
        {-0.001, "##0.00", "0,00"}, // rounds to zero: no sign
    };
    for (const Caso& c : casi)
        EXPECT_EQ(formatNumber(c.valore, QString::fromUtf8(c.schema), italiano),
                  QString::fromUtf8(c.atteso))
            << c.valore << " " << c.schema;
}

TEST(TextFormat, TextThatIsANumberIsFormattedOtherTextKept) {
    EXPECT_EQ(formatText(QStringLiteral(" 7"), QStringLiteral("00"), italiano), "07");
    EXPECT_EQ(formatText(QStringLiteral("Bari"), QStringLiteral("00"), italiano), "Bari");
}

TEST(TextFormat, DatePatternsInItalian) {
    const bolv::Data d{2023, 12, 30}; // a Saturday
    EXPECT_EQ(formatDate(d, QStringLiteral("dd.mm.yyyy"), italiano), "30.12.2023");
    EXPECT_EQ(formatDate(d, QStringLiteral("dd.mm.yy"), italiano), "30.12.23");
    EXPECT_EQ(formatDate(d, QStringLiteral("ddd dd.mm.yyyy"), italiano), "sab 30.12.2023");
    EXPECT_EQ(formatDate({1939, 1, 7}, QStringLiteral("dd.mm.yyyy"), italiano), "07.01.1939");
    EXPECT_EQ(formatDate({2001, 3, 4}, QStringLiteral("dd.mm.yy"), italiano), "04.03.01");
}

TEST(TextColumns, TabPadsOrContinuesOnTheNextLine) {
    TextColumns t;
    t.tab(0); // below 1 means column 1
    t.write(QStringLiteral("ab"));
    t.tab(5);
    t.write(QStringLiteral("cdefgh")); // reaches column 10
    t.tab(10);                         // already used: next line
    t.write(QStringLiteral("x"));
    t.tab(11); // the column right after the text: nothing to pad
    t.write(QStringLiteral("y"));
    t.newLine();
    EXPECT_EQ(t.lines(),
              QStringList({QStringLiteral("ab  cdefgh"), QStringLiteral("         xy")}));
}

} // namespace
} // namespace platform
