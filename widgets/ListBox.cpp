#include "widgets/ListBox.h"

#include "core/CardEntry.h"

#include <QPainter>

ListBox::ListBox(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::currentRowChanged, this, &ListBox::Click);
    // Entries come from the draw one by one and may be renamed later; the
    // model is the one place that sees every one of them.
    connect(model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { describeRows(first, last); });
    connect(model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles) {
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole))
                    describeRows(topLeft.row(), bottomRight.row());
            });
}

ListBox::~ListBox()
{
    // The base classes drop the model's rows after this object has stopped
    // being a ListBox: nobody listening to those rows may meet it half gone.
    model()->blockSignals(true);
}

void ListBox::setListIndex(int row)
{
    // The row may already be current without being selected: the selection is
    // set either way, and Click() raised once.
    const bool moves = row != currentRow();
    setCurrentRow(row, row < 0 ? QItemSelectionModel::Clear : QItemSelectionModel::ClearAndSelect);
    if (!moves)
        emit Click();
}

int ListBox::selectedRow() const
{
    const int row = currentRow();
    const QListWidgetItem *entry = item(row);
    return entry && entry->isSelected() ? row : -1;
}

void ListBox::describeRows(int first, int last)
{
    for (int row = first; row <= last; ++row) {
        QListWidgetItem *entry = item(row);
        if (!entry)
            continue;
        // An entry that names no card has no name to give.
        const std::optional<int> card = CardEntry::cardOf(entry->text());
        const QString description = card ? CardEntry::cardName(*card) : QString();
        // Writing the same value again would raise dataChanged for nothing.
        // The card's name is also the entry's tooltip: "Card 17" alone does
        // not say which card it is.
        if (entry->data(Qt::AccessibleDescriptionRole).toString() != description) {
            entry->setData(Qt::AccessibleDescriptionRole, description);
            entry->setData(Qt::ToolTipRole, description);
        }
    }
}

void ListBox::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    // Styles mark a list's focus on its current entry alone, one shade off the
    // selection's colour, and not at all in an empty list: an outline in the
    // highlight colour, as focused text fields show it, says where keys go.
    if (!hasFocus())
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(viewport()->rect()).adjusted(1, 1, -1, -1));
}

