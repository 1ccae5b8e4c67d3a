#include "app/TitleFit.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStyle>

namespace TitleFit {

int widthForTitle(const QString &title, const QWidget *window)
{
    // Qt leaves room for the title only in the box's own font and 50 pixels
    // beside it; window managers draw it bold, often larger, next to an icon
    // and buttons, and cut it short ("Ve...ra") when that does not fit.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    const QStyle *style = window ? window->style() : QApplication::style();
    const int button = qMax(style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window),
                            metrics.height() + 8);
    const int frame = 2 * qMax(style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window), 8);
    return metrics.horizontalAdvance(title) + 4 * button + frame;
}

void fitTitle(QMessageBox &box)
{
    // The box sizes itself from its layout's minimum each time it is shown,
    // so the width goes into the layout: a spacer under the rest, as wide as
    // the title needs and of no height.
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    const int width = widthForTitle(box.windowTitle(), &box) - 2 * grid->contentsMargins().left();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0,
                  1, qMax(1, grid->columnCount()));
}

} // namespace TitleFit
