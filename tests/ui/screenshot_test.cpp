// The program draws its own screenshot offscreen: the deck, the slot row and the report are really painted.

#include "tests/ui/table_probe.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tavolin;
using tavolin::testing::TableProbe;

namespace {

bool isRed(QRgb pixel) {
    return qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}
bool isDark(QRgb pixel) {
    return qRed(pixel) < 80 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}
bool isLight(QRgb pixel) {
    return qRed(pixel) > 230 && qGreen(pixel) > 230 && qBlue(pixel) > 230;
}

int countPixels(const QImage& image, const QRect& area, bool (*test)(QRgb)) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

// A card face: mostly light, with ink in the card's colour.
void verifyCardFace(const QImage& image, const QRect& area, bool red) {
    QVERIFY(countPixels(image, area, isLight) > area.width() * area.height() / 2);
    QVERIFY(countPixels(image, area, red ? isRed : isDark) > area.width() * area.height() / 20);
    QCOMPARE(countPixels(image, area, red ? isDark : isRed), 0);
}

void verifyPainted(const QImage& shot, const TableProbe& probe) {
    const auto area = [](const QWidget* widget) { return widget->geometry(); };
    // Red and black suits, in the deck and on the slot row.
    verifyCardFace(shot, area(probe.card(QStringLiteral("Kh"))), true);
    verifyCardFace(shot, area(probe.card(QStringLiteral("Ks"))), false);
    verifyCardFace(shot, area(probe.card(QStringLiteral("Ad"))), true);
    verifyCardFace(shot, area(probe.card(QStringLiteral("4c"))), false);
    QCOMPARE(probe.card(QStringLiteral("Ad"))->geometry(), probe.slot(0)->geometry());
    // Free slots are not card faces.
    const QRect river = area(probe.slot(6));
    QVERIFY(countPixels(shot, river, isLight) < river.width() * river.height() / 4);
    // The report box carries text: light ground with dark glyphs.
    const QRect report = area(probe.report()).adjusted(4, 4, -4, -4);
    const QRect firstLines(report.topLeft(), QSize(report.width(), report.height() / 4));
    QVERIFY(countPixels(shot, firstLines, isLight) > firstLines.width() * firstLines.height() / 2);
    QVERIFY(countPixels(shot, firstLines, isDark) > 200);
}

} // namespace

class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void programWritesItsScreenshot() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("tavolin.png"));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TAVOLIN_PROGRAM),
                      {QStringLiteral("--screenshot"), file, QStringLiteral("--cards"),
                       QStringLiteral("Ad 7d 3s 4c 5h"), QStringLiteral("--amounts"),
                       QStringLiteral("100 0 50 500")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        const QImage shot(file);
        QVERIFY(!shot.isNull());

        // The same window drawn here tells where to look in the program's picture.
        FrmTavolin window;
        window.resize(window.sizeHint());
        TableProbe probe(window);
        probe.pick(QStringLiteral("Ad 7d 3s 4c 5h"));
        QCOMPARE(shot.size(), window.size());
        verifyPainted(shot, probe);
    }

    void programRefusesAnUnknownCard() {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TAVOLIN_PROGRAM),
                      {QStringLiteral("--screenshot"), QStringLiteral("/dev/null"), QStringLiteral("--cards"),
                       QStringLiteral("Zz")});
        QVERIFY(program.waitForFinished(60000));
        QVERIFY(program.exitCode() != 0);
    }
};

QTEST_MAIN(ScreenshotTest)
#include "screenshot_test.moc"
