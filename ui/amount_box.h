#pragma once

#include <QLineEdit>
#include <QString>

namespace tavolin {

// An amount box. Its tool tip names the amount; hovering it also tells what the amount changes. When the
// text does not read as it looks, the box shows at its right end what it was read as.
class AmountBox : public QLineEdit {
    Q_OBJECT
public:
    AmountBox(int index, const QString& name, const QString& explanation, QWidget* parent);

    // "" while the text reads as it looks, else "read as 1" and the like.
    QString readBack() const { return ReadBack; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateReadBack();
    QString shownNote() const;
    QFont noteFont() const;

    QString Explanation;
    QString ReadBack;
};

} // namespace tavolin
