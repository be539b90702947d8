#include "window/radio_group.h"

#include <QStyle>
#include <QStyleOptionGroupBox>


RadioGroup::RadioGroup(const QString& title, const QStringList& items, int columns, int chosen, QWidget* parent)
    : QGroupBox(title, parent), buttons_(this), columns_(columns)
{
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        buttons_.addButton(b, i);
        items_.push_back(b);
    }
    items_[chosen]->setChecked(true);
    KeepTabOnChoice();
    connect(&buttons_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            KeepTabOnChoice();
    });
    connect(&buttons_, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
    setFocusPolicy(Qt::NoFocus);
}

void RadioGroup::KeepTabOnChoice()
{
    for (QRadioButton* b : items_)
        b->setFocusPolicy(b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    PlaceItems();
}

void RadioGroup::PlaceItems()
{
    const int n = count();
    const int rows = (n + columns_ - 1) / columns_;
    // The items share the frame's inside below the title evenly.
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect inside = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, this);
    const int top = inside.top();
    const int left = inside.left() + 4;
    const int innerWidth = inside.right() - 1 - left;
    const int innerHeight = inside.bottom() - 1 - top;
    for (int i = 0; i < n; ++i) {
        const int column = i / rows;
        const int row = i % rows;
        const int x0 = left + innerWidth * column / columns_;
        const int x1 = left + innerWidth * (column + 1) / columns_;
        const int y0 = top + innerHeight * row / rows;
        const int y1 = top + innerHeight * (row + 1) / rows;
        items_[i]->setGeometry(x0, y0, x1 - x0, y1 - y0);
    }
}
