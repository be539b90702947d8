#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>

#include <vector>

// A titled group of radio items laid out column by column, top to bottom and then left
// to right. Only the chosen item takes Tab focus, so Tab enters the group at its choice
// and the arrow keys move between items.
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& title, const QStringList& items, int columns, int chosen, QWidget* parent = nullptr);

    int itemIndex() const { return buttons_.checkedId(); }
    QRadioButton* item(int index) const { return items_[index]; }
    int count() const { return static_cast<int>(items_.size()); }

signals:
    // The user chose an item.
    void clicked(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceItems();
    void KeepTabOnChoice();

    QButtonGroup buttons_;
    std::vector<QRadioButton*> items_;
    int columns_;
};
