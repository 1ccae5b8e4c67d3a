#include "app/IconFile.h"

#include "pictures/PictureDecoder.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace IconFile {

namespace {

class DeferredEngine final : public QIconEngine
{
public:
    explicit DeferredEngine(const QString &path) : m_path(path) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        decoded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return decoded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return decoded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return decoded().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return decoded().availableSizes(mode, state);
    }
    // Asked before any size (QIcon::isNull): answered without decoding, or the
    // deferral would be lost.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("velmora.iconfile"); }
    QIconEngine *clone() const override { return new DeferredEngine(*this); }

private:
    const QIcon &decoded()
    {
        if (!m_done) {
            m_done = true;
            QFile file(m_path);
            if (file.open(QIODevice::ReadOnly))
                for (const QImage &picture : PictureDecoder::decodeIconFile(file.readAll()))
                    m_icon.addPixmap(QPixmap::fromImage(picture));
        }
        return m_icon;
    }

    QString m_path;
    bool m_done = false;
    QIcon m_icon;
};

} // namespace

QIcon load(const QString &path)
{
    return QIcon(new DeferredEngine(path));
}

} // namespace IconFile
