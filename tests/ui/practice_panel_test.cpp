// A practice session on the panel, answered through key presses as the window passes them on.

#include "analysis/number_format.h"
#include "equity/exact_equity.h"
#include "ranges/profiles.h"
#include "ui/practice_panel.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using namespace tavolin;
using namespace tavolin::practice;

namespace {

// Stands in for the window: while practising, every key goes to the panel first.
class Host : public QWidget {
public:
    PracticePanel Panel{this};

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!Panel.isPractising() || !Panel.handleKey(event)) QWidget::keyPressEvent(event);
    }
};

QString scoreText(const PracticePanel& panel) {
    return panel.findChild<QLabel*>(QStringLiteral("practiceScore"))->text();
}

} // namespace

class PracticePanelTest : public QObject {
    Q_OBJECT
private slots:
    void answersThroughKeysAndScores();
    void closeDecisionsOnlyIsKeptAndDealsCloseSpots();
};

void PracticePanelTest::answersThroughKeysAndScores() {
    Host host;
    host.show();
    PracticePanel& panel = host.Panel;
    QSignalSpy dealt(&panel, &PracticePanel::spotDealt);
    QSignalSpy answered(&panel, &PracticePanel::answered);
    QSignalSpy ended(&panel, &PracticePanel::practiceEnded);
    SessionSettings settings;
    settings.Seed = 9;
    settings.Questions = {QuestionKind::kTier, QuestionKind::kOuts};
    settings.Filter.OnStreet = Street::kTurn;
    panel.startPractice(settings);
    QVERIFY(panel.isPractising());
    QCOMPARE(dealt.size(), 1);
    const Spot first = panel.session()->current().Cards;
    QCOMPARE(dealt[0][0].toString(), QString::fromStdString(holeText(first)));
    QCOMPARE(dealt[0][1].toString(), QString::fromStdString(boardText(first)));
    QCOMPARE(dealt[0][4].toString(), QString::number(first.VillainBet));

    // Right: the tier's key, then the outs typed and confirmed.
    const SpotReading& reading = panel.session()->reading();
    QTest::keyClick(&host, tierKey(*tierOfLabel(reading.StrengthLabel)));
    QCOMPARE(answered.size(), 0);
    QTest::keyClicks(&host, QString::fromStdString(formatShortest(reading.Outs, ".")));
    QTest::keyClick(&host, Qt::Key_Return);
    QCOMPARE(answered.size(), 1);
    QVERIFY2(scoreText(panel).startsWith(QStringLiteral("Strength 1/1, Outs 1/1; streak 2")),
             qPrintable(scoreText(panel)));

    // Wrong: another tier and one out too many.
    QTest::keyClick(&host, Qt::Key_Return);
    QCOMPARE(dealt.size(), 2);
    const Spot second = panel.session()->current().Cards;
    const Tier truth = *tierOfLabel(panel.session()->reading().StrengthLabel);
    QTest::keyClick(&host, tierKey(truth == Tier::kWeak ? Tier::kStrong : Tier::kWeak));
    QTest::keyClicks(&host, QString::fromStdString(formatShortest(panel.session()->reading().Outs + 1, ".")));
    QTest::keyClick(&host, Qt::Key_Enter);
    QCOMPARE(answered.size(), 2);
    QVERIFY2(
        scoreText(panel).startsWith(QStringLiteral("Strength 1/2, Outs 1/2; streak 0 (best 2); missed 1")),
        qPrintable(scoreText(panel)));

    // r brings the missed spot back; Escape leaves practice.
    QTest::keyClick(&host, Qt::Key_R);
    QCOMPARE(dealt.size(), 3);
    QCOMPARE(panel.session()->current().Cards, second);
    QTest::keyClick(&host, Qt::Key_Escape);
    QCOMPARE(ended.size(), 1);
    QVERIFY(!panel.isPractising());
}

// The check box comes back from the settings, and every spot dealt with it on is a call within 5 points of
// its price against the range that bets, worked out here from the equity library.
void PracticePanelTest::closeDecisionsOnlyIsKeptAndDealsCloseSpots() {
    QTemporaryDir folder;
    QSettings stored(folder.filePath(QStringLiteral("tavolin.conf")), QSettings::IniFormat);
    {
        PracticePanel chosen;
        chosen.findChild<QCheckBox*>(QStringLiteral("chkCloseOnly"))->setChecked(true);
        chosen.saveSettings(stored);
    }
    stored.setValue(QStringLiteral("practice/questions"), QStringLiteral("0,0,0,1"));
    Host host;
    host.show();
    PracticePanel& panel = host.Panel;
    panel.readSettings(stored);
    QVERIFY(panel.findChild<QCheckBox*>(QStringLiteral("chkCloseOnly"))->isChecked());

    panel.startPractice();
    for (int i = 0; i < 8; ++i) {
        const Spot spot = panel.session()->current().Cards;
        const equity::BettingRange betting =
            equity::bettingRange(holeMask(spot), boardMask(spot), ranges::profileRange(spot.PreflopProfile),
                                 spot.Pot, spot.VillainBet);
        const double gap = equity::exactEquity(holeMask(spot), boardMask(spot), betting.Weights).Equity -
                           static_cast<double>(spot.VillainBet) / (spot.Pot + 2.0 * spot.VillainBet);
        QVERIFY2(std::fabs(gap) <= 0.05 + 1e-9, qPrintable(QString::fromStdString(describeSpot(spot))));
        QTest::keyClick(&host, Qt::Key_C);
        QVERIFY(panel.session()->revealed());
        QTest::keyClick(&host, Qt::Key_Return);
    }
}

QTEST_MAIN(PracticePanelTest)
#include "practice_panel_test.moc"
