// The report's numbers follow the decimal separator of the player's regional settings; this program runs
// under a German locale, where it is a comma.

#include "tests/ui/table_probe.h"

#include <QLocale>
#include <QTest>

using namespace tavolin;
using tavolin::testing::TableProbe;

class LocaleTest : public QObject {
    Q_OBJECT

private slots:
    void reportUsesTheSystemDecimalSeparator() {
        QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
        FrmTavolin window;
        window.show();
        TableProbe probe(window);
        probe.pick(QStringLiteral("Ah Kh Qh 7h 2c"));
        probe.typeAmount(0, QStringLiteral("100"));
        probe.typeAmount(2, QStringLiteral("50"));
        probe.typeAmount(3, QStringLiteral("500"));
        const std::string report = probe.report()->report();
        QCOMPARE(report, probe.expectedReport());
        // Amounts are typed with "." whatever the settings; the ratios come out with ",".
        QVERIFY(report.find("SPR: 5,00") != std::string::npos);
        QVERIFY(report.find("PME(+1Card): 25,0%") != std::string::npos);
        probe.typeAmount(3, QStringLiteral("525.0"));
        QVERIFY(probe.report()->report().find("SPR: 5,25") != std::string::npos);
    }
};

QTEST_MAIN(LocaleTest)
#include "locale_test.moc"
