// The typed-number reader on hostile text: thousands of digits, fractions too small for a double,
// control characters, letters and look-alike digits, and ranges at the ends of long long.
#include "platform/typed_number.h"

#include <QTest>

#include <climits>

namespace {

const QString tenThousandDigits = QString(10000, QLatin1Char('9'));

} // namespace

class TestTypedNumber : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // What the number box and the print dialog read from each text: the leading value, the
    // 16-bit whole number (none when out of range) and the value clamped into 1..30.
    void hostileText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<QVariant>("inInt16");
        QTest::addColumn<qint64>("clamped");
        const QVariant none;
        QTest::newRow("10,000 digits") << tenThousandDigits << 1e300 << none << qint64(30);
        QTest::newRow("minus and 10,000 digits") << "-" + tenThousandDigits << -1e300 << none << qint64(1);
        QTest::newRow("10,000-digit fraction") << "0." + tenThousandDigits << 1.0 << QVariant(1) << qint64(1);
        QTest::newRow("fraction too small for a double")
            << "0." + QString(9998, QLatin1Char('0')) + "1" << 0.0 << QVariant(0) << qint64(1);
        QTest::newRow("negative fraction too small")
            << "-0." + QString(400, QLatin1Char('0')) + "7" << 0.0 << QVariant(0) << qint64(1);
        QTest::newRow("10,000 leading zeros")
            << QString(10000, QLatin1Char('0')) + "7" << 7.0 << QVariant(7) << qint64(7);
        QTest::newRow("10,000 letters, then digits")
            << QString(10000, QLatin1Char('x')) + "5" << 0.0 << QVariant(0) << qint64(1);
        QTest::newRow("just beyond 16 bits") << "32768" << 32768.0 << none << qint64(30);
        QTest::newRow("just below 16 bits") << "-32769" << -32769.0 << none << qint64(1);
        QTest::newRow("half to even at the 16-bit end") << "32767.5" << 32767.5 << none << qint64(30);
        QTest::newRow("tab, newline and blanks around") << "\t\n 12 \r" << 12.0 << QVariant(12) << qint64(12);
        QTest::newRow("control character after")
            << QString::fromUtf16(u"12\u0001") << 12.0 << QVariant(12) << qint64(12);
        QTest::newRow("control character first")
            << QString::fromUtf16(u"\u000712") << 0.0 << QVariant(0) << qint64(1);
        QTest::newRow("NUL inside") << QString::fromUtf16(u"12\u000034", 5) << 12.0 << QVariant(12)
                                    << qint64(12);
        QTest::newRow("NUL first") << QString::fromUtf16(u"\u000012", 3) << 0.0 << QVariant(0) << qint64(1);
        QTest::newRow("exponent is not read") << "1e300" << 1.0 << QVariant(1) << qint64(1);
        QTest::newRow("inf") << "inf" << 0.0 << QVariant(0) << qint64(1);
        QTest::newRow("nan") << "-nan" << 0.0 << QVariant(0) << qint64(1);
        QTest::newRow("sign alone") << "-" << 0.0 << QVariant(0) << qint64(1);
        QTest::newRow("two signs") << "--5" << 0.0 << QVariant(0) << qint64(1);
        QTest::newRow("point alone") << "." << 0.0 << QVariant(0) << qint64(1);
        QTest::newRow("sign and fraction") << "+.5" << 0.5 << QVariant(0) << qint64(1);
        QTest::newRow("comma is no decimal point") << "2,5" << 2.0 << QVariant(2) << qint64(2);
        QTest::newRow("full-width digits")
            << QString::fromUtf16(u"\uFF11\uFF12") << 0.0 << QVariant(0) << qint64(1);
        QTest::newRow("Arabic-Indic digit")
            << QString::fromUtf16(u"\u0663") << 0.0 << QVariant(0) << qint64(1);
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "4" << 0.0 << QVariant(0) << qint64(1);
    }
    void hostileText()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(QVariant, inInt16);
        QFETCH(qint64, clamped);
        QCOMPARE(typedNumber::leadingValue(text), value);
        const std::optional<long long> n = typedNumber::roundedInRange(text, SHRT_MIN, SHRT_MAX);
        QCOMPARE(n.has_value(), inInt16.isValid());
        if (n)
            QCOMPARE(*n, inInt16.toLongLong());
        QCOMPARE(typedNumber::roundedClamped(text, 1, 30), clamped);
    }

    // Ranges as wide as long long: a value a long long cannot hold is refused or clamped, never
    // converted (which would be undefined).
    void rangesOfLongLong_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("inRange");
        QTest::addColumn<qint64>("clamped");
        QTest::newRow("2^63, one past the top") << "9223372036854775808" << QVariant() << qint64(LLONG_MAX);
        // A double holds 2^63 - 1 only as 2^63.
        QTest::newRow("the top, through a double")
            << "9223372036854775807" << QVariant() << qint64(LLONG_MAX);
        QTest::newRow("the bottom, -2^63")
            << "-9223372036854775808" << QVariant(qint64(LLONG_MIN)) << qint64(LLONG_MIN);
        QTest::newRow("below the bottom") << "-9223372036854777856" << QVariant() << qint64(LLONG_MIN);
        QTest::newRow("2^53 + 1 rounds in the double")
            << "9007199254740993" << QVariant(qint64(1) << 53) << (qint64(1) << 53);
        QTest::newRow("10,000 digits") << tenThousandDigits << QVariant() << qint64(LLONG_MAX);
    }
    void rangesOfLongLong()
    {
        QFETCH(QString, text);
        QFETCH(QVariant, inRange);
        QFETCH(qint64, clamped);
        const std::optional<long long> n = typedNumber::roundedInRange(text, LLONG_MIN, LLONG_MAX);
        QCOMPARE(n.has_value(), inRange.isValid());
        if (n)
            QCOMPARE(qint64(*n), inRange.toLongLong());
        QCOMPARE(qint64(typedNumber::roundedClamped(text, LLONG_MIN, LLONG_MAX)), clamped);
    }
};

QTEST_APPLESS_MAIN(TestTypedNumber)
#include "test_typed_number.moc"
