#include "core/ListBox.h"

ListBox::ListBox(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::currentRowChanged, this, &ListBox::Click);
}

void ListBox::setListIndex(int row)
{
    if (row == currentRow())
        emit Click();
    else
        setCurrentRow(row);
}
