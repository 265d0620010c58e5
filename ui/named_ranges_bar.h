#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace tavolin {
namespace journal {
class Journal;
}
class RangePanel;

// The player's own ranges under names, kept in the journal: save the range panel's range, load one back,
// rename or delete it. The profile ranges stay built in: their names cannot be taken.
class NamedRangesBar : public QWidget {
    Q_OBJECT
public:
    explicit NamedRangesBar(RangePanel* panel, QWidget* parent = nullptr);

    // Without a journal the bar says why nothing can be saved.
    void setJournal(journal::Journal* journal, const QString& problem);

    // The actions behind the buttons; false, with the reason on the bar, when refused.
    bool saveAs(const QString& name);
    bool load(const QString& name);
    bool rename(const QString& from, const QString& to);
    bool remove(const QString& name);
    QStringList names() const;

private:
    bool usable(const QString& name);
    void refill(const QString& current);
    void say(const QString& text);
    void askSave();
    void askRename();

    RangePanel* Panel;
    journal::Journal* Journal = nullptr;
    QComboBox* Names;
    QPushButton* SaveButton;
    QPushButton* RenameButton;
    QPushButton* DeleteButton;
    QLabel* Message;
};

} // namespace tavolin
