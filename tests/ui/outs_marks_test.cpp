// The outs on the deck: after each answered outs question the marked cards are the rule lines' cards and the
// outlined ones the session's true outs, with the shading off; in the study view they follow the report.

#include "analysis/analyse_hand.h"
#include "analysis/number_format.h"
#include "cards/card_text.h"
#include "tests/ui/table_probe.h"
#include "ui/frm_tavolin.h"
#include "ui/practice_panel.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using namespace tavolin;
using namespace tavolin::practice;

namespace {

struct DeckMarks {
    CardMask Counted = 0;
    CardMask Outlined = 0;
};

DeckMarks marksOn(const testing::TableProbe& probe) {
    DeckMarks marks;
    for (int j = 0; j < 52; ++j) {
        const CardImage* image = probe.card(j);
        const CardMask card = readCard(image->toolTip().toStdString())->mask();
        if (image->isCounted()) marks.Counted |= card;
        if (image->isOutlined()) marks.Outlined |= card;
    }
    return marks;
}

CardMask unionOf(const std::vector<CardMask>& lines) {
    CardMask all = 0;
    for (const CardMask cards : lines)
        all |= cards;
    return all;
}

} // namespace

class OutsMarksTest : public QObject {
    Q_OBJECT
private slots:
    void practiceMarksTheRuleCardsBesideTheTrueOuts();
    void studyMarksFollowTheReportAndTheShading();
};

void OutsMarksTest::practiceMarksTheRuleCardsBesideTheTrueOuts() {
    FrmTavolin window;
    testing::showActive(window);
    const testing::TableProbe probe(window);
    window.findChild<QAction*>(QStringLiteral("actShading"))->setChecked(false);
    auto* panel = window.findChild<PracticePanel*>();
    QSignalSpy answered(panel, &PracticePanel::answered);
    SessionSettings settings;
    settings.Seed = 11;
    settings.Questions = {QuestionKind::kOuts};
    panel->startPractice(settings);
    CardMask everCounted = 0;
    for (int spot = 0; spot < 8; ++spot) {
        const PracticeSession& session = *panel->session();
        QCOMPARE(marksOn(probe).Counted | marksOn(probe).Outlined, CardMask{0}); // nothing before the answer
        QTest::keyClicks(&window, QString::fromStdString(formatShortest(session.reading().Outs, ".")));
        QTest::keyClick(&window, Qt::Key_Return);
        QCOMPARE(answered.size(), spot + 1);
        const DeckMarks marks = marksOn(probe);
        const bool river = session.current().Cards.BoardCount == 5;
        const auto& truth = session.trueOuts();
        QCOMPARE(marks.Counted, river ? 0 : unionOf(session.reading().OutsCards));
        QCOMPARE(marks.Outlined, truth && !truth->Ahead ? truth->Cards : 0);
        const QString explanation =
            window.findChild<QPlainTextEdit*>(QStringLiteral("practiceExplanation"))->toPlainText();
        QCOMPARE(explanation.contains(QStringLiteral("on the deck")), !river);
        everCounted |= marks.Counted;
        QTest::keyClick(&window, Qt::Key_Return); // the next spot
    }
    QVERIFY(everCounted != 0);
}

void OutsMarksTest::studyMarksFollowTheReportAndTheShading() {
    FrmTavolin window;
    testing::showActive(window);
    const testing::TableProbe probe(window);
    auto* shading = window.findChild<QAction*>(QStringLiteral("actShading"));
    shading->setChecked(true);
    QVERIFY(window.pasteHand(QStringLiteral("9h 8h 7c 6d 2s")));
    HandInput input;
    input.Hole = "9h 8h";
    input.Board = "7c 6d 2s";
    const AnalysisResult result = analyse(input);
    QCOMPARE(marksOn(probe).Counted, unionOf(result.OutsCards));
    QVERIFY(marksOn(probe).Outlined != 0);
    QVERIFY(probe.card(QStringLiteral("Ts"))->isCounted() && probe.card(QStringLiteral("5d"))->isCounted());
    shading->setChecked(false);
    QCOMPARE(marksOn(probe).Counted | marksOn(probe).Outlined, CardMask{0});
    shading->setChecked(true);
    QVERIFY(window.pasteHand(QStringLiteral("9h 8h 7c 6d 2s Kd")));
    QVERIFY(marksOn(probe).Counted != 0);
    QVERIFY(window.pasteHand(QStringLiteral("9h 8h 7c 6d 2s Kd 3c")));
    QCOMPARE(marksOn(probe).Counted | marksOn(probe).Outlined, CardMask{0}); // nothing on the river
}

QTEST_MAIN(OutsMarksTest)
#include "outs_marks_test.moc"
