#include "save/PrintOptionsDialog.h"

#include "render/CardRenderer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int ThumbnailWidth = 40;
constexpr int BackCount = 12;

} // namespace

QString PrintOptionsDialog::backName(int back) { return tr("Back %1").arg(back + 1); }

PrintOptionsDialog::PrintOptionsDialog(Purpose purpose, const PrintChoices &initial, QWidget *parent)
    : QDialog(parent), m_purpose(purpose), m_initial(initial)
{
    setObjectName(QStringLiteral("PrintOptionsDialog"));
    setWindowTitle(purpose == Purpose::Print ? tr("Print Options") : tr("PDF Options"));
    auto *form = new QFormLayout;

    m_size = new QComboBox(this);
    m_size->setObjectName(QStringLiteral("cardSize"));
    m_size->addItem(tr("Poker, 2.5 x 3.5 in (63.5 x 88.9 mm)"), int(CardSize::Poker));
    m_size->addItem(tr("Bridge, 2.25 x 3.5 in (57.2 x 88.9 mm)"), int(CardSize::Bridge));
    m_size->addItem(tr("Picture, 63 x 85.2 mm (the pictures' own shape)"), int(CardSize::Picture));
    m_size->setCurrentIndex(m_size->findData(int(initial.print.size)));
    m_size->setAccessibleName(tr("Card size"));
    auto *sizeLabel = new QLabel(tr("Card &size:"), this);
    sizeLabel->setBuddy(m_size);
    form->addRow(sizeLabel, m_size);

    m_bleed = new QCheckBox(tr("B&leed: the picture runs 1/8 in beyond each cut edge"), this);
    m_bleed->setObjectName(QStringLiteral("bleed"));
    m_bleed->setChecked(initial.print.bleed);
    m_bleed->setAccessibleDescription(tr("For print services, which cut inside the bleed."));
    form->addRow(m_bleed);

    m_backs = new QListWidget(this);
    m_backs->setObjectName(QStringLiteral("backs"));
    m_backs->setViewMode(QListView::IconMode);
    m_backs->setFlow(QListView::LeftToRight);
    m_backs->setWrapping(true);
    m_backs->setMovement(QListView::Static);
    m_backs->setResizeMode(QListView::Adjust);
    m_backs->setSelectionMode(QAbstractItemView::SingleSelection);
    m_backs->setAccessibleName(tr("Back"));
    m_backs->setAccessibleDescription(tr("The picture printed behind every card, or none."));
    auto *none = new QListWidgetItem(tr("None"), m_backs);
    none->setData(Qt::UserRole, -1);
    for (int back = 0; back < BackCount; ++back) {
        // The number alone under the picture; the full name for tooltips and
        // screen readers.
        auto *item = new QListWidgetItem(QString::number(back + 1), m_backs);
        item->setData(Qt::UserRole, back);
        item->setData(Qt::AccessibleTextRole, backName(back));
        item->setToolTip(backName(back));
    }
    none->setData(Qt::AccessibleTextRole, none->text());
    const int initialBack = qBound(-1, initial.print.back, BackCount - 1);
    m_backs->setCurrentRow(initialBack + 1);
    auto *backLabel = new QLabel(tr("Bac&k:"), this);
    backLabel->setBuddy(m_backs);
    form->addRow(backLabel, m_backs);

    m_duplex = new QCheckBox(tr("D&uplex: backs pages mirrored for printing on both sides (long edge)"), this);
    m_duplex->setObjectName(QStringLiteral("duplex"));
    m_duplex->setChecked(initial.print.mirrored);
    m_duplex->setAccessibleDescription(tr("Only sheets with a back have backs pages to mirror."));
    form->addRow(m_duplex);

    m_layout = new QComboBox(this);
    m_layout->setObjectName(QStringLiteral("layout"));
    m_layout->addItem(tr("Sheets of paper with cut marks"), int(CardSheet::Layout::Sheets));
    m_layout->addItem(tr("One card per page, at card size (for print services)"),
                      int(CardSheet::Layout::CardPerPage));
    m_layout->setCurrentIndex(m_layout->findData(int(initial.print.layout)));
    m_layout->setAccessibleName(tr("Layout"));
    auto *layoutLabel = new QLabel(tr("L&ayout:"), this);
    layoutLabel->setBuddy(m_layout);
    form->addRow(layoutLabel, m_layout);
    // A printer's paper is its own: printing always lays cards out on sheets.
    if (purpose == Purpose::Print) {
        layoutLabel->hide();
        m_layout->hide();
        m_layout->setCurrentIndex(m_layout->findData(int(CardSheet::Layout::Sheets)));
    }

    m_jokers = new QCheckBox(tr("Add the two &jokers after the 52 cards"), this);
    m_jokers->setObjectName(QStringLiteral("jokers"));
    m_jokers->setChecked(initial.jokers);
    form->addRow(m_jokers);
    m_jokers->setVisible(purpose == Purpose::DeckPdf);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(purpose == Purpose::Print ? tr("&Print\u2026") : tr("&Export\u2026"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    setTabOrder(m_size, m_bleed);
    setTabOrder(m_bleed, m_backs);
    setTabOrder(m_backs, m_duplex);
    setTabOrder(m_duplex, m_layout);
    setTabOrder(m_layout, m_jokers);
    setTabOrder(m_jokers, buttons);

    connect(m_size, &QComboBox::currentIndexChanged, this, &PrintOptionsDialog::drawThumbnails);
    connect(m_backs, &QListWidget::currentRowChanged, this, &PrintOptionsDialog::updateDuplex);
    connect(m_layout, &QComboBox::currentIndexChanged, this, &PrintOptionsDialog::updateDuplex);
    drawThumbnails();
    updateDuplex();
}

void PrintOptionsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The button box hands its default button the focus as it shows; the
    // step starts at its first choice, so Tab goes down the form in order.
    m_size->setFocus(Qt::ActiveWindowFocusReason);
}

void PrintOptionsDialog::drawThumbnails()
{
    const auto size = CardSize(m_size->currentData().toInt());
    const int height = CardSizes::heightForWidth(size, ThumbnailWidth);
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(qRound(ThumbnailWidth * ratio), qRound(height * ratio));
    for (int row = 0; row < m_backs->count(); ++row) {
        QListWidgetItem *item = m_backs->item(row);
        const int back = item->data(Qt::UserRole).toInt();
        QImage image;
        if (back >= 0) {
            image = CardRenderer::image(CardArt::back(back), pixels.width(), size);
        } else {
            // No back: the card's outline, empty.
            image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(palette().color(QPalette::Mid), ratio, Qt::DashLine));
            painter.drawRoundedRect(QRectF(image.rect()).adjusted(ratio, ratio, -ratio, -ratio), 3 * ratio, 3 * ratio);
        }
        image.setDevicePixelRatio(ratio);
        item->setIcon(QIcon(QPixmap::fromImage(image)));
    }
    m_backs->setIconSize(QSize(ThumbnailWidth, height));
    // Two rows of seven, the scroll bar's room kept so it never wraps them
    // into three.
    const int cell = ThumbnailWidth + 14;
    m_backs->setGridSize(QSize(cell, height + fontMetrics().height() + 10));
    const int frame = 2 * m_backs->frameWidth() + 8;
    m_backs->setMinimumSize(7 * cell + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + frame,
                            2 * m_backs->gridSize().height() + frame);
}

void PrintOptionsDialog::updateDuplex()
{
    const bool back = m_backs->currentItem() && m_backs->currentItem()->data(Qt::UserRole).toInt() >= 0;
    const bool sheets = CardSheet::Layout(m_layout->currentData().toInt()) == CardSheet::Layout::Sheets;
    m_duplex->setEnabled(back && sheets);
}

PrintChoices PrintOptionsDialog::choices() const
{
    PrintChoices chosen = m_initial;
    chosen.print.size = CardSize(m_size->currentData().toInt());
    chosen.print.bleed = m_bleed->isChecked();
    chosen.print.back = m_backs->currentItem() ? m_backs->currentItem()->data(Qt::UserRole).toInt() : -1;
    chosen.print.mirrored = m_duplex->isChecked();
    chosen.print.layout = CardSheet::Layout(m_layout->currentData().toInt());
    if (m_purpose == Purpose::DeckPdf)
        chosen.jokers = m_jokers->isChecked();
    return chosen;
}

