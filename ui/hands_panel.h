#pragma once

#include "equity/holdings.h"
#include "history/replay.h"
#include "journal/journal.h"

#include <QWidget>
#include <cstdint>
#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tavolin {

// The player's own hands: the list of hands read from a file or a paste, and the replay of the one chosen,
// street by street, with the hero's decisions there and their verdicts.
class HandsPanel : public QWidget {
    Q_OBJECT
public:
    explicit HandsPanel(QWidget* parent = nullptr);

    // Lists the hands of `path`; false with the reason in `error` when the file cannot be read or holds
    // no hand, and then the list stays as it was. Multiway decisions, whose equity is sampled, are weighed
    // only when their hand is chosen, so that a large file opens quickly.
    bool openFile(const QString& path, const equity::HoldingWeights& villainRange, QString& error);
    // Lists the hands of a pasted text; false, changing nothing, when the text holds no whole hand.
    bool openText(const QString& text, const equity::HoldingWeights& villainRange);

    int handCount() const;
    const history::HandList& hands() const { return List; }
    // Shows a hand, weighing its multiway decisions first if they are not yet.
    void chooseHand(int index);
    bool nextStreet();
    bool previousStreet();
    // Queues the chosen hand's flagged decisions in the journal's review; a sentence saying what happened.
    QString addToReview(journal::Journal* journal, int preflopProfile);

signals:
    // The table should show this street of the chosen hand.
    void setupRequested(const tavolin::TableSetup& setup);
    // A sentence for the status line.
    void message(const QString& text);
    void reviewRequested();

private:
    bool showList(history::HandList list, const QString& source);
    void showStreet();

    history::HandList List;
    equity::HoldingWeights VillainRange{}; // the range the list's decisions are weighed against
    QString Source;
    std::int64_t Session = 0;
    QLabel* lblSource = nullptr;
    QTableWidget* tblHands = nullptr;
    QLabel* lblStreet = nullptr;
    QLabel* lblDecisions = nullptr;
    QPushButton* cmdPrevious = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdReview = nullptr;
};

} // namespace tavolin
