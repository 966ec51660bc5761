#include "panels/progressindicator.h"

ProgressIndicator::ProgressIndicator(QWidget *parent) : QProgressIndicator(parent)
{
    setFixedSize(32, 32);
}

void ProgressIndicator::startAnimation()
{
    QProgressIndicator::startAnimation();
    if (QWidget *host = parentWidget())
        move((host->width() - width()) / 2, 0);
}
