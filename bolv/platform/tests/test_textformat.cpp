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

// Every digit of a large value, the ties of its decimal text, in both locales.
TEST(TextFormat, NumberTextIsTheShortestDecimalTextRounded) {
    const QLocale c = QLocale::c();
    struct Caso {
        double valore;
        const char* schema;
        const QLocale& locale;
        const char* atteso;
    } casi[] = {
        {600000000000, "#,##0", italiano, "600.000.000.000"},
        {582000000000, "#,###", italiano, "582.000.000.000"},
        {2000000000000, "#,##0", italiano, "2.000.000.000.000"},
        {5720645481903, "#,##0", italiano, "5.720.645.481.903"},
        {600000000000, "#,##0", c, "600,000,000,000"},
        {1e22, "#,##0", italiano, "10.000.000.000.000.000.000.000"},
        {123456789012.345, "#,##0.00", italiano, "123.456.789.012,35"},
        {123456789012.345, "#,##0.00", c, "123,456,789,012.35"},
        {-600000000000.5, "#,##0", italiano, "-600.000.000.001"},
        {0.96242012494952, "0.0000000000", italiano, "0,9624201249"},
        {2.675, "##0.00", c, "2.68"},
        {1389.25, "##0.0", italiano, "1389,3"},
        {9.995, "#0.00", italiano, "10,00"},
        {0.125, "0.00", italiano, "0,13"},
        {-0.125, "0.00", italiano, "-0,13"},
        {0.5, "#,###", italiano, "1"},
        {0.4, "#,###", italiano, ""},
        {1e-7, "0.0000000000", italiano, "0,0000001000"},
        {5e-324, "0.00", italiano, "0,00"},
    };
    for (const Caso& k : casi)
        EXPECT_EQ(formatNumber(k.valore, QString::fromUtf8(k.schema), k.locale).toStdString(),
                  k.atteso)
            << k.valore << " " << k.schema << " " << k.locale.name().toStdString();
}

TEST(TextFormat, IntegerPatternsDigitForDigit) {
    struct Caso {
        qint64 valore;
        const char* schema;
        const char* atteso;
    } casi[] = {
        {600000000000, "#,##0", "600.000.000.000"},
        {600000000000000001, "#,##0", "600.000.000.000.000.001"}, // no double holds it
        {INT64_MAX, "#,##0", "9.223.372.036.854.775.807"},
        {INT64_MIN, "#,##0", "-9.223.372.036.854.775.808"},
        {-242, "#,###", "-242"},
        {0, "#,###", ""},
        {0, "#,##0", "0"},
        {5, "00", "05"},
        {1234, "#,##0.00", "1.234,00"},
        {528000, "###,###,###", "528.000"},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(formatInteger(c.valore, QString::fromUtf8(c.schema), italiano).toStdString(),
                  c.atteso)
            << c.valore << " " << c.schema;
    EXPECT_EQ(formatInteger(1234567, QStringLiteral("#,###"), QLocale::c()), "1,234,567");
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
