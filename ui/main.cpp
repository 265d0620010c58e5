#include "journal/journal.h"
#include "ui/frm_tavolin.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QPixmap>
#include <QSettings>
#include <QTableWidget>
#include <cstdio>
#include <memory>

namespace {

QAbstractButton* deckCard(tavolin::FrmTavolin& window, const QString& text) {
    for (auto* candidate : window.findChildren<QAbstractButton*>())
        if (candidate->objectName().startsWith(QStringLiteral("imgCard_")) && candidate->toolTip() == text)
            return candidate;
    std::fprintf(stderr, "not a card: %s\n", qPrintable(text));
    return nullptr;
}

// Ticks only the named rows of the range on the board ("top pair, flush draw") and keeps them.
bool keepRows(tavolin::FrmTavolin& window, const QString& names) {
    QStringList wanted;
    for (const QString& name : names.split(u',', Qt::SkipEmptyParts))
        wanted << name.trimmed().toLower();
    auto* table = window.findChild<QTableWidget*>(QStringLiteral("tblBoardRange"));
    auto* keep = window.findChild<QAbstractButton*>(QStringLiteral("cmdKeepRows"));
    if (table == nullptr || keep == nullptr) return false;
    for (int row = 0; row < table->rowCount(); ++row) {
        QTableWidgetItem* item = table->item(row, 0);
        if (item == nullptr || !(item->flags() & Qt::ItemIsUserCheckable)) continue;
        const bool kept = wanted.removeAll(item->text().toLower()) > 0;
        item->setCheckState(kept ? Qt::Checked : Qt::Unchecked);
    }
    if (!wanted.isEmpty()) {
        std::fprintf(stderr, "no such row on this board: %s\n", qPrintable(wanted.join(u',')));
        return false;
    }
    keep->click();
    return true;
}

// Picks the named cards and types the amounts the way a player would, for a screenshot of a dealt hand.
// Each text of `keeps` narrows the range, street by street: the first on the flop, the next on the turn.
bool dealSample(tavolin::FrmTavolin& window, const QString& cards, const QString& amounts,
                const QStringList& keeps) {
    const QStringList texts = cards.split(u' ', Qt::SkipEmptyParts);
    const QStringList values = amounts.split(u' ', Qt::SkipEmptyParts);
    for (int i = 0; i < values.size() && i < 4; ++i)
        window.findChild<QLineEdit*>(QStringLiteral("txtBet_%1").arg(i))->setText(values[i]);
    auto* calc = window.findChild<QAbstractButton*>(QStringLiteral("cmdCalc"));
    int street = 0;
    for (int i = 0; i < texts.size(); ++i) {
        QAbstractButton* card = deckCard(window, texts[i]);
        if (card == nullptr) return false;
        card->click();
        const bool streetDealt = i + 1 >= 5;
        if (!streetDealt || (values.isEmpty() && keeps.isEmpty())) continue;
        if (!values.isEmpty()) calc->click();
        if (street < keeps.size() && !keepRows(window, keeps[street])) return false;
        ++street;
    }
    if (texts.size() < 5 && !values.isEmpty()) calc->click();
    return true;
}

// A screenshot or the help text needs no screen: without a display they go to the offscreen platform
// instead of failing to start.
void useOffscreenWhenNoDisplayIsNeeded(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
        qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        return;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--screenshot" || arg.startsWith("--screenshot=") || arg == "--help" || arg == "-h")
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

} // namespace

int main(int argc, char* argv[]) {
    useOffscreenWhenNoDisplayIsNeeded(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavolin"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Post-flop Texas Hold'em trainer"));
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the window to <file> and quit."),
                                        QStringLiteral("file"));
    const QCommandLineOption cards(
        QStringLiteral("cards"),
        QStringLiteral("Pick these cards first, hole cards then board (\"Ad 7d 3s 4c 5h\")."),
        QStringLiteral("cards"));
    const QCommandLineOption amounts(
        QStringLiteral("amounts"),
        QStringLiteral("Type pot, hero's bet, villain's bet and stack (\"100 0 50 500\")."),
        QStringLiteral("amounts"));
    const QCommandLineOption size(
        QStringLiteral("size"),
        QStringLiteral("Draw the screenshot at this size (\"1600x1000\"); else the opening size."),
        QStringLiteral("size"));
    const QCommandLineOption view(QStringLiteral("view"),
                                  QStringLiteral("Open on this tab of the study column: study, practice or "
                                                 "progress."),
                                  QStringLiteral("tab"));
    const QCommandLineOption journalPath(
        QStringLiteral("journal"),
        QStringLiteral("Keep practice and saved ranges in this journal file instead of the default one."),
        QStringLiteral("path"));
    const QCommandLineOption history(QStringLiteral("history"),
                                     QStringLiteral("Open the hands of this hand history on the Hands tab."),
                                     QStringLiteral("file"));
    const QCommandLineOption keep(
        QStringLiteral("keep"),
        QStringLiteral("Keep these rows of the range on the board (\"top pair, flush draw\"): given once, on "
                       "the flop; again, on the turn; a third time, on the river."),
        QStringLiteral("rows"));
    const QCommandLineOption heatMap(QStringLiteral("heat-map"),
                                     QStringLiteral("Show the hero's equity against each cell of the villain "
                                                    "grid."));
    parser.addOptions({screenshot, cards, amounts, size, view, journalPath, history, keep, heatMap});
    parser.process(app);

    // Made before the window, so that it outlives the window writing its size into it.
    QSettings settings(QStringLiteral("Tavolin"), QStringLiteral("Tavolin"));
    tavolin::FrmTavolin window;
    // A screenshot shows the opening size and view, whatever this player chose before.
    if (!parser.isSet(screenshot)) window.rememberIn(&settings);
    // A screenshot leaves the player's own journal alone.
    if (!parser.isSet(screenshot) || parser.isSet(journalPath)) window.useJournal(parser.value(journalPath));
    if (parser.isSet(view) && !window.showTab(parser.value(view))) {
        std::fprintf(stderr, "no such tab: %s\n", qPrintable(parser.value(view)));
        return 2;
    }
    if (parser.isSet(history) && !window.openHistory(parser.value(history))) return 2;
    window.show();
    if (parser.isSet(heatMap))
        if (auto* box = window.findChild<QAbstractButton*>(QStringLiteral("chkHeatMap")))
            box->setChecked(true);
    if (!dealSample(window, parser.value(cards), parser.value(amounts), parser.values(keep))) return 2;

    if (parser.isSet(screenshot)) {
        const QStringList wanted = parser.value(size).split(u'x');
        const QSize shotSize = wanted.size() == 2 ? QSize(wanted[0].toInt(), wanted[1].toInt()) : QSize();
        window.resize(shotSize.isValid() ? shotSize.expandedTo(window.minimumSize()) : window.sizeHint());
        // The report box lays out its text at that size; the study column's wrapped labels take a few rounds
        // of layout to settle on their heights.
        for (int round = 0; round < 5; ++round)
            QApplication::processEvents();
        const QString file = parser.value(screenshot);
        if (!window.grab().save(file, "PNG")) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
            return 1;
        }
        return 0;
    }
    return QApplication::exec();
}
