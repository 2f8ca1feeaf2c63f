// Numbers typed into the puzzle number box and the print dialog: one row per guard of the reader.
#include "platform/typed_number.h"

#include <QTest>

#include <climits>

class TestTypedNumber : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("in1to30");
        QTest::addColumn<qint64>("inLongLong");
        const QString many(400, QLatin1Char('9'));
        QTest::newRow("blanks around, junk after") << " \t-12x7 " << -12.0 << qint64(1) << qint64(-12);
        QTest::newRow("sign and fraction only") << "+.5" << 0.5 << qint64(1) << qint64(0);
        QTest::newRow("half to even, down") << "2.5" << 2.5 << qint64(2) << qint64(2);
        QTest::newRow("half to even, up") << "3.5" << 3.5 << qint64(4) << qint64(4);
        QTest::newRow("every fraction digit") << "2.59" << 2.59 << qint64(3) << qint64(3);
        QTest::newRow("too long saturates") << many << 1e300 << qint64(30) << qint64(LLONG_MAX);
        QTest::newRow("too long, negative") << "-" + many << -1e300 << qint64(1) << qint64(LLONG_MIN);
        QTest::newRow("2^63 is past the largest whole number")
            << "9223372036854775808" << 9223372036854775808.0 << qint64(30) << qint64(LLONG_MAX);
        QTest::newRow("fraction too small is 0")
            << "0." + QString(400, QLatin1Char('0')) + "1" << 0.0 << qint64(1) << qint64(0);
        QTest::newRow("exponent not read") << "1e9" << 1.0 << qint64(1) << qint64(1);
        QTest::newRow("junk first") << "x5" << 0.0 << qint64(1) << qint64(0);
        QTest::newRow("other digits than ASCII")
            << QString::fromUtf16(u"\uFF17") << 0.0 << qint64(1) << qint64(0);
    }
    void typedText()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(platform::leadingValue(text), value);
        QTEST(platform::roundedClamped(text, 1, 30), "in1to30");
        QTEST(platform::roundedClamped(text, LLONG_MIN, LLONG_MAX), "inLongLong");
    }
};

QTEST_GUILESS_MAIN(TestTypedNumber)
#include "test_typed_number.moc"
