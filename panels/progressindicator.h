#pragma once
// The 32×32 busy wheel of the refresh banner: the toolkit's wheel, centred at the top of its host while it runs.

#include "materialwidgets/qprogressindicator.h"

class ProgressIndicator : public QProgressIndicator
{
    Q_OBJECT

public:
    explicit ProgressIndicator(QWidget *parent = nullptr);

public slots:
    // Moves to the top centre of the host (its width may have changed since the last start), then spins from 0°.
    void startAnimation();
};
