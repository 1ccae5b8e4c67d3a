#pragma once

#include "print/PrintPreview.h"

#include <QObject>

// Qt's print preview dialog behind PrintPreview, for the program to load.
class PrintPreviewModule : public QObject, public PrintPreview
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VelmoraPrintPreview_iid)
    Q_INTERFACES(PrintPreview)

public:
    bool run(QWidget *owner, const Job &job, const Paint &paint) override;
};
