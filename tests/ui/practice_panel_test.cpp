// A practice session on the panel, answered through key presses as the window passes them on.

#include "analysis/number_format.h"
#include "ui/practice_panel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

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

QTEST_MAIN(PracticePanelTest)
#include "practice_panel_test.moc"
