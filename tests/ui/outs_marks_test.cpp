// The outs on the deck: after an answered outs question the tabs are the rule lines' cards and the outlines
// the session's true outs, with the shading off; a river has none.

#include "analysis/number_format.h"
#include "tests/ui/table_probe.h"
#include "ui/practice_panel.h"

#include <QAction>
#include <QPlainTextEdit>
#include <numeric>

using namespace tavolin;
using Marks = std::pair<CardMask, CardMask>; // the cards with a tab, the cards outlined

namespace {

Marks marksOn(const testing::TableProbe& probe) {
    Marks marks{};
    for (int j = 0; j < 52; ++j) {
        const CardMask card = readCard(probe.card(j)->toolTip().toStdString())->mask();
        marks.first |= probe.card(j)->isCounted() ? card : 0;
        marks.second |= probe.card(j)->isOutlined() ? card : 0;
    }
    return marks;
}

} // namespace

class OutsMarksTest : public QObject {
    Q_OBJECT
private slots:
    void marksTheRuleCardsBesideTheTrueOuts();
};

void OutsMarksTest::marksTheRuleCardsBesideTheTrueOuts() {
    FrmTavolin window;
    testing::showActive(window);
    const testing::TableProbe probe(window);
    window.findChild<QAction*>(QStringLiteral("actShading"))->setChecked(false);
    auto* panel = window.findChild<PracticePanel*>();
    practice::SessionSettings settings;
    settings.Seed = 11;
    settings.Questions = {practice::QuestionKind::kOuts};
    panel->startPractice(settings);
    CardMask everCounted = 0;
    for (int spot = 0; spot < 8; ++spot) {
        const practice::PracticeSession& session = *panel->session();
        QVERIFY(marksOn(probe) == Marks{});
        QTest::keyClicks(&window, QString::fromStdString(formatShortest(session.reading().Outs, ".")));
        QTest::keyClick(&window, Qt::Key_Return);
        const bool river = session.current().Cards.BoardCount == 5;
        const std::vector<CardMask>& lines = session.reading().OutsCards;
        const CardMask counted = std::accumulate(lines.begin(), lines.end(), CardMask{0}, std::bit_or<>());
        const auto& truth = session.trueOuts();
        QVERIFY(marksOn(probe) == Marks(river ? 0 : counted, truth && !truth->Ahead ? truth->Cards : 0));
        // The verdict names the cards under their line and says what the deck shows.
        const QString verdict =
            window.findChild<QPlainTextEdit*>(QStringLiteral("practiceExplanation"))->toPlainText();
        QCOMPARE(verdict.contains(QStringLiteral(" on the deck")), !river);
        for (const CardMask cards : lines)
            QCOMPARE(verdict.contains(QStringLiteral("card%1 (%2)")
                                          .arg(cardCount(cards) == 1 ? "" : "s", cardNames(cards).c_str())),
                     cards != 0);
        everCounted |= counted;
        QTest::keyClick(&window, Qt::Key_Return);
    }
    QVERIFY(everCounted != 0);
}

QTEST_MAIN(OutsMarksTest)
#include "outs_marks_test.moc"
