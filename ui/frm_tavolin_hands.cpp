// The player's own hands: opening a hand history (the Hands menu, Ctrl+O, a file dropped on the window or
// whole hands pasted), the Hands tab that lists them, and the replay on the table street by street.

#include "ui/frm_tavolin.h"
#include "ui/hands_panel.h"
#include "ui/journal_link.h"
#include "ui/range_panel.h"
#include "ui/study_column.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>
#include <QToolButton>

namespace tavolin {
namespace {

// Hands the first local file dropped on the window to `open`.
class FileDrop : public QObject {
public:
    FileDrop(QObject* parent, std::function<void(const QString&)> open)
        : QObject(parent), Open(std::move(open)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::DragEnter) {
            auto* drag = static_cast<QDragEnterEvent*>(event);
            if (!localFile(drag->mimeData()).isEmpty()) drag->acceptProposedAction();
            return true;
        }
        if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path = localFile(drop->mimeData());
            if (path.isEmpty()) return false;
            drop->acceptProposedAction();
            Open(path);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static QString localFile(const QMimeData* data) {
        if (data == nullptr || !data->hasUrls() || data->urls().isEmpty()) return {};
        return data->urls().front().toLocalFile();
    }

    std::function<void(const QString&)> Open;
};

} // namespace

void FrmTavolin::createHands() {
    handsPanel = new HandsPanel(studyColumn);
    studyColumn->addTab(handsPanel, tr("Hands"));
    connect(handsPanel, &HandsPanel::setupRequested, this, [this](const TableSetup& setup) {
        if (!holdsQuestion()) setUpHand(setup);
    });
    const auto review = [this] {
        Notice = handsPanel->addToReview(Journal ? Journal->journal() : nullptr, Hand.state().Preflop);
        updateStatus();
    };
    connect(handsPanel, &HandsPanel::reviewRequested, this, review);

    const auto open = [this] {
        const QString path =
            QFileDialog::getOpenFileName(this, tr("Open hand history"), QString(),
                                         tr("Hand histories (*.txt *.ohh *.json);;All files (*)"));
        if (!path.isEmpty()) openHistory(path);
    };
    const QKeySequence openKeys(QKeySequence::Open);
    new QShortcut(openKeys, this, this, open);
    new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this, this, [this] { handsPanel->nextStreet(); });
    new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this, this, [this] { handsPanel->previousStreet(); });

    auto* hands = new QToolButton(studyColumn);
    hands->setObjectName(QStringLiteral("cmdHands"));
    hands->setText(tr("Hands"));
    hands->setToolTip(tr("Open your own hand histories and replay them"));
    hands->setFocusPolicy(Qt::NoFocus);
    hands->setAutoRaise(true);
    auto* menu = new QMenu(hands);
    QAction* openAction = menu->addAction(tr("Open hand history..."), this, open);
    openAction->setShortcut(openKeys);
    menu->addAction(tr("Add to review"), this, review);
    hands->setMenu(menu);
    hands->setPopupMode(QToolButton::InstantPopup);
    if (auto* bar = studyColumn->cornerWidget(Qt::TopRightCorner))
        if (auto* row = qobject_cast<QHBoxLayout*>(bar->layout())) row->insertWidget(row->count() - 1, hands);

    setAcceptDrops(true);
    installEventFilter(new FileDrop(this, [this](const QString& path) { openHistory(path); }));
}

bool FrmTavolin::openHistory(const QString& path) {
    QString error;
    if (!handsPanel->openFile(path, rangePanel->range(), error)) {
        Notice = tr("No hands opened: %1").arg(error);
        updateStatus();
        return false;
    }
    studyColumn->setCurrentWidget(handsPanel);
    handsPanel->chooseHand(0);
    return true;
}

bool FrmTavolin::openPastedHands(const QString& text) {
    if (!handsPanel->openText(text, rangePanel->range())) return false;
    studyColumn->setCurrentWidget(handsPanel);
    handsPanel->chooseHand(0);
    return true;
}

} // namespace tavolin
